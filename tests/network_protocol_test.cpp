// The network line protocol: how received text is cut into lines and
// applied to the board, what a hostile or broken peer cannot do to it, and
// the exact bytes of every message this side sends, seen by a raw TCP peer
// on the loopback address.
#include <QByteArray>
#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <random>

#include "GameTestSupport.h"
#include "framework/BackgroundTask.h"
#include "framework/Text.h"
#include "framework_support.h"
#include "game/Module1.h"
#include "net/SocketMod.h"
#include "net/pcSocketWindow.h"

namespace {

using fwtest::SpinFor;
using fwtest::WaitUntil;

const std::string kSep = "\xBB";

std::string Line(const std::string& command, const std::string& argument) {
  return command + kSep + argument + kSep + "\r";
}

using Holes = std::array<int, 14>;
constexpr Holes kOpening4{4, 4, 4, 4, 4, 4, 0, 4, 4, 4, 4, 4, 4, 0};

// The parser as the network window drives it: text arrives as the socket
// delivers it, Timer2 takes one line per tick.
class NetworkParse : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    net = pcSocketWindow::Instance();
    // Its own timers would tick whenever the loop runs; here the test ticks.
    net->Timer1()->SetMode(fw::Timer::kModeOff);
    net->Timer2()->SetMode(fw::Timer::kModeOff);
    SocketMod::inBuffer.clear();
  }

  static void Feed(const std::string& text) { SocketMod::Receive(text); }
  void Tick() {
    net->Timer2()->SetMode(fw::Timer::kModeMultiple);
    net->Timer2()->Tick();
    net->Timer2()->SetMode(fw::Timer::kModeOff);
  }
  // Feeds one line and ticks once.
  void Apply(const std::string& text) {
    Feed(text);
    Tick();
  }

  pcSocketWindow* net = nullptr;
};

TEST_F(NetworkParse, SeparatorIsTheSingleByte187) {
  EXPECT_EQ(Module1::sep, std::string(1, '\xBB'));
  EXPECT_EQ(Module1::sep, fw::Chr(187));
}

// --- Cutting the buffer into lines ---

TEST_F(NetworkParse, LineSplitAcrossReadsWaitsForItsCarriageReturn) {
  for (const char* part : {"Swi", "tchTu", "rn", "\xBB"}) {
    Feed(part);
    Tick();
    EXPECT_EQ(W().PlayersTurn, 1) << part;
  }
  EXPECT_EQ(SocketMod::inBuffer, "SwitchTurn\xBB");
  Apply("\r");
  EXPECT_EQ(W().PlayersTurn, 2);
  EXPECT_TRUE(SocketMod::inBuffer.empty());
}

TEST_F(NetworkParse, TwoLinesInOneReadApplyOnTwoSuccessiveTicksInOrder) {
  Feed("SwitchTurn\xBB\r" + Line("StartGame", "6") + "Swi");
  Tick();
  EXPECT_EQ(W().PlayersTurn, 2);
  EXPECT_EQ(W().GemCount, 4) << "only one line per tick";
  Tick();
  EXPECT_EQ(W().GemCount, 6);
  EXPECT_EQ(W().PlayersTurn, 2);
  EXPECT_EQ(SocketMod::inBuffer, "Swi");
  Tick();
  EXPECT_EQ(SocketMod::inBuffer, "Swi");
}

TEST_F(NetworkParse, EmptyLinesAndUnknownCommandsAreConsumedSilently) {
  W().PlayersTurn = 2;
  const Holes before = Board();
  for (const std::string& line :
       {std::string("\r"), Line("Hello", "3"), Line("pickhole", "3"), Line("PICKHOLE", "3"), Line(" PickHole", "3"),
        Line("PickHole ", "3"), std::string("switchturn\xBB\r"), Line("", "3"), std::string("\xBB\r")}) {
    Apply(line);
    EXPECT_TRUE(SocketMod::inBuffer.empty());
    EXPECT_EQ(Board(), before);
    EXPECT_EQ(W().PlayersTurn, 2);
    EXPECT_FALSE(W().GameStarted);
  }
  EXPECT_TRUE(dialogs.empty());
}

TEST_F(NetworkParse, LineWithoutSeparatorIsDroppedAndParsingGoesOn) {
  Feed("PickHole3\rSwitchTurn\rStartGame 5\r" "SwitchTurn\xBB\r");
  for (int i = 0; i < 3; ++i) Tick();
  EXPECT_EQ(Board(), kOpening4);
  EXPECT_EQ(W().PlayersTurn, 1);
  Tick();
  EXPECT_EQ(W().PlayersTurn, 2);
  EXPECT_TRUE(SocketMod::inBuffer.empty());
}

TEST_F(NetworkParse, LineFeedStaysPartOfTheLine) {
  // Before the CR it follows the argument's separator: the number still reads.
  Apply("StartGame\xBB" "5\xBB\n\r");
  EXPECT_EQ(W().GemCount, 5);
  // After the CR it starts the next line's command, which then matches nothing.
  Feed("\r\nSwitchTurn\xBB\r");
  Tick();
  Tick();
  EXPECT_EQ(W().PlayersTurn, 1);
  EXPECT_TRUE(SocketMod::inBuffer.empty());
}

// --- The three messages ---

TEST_F(NetworkParse, StartGameSetsUpTheBoardAndKeepsTheTurn) {
  W().PlayersTurn = 2;
  W().GameStarted = true;
  W().GameOver = true;
  SetBoard({0, 0, 1, 0, 0, 0, 30, 0, 0, 0, 0, 0, 0, 17});
  Apply(Line("StartGame", "5"));
  EXPECT_EQ(W().GemCount, 5);
  EXPECT_EQ(Board(), (Holes{5, 5, 5, 5, 5, 5, 0, 5, 5, 5, 5, 5, 5, 0}));
  EXPECT_FALSE(W().GameStarted);
  EXPECT_FALSE(W().GameOver);
  EXPECT_EQ(W().PlayersTurn, 2);
  // Each of the four counts a peer can choose.
  for (int gems = 3; gems <= 6; ++gems) {
    Apply(Line("StartGame", std::to_string(gems)));
    EXPECT_EQ(W().GemCount, gems);
    EXPECT_EQ(Total(), 12 * gems);
  }
}

TEST_F(NetworkParse, SwitchTurnPassesTheTurnBothWaysAndMovesTheMarkers) {
  W().PlayersTurn = 2;
  const Holes before = Board();
  Apply("SwitchTurn\xBB\r");
  EXPECT_EQ(W().PlayersTurn, 1);
  EXPECT_TRUE(W().LeftTurn()->Visible());
  EXPECT_FALSE(W().RightTurn()->Visible());
  Apply("SwitchTurn\xBB\r");
  EXPECT_EQ(W().PlayersTurn, 2);
  EXPECT_FALSE(W().LeftTurn()->Visible());
  EXPECT_TRUE(W().RightTurn()->Visible());
  EXPECT_EQ(Board(), before);
  EXPECT_FALSE(W().GameStarted);
  EXPECT_TRUE(sounds.empty());
}

TEST_F(NetworkParse, PickHoleIsPlayedEvenOutOfTheSendersTurn) {
  // This side joined: the host sends its pits 1..6. It is player 2's turn.
  SocketMod::isHost = false;
  W().PlayersTurn = 2;
  Apply(Line("PickHole", "3"));
  EXPECT_TRUE(W().GameStarted);
  EXPECT_EQ(W().PitsCount[3], 0);
  EXPECT_EQ(Total(), 48);
  EXPECT_FALSE(sounds.empty());
}

TEST_F(NetworkParse, PickHoleFromTheHostPlaysTheSameMoveAsALocalClick) {
  SocketMod::isHost = false;
  Apply(Line("PickHole", "1"));
  EXPECT_EQ(Board(), (Holes{0, 5, 5, 5, 5, 4, 0, 4, 4, 4, 4, 4, 4, 0}));
  EXPECT_EQ(W().PlayersTurn, 2);
  // And the joiner's own answer, from the host's side.
  SocketMod::isHost = true;
  Apply(Line("PickHole", "10"));
  EXPECT_EQ(Board(), (Holes{0, 5, 5, 5, 5, 4, 0, 4, 4, 0, 5, 5, 5, 1}));
  EXPECT_EQ(W().PlayersTurn, 2) << "the last gem fell into the joiner's store";
}

// --- A hostile or broken peer ---

TEST_F(NetworkParse, PickHoleOutsideTheSendersOwnFilledPitsIsDropped) {
  SocketMod::isHost = false;  // the sender hosts: its pits are 1..6
  SetBoard({4, 0, 4, 4, 4, 4, 2, 4, 4, 4, 4, 4, 4, 2});
  const Holes before = Board();
  for (const std::string& hole : std::vector<std::string>{"0", "15", "16", "-1", "-14", "2147483648", "-2147483648", "4294967297", "abc", "", " ", "+", "-", ".",
        "99999999999999999999999999999999", std::string(400, '9'), "1e400", "-1e400", "nan", "inf", "0x3", "7",
        "14", "8", "10", "13", "2", "6.9e1", "\xFF", std::string(1, '\0')}) {
    Apply(Line("PickHole", hole));
    EXPECT_EQ(Board(), before) << "hole text \"" << hole << "\"";
    EXPECT_FALSE(W().GameStarted) << hole;
  }
  EXPECT_TRUE(SocketMod::inBuffer.empty());
  EXPECT_TRUE(dialogs.empty());
}

TEST_F(NetworkParse, JoinersMovesAreCheckedAgainstTheJoinersPits) {
  SocketMod::isHost = true;  // the sender joined: its pits are 8..13
  W().PlayersTurn = 2;
  for (const char* hole : {"1", "6", "7", "14"}) {
    Apply(Line("PickHole", hole));
    EXPECT_EQ(Board(), kOpening4) << hole;
  }
  Apply(Line("PickHole", "13"));
  EXPECT_EQ(W().PitsCount[13], 0);
  EXPECT_EQ(Total(), 48);
}

TEST_F(NetworkParse, StartGameWithAGemCountOutsideThreeToSixIsDropped) {
  W().GameStarted = true;
  SetBoard({0, 5, 5, 5, 5, 4, 0, 4, 4, 4, 4, 4, 4, 0});
  const Holes before = Board();
  for (const std::string& gems : std::vector<std::string>{"0", "2", "7", "99", "-4", "-2147483649", "2147483651", "abc", "", "1e400", "nan",
        std::string(300, '7')}) {
    Apply(Line("StartGame", gems));
    EXPECT_EQ(W().GemCount, 4) << gems;
    EXPECT_EQ(Board(), before) << gems;
    EXPECT_TRUE(W().GameStarted) << gems;
  }
}

TEST_F(NetworkParse, HugeTextIsDroppedAndTheBufferStaysBounded) {
  Feed(std::string(100 * 1024, 'A'));
  EXPECT_LE(SocketMod::inBuffer.size(), SocketMod::kMaxBuffered);
  // Trickled in small reads, with or without line ends, it never grows past
  // the bound either.
  for (int i = 0; i < 200; ++i) {
    Feed(std::string(1024, static_cast<char>(i)) + kSep);
    ASSERT_LE(SocketMod::inBuffer.size(), SocketMod::kMaxBuffered);
  }
  Tick();
  ASSERT_LE(SocketMod::inBuffer.size(), SocketMod::kMaxBuffered);
  // The junk goes on; what was dropped was junk, what is left are the
  // complete (empty) lines among it, and a line sent afterwards works.
  Feed(std::string(SocketMod::kMaxBuffered + 1, 'B'));
  EXPECT_EQ(SocketMod::inBuffer.find_first_not_of('\r'), std::string::npos);
  Feed("\rSwitchTurn\xBB\r");
  while (!SocketMod::inBuffer.empty()) Tick();
  EXPECT_EQ(W().PlayersTurn, 2);
  EXPECT_EQ(Board(), kOpening4);
}

TEST_F(NetworkParse, AnOverflowDropsOnlyTheOpenLineAndFullLinesHoldTheRest) {
  // The complete lines ahead of a line that overflows the buffer stay.
  const std::string lines = "SwitchTurn\xBB\r" + Line("StartGame", "5");
  Feed(lines + std::string(SocketMod::kMaxBuffered, 'C'));
  EXPECT_EQ(SocketMod::inBuffer, lines);
  EXPECT_TRUE(SocketMod::HasRoom());
  Tick();
  Tick();
  EXPECT_EQ(W().PlayersTurn, 2);
  EXPECT_EQ(W().GemCount, 5);
  // A buffer full of complete lines takes nothing more until they are
  // parsed; one full of a single open line takes more, to end or drop it.
  Feed(std::string(SocketMod::kMaxBuffered / 2, '\r'));
  Feed(std::string(SocketMod::kMaxBuffered / 2, '\r'));
  EXPECT_FALSE(SocketMod::HasRoom());
  SocketMod::inBuffer = std::string(SocketMod::kMaxBuffered, 'D');
  EXPECT_TRUE(SocketMod::HasRoom());
}

TEST_F(NetworkParse, ZeroAndFFBytesAnywhereChangeNothing) {
  const std::string zero(1, '\0');
  Feed(zero + "\r" + "\xFF\xFF\r" + "Pick" + zero + "Hole\xBB" "3\xBB\r" + "PickHole" + zero + kSep + "3" + kSep +
       "\r" + "Switch\xFFTurn\xBB\r" + std::string("\xBB\xBB\xBB\r") + zero + kSep + zero + "\r");
  for (int i = 0; i < 10; ++i) Tick();
  EXPECT_TRUE(SocketMod::inBuffer.empty());
  EXPECT_EQ(Board(), kOpening4);
  EXPECT_EQ(W().PlayersTurn, 1);
  EXPECT_FALSE(W().GameStarted);
}

// Random lines built from the protocol's own pieces and from junk: whatever
// comes, the board keeps its gems and the game state stays in range.
TEST_F(NetworkParse, RandomTrafficKeepsEveryGemOnTheBoard) {
  SocketMod::isHost = false;
  W().ShowMoves = false;
  std::mt19937 rng(2300);
  const std::vector<std::string> words{"StartGame", "PickHole", "SwitchTurn", "Pick", "", "\xFF", "x"};
  const std::vector<std::string> numbers{"1", "2", "3", "4", "5", "6", "7", "8", "13", "14", "0", "-1", "15", "2",
                                         "3", "6", "99", "2147483648", "abc", "", "1e400"};
  const std::vector<std::string> junk{kSep, "\r", "\n", std::string(1, '\0'), "\xFF", " "};
  auto pick = [&rng](const std::vector<std::string>& from) { return from[rng() % from.size()]; };
  for (int round = 0; round < 150; ++round) {
    std::string text = pick(words);
    if (rng() % 5 != 0) text += kSep;
    if (rng() % 3 != 0) text += pick(numbers) + kSep;
    if (rng() % 4 == 0) text += pick(junk);
    if (rng() % 6 != 0) text += "\r";
    Feed(text);
    Tick();
    ASSERT_GE(W().GemCount, 3);
    ASSERT_LE(W().GemCount, 6);
    ASSERT_EQ(Total(), 12 * W().GemCount) << "after \"" << text << "\"";
    ASSERT_TRUE(W().PlayersTurn == 1 || W().PlayersTurn == 2);
    for (int h = 1; h <= 14; ++h) ASSERT_GE(W().PitsCount[static_cast<std::size_t>(h)], 0);
  }
  EXPECT_FALSE(sounds.empty()) << "some of the lines were moves";
}

// --- The bytes on the wire ---

// A raw TCP peer: it listens on a free loopback port, and the network
// window's socket connects to it as the joining side does.
class NetworkWire : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost, 0));
    net = pcSocketWindow::Instance();
  }
  void TearDown() override {
    pcSocketWindow::SetPortForTesting(-1);
    delete peer;
    GameTest::TearDown();
  }

  // Joins the test's server through the window, as the user does.
  void Join() {
    pcSocketWindow::SetPortForTesting(server.serverPort());
    net->PopupMenu1()->SetListIndex(1);
    net->PushButton1()->Push();
    ASSERT_TRUE(WaitUntil([&] { return server.hasPendingConnections(); }));
    peer = server.nextPendingConnection();
    ASSERT_TRUE(WaitUntil([&] { return W().isNetworkGame; }));
  }

  // Everything the peer has received so far, waiting until it holds at
  // least bytes of them.
  std::string Received(std::size_t bytes) {
    WaitUntil([&] {
      received += peer->readAll().toStdString();
      return received.size() >= bytes;
    });
    return received;
  }
  void Send(const std::string& text) {
    peer->write(text.data(), static_cast<qint64>(text.size()));
    peer->flush();
  }

  QTcpServer server;
  QTcpSocket* peer = nullptr;
  pcSocketWindow* net = nullptr;
  std::string received;
};

TEST_F(NetworkWire, EveryMessageGoesOutByteForByte) {
  Join();
  ASSERT_FALSE(SocketMod::isHost);
  EXPECT_EQ(Received(0), "") << "the joining side sends no StartGame";

  // Until the host's StartGame, the joining side has no board to act on.
  for (const char* item : {"mnuSwitch", "mnuReset", "mnuG5", "mnuGems"}) EXPECT_FALSE(Enabled(item)) << item;
  W().PlayersTurn = 2;
  Click(10);
  EXPECT_EQ(W().PitsCount[10], 4);
  W().PlayersTurn = 1;
  Send(Line("StartGame", "3"));
  ASSERT_TRUE(WaitUntil([] { return W().GemCount == 3; }));
  EXPECT_EQ(Received(0), "");

  ASSERT_TRUE(Choose("mnuSwitch"));
  EXPECT_EQ(Received(12), std::string("SwitchTurn\xBB\r"));
  EXPECT_EQ(received.size(), 12u);
  received.clear();

  // The joiner plays pit 10 on its turn.
  Click(10);
  EXPECT_EQ(Received(13), std::string("PickHole\xBB" "10\xBB\r"));
  EXPECT_EQ(received.size(), 13u);
  received.clear();

  W().GemCount = 4;
  W().ResetGame();
  EXPECT_EQ(Received(13), std::string("StartGame\xBB" "4\xBB\r"));
  EXPECT_EQ(received.size(), 13u);
  received.clear();

  W().GemCount = 6;
  W().ResetGame();
  EXPECT_EQ(Received(13), std::string("StartGame\xBB" "6\xBB\r"));
  received.clear();

  W().PlayersTurn = 2;
  Click(8);
  EXPECT_EQ(Received(12), std::string("PickHole\xBB" "8\xBB\r"));
}

// What the peer has sent and this side has not yet applied comes first,
// before this side acts on its board: Switch Turn just after the host's
// first move, a click just after the host's New Game, and New Game answered
// after the host has moved while the question was up. A click made on the
// host's turn does nothing, even when the host's move waits to pass the turn.
TEST_F(NetworkWire, AnActionFirstAppliesWhatThePeerHasSent) {
  Join();
  net->Timer2()->SetMode(fw::Timer::kModeOff);  // received lines wait
  auto arrived = [&](const std::string& text) {
    Send(text);
    return WaitUntil([] { return SocketMod::inBuffer.find('\r') != std::string::npos; });
  };
  ASSERT_TRUE(arrived(Line("StartGame", "4")));
  SocketMod::ParseIt();

  ASSERT_TRUE(arrived(Line("PickHole", "4")));
  Click(9);
  EXPECT_EQ(Board(), kOpening4) << "the click came on the host's turn";
  EXPECT_EQ(SocketMod::inBuffer, Line("PickHole", "4")) << "left to the parse timer";
  ASSERT_TRUE(Choose("mnuSwitch")) << "enabled when chosen";
  EXPECT_EQ(Board(), (Holes{4, 4, 4, 0, 5, 5, 1, 5, 4, 4, 4, 4, 4, 0}));
  EXPECT_EQ(W().PlayersTurn, 2) << "the game had started: no Switch Turn";

  ASSERT_TRUE(arrived(Line("StartGame", "5")));
  Click(10);
  EXPECT_EQ(Board(), (Holes{6, 5, 5, 5, 5, 5, 0, 5, 5, 0, 6, 6, 6, 1}));
  EXPECT_EQ(W().PlayersTurn, 1);

  fw::SetDialogHandlerForTesting([&](const fw::DialogRequest&) {
    Send(Line("PickHole", "3"));
    WaitUntil([&] { return net->TCPSocket1()->BytesAvailable() > 0; });
    return 0;  // "New Game"
  });
  ASSERT_TRUE(Choose("mnuReset"));
  EXPECT_EQ(Total(), 60);
  EXPECT_EQ(W().PitsCount[3], 5);
  EXPECT_FALSE(W().GameStarted);
  EXPECT_EQ(W().PlayersTurn, 2) << "as the host's move left it";
  EXPECT_TRUE(SocketMod::inBuffer.empty());
  EXPECT_EQ(Received(26), std::string("PickHole\xBB" "10\xBB\r") + "StartGame\xBB" "5\xBB\r");
}

TEST_F(NetworkWire, ReceivedMovesAreNotSentBack) {
  Join();
  Send(Line("StartGame", "4") + Line("PickHole", "1"));
  ASSERT_TRUE(WaitUntil([&] { return W().PitsCount[1] == 0; }));
  EXPECT_EQ(W().PlayersTurn, 2);
  Send("SwitchTurn\xBB\r");
  ASSERT_TRUE(WaitUntil([&] { return W().PlayersTurn == 1; }));
  SpinFor(300);
  EXPECT_EQ(Received(0), "");
}

// A peer that floods while a move or a dialog holds the event loop: the
// socket stops reading at its bound and the peer's sends stall; once the
// handler returns the junk is read and dropped, and the line after it is
// played.
TEST_F(NetworkWire, AFloodDuringAHandlerStaysBoundedAndTheNextLineIsPlayed) {
  Join();
  const std::size_t bound = SocketMod::kMaxBuffered + 2 * fw::TCPSocket::kReadBufferSize;
  auto held = [&] { return SocketMod::inBuffer.size() + static_cast<std::size_t>(net->TCPSocket1()->BytesAvailable()); };
  std::size_t most = 0;
  fw::Dispatch([&] {
    Send(std::string(32 * 1024 * 1024, 'x') + "\r" + Line("PickHole", "1"));
    QElapsedTimer elapsed;
    elapsed.start();
    while (elapsed.elapsed() < 300) {
      fw::RuntimeBackgroundTask();
      most = std::max(most, held());
    }
    EXPECT_LE(net->TCPSocket1()->BytesAvailable(), fw::TCPSocket::kReadBufferSize);
    EXPECT_GT(peer->bytesToWrite(), 0) << "the peer's sends stall";
  });
  EXPECT_TRUE(WaitUntil(
      [&] {
        most = std::max(most, held());
        return W().PitsCount[1] == 0;
      },
      20000));
  EXPECT_LE(most, bound);
  EXPECT_EQ(Board(), (Holes{0, 5, 5, 5, 5, 4, 0, 4, 4, 4, 4, 4, 4, 0}));
  EXPECT_TRUE(dialogs.empty());
}

TEST_F(NetworkWire, NothingIsSentOutsideANetworkGame) {
  ASSERT_TRUE(Choose("mnuSwitch"));
  Click(2);
  W().ResetGame();
  Join();
  SpinFor(300);
  EXPECT_EQ(Received(0), "");
  EXPECT_TRUE(dialogs.empty());
}

}  // namespace
