#pragma once

// A running game for tests: the program started as at launch (application
// object, menu bar, game window in the start theme), with a clock that moves
// on by itself, the sounds played and the dialogs shown recorded, and the
// dialogs answered without a person.
#include <gtest/gtest.h>

#include <QMainWindow>
#include <array>
#include <string>
#include <vector>

#include "app/App.h"
#include "app/Startup.h"
#include "framework/FolderItem.h"
#include "framework/MessageDialog.h"
#include "framework/Microseconds.h"
#include "framework/Runtime.h"
#include "framework/Sound.h"
#include "game/Window1.h"

class GameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fw::SetResourcesFolderForTesting(ResourcesFolder());
    fw::SetClockForTesting([this] { return clock_ += clockStep; });
    fw::SetSoundPlayHookForTesting([this](const std::string& name) { sounds.push_back(name); });
    fw::SetDialogHandlerForTesting([this](const fw::DialogRequest& request) {
      dialogs.push_back(request);
      return dialogAnswer;
    });
    Startup();
    fw::Dispatch([] { App::Instance()->Event_Open(); });
  }

  void TearDown() override {
    fw::ResetRuntimeForTesting();
    Finalize();
    fw::SetClockForTesting(nullptr);
    fw::SetSoundPlayHookForTesting(nullptr);
    fw::SetDialogHandlerForTesting(nullptr);
    fw::SetResourcesFolderForTesting("");
  }

  virtual std::string ResourcesFolder() const { return VELLORU_TEST_RESOURCES_DIR; }

  static Window1& W() { return *Window1::Instance(); }

  // Holes 1 to 14, in order.
  static void SetBoard(const std::array<int, 14>& holes) {
    for (int h = 1; h <= 14; ++h) W().PitsCount[static_cast<std::size_t>(h)] = holes[static_cast<std::size_t>(h - 1)];
  }
  static std::array<int, 14> Board() {
    std::array<int, 14> holes{};
    for (int h = 1; h <= 14; ++h) holes[static_cast<std::size_t>(h - 1)] = W().PitsCount[static_cast<std::size_t>(h)];
    return holes;
  }
  static int Total() {
    int total = 0;
    for (int h = 1; h <= 14; ++h) total += W().PitsCount[static_cast<std::size_t>(h)];
    return total;
  }

  // A mouse press on a hole canvas, as the user makes it.
  static void Click(int hole) { W().Canvas1(hole)->HandleMouseDown(10, 10); }

  // Chooses a menu item the way the user does: the menus are updated first,
  // and a disabled item does nothing. Returns whether it was enabled.
  static bool Choose(const char* name, int index = -1) {
    W().UpdateMenus();
    fw::MenuItemPtr item = index < 0 ? W().MenuBar()->Lookup(name) : W().MenuBar()->Lookup(name, index);
    if (!item || !item->IsActive()) return false;
    W().ChooseMenuItem(item);
    return true;
  }

  static bool Enabled(const char* name) {
    W().UpdateMenus();
    return W().MenuBar()->Lookup(name)->IsActive();
  }
  static bool Checked(const char* name) {
    W().UpdateMenus();
    return W().MenuBar()->Lookup(name)->Checked();
  }

  double Now() const { return clock_; }

  double clockStep = 25000;  // microseconds per reading of the clock
  std::vector<std::string> sounds;
  std::vector<fw::DialogRequest> dialogs;
  int dialogAnswer = 0;

 private:
  double clock_ = 0;
};
