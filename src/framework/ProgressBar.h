#pragma once

#include "framework/Control.h"

class QProgressBar;

namespace fw {

class ProgressBar : public RectControl {
 public:
  explicit ProgressBar(fw::Window* window);

  int Value() const { return value_; }
  void SetValue(int value);
  int Maximum() const { return maximum_; }
  void SetMaximum(int maximum);
  // Draws the bar again at once.
  void Refresh(bool eraseBackground = true) override;

 private:
  QProgressBar* bar_;
  int value_ = 0;
  int maximum_ = 100;
};

}  // namespace fw
