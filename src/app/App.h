#pragma once

#include <memory>

#include "framework/Application.h"
#include "framework/MenuItem.h"

// The application object.
class App : public fw::Application {
 public:
  // The accessor: the registered application object.
  static App* Instance();

  // Loads the first picture set and opens the game window.
  void Event_Open() override;
  void Constructor() {}
};

// The File menu's Quit item.
std::shared_ptr<fw::QuitMenuItem> FileQuit();
