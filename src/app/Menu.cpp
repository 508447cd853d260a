#include "app/Menu.h"

#include <string>

namespace {

enum class Kind { Item, Quit, Apple };

// Shortcut text that is set but empty, and a shortcut left untouched
// (separators and submenu parents), both mean no shortcut.
constexpr const char* kNotSet = nullptr;
constexpr int kNoIndex = -1;

// Builds one item in the fixed order: Name, AutoEnable, Index, Text,
// KeyboardShortcut, then appends it to its parent.
void Add(fw::MenuItem& parent, Kind kind, const std::string& name, const std::string& text,
         const char* shortcut, bool autoEnable, int index = kNoIndex) {
  fw::MenuItemPtr item;
  switch (kind) {
    case Kind::Item:
      item = std::make_shared<fw::MenuItem>();
      break;
    case Kind::Quit:
      item = std::make_shared<fw::QuitMenuItem>();
      break;
    case Kind::Apple:
      item = std::make_shared<fw::AppleMenuItem>();
      break;
  }
  item->SetName(name);
  item->SetAutoEnable(autoEnable);
  if (index != kNoIndex) item->SetIndex(index);
  item->SetText(text);
  if (shortcut != kNotSet) item->SetKeyboardShortcut(shortcut);
  parent.Append(item);
}

}  // namespace

std::shared_ptr<Menu> Menu::_implicitInstance;

std::shared_ptr<Menu> Menu::Instance() {
  if (!_implicitInstance) {
    _implicitInstance = std::make_shared<Menu>();
    _implicitInstance->Constructor();
  }
  return _implicitInstance;
}

void Menu::Release() { _implicitInstance.reset(); }

void Menu::Constructor() {
  Untitled1();
  Untitled2();
  Untitled3();
  Untitled4();
}

void Menu::Untitled1() {
  Add(*this, Kind::Item, "UntitledMenu0", "File", "", false);
  Add(*Child("UntitledMenu0"), Kind::Item, "mnuReset", "New Game", "Cmd+N", false);
  Add(*Child("UntitledMenu0"), Kind::Item, "mnuD2", "-", kNotSet, false);
  Add(*Child("UntitledMenu0"), Kind::Quit, "FileQuit", "Quit", "Cmd+Q", true);
}

void Menu::Untitled2() {
  Add(*this, Kind::Item, "mnuGame", "Game", "", false);
  Add(*Child("mnuGame"), Kind::Item, "mnuSwitch", "Switch Turn", "Cmd+T", false);
  Add(*Child("mnuGame"), Kind::Item, "mnuDash", "-", kNotSet, false);
  // The numbers run against the order of the two items.
  Add(*Child("mnuGame"), Kind::Item, "mnuHvH", "Human Vs Human", "Cmd+2", false);
  Add(*Child("mnuGame"), Kind::Item, "mnuHvC", "Human Vs Computer", "Cmd+1", false);
  Add(*Child("mnuGame"), Kind::Item, "mnuNetworkGame", "Start Network Game", "", true);
  Add(*Child("mnuGame"), Kind::Item, "mnuStopNetwork", "Stop Network Game", "", false);
}

void Menu::Untitled3() {
  Add(*this, Kind::Item, "mnuOptions", "Options", "", false);
  Add(*Child("mnuOptions"), Kind::Item, "mnuGems", "Gems", kNotSet, false);
  Add(*Child("mnuOptions")->Child("mnuGems"), Kind::Item, "mnuG3", "3", "Cmd+3", false);
  Add(*Child("mnuOptions")->Child("mnuGems"), Kind::Item, "mnuG4", "4", "Cmd+4", false);
  Add(*Child("mnuOptions")->Child("mnuGems"), Kind::Item, "mnuG5", "5", "Cmd+5", false);
  Add(*Child("mnuOptions")->Child("mnuGems"), Kind::Item, "mnuG6", "6", "Cmd+6", false);
  Add(*Child("mnuOptions"), Kind::Item, "mnuLevel", "Level", kNotSet, true);
  Add(*Child("mnuOptions")->Child("mnuLevel"), Kind::Item, "mnuFair", "Level 1", "", false);
  Add(*Child("mnuOptions")->Child("mnuLevel"), Kind::Item, "mnuGood", "Level 2", "", false);
  Add(*Child("mnuOptions")->Child("mnuLevel"), Kind::Item, "mnuBest", "Level 3", "", false);
  Add(*Child("mnuOptions")->Child("mnuLevel"), Kind::Item, "mnuLevel4", "Level 4", "", false);
  Add(*Child("mnuOptions"), Kind::Item, "mnuShowMoves", "Show Moves", "Cmd+M", false);
  Add(*Child("mnuOptions"), Kind::Item, "mnuLeaveGem", "Leave Capturing Gem", "Cmd+L", false);
  Add(*Child("mnuOptions"), Kind::Item, "mnuSound", "Sound", "Cmd+S", false);
}

void Menu::Untitled4() {
  static const char* const kThemes[] = {"Cow", "Hi-Tech", "Original", "Circuits",
                                        "Galaxy", "Heaven", "Nature", "Oak"};
  Add(*this, Kind::Item, "mnuThemes", "Themes", "", false);
  for (int i = 0; i < 8; ++i) {
    Add(*Child("mnuThemes"), Kind::Item, "mnuThemePicker", kThemes[i], "", true, i);
  }
  // No application menu on this platform: About stays last in Themes.
  Add(*Child("mnuThemes"), Kind::Apple, "mnuAbout", "About Velloru", "Cmd+A", false);
}
