#pragma once

#include <string>

#include "framework/Color.h"
#include "framework/Control.h"

class QLabel;

namespace fw {

// A label's design values.
struct LabelDesign : ControlDesign {
  std::string Text;
  // In pixels; 0 for the framework's default size.
  int TextSize = 0;
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  Color TextColor = RGB(0, 0, 0);
  // 0 left, 1 centred, 2 right.
  int TextAlign = 0;
  // Off: one line, cut at the right edge; on: words wrap within the box.
  bool Multiline = false;
};

// A text that the user reads but cannot edit. Its mouse events are those of
// every RectControl; a disabled label shows its text greyed and calls no
// handler.
class Label : public RectControl {
 public:
  static constexpr int kAlignLeft = 0;
  static constexpr int kAlignCenter = 1;
  static constexpr int kAlignRight = 2;

  explicit Label(fw::Window* window);

  // The text shown, exactly as the program set it. Caption is the same text.
  const std::string& Text() const { return text_; }
  void SetText(const std::string& text);
  const std::string& Caption() const { return text_; }
  void SetCaption(const std::string& text) { SetText(text); }

  int TextSize() const { return textSize_; }
  void SetTextSize(int size);
  bool Bold() const { return bold_; }
  void SetBold(bool bold);
  bool Italic() const { return italic_; }
  void SetItalic(bool italic);
  bool Underline() const { return underline_; }
  void SetUnderline(bool underline);
  Color TextColor() const { return textColor_; }
  void SetTextColor(Color color);
  int TextAlign() const { return textAlign_; }
  void SetTextAlign(int align);
  bool Multiline() const { return multiline_; }
  void SetMultiline(bool multiline);

  using RectControl::SetProperties;
  void SetProperties(const LabelDesign& design);

 private:
  void ApplyFont();
  void ApplyAlignment();

  QLabel* label_;
  std::string text_;
  int textSize_ = 0;
  bool bold_ = false;
  bool italic_ = false;
  bool underline_ = false;
  Color textColor_ = RGB(0, 0, 0);
  int textAlign_ = kAlignLeft;
  bool multiline_ = false;
};

}  // namespace fw
