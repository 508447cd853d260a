#include "app/App.h"

#include "framework/Runtime.h"
#include "framework/RuntimeException.h"
#include "game/Module1.h"
#include "game/Window1.h"

App* App::Instance() { return fw::NotNil(dynamic_cast<App*>(fw::GetAppObject())); }

void App::Event_Open() {
  // The game window's construction uses the picture set, so one must exist
  // before the window is made; the window then loads its own start theme.
  Module1::LoadGraphics(1);
  fw::NotNil(Module1::gem)->SetTransparent(1);
  fw::NotNil(Window1::Instance())->Show();
}

std::shared_ptr<fw::QuitMenuItem> FileQuit() {
  const std::shared_ptr<fw::MenuBar>& bar = fw::NotNil(App::Instance()->MenuBar());
  return std::dynamic_pointer_cast<fw::QuitMenuItem>(bar->Lookup("FileQuit"));
}
