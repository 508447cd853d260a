#include "framework/PushButton.h"

#include <QMainWindow>
#include <QPushButton>
#include <QShortcut>

#include "framework/ControlText.h"
#include "framework/Runtime.h"
#include "framework/Window.h"

namespace fw {
namespace {

QShortcut* MakeKey(fw::Window* window, Qt::Key key) {
  if (window == nullptr) return nullptr;
  auto* shortcut = new QShortcut(QKeySequence(key), window->TopLevelWidget());
  shortcut->setContext(Qt::WindowShortcut);
  shortcut->setAutoRepeat(false);
  return shortcut;
}

}  // namespace

PushButton::PushButton(fw::Window* window)
    : RectControl(window, new QPushButton), button_(static_cast<QPushButton*>(Widget())) {
  button_->setAutoDefault(false);
  button_->setFont(detail::ControlFont(textSize_));
  QObject::connect(button_, &QPushButton::clicked, button_, [this] { PressedByUser(); });
}

PushButton::~PushButton() {
  delete returnKey_.data();
  delete enterKey_.data();
  delete escapeKey_.data();
}

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
  if (on && !returnKey_) {
    returnKey_ = MakeKey(Window(), Qt::Key_Return);
    enterKey_ = MakeKey(Window(), Qt::Key_Enter);
    for (QShortcut* key : {returnKey_.data(), enterKey_.data()}) {
      if (key != nullptr) QObject::connect(key, &QShortcut::activated, key, [this] { PressedByUser(); });
    }
  } else if (!on) {
    delete returnKey_.data();
    delete enterKey_.data();
  }
}

void PushButton::SetCancel(bool on) {
  cancel_ = on;
  if (on && !escapeKey_) {
    escapeKey_ = MakeKey(Window(), Qt::Key_Escape);
    if (escapeKey_) QObject::connect(escapeKey_, &QShortcut::activated, escapeKey_, [this] { PressedByUser(); });
  } else if (!on) {
    delete escapeKey_.data();
  }
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
