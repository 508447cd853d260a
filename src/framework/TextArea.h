#pragma once

#include <string>

#include "framework/Control.h"

class QPlainTextEdit;

namespace fw {

// A text area's design values.
struct TextAreaDesign : ControlDesign {
  std::string Text;
  // In pixels; 0 for the framework's default size.
  int TextSize = 0;
  bool ReadOnly = false;
  bool ScrollbarVertical = true;
  bool Border = true;
};

// A box of several paragraphs that scrolls. Paragraphs are separated by
// carriage returns (character 13), as everywhere in the program's text; each
// one starts a new line on the screen.
class TextArea : public RectControl {
 public:
  explicit TextArea(fw::Window* window);

  // The text exactly as the program set it, carriage returns included;
  // once the user has edited it, what the box holds, with a carriage return
  // at each line break.
  const std::string& Text() const { return text_; }
  void SetText(const std::string& text);

  int TextSize() const { return textSize_; }
  void SetTextSize(int size);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool readOnly);
  bool ScrollbarVertical() const { return scrollbarVertical_; }
  void SetScrollbarVertical(bool on);

  using RectControl::SetProperties;
  void SetProperties(const TextAreaDesign& design);

  QPlainTextEdit* Editor() const { return edit_; }

 private:
  QPlainTextEdit* edit_;
  std::string text_;
  int textSize_ = 0;
  bool readOnly_ = false;
  bool scrollbarVertical_ = true;
  bool settingText_ = false;
};

}  // namespace fw
