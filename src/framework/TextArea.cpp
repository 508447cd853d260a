#include "framework/TextArea.h"

#include <QFrame>
#include <QPlainTextEdit>

#include "framework/ControlText.h"

namespace fw {
namespace {

// CR, CR LF and LF each end a line on the screen.
QString ToScreen(const std::string& text) {
  QString shown = detail::ToQString(text);
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return shown;
}

std::string FromScreen(const QString& shown) {
  std::string text = detail::FromQString(shown);
  for (char& c : text) {
    if (c == '\n') c = '\r';
  }
  return text;
}

}  // namespace

TextArea::TextArea(fw::Window* window)
    : RectControl(window, new QPlainTextEdit), edit_(static_cast<QPlainTextEdit*>(Widget())) {
  edit_->setFont(detail::ControlFont(textSize_));
  edit_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  edit_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  edit_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  edit_->setTabChangesFocus(true);
  QObject::connect(edit_, &QPlainTextEdit::textChanged, edit_, [this] {
    if (!settingText_) text_ = FromScreen(edit_->toPlainText());
  });
}

void TextArea::SetText(const std::string& text) {
  text_ = text;
  settingText_ = true;
  edit_->setPlainText(ToScreen(text));
  settingText_ = false;
}

void TextArea::SetTextSize(int size) {
  textSize_ = size;
  edit_->setFont(detail::ControlFont(size));
}

void TextArea::SetReadOnly(bool readOnly) {
  readOnly_ = readOnly;
  edit_->setReadOnly(readOnly);
}

void TextArea::SetScrollbarVertical(bool on) {
  scrollbarVertical_ = on;
  edit_->setVerticalScrollBarPolicy(on ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

void TextArea::SetProperties(const TextAreaDesign& design) {
  RectControl::SetProperties(static_cast<const ControlDesign&>(design));
  SetTextSize(design.TextSize);
  SetReadOnly(design.ReadOnly);
  SetScrollbarVertical(design.ScrollbarVertical);
  edit_->setFrameShape(design.Border ? QFrame::StyledPanel : QFrame::NoFrame);
  SetText(design.Text);
}

}  // namespace fw
