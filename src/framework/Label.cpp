#include "framework/Label.h"

#include <QLabel>
#include <QPalette>

#include "framework/ControlText.h"

namespace fw {

Label::Label(fw::Window* window) : RectControl(window, new QLabel), label_(static_cast<QLabel*>(Widget())) {
  label_->setTextFormat(Qt::PlainText);
  label_->setTextInteractionFlags(Qt::NoTextInteraction);
  label_->setFocusPolicy(Qt::NoFocus);
  label_->setContentsMargins(0, 0, 0, 0);
  label_->setMargin(0);
  ApplyFont();
  ApplyAlignment();
  SetTextColor(textColor_);
}

void Label::SetText(const std::string& text) {
  text_ = text;
  label_->setText(detail::ToQString(text));
}

void Label::SetTextSize(int size) {
  textSize_ = size;
  ApplyFont();
}

void Label::SetBold(bool bold) {
  bold_ = bold;
  ApplyFont();
}

void Label::SetItalic(bool italic) {
  italic_ = italic;
  ApplyFont();
}

void Label::SetUnderline(bool underline) {
  underline_ = underline;
  ApplyFont();
}

void Label::SetTextColor(Color color) {
  textColor_ = color;
  // Only the active and inactive looks: a disabled label keeps the system's
  // greyed text.
  QPalette palette = label_->palette();
  const QColor qt(color.red, color.green, color.blue);
  palette.setColor(QPalette::Active, QPalette::WindowText, qt);
  palette.setColor(QPalette::Inactive, QPalette::WindowText, qt);
  label_->setPalette(palette);
}

void Label::SetTextAlign(int align) {
  textAlign_ = align;
  ApplyAlignment();
}

void Label::SetMultiline(bool multiline) {
  multiline_ = multiline;
  label_->setWordWrap(multiline);
}

void Label::SetProperties(const LabelDesign& design) {
  RectControl::SetProperties(static_cast<const ControlDesign&>(design));
  textSize_ = design.TextSize;
  bold_ = design.Bold;
  italic_ = design.Italic;
  underline_ = design.Underline;
  ApplyFont();
  SetTextColor(design.TextColor);
  SetTextAlign(design.TextAlign);
  SetMultiline(design.Multiline);
  SetText(design.Text);
}

void Label::ApplyFont() { label_->setFont(detail::ControlFont(textSize_, bold_, italic_, underline_)); }

void Label::ApplyAlignment() {
  Qt::Alignment horizontal = Qt::AlignLeft;
  if (textAlign_ == kAlignCenter) horizontal = Qt::AlignHCenter;
  if (textAlign_ == kAlignRight) horizontal = Qt::AlignRight;
  label_->setAlignment(horizontal | Qt::AlignTop);
}

}  // namespace fw
