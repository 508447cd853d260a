#include "framework/Timer.h"

#include <QTimer>

#include "framework/Runtime.h"

namespace fw {

Timer::Timer(fw::Window* window) : Control(window), timer_(std::make_unique<QTimer>()) {
  QObject::connect(timer_.get(), &QTimer::timeout, timer_.get(), [this] { Tick(); });
  Apply();
}

Timer::~Timer() = default;

void Timer::SetMode(int mode) {
  mode_ = mode;
  Apply();
}

void Timer::SetPeriod(int milliseconds) {
  period_ = milliseconds;
  Apply();
}

void Timer::Apply() {
  timer_->stop();
  if (mode_ == kModeOff) return;
  timer_->setSingleShot(mode_ == kModeSingle);
  timer_->start(period_ > 0 ? period_ : 1);
}

void Timer::Tick() {
  if (InProgramHandler() || mode_ == kModeOff) return;
  if (mode_ == kModeSingle) mode_ = kModeOff;
  if (Action) Dispatch(Action);
}

}  // namespace fw
