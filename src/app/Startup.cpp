#include "app/Startup.h"

#include <memory>
#include <string>
#include <vector>

#include "app/App.h"
#include "app/Menu.h"
#include "app/Resources.h"
#include "framework/Runtime.h"
#include "framework/RuntimeException.h"
#include "game/Module1.h"
#include "net/SocketMod.h"

namespace {

// The file types the program knows; nothing else uses them.
std::unique_ptr<std::vector<std::string>> gFileTypes;

}  // namespace

std::exception_ptr CallFunctionWithExceptionHandling(void (*function)(void*), void* argument) {
  try {
    function(argument);
  } catch (const fw::RuntimeException&) {
    return std::current_exception();
  }
  return nullptr;
}

void InitFileTypes() { gFileTypes = std::make_unique<std::vector<std::string>>(std::vector<std::string>{"text/plain"}); }

void ApplicationAddMenuHandlers() {}

void NewAppInstance() {
  auto app = std::make_unique<App>();
  fw::NotNil(app.get())->Constructor();
  app->SetMenuBar(Menu::Instance());
  fw::RuntimeRegisterAppObject(std::move(app));
}

void Startup() {
  fw::RuntimeInitExternalClasses();
  fw::InitPluginEntrypoints();  // the program has no plug-ins
  InitFileTypes();
  NewAppInstance();
  ApplicationAddMenuHandlers();
}

void Main() {
  fw::RuntimeSetExceptionHelper(&CallFunctionWithExceptionHandling);
  fw::RunFrameworkInitialization(&Startup);
  fw::RuntimeRun();
}

void Finalize() {
  ReleaseResources();
  gFileTypes.reset();
  Menu::Release();
  Module1::Release();
  SocketMod::Release();
}

int RunProgram(int argc, char** argv) {
  fw::RuntimeInit(argc, argv);
  Main();
  Finalize();
  return fw::RuntimeExit();
}
