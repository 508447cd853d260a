#pragma once

#include <QPointer>
#include <functional>
#include <memory>
#include <string>

#include "framework/Control.h"

class QPushButton;

namespace fw {

// A push button's design values.
struct PushButtonDesign : ControlDesign {
  std::string Caption;
  // In pixels; 0 for the framework's default size.
  int TextSize = 0;
  // The default button answers the Return key, the cancel button Escape.
  bool Default = false;
  bool Cancel = false;
};

// A button that runs its Action when pressed: by a click, or by Return
// (the default button) or Escape (the cancel button) anywhere in its window
// where the control that has the key leaves it unused. A disabled or hidden
// button does nothing.
class PushButton : public RectControl {
 public:
  explicit PushButton(fw::Window* window);
  ~PushButton() override;

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  int TextSize() const { return textSize_; }
  void SetTextSize(int size);
  bool Default() const { return default_; }
  void SetDefault(bool on);
  bool Cancel() const { return cancel_; }
  void SetCancel(bool on);

  using RectControl::SetProperties;
  void SetProperties(const PushButtonDesign& design);

  // Presses the button as the program does: the Action runs now, if the
  // button is enabled and visible.
  void Push();

  std::function<void()> Action;

  QPushButton* Button() const { return button_; }

 private:
  class KeyWatcher;

  bool Pressable() const;
  // Starts watching the window's keys once the button is its default or
  // cancel button; the watcher stays while the button lives.
  void WatchKeys();
  // A press by the user: the Action runs once Qt has finished with the
  // click, so that it may close the button's own window.
  void PressedByUser();

  QPushButton* button_;
  std::string caption_;
  int textSize_ = 0;
  bool default_ = false;
  bool cancel_ = false;
  QPointer<QObject> keys_;
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace fw
