// The computer opponent: it rates player 2's pits by simulating lines of
// play, then plays the best one like any other move.
#include "game/ComputerSearch.h"
#include "game/Window1.h"

namespace {

ComputerSearch MakeSearch(Window1& window) {
  ComputerSearch search(window.PitScore, window.PlayCounts, window.CurrentDepth);
  search.SetSettings({window.clevel, window.myLevel, window.GemCount, window.LeaveGem});
  search.SetProgressCallback([&window] {
    fw::ProgressBar* bar = window.ProgressBar1();
    bar->SetValue(bar->Value() + 1);
    bar->Refresh(true);
  });
  return search;
}

std::array<int, 16> Position(std::int32_t h1, std::int32_t h2, std::int32_t h3, std::int32_t h4, std::int32_t h5,
                             std::int32_t h6, std::int32_t h7, std::int32_t h8, std::int32_t h9, std::int32_t h10,
                             std::int32_t h11, std::int32_t h12, std::int32_t h13, std::int32_t h14) {
  return {0, h1, h2, h3, h4, h5, h6, h7, h8, h9, h10, h11, h12, h13, h14, 0};
}

}  // namespace

void Window1::PlayComputer() {
  // In a network game both sides are people, even when the computer was
  // chosen afterwards: a move of its own would be one the peer never plays.
  if (isNetworkGame) return;
  fw::ProgressBar* bar = ProgressBar1();
  bar->SetValue(0);
  bar->SetVisible(true);
  ComputerSearch search = MakeSearch(*this);
  const int chosen = search.ChoosePit(PitsCount);
  bar->SetVisible(false);
  bar->Refresh(true);
  // With pits 8 to 13 all empty there is no move to play (the game is over
  // as soon as a row empties, so this is never reached in play).
  if (chosen >= 8 && chosen <= 13) DoPlay(chosen, false);
}

void Window1::DoP2(std::int32_t h1, std::int32_t h2, std::int32_t h3, std::int32_t h4, std::int32_t h5,
                   std::int32_t h6, std::int32_t h7, std::int32_t h8, std::int32_t h9, std::int32_t h10,
                   std::int32_t h11, std::int32_t h12, std::int32_t h13, std::int32_t h14, std::int32_t rootPit) {
  MakeSearch(*this).DoP2(Position(h1, h2, h3, h4, h5, h6, h7, h8, h9, h10, h11, h12, h13, h14), rootPit);
}

void Window1::DoP1(std::int32_t h1, std::int32_t h2, std::int32_t h3, std::int32_t h4, std::int32_t h5,
                   std::int32_t h6, std::int32_t h7, std::int32_t h8, std::int32_t h9, std::int32_t h10,
                   std::int32_t h11, std::int32_t h12, std::int32_t h13, std::int32_t h14, std::int32_t rootPit) {
  MakeSearch(*this).DoP1(Position(h1, h2, h3, h4, h5, h6, h7, h8, h9, h10, h11, h12, h13, h14), rootPit);
}
