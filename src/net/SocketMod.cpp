#include "net/SocketMod.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>

#include "framework/Text.h"
#include "game/Board.h"
#include "game/Module1.h"
#include "game/Window1.h"
#include "net/pcSocketWindow.h"

namespace SocketMod {

std::string inBuffer;
bool isHost = false;
bool SocketIsVisible = false;
bool awaitingStart = false;

namespace {

// The number at the start of an argument, as an Int32, when it lies within
// lo..hi; nothing for any other text (a huge digit string included, which
// could not be converted).
std::optional<std::int32_t> NumberIn(const std::string& argument, int lo, int hi) {
  const double value = fw::Val(argument);
  if (!(value >= lo && value < hi + 1.0)) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

// A hole the peer may have picked: one of the sender's own pits with gems in
// it. The host plays pits 1..6, the joiner pits 8..13; anything else would
// make the two boards differ. Whose turn it is is not checked.
bool PeerMayPlay(const Window1& game, std::int32_t hole) {
  const bool senderHosts = !isHost;
  const bool ownPit = senderHosts ? (hole >= 1 && hole <= 6) : (hole >= 8 && hole <= 13);
  return ownPit && game.PitsCount[static_cast<std::size_t>(hole)] > 0;
}

void StartGame(const std::string& argument) {
  const std::optional<std::int32_t> gems = NumberIn(argument, 3, 6);
  if (!gems) return;
  Window1* game = Window1::Instance();
  game->GemCount = *gems;
  game->Initialize();
  game->GameStarted = false;
  game->GameOver = false;
  awaitingStart = false;
}

void PickHole(const std::string& argument) {
  const std::optional<std::int32_t> hole = NumberIn(argument, 1, Board::kHoles);
  if (!hole) return;
  Window1* game = Window1::Instance();
  if (!PeerMayPlay(*game, *hole)) return;
  game->DoPlay(*hole, true);
}

void SwitchTurn() {
  Window1* game = Window1::Instance();
  game->PlayersTurn += 1;
  if (game->PlayersTurn == 3) game->PlayersTurn = 1;
  if (game->PlayersTurn == 1) {
    game->LeftTurn()->SetVisible(true);
    game->RightTurn()->SetVisible(false);
  } else {
    game->LeftTurn()->SetVisible(false);
    game->RightTurn()->SetVisible(true);
  }
}

}  // namespace

void SendData(const std::string& text) { pcSocketWindow::Instance()->TCPSocket1()->Write(text); }

bool HasRoom() {
  // A full buffer without a complete line would never make room by being
  // parsed: it takes more, to complete its line or to drop it.
  return inBuffer.size() < kMaxBuffered || inBuffer.find('\r') == std::string::npos;
}

void Receive(const std::string& text) {
  inBuffer += text;
  if (inBuffer.size() <= kMaxBuffered) return;
  const std::string::size_type lastEnd = inBuffer.rfind('\r');
  inBuffer.erase(lastEnd == std::string::npos ? 0 : lastEnd + 1);
}

void ParseIt() {
  const int p = fw::InStr(inBuffer, fw::Chr(13));
  if (p == 0) return;
  const std::string line = fw::Left(inBuffer, p - 1);
  inBuffer = fw::Right(inBuffer, fw::Len(inBuffer) - p);

  // The line is out of the buffer before it is applied: a move plays to its
  // end inside this call.
  const int q = fw::InStr(line, Module1::sep);
  if (q == 0) return;  // not a message of ours
  const std::string command = fw::Left(line, q - 1);
  const std::string argument = fw::Right(line, fw::Len(line) - q);

  if (command == "StartGame") {
    StartGame(argument);
  } else if (command == "PickHole") {
    PickHole(argument);
  } else if (command == "SwitchTurn") {
    SwitchTurn();
  }
}

void CatchUp() {
  pcSocketWindow* net = pcSocketWindow::OpenInstance();
  if (net == nullptr) return;
  net->Timer1_Action(net->Timer1());
  // A received move plays to its end inside ParseIt, and nothing is read
  // meanwhile: the lines counted now are the ones parsed.
  for (auto lines = std::count(inBuffer.begin(), inBuffer.end(), '\r'); lines > 0; --lines) ParseIt();
}

void Release() {
  inBuffer.clear();
  inBuffer.shrink_to_fit();
  isHost = false;
  SocketIsVisible = false;
  awaitingStart = false;
}

}  // namespace SocketMod
