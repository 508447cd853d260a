#pragma once

#include <functional>
#include <memory>

#include "framework/Control.h"

class QTimer;

namespace fw {

// Fires its Action every Period milliseconds while Mode is 2 (repeating); 0
// turns it off, 1 fires once. A tick that comes while a program handler runs
// is skipped.
class Timer : public Control {
 public:
  static constexpr int kModeOff = 0;
  static constexpr int kModeSingle = 1;
  static constexpr int kModeMultiple = 2;

  explicit Timer(fw::Window* window);
  ~Timer() override;

  int Mode() const { return mode_; }
  void SetMode(int mode);
  int Period() const { return period_; }
  void SetPeriod(int milliseconds);

  std::function<void()> Action;

  // What a tick does; the Qt timer calls it, and so can tests.
  void Tick();

 private:
  void Apply();

  std::unique_ptr<QTimer> timer_;
  int mode_ = kModeMultiple;
  int period_ = 1000;
};

}  // namespace fw
