// Playing one move: landing marks, the flash of the chosen pit, the paced
// sowing, capture, the end of the game and the turn change.
#include "app/Resources.h"
#include "framework/BackgroundTask.h"
#include "framework/Graphics.h"
#include "framework/Microseconds.h"
#include "framework/Text.h"
#include "game/Board.h"
#include "game/Module1.h"
#include "game/Window1.h"
#include "net/SocketMod.h"

namespace {

constexpr double kFlashHalf = 100000;  // microseconds
constexpr double kGemPause = 300000;

}  // namespace

void Window1::Wait(double microseconds) {
  const double start = fw::Microseconds();
  while (fw::Microseconds() - start <= microseconds) fw::RuntimeBackgroundTask();
}

void Window1::PlaySound(fw::SoundPtr (*accessor)()) const {
  if (!UseSounds) return;
  if (fw::SoundPtr sound = accessor()) sound->Play();
}

void Window1::DoPlay(std::int32_t hole, bool fromNetwork) {
  // A hole number is an index into the board arrays: one from outside the
  // board (only the peer could send one) is not played.
  if (!Board::IsHole(hole)) return;
  auto count = [this](int h) -> std::int32_t& { return PitsCount[static_cast<std::size_t>(h)]; };

  GameStarted = true;
  if (isNetworkGame && !fromNetwork) {
    SocketMod::SendData("PickHole" + Module1::sep + fw::Str(hole) + Module1::sep + fw::Chr(13));
  }

  if (ShowMoves) {
    int h = hole;
    for (int n = count(hole); n > 0; --n) {
      h = NextHole(h);
      fw::Canvas* dot = fw::NotNil(Dots[static_cast<std::size_t>(h)]);
      dot->SetVisible(true);
      dot->Refresh(true);
    }
  }

  PlaySound(Pickup);

  fw::Graphics* cache = fw::NotNil(gPitHoles[static_cast<std::size_t>(hole)])->Graphics();
  for (int flash = 0; flash < 4; ++flash) {
    cache->DrawPicture(Canvas6()->Backdrop(), 0, 0);
    DrawHole(hole, false);
    Wait(kFlashHalf);
    cache->DrawPicture(Module1::pit, 0, 0);
    DrawHole(hole, false);
    Wait(kFlashHalf);
  }

  const int n = count(hole);
  count(hole) = 0;
  DrawHole(hole, false);

  int h = hole;
  for (int i = 0; i < n; ++i) {
    h = NextHole(h);
    AddGems(1, h);
    count(h) += 1;
    DrawHole(h, false);
    PlaySound(Drop);
    Wait(kGemPause);
  }
  const int last = h;

  auto capture = [&](int store) {
    const int opposite = Board::Opposite(last);
    PlaySound(Steal);
    count(store) += count(opposite);
    AddGems(count(opposite), store);
    if (!LeaveGem) {
      count(last) = 0;
      count(store) += 1;
      AddGems(1, store);
    }
    count(opposite) = 0;
    DrawHole(last, false);
    DrawHole(opposite, false);
    DrawHole(store, false);
  };
  if (PlayersTurn == 1 && last < 7 && count(last) == 1 && count(Board::Opposite(last)) > 0) capture(7);
  if (PlayersTurn == 2 && last > 7 && last < 14 && count(last) == 1 && count(Board::Opposite(last)) > 0) {
    capture(14);
  }

  bool gameEnded = false;
  int row1 = 0;
  int row2 = 0;
  for (int i = 1; i <= 6; ++i) {
    row1 += count(i);
    row2 += count(i + 7);
  }
  if (row1 == 0 || row2 == 0) {
    for (int i = 1; i <= 6; ++i) {
      count(7) += count(i);
      AddGems(count(i), 7);
      count(14) += count(i + 7);
      AddGems(count(i + 7), 14);
      count(i) = 0;
      count(i + 7) = 0;
      GameOver = true;
    }
    LeftTurn()->SetVisible(false);
    RightTurn()->SetVisible(false);
    Refresh(true);
    const bool playerOneSide = !isNetworkGame || SocketMod::isHost;
    const bool won = playerOneSide ? count(14) < count(7) : count(7) < count(14);
    PlaySound(won ? Winner : Loser);
    gameEnded = true;
  }

  for (int i = 1; i <= 14; ++i) {
    fw::Canvas* dot = fw::NotNil(Dots[static_cast<std::size_t>(i)]);
    if (dot->Visible()) dot->SetVisible(false);
  }

  if (gameEnded) {
    GameOver = true;
    return;
  }

  const bool extraTurn = (PlayersTurn == 1 && last == 7) || (PlayersTurn == 2 && last == 14);
  if (!extraTurn) {
    PlayersTurn += 1;
    if (PlayersTurn == 3) PlayersTurn = 1;
    ShowTurnMarkers();
    if (IsComputer) {
      LeftTurn()->Refresh(true);
      RightTurn()->Refresh(true);
    }
  }

  if (PlayersTurn == 2 && IsComputer) PlayComputer();
}
