#include "framework/TextField.h"

#include <QLineEdit>

#include "framework/ControlText.h"

namespace fw {

TextField::TextField(fw::Window* window)
    : RectControl(window, new QLineEdit), edit_(static_cast<QLineEdit*>(Widget())) {
  edit_->setFont(detail::ControlFont(textSize_));
  // Only the user's typing comes here; SetText does not.
  QObject::connect(edit_, &QLineEdit::textEdited, edit_, [this](const QString& text) {
    text_ = detail::FromQString(text);
  });
}

void TextField::SetText(const std::string& text) {
  text_ = text;
  edit_->setText(detail::ToQString(text));
}

void TextField::SetTextSize(int size) {
  textSize_ = size;
  edit_->setFont(detail::ControlFont(size));
}

void TextField::SetReadOnly(bool readOnly) {
  readOnly_ = readOnly;
  edit_->setReadOnly(readOnly);
}

void TextField::SetProperties(const TextFieldDesign& design) {
  RectControl::SetProperties(static_cast<const ControlDesign&>(design));
  SetTextSize(design.TextSize);
  SetReadOnly(design.ReadOnly);
  edit_->setEchoMode(design.Password ? QLineEdit::Password : QLineEdit::Normal);
  edit_->setFrame(design.Border);
  Qt::Alignment horizontal = Qt::AlignLeft;
  if (design.Alignment == 1) horizontal = Qt::AlignHCenter;
  if (design.Alignment == 2) horizontal = Qt::AlignRight;
  edit_->setAlignment(horizontal | Qt::AlignVCenter);
  SetText(design.Text);
}

}  // namespace fw
