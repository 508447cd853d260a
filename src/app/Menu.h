#pragma once

#include <memory>

#include "framework/MenuItem.h"

// The program's one menu tree: File, Game, Options and Themes. The
// application and the game window install the same instance.
class Menu : public fw::MenuBar {
 public:
  // The accessor: the one Menu, built on the first call.
  static std::shared_ptr<Menu> Instance();
  // Forgets the instance (the end of the run, and tests).
  static void Release();

  void Constructor();
  virtual void Untitled1();  // File
  virtual void Untitled2();  // Game
  virtual void Untitled3();  // Options
  virtual void Untitled4();  // Themes

 private:
  static std::shared_ptr<Menu> _implicitInstance;
};
