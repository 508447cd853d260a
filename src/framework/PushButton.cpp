#include "framework/PushButton.h"

#include <QKeyEvent>
#include <QMainWindow>
#include <QPushButton>

#include "framework/ControlText.h"
#include "framework/Runtime.h"
#include "framework/Window.h"

namespace fw {

// Watches the keys that reach the button's window unused: Return and Enter
// press the default button, Escape the cancel button. A control that uses
// such a key itself keeps it: an open pop-up list picks its row with Return
// and closes with Escape, since it is a window of its own; a text field, a
// closed pop-up menu or another button leave these keys to the window.
class PushButton::KeyWatcher : public QObject {
 public:
  explicit KeyWatcher(PushButton* button) : button_(button) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    if (modifiers != Qt::NoModifier) return false;
    const bool confirm = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    const bool dismiss = key->key() == Qt::Key_Escape;
    if (!(confirm && button_->Default()) && !(dismiss && button_->Cancel())) return false;
    if (!button_->Pressable()) return false;
    button_->PressedByUser();
    return true;
  }

 private:
  PushButton* button_;
};

PushButton::PushButton(fw::Window* window)
    : RectControl(window, new QPushButton), button_(static_cast<QPushButton*>(Widget())) {
  button_->setAutoDefault(false);
  button_->setFont(detail::ControlFont(textSize_));
  QObject::connect(button_, &QPushButton::clicked, button_, [this] { PressedByUser(); });
}

PushButton::~PushButton() { delete keys_.data(); }

void PushButton::SetCaption(const std::string& caption) {
  caption_ = caption;
  QString text = detail::ToQString(caption);
  text.replace(QLatin1Char('&'), QLatin1String("&&"));
  button_->setText(text);
}

void PushButton::SetTextSize(int size) {
  textSize_ = size;
  button_->setFont(detail::ControlFont(size));
}

void PushButton::SetDefault(bool on) {
  default_ = on;
  button_->setDefault(on);
  WatchKeys();
}

void PushButton::SetCancel(bool on) {
  cancel_ = on;
  WatchKeys();
}

void PushButton::WatchKeys() {
  if (keys_ || !(default_ || cancel_) || Window() == nullptr) return;
  keys_ = new KeyWatcher(this);
  Window()->TopLevelWidget()->installEventFilter(keys_);
}

void PushButton::SetProperties(const PushButtonDesign& design) {
  RectControl::SetProperties(static_cast<const ControlDesign&>(design));
  SetCaption(design.Caption);
  SetTextSize(design.TextSize);
  SetDefault(design.Default);
  SetCancel(design.Cancel);
}

bool PushButton::Pressable() const { return button_->isEnabled() && Visible(); }

void PushButton::Push() {
  if (Pressable() && Action) Dispatch(Action);
}

void PushButton::PressedByUser() {
  if (!Pressable() || InProgramHandler()) return;
  std::weak_ptr<bool> alive = alive_;
  DeliverWhenIdle([this, alive] {
    if (alive.lock() && Pressable() && Action) Action();
  });
}

}  // namespace fw
