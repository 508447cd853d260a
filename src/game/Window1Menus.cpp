// The game window's side of the menu bar: item accessors, handler bindings,
// the menu update and the commands.
#include "about/frmAboutBox.h"
#include "framework/MessageDialog.h"
#include "framework/Text.h"
#include "game/Module1.h"
#include "game/Window1.h"
#include "net/SocketMod.h"
#include "net/pcSocketWindow.h"

fw::MenuItemPtr Window1::Item(const char* name) const { return fw::NotNil(MenuBar())->Lookup(name); }

fw::MenuItemPtr Window1::mnuThemes() const { return Item("mnuThemes"); }
std::shared_ptr<fw::AppleMenuItem> Window1::mnuAbout() const {
  return std::dynamic_pointer_cast<fw::AppleMenuItem>(Item("mnuAbout"));
}
fw::MenuItemPtr Window1::mnuThemePicker(int index) const { return fw::NotNil(MenuBar())->Lookup("mnuThemePicker", index); }
fw::MenuItemPtr Window1::mnuOptions() const { return Item("mnuOptions"); }
fw::MenuItemPtr Window1::mnuSound() const { return Item("mnuSound"); }
fw::MenuItemPtr Window1::mnuLeaveGem() const { return Item("mnuLeaveGem"); }
fw::MenuItemPtr Window1::mnuShowMoves() const { return Item("mnuShowMoves"); }
fw::MenuItemPtr Window1::mnuLevel() const { return Item("mnuLevel"); }
fw::MenuItemPtr Window1::mnuLevel4() const { return Item("mnuLevel4"); }
fw::MenuItemPtr Window1::mnuBest() const { return Item("mnuBest"); }
fw::MenuItemPtr Window1::mnuGood() const { return Item("mnuGood"); }
fw::MenuItemPtr Window1::mnuFair() const { return Item("mnuFair"); }
fw::MenuItemPtr Window1::mnuGems() const { return Item("mnuGems"); }
fw::MenuItemPtr Window1::mnuG6() const { return Item("mnuG6"); }
fw::MenuItemPtr Window1::mnuG5() const { return Item("mnuG5"); }
fw::MenuItemPtr Window1::mnuG4() const { return Item("mnuG4"); }
fw::MenuItemPtr Window1::mnuG3() const { return Item("mnuG3"); }
fw::MenuItemPtr Window1::mnuGame() const { return Item("mnuGame"); }
fw::MenuItemPtr Window1::mnuStopNetwork() const { return Item("mnuStopNetwork"); }
fw::MenuItemPtr Window1::mnuNetworkGame() const { return Item("mnuNetworkGame"); }
fw::MenuItemPtr Window1::mnuHvC() const { return Item("mnuHvC"); }
fw::MenuItemPtr Window1::mnuHvH() const { return Item("mnuHvH"); }
fw::MenuItemPtr Window1::mnuDash() const { return Item("mnuDash"); }
fw::MenuItemPtr Window1::mnuSwitch() const { return Item("mnuSwitch"); }
fw::MenuItemPtr Window1::UntitledMenu0() const { return Item("UntitledMenu0"); }
std::shared_ptr<fw::QuitMenuItem> Window1::FileQuit() const {
  return std::dynamic_pointer_cast<fw::QuitMenuItem>(Item("FileQuit"));
}
fw::MenuItemPtr Window1::mnuD2() const { return Item("mnuD2"); }
fw::MenuItemPtr Window1::mnuReset() const { return Item("mnuReset"); }

void Window1::AddMenuHandlers() {
  auto bind = [this](const char* name, bool (Window1::*handler)()) {
    AddMenuHandler(name, std::function<bool()>([this, handler] { return (this->*handler)(); }));
  };
  bind("mnuSwitch", &Window1::_mnuSwitch_Action);
  bind("mnuHvH", &Window1::_mnuHvH_Action);
  bind("mnuHvC", &Window1::_mnuHvC_Action);
  bind("mnuG3", &Window1::_mnuG3_Action);
  bind("mnuG4", &Window1::_mnuG4_Action);
  bind("mnuG5", &Window1::_mnuG5_Action);
  bind("mnuG6", &Window1::_mnuG6_Action);
  bind("mnuFair", &Window1::_mnuFair_Action);
  bind("mnuGood", &Window1::_mnuGood_Action);
  bind("mnuBest", &Window1::_mnuBest_Action);
  bind("mnuShowMoves", &Window1::_mnuShowMoves_Action);
  bind("mnuLeaveGem", &Window1::_mnuLeaveGem_Action);
  bind("mnuSound", &Window1::_mnuSound_Action);
  bind("mnuReset", &Window1::_mnuReset_Action);
  bind("mnuAbout", &Window1::_mnuAbout_Action);
  AddMenuHandler("mnuThemePicker",
                 std::function<bool(int)>([this](int index) { return _mnuThemePicker_Action(index); }));
  bind("mnuLevel4", &Window1::_mnuLevel4_Action);
  bind("mnuNetworkGame", &Window1::_mnuNetworkGame_Action);
  bind("mnuStopNetwork", &Window1::_mnuStopNetwork_Action);
}

void Window1::Event_EnableMenuItems() {
  mnuAbout()->SetEnabled(true);
  mnuShowMoves()->SetEnabled(true);
  mnuSound()->SetEnabled(true);

  mnuSound()->SetChecked(UseSounds);
  mnuShowMoves()->SetChecked(ShowMoves);
  mnuLeaveGem()->SetChecked(LeaveGem);

  const bool setUp = !GameStarted;
  mnuSwitch()->SetEnabled(setUp);
  mnuReset()->SetEnabled(!setUp);
  for (const fw::MenuItemPtr& item : {mnuHvH(), mnuHvC(), mnuG3(), mnuG4(), mnuG5(), mnuG6(), mnuGems(), mnuLeaveGem()}) {
    item->SetEnabled(setUp);
  }
  // Both sides of a network game capture by the standard rule.
  if (isNetworkGame) mnuLeaveGem()->SetEnabled(false);
  // The joining side waits for the host to set the game up.
  if (isNetworkGame && SocketMod::awaitingStart) {
    for (const fw::MenuItemPtr& item : {mnuReset(), mnuSwitch(), mnuGems(), mnuG3(), mnuG4(), mnuG5(), mnuG6()}) {
      item->SetEnabled(false);
    }
  }

  mnuHvH()->SetChecked(!IsComputer);
  mnuHvC()->SetChecked(IsComputer);
  for (const fw::MenuItemPtr& item : {mnuLevel(), mnuFair(), mnuGood(), mnuBest(), mnuLevel4()}) {
    item->SetEnabled(IsComputer);
  }

  const fw::MenuItemPtr gems[] = {mnuG3(), mnuG4(), mnuG5(), mnuG6()};
  for (int i = 0; i < 4; ++i) gems[i]->SetChecked(GemCount == i + 3);

  const fw::MenuItemPtr levels[] = {mnuFair(), mnuGood(), mnuBest(), mnuLevel4()};
  for (int i = 0; i < 4; ++i) levels[i]->SetChecked(myLevel == i + 1);

  if (GameOver) {
    mnuHvC()->SetEnabled(true);
    mnuHvH()->SetEnabled(true);
  } else if (isNetworkGame || SocketMod::SocketIsVisible) {
    mnuHvC()->SetEnabled(false);
    mnuHvH()->SetEnabled(false);
  }

  mnuNetworkGame()->SetEnabled(!isNetworkGame);
  mnuStopNetwork()->SetEnabled(isNetworkGame);
}

bool Window1::CaughtUp(const fw::MenuItemPtr& item) {
  if (!isNetworkGame) return true;
  SocketMod::CatchUp();
  UpdateMenus();
  return item->IsActive();
}

bool Window1::_mnuSwitch_Action() {
  if (!CaughtUp(mnuSwitch())) return false;
  PlayersTurn += 1;
  if (PlayersTurn == 3) PlayersTurn = 1;
  ShowTurnMarkers();
  if (isNetworkGame) SocketMod::SendData("SwitchTurn" + Module1::sep + fw::Chr(13));
  return false;
}

bool Window1::_mnuHvH_Action() {
  IsComputer = false;
  return false;
}

bool Window1::_mnuHvC_Action() {
  IsComputer = true;
  return false;
}

bool Window1::_mnuG3_Action() { return ChooseGemCount(3, mnuG3()); }

bool Window1::_mnuG4_Action() { return ChooseGemCount(4, mnuG4()); }

bool Window1::_mnuG5_Action() { return ChooseGemCount(5, mnuG5()); }

bool Window1::_mnuG6_Action() { return ChooseGemCount(6, mnuG6()); }

bool Window1::ChooseGemCount(std::int32_t gems, const fw::MenuItemPtr& item) {
  if (!CaughtUp(item)) return false;
  GemCount = gems;
  Initialize();
  if (isNetworkGame) SendStartGame();
  return false;
}

bool Window1::_mnuFair_Action() {
  myLevel = 1;
  clevel = 3;
  return false;
}

bool Window1::_mnuGood_Action() {
  myLevel = 2;
  clevel = 5;
  return false;
}

bool Window1::_mnuBest_Action() {
  myLevel = 3;
  clevel = 8;
  return false;
}

bool Window1::_mnuLevel4_Action() {
  // Six plies, fewer than Level 3, but extra turns cost none.
  myLevel = 4;
  clevel = 6;
  return false;
}

bool Window1::_mnuShowMoves_Action() {
  ShowMoves = !ShowMoves;
  return false;
}

bool Window1::_mnuLeaveGem_Action() {
  LeaveGem = !LeaveGem;
  return false;
}

bool Window1::_mnuSound_Action() {
  UseSounds = !UseSounds;
  return false;
}

bool Window1::_mnuReset_Action() {
  if (GameOver) {
    // A new game goes ahead on whatever the peer has sent meanwhile.
    if (isNetworkGame) SocketMod::CatchUp();
    ResetGame();
    return true;
  }
  fw::MessageDialog confirmation;
  confirmation.Icon = 3;
  confirmation.ActionButton.Caption = "New Game";
  confirmation.AlternateActionButton.Visible = false;
  confirmation.CancelButton.Caption = "Keep Playing";
  confirmation.CancelButton.Visible = true;
  confirmation.Message = "Are you sure that you want to start a new game?";
  if (confirmation.ShowModal() == &confirmation.ActionButton) {
    // The peer's lines wait while the question is up: they are applied
    // before the new game, not on it.
    if (isNetworkGame) SocketMod::CatchUp();
    ResetGame();
  }
  return true;
}

bool Window1::_mnuAbout_Action() {
  frmAboutBox::Instance()->Show();
  return false;
}

bool Window1::_mnuThemePicker_Action(int index) {
  for (int i = 0; i <= 7; ++i) fw::NotNil(mnuThemePicker(i))->SetChecked(false);
  fw::NotNil(mnuThemePicker(index))->SetChecked(true);
  Module1::LoadGraphics(index + 1);
  ResetGraphics();
  return false;
}

bool Window1::_mnuNetworkGame_Action() {
  pcSocketWindow::Instance()->Show();
  return false;
}

bool Window1::_mnuStopNetwork_Action() {
  pcSocketWindow::Instance()->Close();
  isNetworkGame = false;
  SocketMod::SocketIsVisible = false;
  ResetGame();
  return false;
}
