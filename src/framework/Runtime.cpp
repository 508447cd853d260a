#include "framework/Runtime.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <chrono>
#include <deque>
#include <thread>
#include <utility>
#include <vector>

#include "framework/Application.h"
#include "framework/BackgroundTask.h"
#include "framework/MessageDialog.h"
#include "framework/Microseconds.h"
#include "framework/RuntimeException.h"
#include "framework/WindowRegistry.h"

namespace fw {

namespace detail {
int backgroundCountdown = 1;
extern bool clockPolled;
bool HandleMenuShortcut(QObject* receiver, QKeyEvent* event);  // Window.cpp
extern bool probingFocus;                                      // Window.cpp
}  // namespace detail

namespace {

// What waits for the outermost handler to return: a handler, or a command
// that dispatches its own.
struct IdleEntry {
  std::function<void()> fn;
  bool isHandler = true;
};

struct RuntimeState {
  std::unique_ptr<QApplication> qtApp;
  std::unique_ptr<Application> app;
  ExceptionHelper helper = nullptr;
  int handlerDepth = 0;
  int exitStatus = 0;
  bool quitting = false;
  std::deque<IdleEntry> idleQueue;
  bool idleRunScheduled = false;
  bool releaseScheduled = false;
  std::vector<QWidget*> modalDialogs;
  QObject* inputGate = nullptr;
  std::unique_ptr<std::vector<void (*)()>> pluginEntrypoints;
};

RuntimeState& State() {
  static RuntimeState state;
  return state;
}

// The framework's own exception helper, used until the program installs one.
std::exception_ptr DefaultHelper(void (*function)(void*), void* argument) {
  try {
    function(argument);
  } catch (const RuntimeException&) {
    return std::current_exception();
  }
  return nullptr;
}

bool IsInputEvent(QEvent::Type type) {
  switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
      return true;
    default:
      return false;
  }
}

bool BelongsToModalDialog(QObject* receiver) {
  for (QWidget* dialog : State().modalDialogs) {
    if (auto* widget = qobject_cast<QWidget*>(receiver)) {
      if (widget->window() == dialog) return true;
    } else if (auto* window = qobject_cast<QWindow*>(receiver)) {
      if (dialog->windowHandle() == window) return true;
    }
  }
  return false;
}

// Sits in front of every event of the application: while a program handler
// runs, input meant for the program's windows is dropped, but for a menu
// shortcut, which waits for the handler to return; otherwise a key press may
// be a menu shortcut.
class InputGate : public QObject {
 public:
  bool eventFilter(QObject* receiver, QEvent* event) override {
    if (!IsInputEvent(event->type()) || detail::probingFocus) return false;
    if (InProgramHandler()) {
      if (BelongsToModalDialog(receiver)) return false;
      if (event->type() == QEvent::KeyPress) detail::HandleMenuShortcut(receiver, static_cast<QKeyEvent*>(event));
      return true;
    }
    if (event->type() == QEvent::KeyPress) {
      return detail::HandleMenuShortcut(receiver, static_cast<QKeyEvent*>(event));
    }
    return false;
  }
};

void ScheduleIdleRun();

void RunIdleQueue() {
  RuntimeState& state = State();
  state.idleRunScheduled = false;
  // Once the program is quitting, nothing that waited runs any more.
  while (!state.idleQueue.empty() && !InProgramHandler() && !state.quitting) {
    IdleEntry entry = std::move(state.idleQueue.front());
    state.idleQueue.pop_front();
    if (entry.isHandler) {
      Dispatch(entry.fn);
    } else {
      entry.fn();
    }
  }
}

void ScheduleIdleRun() {
  RuntimeState& state = State();
  if (state.idleRunScheduled || state.idleQueue.empty() || !QCoreApplication::instance()) return;
  state.idleRunScheduled = true;
  QTimer::singleShot(0, QCoreApplication::instance(), [] { RunIdleQueue(); });
}

// Windows that a handler closed are deleted once control is back in the
// event loop: the handler may have come from an event of one of their own
// widgets, which Qt is still delivering.
void ScheduleWindowRelease() {
  RuntimeState& state = State();
  if (QCoreApplication::instance() == nullptr) {
    detail::ReleaseClosedWindows();
    return;
  }
  if (state.releaseScheduled) return;
  state.releaseScheduled = true;
  QTimer::singleShot(0, QCoreApplication::instance(), [] {
    State().releaseScheduled = false;
    detail::ReleaseClosedWindows();
  });
}

void Trampoline(void* argument) { (*static_cast<const std::function<void()>*>(argument))(); }

void ReportUnhandled(const std::exception_ptr& error) {
  try {
    std::rethrow_exception(error);
  } catch (const RuntimeException& e) {
    MsgBox("An exception of class " + e.ClassName() + " was not handled.\n\n" + e.Message());
  }
}

}  // namespace

namespace detail {

void RuntimeBackgroundTaskSlow() {
  using Clock = std::chrono::steady_clock;
  static Clock::time_point lastService;
  backgroundCountdown = 4096;
  const bool waiting = clockPolled;
  clockPolled = false;
  const Clock::time_point now = Clock::now();
  // A busy computation is served every few milliseconds, a waiting loop on
  // every pass.
  if (!waiting && now - lastService < std::chrono::milliseconds(15)) return;
  lastService = now;
  if (QCoreApplication::instance() == nullptr) return;
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  if (waiting && !UsingTestClock()) std::this_thread::sleep_for(std::chrono::microseconds(1000));
}

}  // namespace detail

void RuntimeInit(int& argc, char** argv) {
  RuntimeState& state = State();
  if (QCoreApplication::instance() == nullptr) {
    state.qtApp = std::make_unique<QApplication>(argc, argv);
  }
  QApplication::setQuitOnLastWindowClosed(false);
  if (state.inputGate == nullptr) {
    state.inputGate = new InputGate;
    state.inputGate->setParent(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(state.inputGate);
  }
}

void RuntimeSetExceptionHelper(ExceptionHelper helper) { State().helper = helper; }

void RunFrameworkInitialization(void (*startup)()) {
  if (startup != nullptr) startup();
}

void RuntimeInitExternalClasses() {
  QCoreApplication::setApplicationName(QStringLiteral("Velloru"));
}

void InitPluginEntrypoints() { State().pluginEntrypoints = std::make_unique<std::vector<void (*)()>>(); }

const std::vector<void (*)()>* PluginEntrypoints() { return State().pluginEntrypoints.get(); }

void RuntimeRegisterAppObject(std::unique_ptr<Application> app) { State().app = std::move(app); }

Application* GetAppObject() { return State().app.get(); }

int RuntimeRun() {
  RuntimeState& state = State();
  state.exitStatus = 0;
  state.quitting = false;
  QTimer::singleShot(0, QCoreApplication::instance(), [] {
    if (Application* app = GetAppObject()) Dispatch([app] { app->Event_Open(); });
  });
  return QCoreApplication::exec();
}

int RuntimeExit() {
  RuntimeState& state = State();
  detail::CloseAllWindowsForExit();
  state.idleQueue.clear();
  state.app.reset();
  state.pluginEntrypoints.reset();
  state.qtApp.reset();
  state.inputGate = nullptr;
  return state.exitStatus;
}

void Quit(int status) {
  State().exitStatus = status;
  State().quitting = true;
  QCoreApplication::exit(status);
}

void Dispatch(const std::function<void()>& handler) {
  RuntimeState& state = State();
  ExceptionHelper helper = state.helper != nullptr ? state.helper : DefaultHelper;
  ++state.handlerDepth;
  std::exception_ptr error;
  try {
    error = helper(&Trampoline, const_cast<std::function<void()>*>(&handler));
  } catch (...) {
    --state.handlerDepth;
    throw;
  }
  --state.handlerDepth;
  if (error) ReportUnhandled(error);
  if (state.handlerDepth == 0) {
    ScheduleWindowRelease();
    ScheduleIdleRun();
  }
}

bool InProgramHandler() { return State().handlerDepth > 0; }

void DeliverWhenIdle(std::function<void()> fn) {
  State().idleQueue.push_back({std::move(fn), true});
  if (!InProgramHandler()) ScheduleIdleRun();
}

void DeliverCommandWhenIdle(std::function<void()> fn) {
  State().idleQueue.push_back({std::move(fn), false});
  if (!InProgramHandler()) ScheduleIdleRun();
}

ModalScope::ModalScope(QWidget* dialog) : dialog_(dialog) { State().modalDialogs.push_back(dialog); }

ModalScope::~ModalScope() {
  auto& dialogs = State().modalDialogs;
  for (auto it = dialogs.begin(); it != dialogs.end(); ++it) {
    if (*it == dialog_) {
      dialogs.erase(it);
      break;
    }
  }
}

void ResetRuntimeForTesting() {
  RuntimeState& state = State();
  detail::CloseAllWindowsForExit();
  state.app.reset();
  state.pluginEntrypoints.reset();
  state.idleQueue.clear();
  state.idleRunScheduled = false;
  state.releaseScheduled = false;
  state.handlerDepth = 0;
  state.quitting = false;
}

}  // namespace fw
