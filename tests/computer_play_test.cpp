// Playing against the computer: when it moves, its progress bar, its chained
// extra turns and whole games at every level.
#include <gtest/gtest.h>

#include <QProgressBar>
#include <algorithm>

#include "GameTestSupport.h"

using Holes = std::array<int, 14>;

class ComputerPlay : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    clockStep = 100000;
    ASSERT_TRUE(Choose("mnuHvC"));
  }
  static bool ComputerPitsEmpty() {
    for (int h = 8; h <= 13; ++h) {
      if (W().PitsCount[static_cast<std::size_t>(h)] != 0) return false;
    }
    return true;
  }
};

TEST_F(ComputerPlay, AClickOnAnyHoleLetsTheComputerOpenWhenItIsToMove) {
  W().PlayersTurn = 2;
  Click(7);  // a store
  EXPECT_TRUE(W().GameStarted);
  // From the opening every rating is 0, so the lowest pit, 8, is played.
  EXPECT_EQ(W().PitsCount[8], 0);
  EXPECT_EQ(W().CurrentDepth, 0);
}

TEST_F(ComputerPlay, ItsTurnMarkerMakesItMoveAndSwitchTurnDoesNot) {
  EXPECT_TRUE(Choose("mnuSwitch"));
  EXPECT_EQ(W().PlayersTurn, 2);
  EXPECT_FALSE(W().GameStarted);
  W().RightTurn()->HandleMouseDown(5, 5);
  EXPECT_TRUE(W().GameStarted);
  EXPECT_EQ(W().PitsCount[8], 0);
  // During the game the marker still makes the computer move when it is
  // to move; when it is not, nothing happens.
  const Holes now = Board();
  if (W().PlayersTurn == 1) {
    W().RightTurn()->HandleMouseDown(5, 5);
    EXPECT_EQ(Board(), now);
  }
}

TEST_F(ComputerPlay, TheComputerAnswersEveryMoveWithinTheSameClick) {
  ASSERT_TRUE(Choose("mnuFair"));
  Click(1);  // four gems: lands in pit 5, the turn passes
  EXPECT_EQ(W().PlayersTurn, 1) << "the computer has answered before the click returns";
  EXPECT_NE(Board()[7], 4) << "pit 8 was played from the position after pit 1";
  EXPECT_EQ(Total(), 48);
}

TEST_F(ComputerPlay, TheProgressBarAdvancesSixTimesAndHidesBeforeTheMove) {
  QProgressBar* bar = static_cast<QProgressBar*>(W().ProgressBar1()->Widget());
  std::vector<int> values;
  std::vector<bool> visibleWhileAdvancing;
  QObject::connect(bar, &QProgressBar::valueChanged, [&](int value) {
    values.push_back(value);
    visibleWhileAdvancing.push_back(W().ProgressBar1()->Visible());
  });
  bool hiddenDuringMove = true;
  fw::SetClockForTesting([&, t = 0.0]() mutable {
    if (W().PlayersTurn == 2 && W().ProgressBar1()->Visible()) hiddenDuringMove = false;
    return t += 100000;
  });
  // Pits 9 and 11 empty: the bar still counts all six pits.
  SetBoard({4, 4, 4, 4, 4, 4, 0, 6, 0, 6, 0, 6, 6, 0});
  ASSERT_TRUE(Choose("mnuGood"));
  W().PlayersTurn = 2;
  W().PlayComputer();
  // The first search; a computer extra turn would start another.
  ASSERT_GE(values.size(), 6u);
  EXPECT_EQ(std::vector<int>(values.begin(), values.begin() + 6), (std::vector<int>{1, 2, 3, 4, 5, 6}));
  for (std::size_t i = 0; i < 6; ++i) EXPECT_TRUE(visibleWhileAdvancing[i]);
  EXPECT_TRUE(hiddenDuringMove);
  EXPECT_FALSE(W().ProgressBar1()->Visible());
  EXPECT_EQ(W().ProgressBar1()->Value(), 6);
}

TEST_F(ComputerPlay, ItsExtraTurnsChainWithinOneCall) {
  // Each of pits 11, 12 and 13 holds just enough gems to end in store 14,
  // so whichever the computer plays, it moves again before the call ends.
  SetBoard({4, 4, 4, 4, 4, 4, 0, 0, 0, 0, 3, 2, 1, 0});
  ASSERT_TRUE(Choose("mnuFair"));
  W().PlayersTurn = 2;
  W().PlayComputer();
  EXPECT_GE(std::count(sounds.begin(), sounds.end(), "Pickup.wav"), 2);
  EXPECT_TRUE(W().PlayersTurn == 1 || W().GameOver);
  EXPECT_EQ(W().CurrentDepth, 0);
  EXPECT_EQ(Total(), 30);
}

TEST_F(ComputerPlay, AnEmptyComputerRowPlaysNothing) {
  SetBoard({4, 4, 4, 4, 4, 4, 0, 0, 0, 0, 0, 0, 0, 24});
  W().PlayersTurn = 2;
  W().PlayComputer();
  EXPECT_EQ(Board(), (Holes{4, 4, 4, 4, 4, 4, 0, 0, 0, 0, 0, 0, 0, 24}));
  EXPECT_FALSE(W().ProgressBar1()->Visible());
  EXPECT_EQ(W().CurrentDepth, 0);
}

class ComputerGames : public ComputerPlay, public ::testing::WithParamInterface<const char*> {};

TEST_P(ComputerGames, AWholeGameEndsWithEveryGemInTheStores) {
  ASSERT_TRUE(Choose(GetParam()));
  // Three gems a pit keeps the deeper searches quick.
  ASSERT_TRUE(Choose("mnuG3"));
  int moves = 0;
  while (!W().GameOver && moves < 100) {
    ASSERT_EQ(W().PlayersTurn, 1);
    int pit = 1;
    while (pit <= 6 && W().PitsCount[static_cast<std::size_t>(pit)] == 0) ++pit;
    ASSERT_LE(pit, 6);
    Click(pit);
    ASSERT_EQ(W().CurrentDepth, 0);
    ASSERT_EQ(Total(), 36);
    ++moves;
  }
  EXPECT_TRUE(W().GameOver);
  EXPECT_EQ(W().PitsCount[7] + W().PitsCount[14], 36);
  EXPECT_TRUE(Enabled("mnuHvH"));
}

INSTANTIATE_TEST_SUITE_P(EveryLevel, ComputerGames, ::testing::Values("mnuFair", "mnuGood", "mnuBest", "mnuLevel4"));
