#pragma once

#include <exception>
#include <functional>
#include <memory>
#include <vector>

class QWidget;

namespace fw {

class Application;
class RuntimeException;

// The routine that calls program code for the framework: it calls function
// with argument and returns nil, or the RuntimeException that escaped it.
using ExceptionHelper = std::exception_ptr (*)(void (*function)(void*), void* argument);

// Start-up and shutdown, in the order the program calls them.
void RuntimeInit(int& argc, char** argv);
void RuntimeSetExceptionHelper(ExceptionHelper helper);
void RunFrameworkInitialization(void (*startup)());
void RuntimeInitExternalClasses();
// Allocates the framework's table of plug-in entry points, empty: plug-ins
// would add theirs to it.
void InitPluginEntrypoints();
// The table of plug-in entry points, or nil before InitPluginEntrypoints.
const std::vector<void (*)()>* PluginEntrypoints();
void RuntimeRegisterAppObject(std::unique_ptr<Application> app);
Application* GetAppObject();
// Runs the event loop: the application's Open event fires once the loop has
// started, and the call returns when the program quits.
int RuntimeRun();
// Ends the framework: closes what is still open and releases its statics.
// Returns the exit status given to Quit.
int RuntimeExit();
// Ends the event loop.
void Quit(int status = 0);

// The one dispatch point: every program handler (Open, Close, Paint,
// MouseDown, menu actions, timer actions, socket events) runs through it. A
// RuntimeException escaping the handler is reported in a message box and
// the program goes on.
void Dispatch(const std::function<void()>& handler);

// True while a program handler runs. The background task then delivers none
// of the program's events: clicks, other keys and choices on the menu bar
// are dropped, timer ticks are skipped, and socket events, window closes and
// menu commands given by their shortcut keys wait until the outermost
// handler returns.
bool InProgramHandler();

// Runs fn through Dispatch as soon as no program handler is running: at once
// when none is, otherwise after the outermost one returns.
void DeliverWhenIdle(std::function<void()> fn);

// Like DeliverWhenIdle, in the same queue, but fn is not a handler itself:
// it runs outside any, and dispatches the handlers it calls (a menu update,
// a menu command) on its own.
void DeliverCommandWhenIdle(std::function<void()> fn);

// While alive, input reaches the given modal dialog even though a program
// handler is waiting for it.
class ModalScope {
 public:
  explicit ModalScope(QWidget* dialog);
  ~ModalScope();
  ModalScope(const ModalScope&) = delete;
  ModalScope& operator=(const ModalScope&) = delete;

 private:
  QWidget* dialog_;
};

// For tests: delete every window, forget the registered application object
// and any waiting events.
void ResetRuntimeForTesting();

}  // namespace fw
