#include "framework/ProgressBar.h"

#include <QProgressBar>

namespace fw {

ProgressBar::ProgressBar(fw::Window* window) : RectControl(window, new QProgressBar), bar_(static_cast<QProgressBar*>(Widget())) {
  bar_->setTextVisible(false);
  bar_->setRange(0, maximum_);
  bar_->setValue(0);
}

void ProgressBar::SetValue(int value) {
  value_ = value;
  bar_->setValue(value < 0 ? 0 : (value > maximum_ ? maximum_ : value));
}

void ProgressBar::SetMaximum(int maximum) {
  maximum_ = maximum;
  bar_->setRange(0, maximum);
}

void ProgressBar::Refresh(bool /*eraseBackground*/) {
  if (bar_->isVisible()) bar_->repaint();
}

}  // namespace fw
