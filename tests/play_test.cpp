// The board model and playing moves: sowing, capture, extra turns, the end
// of the game and the animation's pace.
#include <gtest/gtest.h>

#include <algorithm>

#include "GameTestSupport.h"
#include "framework/Microseconds.h"
#include "framework/Graphics.h"
#include "game/Board.h"
#include "game/Module1.h"

using Holes = std::array<int, 14>;

TEST(BoardModel, NextHoleSkipsOnlyTheOpponentsStore) {
  EXPECT_EQ(Board::NextHole(6, 1), 7);
  EXPECT_EQ(Board::NextHole(6, 2), 8);
  EXPECT_EQ(Board::NextHole(13, 2), 14);
  EXPECT_EQ(Board::NextHole(13, 1), 1);
  EXPECT_EQ(Board::NextHole(14, 2), 1);
  EXPECT_EQ(Board::NextHole(7, 1), 8);
  for (int h = 1; h <= 14; ++h) EXPECT_EQ(Board::Opposite(Board::Opposite(h)), h);
  // Thirteen gems from pit 1 for player 1 come back to pit 1.
  int h = 1;
  for (int i = 0; i < 13; ++i) {
    h = Board::NextHole(h, 1);
    EXPECT_NE(h, 14);
  }
  EXPECT_EQ(h, 1);
}

class Play : public GameTest {};

TEST_F(Play, InitializeFillsEveryPitAndEmptiesTheStores) {
  W().AddGems(3, 7);
  W().AddGems(2, 14);
  W().GemCount = 6;
  W().PlayersTurn = 2;
  W().Initialize();
  EXPECT_EQ(Board(), (Holes{6, 6, 6, 6, 6, 6, 0, 6, 6, 6, 6, 6, 6, 0}));
  EXPECT_EQ(Total(), 72);
  EXPECT_EQ(W().pitPlace7.size(), 1u);
  EXPECT_EQ(W().pitPlace14.size(), 1u);
  EXPECT_TRUE(W().RightTurn()->Visible());
  EXPECT_FALSE(W().LeftTurn()->Visible());
  EXPECT_EQ(W().PlayersTurn, 2) << "a new board keeps the turn";
}

TEST_F(Play, SowingIntoTheOwnStoreKeepsTheTurn) {
  W().DoPlay(3, false);
  EXPECT_EQ(Board(), (Holes{4, 4, 0, 5, 5, 5, 1, 4, 4, 4, 4, 4, 4, 0}));
  EXPECT_EQ(W().PlayersTurn, 1);
  EXPECT_TRUE(W().GameStarted);
  EXPECT_EQ(W().pitPlace7.size(), 2u);
  EXPECT_TRUE(W().LeftTurn()->Visible());
}

TEST_F(Play, ALongSowingSkipsTheOpponentsStoreAndCaptures) {
  SetBoard({0, 4, 4, 4, 4, 8, 0, 4, 4, 4, 4, 4, 3, 0});
  W().DoPlay(6, false);
  // Holes 7 to 13 get one each, 14 is skipped and the last gem lands in the
  // empty pit 1, taking pit 13's four gems with it.
  EXPECT_EQ(Board(), (Holes{0, 4, 4, 4, 4, 0, 6, 5, 5, 5, 5, 5, 0, 0}));
  EXPECT_EQ(W().pitPlace7.size() - 1, 6u);
  EXPECT_EQ(W().PlayersTurn, 2);
  EXPECT_NE(std::find(sounds.begin(), sounds.end(), "Steal.wav"), sounds.end());
}

TEST_F(Play, PlayerTwoLandingInPlayerOnesPitCapturesNothing) {
  SetBoard({0, 4, 4, 4, 4, 4, 0, 4, 4, 4, 4, 4, 2, 0});
  W().PlayersTurn = 2;
  W().DoPlay(13, false);
  EXPECT_EQ(Board(), (Holes{1, 4, 4, 4, 4, 4, 0, 4, 4, 4, 4, 4, 0, 1}));
  EXPECT_EQ(W().PlayersTurn, 1);
}

TEST_F(Play, CaptureTakesTheOppositePitWithOrWithoutTheCapturingGem) {
  SetBoard({1, 0, 4, 4, 4, 4, 0, 4, 4, 4, 4, 5, 4, 0});
  W().DoPlay(1, false);
  EXPECT_EQ(Board(), (Holes{0, 0, 4, 4, 4, 4, 6, 4, 4, 4, 4, 0, 4, 0}));
  EXPECT_EQ(W().pitPlace7.size() - 1, 6u);

  W().Initialize();
  W().LeaveGem = true;
  W().PlayersTurn = 1;
  SetBoard({1, 0, 4, 4, 4, 4, 0, 4, 4, 4, 4, 5, 4, 0});
  W().DoPlay(1, false);
  EXPECT_EQ(Board(), (Holes{0, 1, 4, 4, 4, 4, 5, 4, 4, 4, 4, 0, 4, 0}));
  EXPECT_EQ(W().pitPlace7.size() - 1, 5u);
}

TEST_F(Play, LandingInAnEmptyPitFacingAnEmptyPitTakesNothing) {
  SetBoard({1, 0, 4, 4, 4, 4, 0, 4, 4, 4, 4, 0, 8, 0});
  W().DoPlay(1, false);
  EXPECT_EQ(Board(), (Holes{0, 1, 4, 4, 4, 4, 0, 4, 4, 4, 4, 0, 8, 0}));
  EXPECT_TRUE(std::find(sounds.begin(), sounds.end(), "Steal.wav") == sounds.end());
}

TEST_F(Play, ALapBackIntoTheEmptiedPitCaptures) {
  // Thirteen gems from pit 2: one each into 3..6, store 7, 8..13 (skipping
  // 14), pit 1, and the last back into pit 2, now holding one gem, facing
  // pit 12.
  SetBoard({0, 13, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0});
  W().DoPlay(2, false);
  EXPECT_EQ(Board(), (Holes{1, 0, 1, 1, 1, 1, 5, 1, 1, 1, 1, 0, 1, 0}));
  EXPECT_FALSE(W().GameOver);
  EXPECT_EQ(W().PlayersTurn, 2);
}

TEST_F(Play, EmptyingARowSweepsBothRowsIntoTheirOwnStores) {
  SetBoard({0, 0, 0, 0, 0, 1, 20, 2, 3, 0, 0, 0, 1, 21});
  W().DoPlay(6, false);
  EXPECT_EQ(Board(), (Holes{0, 0, 0, 0, 0, 0, 21, 0, 0, 0, 0, 0, 0, 27}));
  EXPECT_TRUE(W().GameOver);
  EXPECT_FALSE(W().LeftTurn()->Visible());
  EXPECT_FALSE(W().RightTurn()->Visible());
  EXPECT_EQ(W().PlayersTurn, 1) << "the last move changes no turn";
  EXPECT_EQ(W().pitPlace14.size() - 1, 6u);
  ASSERT_FALSE(sounds.empty());
  EXPECT_EQ(sounds.back(), "Loser.wav");
  for (int h = 1; h <= 14; ++h) EXPECT_FALSE(W().Dots[static_cast<std::size_t>(h)]->Visible());
}

TEST_F(Play, TheResultSoundFollowsPlayerOnesStoreAndATieLoses) {
  SetBoard({0, 0, 0, 0, 0, 1, 25, 1, 0, 0, 0, 0, 0, 21});
  W().DoPlay(6, false);
  ASSERT_FALSE(sounds.empty());
  EXPECT_EQ(sounds.back(), "Winner.wav");

  W().Initialize();
  W().PlayersTurn = 1;
  SetBoard({0, 0, 0, 0, 0, 1, 23, 1, 0, 0, 0, 0, 0, 23});
  W().DoPlay(6, false);
  EXPECT_EQ(W().PitsCount[7], 24);
  EXPECT_EQ(W().PitsCount[14], 24);
  ASSERT_FALSE(sounds.empty());
  EXPECT_EQ(sounds.back(), "Loser.wav");
}

TEST_F(Play, TheMoveDotsMarkEveryLandingHoleDuringTheMove) {
  SetBoard({4, 4, 4, 4, 4, 9, 0, 4, 4, 4, 4, 4, 4, 0});
  std::vector<int> shown;
  bool sampled = false;
  clockStep = 25000;
  fw::SetClockForTesting([&, t = 0.0]() mutable {
    if (!sampled && W().PitsCount[6] == 0) {
      sampled = true;
      for (int h = 1; h <= 14; ++h) {
        if (W().Dots[static_cast<std::size_t>(h)]->Visible()) shown.push_back(h);
      }
    }
    return t += 25000;
  });
  W().DoPlay(6, false);
  EXPECT_EQ(shown, (std::vector<int>{1, 2, 7, 8, 9, 10, 11, 12, 13}));
  for (int h = 1; h <= 14; ++h) EXPECT_FALSE(W().Dots[static_cast<std::size_t>(h)]->Visible());

  W().ShowMoves = false;
  sampled = false;
  shown.clear();
  W().DoPlay(8, false);
  EXPECT_TRUE(sampled);
  EXPECT_TRUE(shown.empty());
}

TEST_F(Play, AFourGemMoveWaitsTwoSecondsInTheRightSteps) {
  // A clock that stands still unless the move waits on it: each reading
  // moves it by a millisecond.
  clockStep = 1000;
  const double before = Now();
  W().DoPlay(2, false);
  const double elapsed = Now() - before;
  // 8 flash halves of 0.1 s and 4 gems of 0.3 s, each ending on the first
  // reading past its length.
  EXPECT_GE(elapsed, 2.0e6);
  EXPECT_LE(elapsed, 2.0e6 + 13 * 2 * 1000);
  EXPECT_EQ(sounds, (std::vector<std::string>{"Pickup.wav", "Drop.wav", "Drop.wav", "Drop.wav", "Drop.wav"}));
}

TEST_F(Play, SoundsOffPlaysNothingAndKeepsTheTiming) {
  W().UseSounds = false;
  clockStep = 1000;
  const double before = Now();
  W().DoPlay(2, false);
  EXPECT_TRUE(sounds.empty());
  EXPECT_GE(Now() - before, 2.0e6);
}

TEST_F(Play, TheFlashLeavesTheHighlightInThePitsCacheUntilTheThemeChanges) {
  // A solid highlight and a pit picture that is see-through all over: the
  // second half of each flash draws nothing, so the highlight stays.
  fw::PicturePtr red = fw::Picture::NewPicture(65, 65, 32);
  red->Graphics()->SetForeColor(fw::RGB(200, 0, 0));
  red->Graphics()->FillRect(0, 0, 65, 65);
  W().Canvas6()->SetBackdrop(red);
  const fw::PicturePtr themePit = Module1::pit;
  Module1::pit = fw::Picture::NewPicture(65, 65, 32);
  Module1::pit->SetTransparent(1);
  const QRgb before = W().CachedBackground(4)->Image().pixel(32, 32);
  const QRgb beforeNeighbour = W().CachedBackground(5)->Image().pixel(32, 32);
  W().DoPlay(4, false);
  EXPECT_EQ(W().CachedBackground(4)->Image().pixel(32, 32), qRgb(200, 0, 0));
  EXPECT_EQ(W().CachedBackground(5)->Image().pixel(32, 32), beforeNeighbour) << "only the chosen pit flashes";
  Module1::pit = themePit;
  Choose("mnuThemePicker", 1);
  EXPECT_EQ(W().CachedBackground(4)->Image().pixel(32, 32), before);
}

TEST_F(Play, AHoleNumberOffTheBoardIsNotPlayed) {
  const Holes start = Board();
  for (int hole : {0, -1, 15, 99, -2147483647}) W().DoPlay(hole, true);
  EXPECT_EQ(Board(), start);
  EXPECT_FALSE(W().GameStarted);
}

TEST_F(Play, EveryMoveKeepsAllGemsAndTheStoresMatchTheirPositions) {
  clockStep = 100000;
  int moves = 0;
  while (!W().GameOver && moves < 200) {
    const int base = W().PlayersTurn == 1 ? 1 : 8;
    int pit = base;
    while (W().PitsCount[static_cast<std::size_t>(pit)] == 0) ++pit;
    W().DoPlay(pit, false);
    ++moves;
    ASSERT_EQ(Total(), 48);
    ASSERT_EQ(W().pitPlace7.size() - 1, static_cast<std::size_t>(W().PitsCount[7]));
    ASSERT_EQ(W().pitPlace14.size() - 1, static_cast<std::size_t>(W().PitsCount[14]));
  }
  EXPECT_TRUE(W().GameOver);
  for (const auto* places : {&W().pitPlace7, &W().pitPlace14}) {
    for (std::size_t i = 1; i < places->size(); ++i) {
      EXPECT_GE((*places)[i]->X, 20);
      EXPECT_LE((*places)[i]->X, 54);
      EXPECT_GE((*places)[i]->Y, 50);
      EXPECT_LE((*places)[i]->Y, 184);
    }
  }
}

TEST_F(Play, AddGemsKeepsPositionsOnlyForTheStores) {
  W().AddGems(1, 3);
  W().AddGems(0, 7);
  W().AddGems(-2, 14);
  EXPECT_EQ(W().pitPlace7.size(), 1u);
  EXPECT_EQ(W().pitPlace14.size(), 1u);
  W().AddGems(5, 14);
  EXPECT_EQ(W().pitPlace14.size(), 6u);
}
