// Turning clicks on the board into moves.
#include "game/Window1.h"
#include "net/SocketMod.h"

bool Window1::Canvas1_MouseDown(fw::Canvas* canvas, int /*x*/, int /*y*/) {
  const int h = fw::NotNil(dynamic_cast<Canvas1Member*>(canvas))->Index();
  auto moveRule = [this, h] {
    if (h < 1 || h > 14 || PitsCount[static_cast<std::size_t>(h)] <= 0) return;
    if (PlayersTurn == 1 && h < 7) DoPlay(h, false);
    // Read afresh: the first move may have passed the turn, but the two
    // ranges do not overlap, so one click plays at most one move.
    if (PlayersTurn == 2 && h > 7 && h < 14) DoPlay(h, false);
  };
  if (!isNetworkGame) {
    if (!GameStarted && PlayersTurn == 2 && IsComputer) {
      // Any click lets the computer open the game.
      PlayComputer();
    } else {
      moveRule();
    }
  } else {
    // A click counts only on the turn its player saw: on the other side's
    // turn, or before the host has set up the joiner's board, it does
    // nothing, and what the peer has sent is left to the parse timer.
    auto ownTurn = [this] { return SocketMod::isHost ? PlayersTurn != 2 : PlayersTurn != 1; };
    if (SocketMod::awaitingStart || !ownTurn()) return false;
    // Then what the peer has already sent comes first, and the click is
    // judged again on the board as it then stands.
    SocketMod::CatchUp();
    if (ownTurn()) moveRule();
  }
  return false;
}

bool Window1::RightTurn_MouseDown(fw::Canvas* /*canvas*/, int /*x*/, int /*y*/) {
  if (PlayersTurn == 2 && IsComputer) PlayComputer();
  return false;
}
