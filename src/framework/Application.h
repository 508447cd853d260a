#pragma once

#include <memory>

namespace fw {

class MenuBar;

// The application object: one per program, registered with the framework
// during start-up; its Open event fires once the event loop has started.
class Application {
 public:
  Application();
  virtual ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  const std::shared_ptr<fw::MenuBar>& MenuBar() const { return menuBar_; }
  void SetMenuBar(std::shared_ptr<fw::MenuBar> menuBar);

  virtual void Event_Open() {}

 private:
  std::shared_ptr<fw::MenuBar> menuBar_;
};

}  // namespace fw
