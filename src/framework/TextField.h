#pragma once

#include <string>

#include "framework/Control.h"

class QLineEdit;

namespace fw {

// A text field's design values.
struct TextFieldDesign : ControlDesign {
  std::string Text;
  // In pixels; 0 for the framework's default size.
  int TextSize = 0;
  bool ReadOnly = false;
  bool Password = false;
  bool Border = true;
  // 0 left, 1 centred, 2 right.
  int Alignment = 0;
};

// A one-line field the user types into.
class TextField : public RectControl {
 public:
  explicit TextField(fw::Window* window);

  // What the field holds: exactly what the program set, until the user
  // edits it.
  const std::string& Text() const { return text_; }
  void SetText(const std::string& text);

  int TextSize() const { return textSize_; }
  void SetTextSize(int size);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool readOnly);

  using RectControl::SetProperties;
  void SetProperties(const TextFieldDesign& design);

 private:
  QLineEdit* edit_;
  std::string text_;
  int textSize_ = 0;
  bool readOnly_ = false;
};

}  // namespace fw
