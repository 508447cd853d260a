#pragma once

// Helpers for the framework's own tests: a plain window class, bounded waits
// on the event loop, and a fixture that records message boxes and leaves no
// window behind.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "framework/BackgroundTask.h"
#include "framework/MessageDialog.h"
#include "framework/Microseconds.h"
#include "framework/Runtime.h"
#include "framework/Window.h"

namespace fwtest {

// A window with nothing of its own; tests add controls and count its events.
class PlainWindow : public fw::Window {
 public:
  std::string ClassName() const override { return "PlainWindow.PlainWindow"; }
  void Layout() override {
    fw::WindowDesign design;
    design.Title = "Plain";
    design.Width = 320;
    design.Height = 240;
    design.Visible = false;
    SetProperties(design);
  }
  void Event_Open() override { ++opens; }
  void Event_Close() override { ++closes; }
  int opens = 0;
  int closes = 0;
};

// Runs the event loop until done() holds or timeoutMs passes; returns done().
inline bool WaitUntil(const std::function<bool()>& done, int timeoutMs = 5000) {
  QElapsedTimer timer;
  timer.start();
  while (!done()) {
    if (timer.elapsed() > timeoutMs) return done();
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return true;
}

// Runs the event loop for ms milliseconds.
inline void SpinFor(int ms) {
  WaitUntil([] { return false; }, ms);
}

// Inside a handler: waits ms of real time the way the program's animation
// does, on the clock and the background task.
inline void BusyWait(int ms) {
  const double start = fw::Microseconds();
  while (fw::Microseconds() - start < ms * 1000.0) fw::RuntimeBackgroundTask();
}

// Runs the application's event loop, starting with first, until the program
// quits; returns its exit status, or 99 when it has not quit after timeoutMs.
inline int ExecUntilQuit(const std::function<void()>& first, int timeoutMs = 3000) {
  QTimer fallback;
  fallback.setSingleShot(true);
  QObject::connect(&fallback, &QTimer::timeout, [] { QCoreApplication::exit(99); });
  fallback.start(timeoutMs);
  QTimer::singleShot(0, first);
  return QCoreApplication::exec();
}

// Shows the window and makes it the active one, so that its keys reach it.
inline bool ShowActive(fw::Window* window) {
  window->Show();
  QMainWindow* top = window->TopLevelWidget();
  QApplication::setActiveWindow(top);
  return QTest::qWaitForWindowActive(top, 2000);
}

class FrameworkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fw::SetDialogHandlerForTesting([this](const fw::DialogRequest& request) {
      messages.push_back(request.Message);
      return 0;
    });
  }
  void TearDown() override {
    fw::ResetRuntimeForTesting();
    fw::SetDialogHandlerForTesting(nullptr);
    fw::SetClockForTesting(nullptr);
  }

  static PlainWindow* Plain() { return fw::ImplicitInstance<PlainWindow>("PlainWindow.PlainWindow"); }

  std::vector<std::string> messages;
};

}  // namespace fwtest
