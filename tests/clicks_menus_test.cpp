// Board clicks and the menu commands with their enabled and checked states.
#include <gtest/gtest.h>

#include <QEventLoop>
#include <QTest>
#include <QTimer>

#include "GameTestSupport.h"
#include "framework_support.h"
#include "game/Module1.h"
#include "net/SocketMod.h"

using Holes = std::array<int, 14>;

class Clicks : public GameTest {};

TEST_F(Clicks, EachSidePlaysOnlyItsOwnNonEmptyPits) {
  const Holes start = Board();
  for (int h : {8, 10, 13, 7, 14}) Click(h);
  EXPECT_EQ(Board(), start);
  EXPECT_FALSE(W().GameStarted);

  Click(2);
  EXPECT_EQ(W().PitsCount[2], 0);
  EXPECT_EQ(W().PlayersTurn, 2);
  const Holes afterOne = Board();
  for (int h : {1, 3, 6, 7, 14}) Click(h);
  EXPECT_EQ(Board(), afterOne);

  SetBoard({4, 0, 5, 5, 5, 5, 0, 4, 4, 4, 0, 4, 4, 0});
  Click(11);
  EXPECT_EQ(Board(), (Holes{4, 0, 5, 5, 5, 5, 0, 4, 4, 4, 0, 4, 4, 0})) << "an empty pit plays nothing";
  Click(9);
  EXPECT_EQ(W().PitsCount[9], 0);
  EXPECT_EQ(W().PlayersTurn, 1);
}

TEST_F(Clicks, AnExtraTurnLetsTheSameSideClickAgain) {
  Click(3);  // four gems: the last into store 7
  EXPECT_EQ(W().PlayersTurn, 1);
  Click(9);
  EXPECT_EQ(W().PitsCount[9], 4);
  Click(1);
  EXPECT_EQ(W().PitsCount[1], 0);
  EXPECT_EQ(W().PlayersTurn, 2);
}

TEST_F(Clicks, AfterTheGameNoClickChangesTheBoard) {
  SetBoard({0, 0, 0, 0, 0, 1, 20, 2, 3, 0, 0, 0, 1, 21});
  Click(6);
  ASSERT_TRUE(W().GameOver);
  const Holes end = Board();
  for (int h = 1; h <= 14; ++h) Click(h);
  W().RightTurn()->HandleMouseDown(5, 5);
  EXPECT_EQ(Board(), end);
}

TEST_F(Clicks, InANetworkGameEachMachinePlaysOnlyItsSide) {
  W().isNetworkGame = true;
  SocketMod::isHost = true;
  W().PlayersTurn = 2;
  const Holes start = Board();
  Click(9);
  Click(2);
  EXPECT_EQ(Board(), start) << "the host does not play while player 2 is to move";
  W().PlayersTurn = 1;
  Click(2);
  EXPECT_EQ(W().PitsCount[2], 0);

  SocketMod::isHost = false;
  W().PlayersTurn = 1;
  const Holes joined = Board();
  Click(1);
  Click(9);
  EXPECT_EQ(Board(), joined) << "the joining side does not play while player 1 is to move";
  W().PlayersTurn = 2;
  Click(9);
  EXPECT_EQ(W().PitsCount[9], 0);
}

TEST_F(Clicks, HandlersAlwaysReturnFalse) {
  EXPECT_FALSE(W().Canvas1_MouseDown(W().Canvas1(1), 3, 3));
  EXPECT_FALSE(W().Canvas1_MouseDown(W().Canvas1(7), 3, 3));
  EXPECT_FALSE(W().RightTurn_MouseDown(W().RightTurn(), 3, 3));
}

TEST_F(Clicks, AClickDuringAMoveIsDroppedNotQueued) {
  // While pit 1's move waits, the user clicks pit 2 and chooses New Game:
  // neither happens, then or afterwards.
  bool clicked = false;
  fw::SetClockForTesting([&, t = 0.0]() mutable {
    if (!clicked && W().PitsCount[1] == 0) {
      clicked = true;
      Click(2);
      EXPECT_FALSE(Choose("mnuHvC"));
      W().ChooseMenuItem(W().mnuHvC());
    }
    return t += 50000;
  });
  Click(1);
  ASSERT_TRUE(clicked);
  QCoreApplication::processEvents();
  EXPECT_EQ(Board(), (Holes{0, 5, 5, 5, 5, 4, 0, 4, 4, 4, 4, 4, 4, 0}));
  EXPECT_FALSE(W().IsComputer);
}

class MenuCommands : public GameTest {};

TEST_F(MenuCommands, BeforeTheFirstMove) {
  EXPECT_FALSE(Enabled("mnuReset"));
  for (const char* name : {"mnuSwitch", "mnuHvH", "mnuHvC", "mnuGems", "mnuG3", "mnuG6", "mnuLeaveGem",
                           "mnuShowMoves", "mnuSound", "mnuNetworkGame", "mnuAbout", "FileQuit"}) {
    EXPECT_TRUE(Enabled(name)) << name;
  }
  for (const char* name : {"mnuStopNetwork", "mnuLevel", "mnuFair", "mnuLevel4"}) EXPECT_FALSE(Enabled(name)) << name;
  for (int i = 0; i < 8; ++i) EXPECT_TRUE(W().mnuThemePicker(i)->IsActive());
  EXPECT_TRUE(Checked("mnuHvH"));
  EXPECT_FALSE(Checked("mnuHvC"));
  EXPECT_TRUE(Checked("mnuG4"));
  EXPECT_FALSE(Checked("mnuG3"));
  EXPECT_TRUE(Checked("mnuBest")) << "the level's check mark follows it while the menu is disabled";
  EXPECT_TRUE(Checked("mnuShowMoves"));
  EXPECT_TRUE(Checked("mnuSound"));
  EXPECT_FALSE(Checked("mnuLeaveGem"));
  EXPECT_FALSE(W().mnuD2()->IsActive());
  EXPECT_FALSE(W().mnuDash()->IsActive());
}

TEST_F(MenuCommands, DuringAndAfterAGame) {
  Click(1);
  EXPECT_TRUE(Enabled("mnuReset"));
  for (const char* name : {"mnuSwitch", "mnuHvH", "mnuHvC", "mnuGems", "mnuG5", "mnuLeaveGem"}) {
    EXPECT_FALSE(Enabled(name)) << name;
  }
  SetBoard({0, 0, 0, 0, 0, 0, 20, 0, 0, 0, 0, 0, 1, 27});
  W().PlayersTurn = 2;
  Click(13);
  ASSERT_TRUE(W().GameOver);
  EXPECT_TRUE(Enabled("mnuHvH"));
  EXPECT_TRUE(Enabled("mnuHvC"));
  EXPECT_FALSE(Enabled("mnuGems"));
  EXPECT_FALSE(Enabled("mnuSwitch"));
  // New Game after the end asks nothing.
  EXPECT_TRUE(Choose("mnuReset"));
  EXPECT_TRUE(dialogs.empty());
  EXPECT_FALSE(W().GameStarted);
  EXPECT_FALSE(W().GameOver);
  EXPECT_EQ(Board(), (Holes{4, 4, 4, 4, 4, 4, 0, 4, 4, 4, 4, 4, 4, 0}));
  EXPECT_EQ(W().PlayersTurn, 2) << "the player who made the last move opens the next game";
  EXPECT_TRUE(Enabled("mnuSwitch"));
}

TEST_F(MenuCommands, NewGameAsksAndKeepPlayingKeepsTheGame) {
  Click(1);
  const Holes during = Board();
  dialogAnswer = 2;  // "Keep Playing"
  EXPECT_TRUE(W()._mnuReset_Action());
  ASSERT_EQ(dialogs.size(), 1u);
  EXPECT_EQ(dialogs[0].Message, "Are you sure that you want to start a new game?");
  EXPECT_EQ(dialogs[0].Icon, 3);
  EXPECT_EQ(dialogs[0].VisibleButtons, (std::vector<std::string>{"New Game", "Keep Playing"}));
  EXPECT_EQ(Board(), during);
  EXPECT_TRUE(W().GameStarted);

  dialogAnswer = 0;  // "New Game"
  EXPECT_TRUE(Choose("mnuReset"));
  EXPECT_EQ(Board(), (Holes{4, 4, 4, 4, 4, 4, 0, 4, 4, 4, 4, 4, 4, 0}));
  EXPECT_FALSE(W().GameStarted);
  EXPECT_EQ(W().pitPlace7.size(), 1u);
}

TEST_F(MenuCommands, SwitchTurnTwiceGivesTheTurnBack) {
  EXPECT_TRUE(Choose("mnuSwitch"));
  EXPECT_EQ(W().PlayersTurn, 2);
  EXPECT_TRUE(W().RightTurn()->Visible());
  EXPECT_FALSE(W().LeftTurn()->Visible());
  W().IsComputer = true;
  EXPECT_TRUE(Choose("mnuSwitch"));
  EXPECT_TRUE(Choose("mnuSwitch"));
  EXPECT_EQ(W().PlayersTurn, 2);
  EXPECT_FALSE(W().GameStarted) << "switching the turn never starts the computer";
}

TEST_F(MenuCommands, ModesGemsLevelsAndOptions) {
  EXPECT_TRUE(Choose("mnuG6"));
  EXPECT_EQ(W().GemCount, 6);
  EXPECT_EQ(Total(), 72);
  EXPECT_TRUE(Checked("mnuG6"));
  EXPECT_FALSE(Checked("mnuG4"));
  EXPECT_TRUE(Choose("mnuG3"));
  EXPECT_EQ(W().PitsCount[8], 3);

  EXPECT_FALSE(Choose("mnuLevel4")) << "levels are for games against the computer";
  EXPECT_TRUE(Choose("mnuHvC"));
  EXPECT_TRUE(W().IsComputer);
  EXPECT_TRUE(Checked("mnuHvC"));
  const std::pair<const char*, std::pair<int, int>> levels[] = {
      {"mnuFair", {1, 3}}, {"mnuGood", {2, 5}}, {"mnuLevel4", {4, 6}}, {"mnuBest", {3, 8}}};
  for (const auto& [name, level] : levels) {
    EXPECT_TRUE(Choose(name));
    EXPECT_EQ(W().myLevel, level.first);
    EXPECT_EQ(W().clevel, level.second);
    EXPECT_TRUE(Checked(name));
  }
  EXPECT_TRUE(Choose("mnuHvH"));
  EXPECT_FALSE(W().IsComputer);

  EXPECT_TRUE(Choose("mnuShowMoves"));
  EXPECT_FALSE(W().ShowMoves);
  EXPECT_FALSE(Checked("mnuShowMoves"));
  EXPECT_TRUE(Choose("mnuLeaveGem"));
  EXPECT_TRUE(W().LeaveGem);
  EXPECT_TRUE(Checked("mnuLeaveGem"));
  EXPECT_TRUE(Choose("mnuSound"));
  EXPECT_FALSE(W().UseSounds);
}

TEST_F(MenuCommands, LevelsStayAvailableDuringAGameAgainstTheComputer) {
  Choose("mnuHvC");
  Choose("mnuFair");
  W().DoPlay(1, false);
  // The computer answered; the game goes on.
  ASSERT_TRUE(W().GameStarted);
  EXPECT_TRUE(Enabled("mnuLevel"));
  EXPECT_TRUE(Enabled("mnuFair"));
  EXPECT_FALSE(Enabled("mnuHvH"));
}

TEST_F(MenuCommands, NetworkStateDisablesTheModes) {
  SocketMod::SocketIsVisible = true;
  EXPECT_FALSE(Enabled("mnuHvH"));
  EXPECT_FALSE(Enabled("mnuHvC"));
  EXPECT_TRUE(Enabled("mnuNetworkGame"));
  SocketMod::SocketIsVisible = false;
  W().isNetworkGame = true;
  EXPECT_FALSE(Enabled("mnuHvC"));
  EXPECT_FALSE(Enabled("mnuNetworkGame"));
  EXPECT_TRUE(Enabled("mnuStopNetwork"));
  EXPECT_TRUE(Choose("mnuStopNetwork"));
  EXPECT_FALSE(W().isNetworkGame);
  EXPECT_TRUE(Enabled("mnuNetworkGame"));
  EXPECT_TRUE(Enabled("mnuHvC"));
}

TEST_F(MenuCommands, AShortcutReachesOnlyAnEnabledItem) {
  QWidget* window = W().TopLevelWidget();
  QTest::keyClick(window, Qt::Key_T, Qt::ControlModifier);  // Switch Turn
  EXPECT_EQ(W().PlayersTurn, 2);
  QTest::keyClick(window, Qt::Key_T, Qt::ControlModifier);
  EXPECT_EQ(W().PlayersTurn, 1);
  Click(1);
  QTest::keyClick(window, Qt::Key_T, Qt::ControlModifier);
  EXPECT_EQ(W().PlayersTurn, 2) << "Switch Turn is disabled once the game is under way";
  QTest::keyClick(window, Qt::Key_6, Qt::ControlModifier);
  EXPECT_EQ(W().GemCount, 4);
  QTest::keyClick(window, Qt::Key_M, Qt::ControlModifier);
  EXPECT_FALSE(W().ShowMoves);
}

// Keys pressed while a move plays wait for it to end: Switch Turn is then
// refused, as the game has started; New Game asks; Quit leaves the event
// loop, which went on running until the move was over.
TEST_F(MenuCommands, ShortcutsDuringAMoveAreCarriedOutWhenItEnds) {
  QWidget* window = W().TopLevelWidget();
  dialogAnswer = 2;  // "Keep Playing"
  bool pressed = false;
  int probes = 0;
  int stillRunning = 0;
  fw::SetClockForTesting([&, t = 0.0]() mutable {
    if (!pressed && W().PitsCount[1] == 0) {  // half a second in
      pressed = true;
      for (Qt::Key key : {Qt::Key_T, Qt::Key_N, Qt::Key_Q}) QTest::keyClick(window, key, Qt::ControlModifier);
    }
    if (pressed && W().PitsCount[5] == 5 && probes++ == 0) {
      // The last gem is down: the program has not been told to quit yet, so
      // a new event loop still runs, and nothing else was carried out.
      QEventLoop probe;
      QTimer::singleShot(0, &probe, [&] { probe.exit(1); });
      stillRunning = probe.exec();
      EXPECT_TRUE(dialogs.empty());
    }
    return t += 50000;
  });
  EXPECT_EQ(fwtest::ExecUntilQuit([] { Click(1); }), 0);
  EXPECT_EQ(stillRunning, 1);
  EXPECT_EQ(Board(), (Holes{0, 5, 5, 5, 5, 4, 0, 4, 4, 4, 4, 4, 4, 0}));
  EXPECT_EQ(W().PlayersTurn, 2) << "Switch Turn was refused";
  ASSERT_EQ(dialogs.size(), 1u);
  EXPECT_EQ(dialogs[0].Message, "Are you sure that you want to start a new game?");
  EXPECT_TRUE(W().GameStarted);
}

TEST_F(MenuCommands, ThemesKeepExactlyOneCheckAndTheGame) {
  Click(3);
  Click(1);
  const Holes during = Board();
  const auto store7 = W().pitPlace7;
  const int turn = W().PlayersTurn;
  EXPECT_TRUE(Choose("mnuThemePicker", 7));
  for (int i = 0; i < 8; ++i) EXPECT_EQ(W().mnuThemePicker(i)->Checked(), i == 7);
  EXPECT_EQ(Board(), during);
  EXPECT_EQ(W().pitPlace7, store7);
  EXPECT_EQ(W().PlayersTurn, turn);
  EXPECT_EQ(W().LeftTurn()->Visible(), turn == 1);
  EXPECT_TRUE(Choose("mnuThemePicker", 7));
  for (int i = 0; i < 8; ++i) EXPECT_EQ(W().mnuThemePicker(i)->Checked(), i == 7);
}
