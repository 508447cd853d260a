// The network configuration window: how it opens and where, hosting and
// joining, Connect and Cancel, the socket's error messages, the port note,
// the menu states it drives, and whole connections with a raw TCP peer on
// the loopback address.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <algorithm>

#include "GameTestSupport.h"
#include "framework_support.h"
#include "game/Module1.h"
#include "net/SocketMod.h"
#include "net/pcSocketWindow.h"

namespace {

using fwtest::SpinFor;
using fwtest::WaitUntil;

const char* const kNetworkClass = "pcSocketWindow.pcSocketWindow";

class NetworkWindow : public GameTest {
 protected:
  void TearDown() override {
    pcSocketWindow::SetPortForTesting(-1);
    GameTest::TearDown();
  }

  static pcSocketWindow& N() { return *pcSocketWindow::Instance(); }
  static bool IsOpen() { return fw::Window::GetImplicitWindow(kNetworkClass) != nullptr; }

  std::vector<std::string> Messages() const {
    std::vector<std::string> texts;
    for (const fw::DialogRequest& d : dialogs) texts.push_back(d.Message);
    return texts;
  }

  // The socket's Error event with the given code, as the socket raises it.
  static void RaiseError(int code) {
    N().TCPSocket1()->SetLastErrorCodeForTesting(code);
    N().TCPSocket1()->Error();
  }
};

// --- Construction and opening ---

TEST_F(NetworkWindow, OpensFromTheMenuAsHostWithThisMachinesAddress) {
  ASSERT_TRUE(Choose("mnuNetworkGame"));
  ASSERT_TRUE(IsOpen());
  pcSocketWindow& n = N();
  EXPECT_EQ(n.Title(), "Network Configuration");
  EXPECT_EQ(n.Width(), 271);
  EXPECT_EQ(n.Height(), 166);
  EXPECT_FALSE(n.Design().CloseButton);
  EXPECT_FALSE(n.Design().Resizeable);
  EXPECT_TRUE(n.Visible());

  ASSERT_EQ(n.PopupMenu1()->RowCount(), 2);
  EXPECT_EQ(n.PopupMenu1()->List(0), "Host Game");
  EXPECT_EQ(n.PopupMenu1()->List(1), "Join Game");
  EXPECT_EQ(n.PopupMenu1()->ListIndex(), 0);
  EXPECT_EQ(n.PopupMenu1()->Text(), "Host Game");
  EXPECT_FALSE(n.EditField1()->Enabled());
  EXPECT_FALSE(n.StaticText1()->Enabled());
  EXPECT_EQ(n.EditField1()->Text(), n.TCPSocket1()->LocalAddress());
  EXPECT_FALSE(n.EditField1()->Text().empty());
  EXPECT_EQ(n.StaticText1()->Text(), "Host IP:");
  EXPECT_EQ(n.StaticText2()->Text(), "Connecting...");
  EXPECT_FALSE(n.StaticText2()->Visible());
  EXPECT_EQ(n.StaticText2()->TextAlign(), fw::Label::kAlignCenter);
  EXPECT_EQ(n.StaticText3()->Text(), "?");
  EXPECT_EQ(n.PushButton1()->Caption(), "Connect");
  EXPECT_TRUE(n.PushButton1()->Default());
  EXPECT_EQ(n.PushButton2()->Caption(), "Cancel");
  EXPECT_TRUE(n.PushButton2()->Cancel());
  EXPECT_TRUE(n.PushButton1()->Enabled());
  EXPECT_TRUE(n.PushButton2()->Enabled());

  EXPECT_EQ(n.TCPSocket1()->Port(), 2300);
  EXPECT_EQ(n.TCPSocket1()->Address(), "");
  EXPECT_EQ(n.Timer1()->Mode(), fw::Timer::kModeMultiple);
  EXPECT_EQ(n.Timer1()->Period(), 250);
  EXPECT_EQ(n.Timer2()->Mode(), fw::Timer::kModeMultiple);
  EXPECT_EQ(n.Timer2()->Period(), 250);
  EXPECT_EQ(n.Timer3()->Mode(), fw::Timer::kModeOff);
  EXPECT_EQ(n.Timer3()->Period(), 5000);

  EXPECT_EQ(n.Top(), W().Top() + 67);
  EXPECT_GE(n.Left(), W().Left() + 164);
  EXPECT_LE(n.Left(), W().Left() + 165);
  EXPECT_EQ(Module1::sep, "\xBB");
  EXPECT_TRUE(SocketMod::SocketIsVisible);
}

TEST_F(NetworkWindow, AccessorKeepsOneWindowAndBuildsAFreshOneAfterClose) {
  pcSocketWindow* first = &N();
  EXPECT_EQ(&N(), first);
  first->Hide();
  EXPECT_EQ(&N(), first) << "a hidden window is still the open one";
  ASSERT_TRUE(Choose("mnuNetworkGame"));
  EXPECT_EQ(&N(), first);
  EXPECT_TRUE(first->Visible());
  first->PopupMenu1()->SetListIndex(1);
  first->PushButton2()->Push();
  EXPECT_FALSE(IsOpen());

  pcSocketWindow& second = N();
  EXPECT_TRUE(second.Visible());
  EXPECT_EQ(second.PopupMenu1()->RowCount(), 2);
  EXPECT_EQ(second.PopupMenu1()->ListIndex(), 0);
  EXPECT_FALSE(second.EditField1()->Enabled());
  EXPECT_TRUE(second.PushButton1()->Enabled());
  EXPECT_FALSE(second.StaticText2()->Visible());
  EXPECT_EQ(second.Timer3()->Mode(), fw::Timer::kModeOff);
  EXPECT_TRUE(SocketMod::SocketIsVisible);
}

TEST_F(NetworkWindow, JoinGameOffersTheLoopbackAddressAndHostGamePutsOursBack) {
  pcSocketWindow& n = N();
  n.PopupMenu1()->SetListIndex(1);
  EXPECT_EQ(n.EditField1()->Text(), "127.0.0.1");
  EXPECT_TRUE(n.EditField1()->Enabled());
  EXPECT_TRUE(n.StaticText1()->Enabled());
  n.PopupMenu1()->SetListIndex(0);
  EXPECT_EQ(n.EditField1()->Text(), n.TCPSocket1()->LocalAddress());
  EXPECT_FALSE(n.EditField1()->Enabled());
  EXPECT_FALSE(n.StaticText1()->Enabled());
}

// --- Connect and Cancel ---

TEST_F(NetworkWindow, ConnectOnTheHostingSideListens) {
  pcSocketWindow::SetPortForTesting(0);
  pcSocketWindow& n = N();
  n.PushButton1()->Push();
  EXPECT_TRUE(n.TCPSocket1()->IsListening());
  EXPECT_GT(n.TCPSocket1()->Port(), 0);
  EXPECT_TRUE(n.StaticText2()->Visible());
  EXPECT_FALSE(n.PushButton1()->Enabled());
  EXPECT_TRUE(n.PushButton2()->Enabled());
  EXPECT_EQ(n.Timer3()->Mode(), fw::Timer::kModeOff);
  EXPECT_TRUE(n.PopupMenu1()->Enabled());
  EXPECT_FALSE(W().isNetworkGame);
}

TEST_F(NetworkWindow, ConnectUsesPort2300) {
  // Joining with an empty address: the attempt is made on port 2300, fails
  // without any traffic, and is not reported (103); the attempts go on.
  pcSocketWindow& n = N();
  n.PopupMenu1()->SetListIndex(1);
  n.EditField1()->SetText("");
  n.PushButton1()->Push();
  EXPECT_EQ(n.TCPSocket1()->Port(), 2300);
  EXPECT_EQ(n.TCPSocket1()->Address(), "");
  EXPECT_EQ(n.Timer3()->Mode(), fw::Timer::kModeMultiple);
  SpinFor(100);
  EXPECT_TRUE(dialogs.empty());
  EXPECT_FALSE(W().isNetworkGame);
  n.Timer3()->SetMode(fw::Timer::kModeOff);
  n.TCPSocket1()->Close();
}

TEST_F(NetworkWindow, CancelClosesTheWindowAndRestoresTheGameWindow) {
  pcSocketWindow& n = N();
  W().SetTitle("Velloru - Network Game");
  SocketMod::isHost = true;
  W().Hide();
  n.PushButton2()->Push();
  EXPECT_FALSE(IsOpen());
  EXPECT_TRUE(W().Visible());
  EXPECT_EQ(W().Title(), "Velloru");
  EXPECT_FALSE(SocketMod::isHost);
  EXPECT_FALSE(SocketMod::SocketIsVisible);
  EXPECT_TRUE(dialogs.empty());
}

TEST_F(NetworkWindow, ReturnConnectsAndEscapeCancels) {
  pcSocketWindow::SetPortForTesting(0);
  ASSERT_TRUE(fwtest::ShowActive(&N()));
  // In the open pop-up list Return picks the row and Escape closes the list;
  // neither reaches the window's buttons.
  QComboBox* combo = N().PopupMenu1()->ComboBox();
  for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
    combo->showPopup();
    ASSERT_TRUE(WaitUntil([] { return QApplication::activePopupWidget() != nullptr; }));
    QTest::keyClick(QApplication::activePopupWidget()->focusWidget(), Qt::Key_Down);
    QTest::keyClick(QApplication::activePopupWidget()->focusWidget(), key);
    ASSERT_TRUE(WaitUntil([] { return QApplication::activePopupWidget() == nullptr; }));
    SpinFor(50);
    ASSERT_TRUE(IsOpen());
    EXPECT_TRUE(N().PushButton1()->Enabled());
    EXPECT_EQ(N().Timer3()->Mode(), fw::Timer::kModeOff);
  }
  EXPECT_EQ(N().PopupMenu1()->ListIndex(), 1);
  EXPECT_EQ(N().EditField1()->Text(), "127.0.0.1");
  N().PopupMenu1()->SetListIndex(0);
  // With the list closed, Return presses Connect.
  combo->setFocus();
  QTest::keyClick(combo, Qt::Key_Return);
  ASSERT_TRUE(WaitUntil([&] { return N().TCPSocket1()->IsListening(); }));
  EXPECT_FALSE(N().PushButton1()->Enabled());
  N().TCPSocket1()->Close();
  N().PushButton1()->SetEnabled(true);
  QTest::keyClick(N().TopLevelWidget(), Qt::Key_Return);
  ASSERT_TRUE(WaitUntil([&] { return N().TCPSocket1()->IsListening(); }));
  EXPECT_FALSE(N().PushButton1()->Enabled());
  QTest::keyClick(N().TopLevelWidget(), Qt::Key_Escape);
  EXPECT_TRUE(WaitUntil([&] { return !IsOpen(); }));
  EXPECT_FALSE(SocketMod::SocketIsVisible);
}

TEST_F(NetworkWindow, PortNoteShowsWhenTheMouseIsReleased) {
  pcSocketWindow& n = N();
  EXPECT_TRUE(n.StaticText3()->HandleMouseDown(3, 3));
  EXPECT_TRUE(dialogs.empty());
  n.StaticText3()->HandleMouseUp(3, 3);
  EXPECT_EQ(Messages(), std::vector<std::string>{"Velloru uses TCP/IP port 2300."});
  // The other labels answer nothing.
  EXPECT_FALSE(n.StaticText1()->HandleMouseDown(3, 3));
  EXPECT_FALSE(n.StaticText2()->HandleMouseDown(3, 3));
  EXPECT_EQ(dialogs.size(), 1u);
}

// --- The socket's errors ---

TEST_F(NetworkWindow, ErrorMessagesFollowTheCode) {
  struct Case {
    int code;
    std::string message;
    bool shows;
  };
  const std::vector<Case> cases{
      {100, "There was an error initializing the network drivers.", false},
      {102, "Connection Closed", true},
      {105, "An unknown network error has occured. - 105", true},
      {106, "Invalid use of socket. Connection will be closed.", true},
      {203, "An unknown network error has occured. - 203", true},
      {199, "An unknown network error has occured. - 199", true},
  };
  for (const Case& c : cases) {
    pcSocketWindow& n = N();
    // As during a game: hidden, parked, with the buttons as Connect left them.
    n.Hide();
    n.SetTop(-300);
    n.PushButton1()->SetEnabled(false);
    n.PushButton2()->SetEnabled(false);
    SocketMod::SocketIsVisible = false;
    W().isNetworkGame = true;
    W().SetTitle("Velloru - Network Game");
    dialogs.clear();

    RaiseError(c.code);
    EXPECT_EQ(Messages(), std::vector<std::string>{c.message}) << c.code;
    EXPECT_EQ(n.Visible(), c.shows) << c.code;
    EXPECT_TRUE(n.PushButton1()->Enabled()) << c.code;
    EXPECT_TRUE(n.PushButton2()->Enabled()) << c.code;
    EXPECT_EQ(n.Top(), W().Top() + 67) << c.code;
    EXPECT_TRUE(SocketMod::SocketIsVisible) << c.code;
    EXPECT_TRUE(W().isNetworkGame) << c.code;
    EXPECT_EQ(W().Title(), "Velloru - Network Game") << c.code;
  }
}

TEST_F(NetworkWindow, Error103ChangesNothingThatCanBeSeen) {
  pcSocketWindow& n = N();
  n.PopupMenu1()->SetListIndex(1);
  n.StaticText2()->SetVisible(true);
  n.PushButton1()->SetEnabled(false);
  n.Timer3()->SetMode(fw::Timer::kModeMultiple);
  SocketMod::SocketIsVisible = false;
  const int top = n.Top();
  RaiseError(103);
  EXPECT_TRUE(dialogs.empty());
  EXPECT_EQ(n.StaticText2()->Text(), "Connecting...");
  EXPECT_TRUE(n.StaticText2()->Visible());
  EXPECT_FALSE(n.PushButton1()->Enabled());
  EXPECT_EQ(n.Timer3()->Mode(), fw::Timer::kModeMultiple);
  EXPECT_EQ(n.Top(), top);
  EXPECT_FALSE(SocketMod::SocketIsVisible);
  n.Timer3()->SetMode(fw::Timer::kModeOff);
}

TEST_F(NetworkWindow, RealSocketFailuresReachTheUser) {
  // A port another program holds: 105.
  QTcpServer holder;
  ASSERT_TRUE(holder.listen(QHostAddress::LocalHost, 0));
  pcSocketWindow::SetPortForTesting(holder.serverPort());
  N().PushButton1()->Push();
  ASSERT_TRUE(WaitUntil([&] { return !dialogs.empty(); }));
  EXPECT_EQ(Messages(), std::vector<std::string>{"An unknown network error has occured. - 105"});
  EXPECT_TRUE(N().PushButton1()->Enabled());

  // A line sent without a connection: 106.
  dialogs.clear();
  N().TCPSocket1()->Close();
  SocketMod::SendData("SwitchTurn\xBB\r");
  ASSERT_TRUE(WaitUntil([&] { return !dialogs.empty(); }));
  EXPECT_EQ(Messages(), std::vector<std::string>{"Invalid use of socket. Connection will be closed."});
}

// --- Menus ---

TEST_F(NetworkWindow, MenusFollowTheWindowAndTheNetworkGame) {
  ASSERT_TRUE(Enabled("mnuHvC"));
  ASSERT_TRUE(Choose("mnuNetworkGame"));
  EXPECT_FALSE(Enabled("mnuHvC"));
  EXPECT_FALSE(Enabled("mnuHvH"));
  EXPECT_TRUE(Enabled("mnuNetworkGame")) << "still enabled while not connected";
  EXPECT_FALSE(Enabled("mnuStopNetwork"));
  pcSocketWindow* shown = &N();
  ASSERT_TRUE(Choose("mnuNetworkGame"));
  EXPECT_EQ(&N(), shown);

  N().PushButton2()->Push();
  EXPECT_TRUE(Enabled("mnuHvC"));
  EXPECT_TRUE(Enabled("mnuHvH"));

  W().isNetworkGame = true;
  EXPECT_FALSE(Enabled("mnuNetworkGame"));
  EXPECT_TRUE(Enabled("mnuStopNetwork"));
  EXPECT_FALSE(Enabled("mnuHvC"));
  W().GameOver = true;
  EXPECT_TRUE(Enabled("mnuHvC")) << "a finished game frees the mode items";
  EXPECT_TRUE(Enabled("mnuHvH"));
}

TEST_F(NetworkWindow, ItsMenuKeysReachTheGameWindowAsItsMenusAllow) {
  ASSERT_TRUE(Choose("mnuNetworkGame"));
  ASSERT_TRUE(fwtest::ShowActive(&N()));
  QWidget* top = N().TopLevelWidget();
  QTest::keyClick(top, Qt::Key_1, Qt::ControlModifier);
  EXPECT_FALSE(W().IsComputer) << "the modes are disabled while the window is up";
  QTest::keyClick(top, Qt::Key_N, Qt::ControlModifier);
  EXPECT_TRUE(dialogs.empty()) << "New Game is disabled before the first move";
  Click(1);
  dialogAnswer = 2;  // "Keep Playing"
  QTest::keyClick(top, Qt::Key_N, Qt::ControlModifier);
  EXPECT_EQ(dialogs.size(), 1u);
  EXPECT_TRUE(W().GameStarted);

  // An address being typed keeps Ctrl+A for selecting its text.
  N().PopupMenu1()->SetListIndex(1);
  auto* field = qobject_cast<QLineEdit*>(N().EditField1()->Widget());
  ASSERT_NE(field, nullptr);
  field->setFocus();
  QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(field->selectedText(), QStringLiteral("127.0.0.1"));
  EXPECT_EQ(fw::Window::GetImplicitWindow("frmAboutBox.frmAboutBox"), nullptr);
  QTest::keyClick(top, Qt::Key_A, Qt::ControlModifier);
  EXPECT_NE(fw::Window::GetImplicitWindow("frmAboutBox.frmAboutBox"), nullptr);

  // No menu bar of its own: the client area keeps its design size.
  EXPECT_EQ(top->findChild<QMenuBar*>(), nullptr);
  EXPECT_EQ(N().ContentWidget()->size(), QSize(271, 166));
}

TEST_F(NetworkWindow, StopNetworkGameClosesTheWindowAndStartsAnOrdinaryGame) {
  pcSocketWindow& n = N();
  n.Hide();
  W().isNetworkGame = true;
  W().GameStarted = true;
  W().SetTitle("Velloru - Network Game");
  SocketMod::isHost = true;
  SetBoard({0, 5, 5, 5, 5, 4, 0, 4, 4, 4, 4, 4, 4, 0});
  ASSERT_TRUE(Choose("mnuStopNetwork"));
  EXPECT_FALSE(IsOpen());
  EXPECT_FALSE(W().isNetworkGame);
  EXPECT_FALSE(SocketMod::SocketIsVisible);
  EXPECT_FALSE(SocketMod::isHost);
  EXPECT_EQ(W().Title(), "Velloru");
  EXPECT_FALSE(W().GameStarted);
  EXPECT_EQ(Total(), 48);
  EXPECT_EQ(W().PitsCount[1], 4);
  SpinFor(50);
  EXPECT_TRUE(dialogs.empty()) << "no StartGame went to the closed socket";
  EXPECT_TRUE(Enabled("mnuNetworkGame"));
  EXPECT_FALSE(Enabled("mnuStopNetwork"));
}

// --- Whole connections with a raw peer ---

// The side hosts whose last Connect listened, whatever its pop-up shows when
// the peer comes: here after a Connect to join that an error ended, and with
// "Join Game" picked again while the window waits.
TEST_F(NetworkWindow, HostingSideConnectsStartsTheGameAndPlaysInLockstep) {
  pcSocketWindow::SetPortForTesting(0);
  W().GemCount = 5;
  W().PlayersTurn = 2;
  W().SetTitle("Velloru");
  pcSocketWindow& n = N();
  // Port 0 cannot be joined: the attempt fails with an error that shows the
  // window again, and the attempts every 5 s go on.
  n.PopupMenu1()->SetListIndex(1);
  n.PushButton1()->Push();
  ASSERT_TRUE(WaitUntil([&] { return n.PushButton1()->Enabled(); }));
  dialogs.clear();
  n.PopupMenu1()->SetListIndex(0);
  n.PushButton1()->Push();
  ASSERT_TRUE(n.TCPSocket1()->IsListening());
  EXPECT_EQ(n.Timer3()->Mode(), fw::Timer::kModeOff) << "no attempt to join takes the socket away";
  n.PopupMenu1()->SetListIndex(1);
  // Left over from an earlier connection: not part of this game.
  SocketMod::inBuffer = "SwitchTurn\xBB\r";

  QTcpSocket peer;
  peer.connectToHost(QHostAddress::LocalHost, static_cast<quint16>(n.TCPSocket1()->Port()));
  ASSERT_TRUE(WaitUntil([&] { return W().isNetworkGame; }));
  EXPECT_TRUE(SocketMod::isHost);
  EXPECT_FALSE(n.Visible());
  EXPECT_TRUE(IsOpen());
  EXPECT_EQ(n.Top(), -300);
  EXPECT_FALSE(SocketMod::SocketIsVisible);
  EXPECT_FALSE(n.StaticText2()->Visible());
  EXPECT_EQ(W().Title(), "Velloru - Network Game");
  EXPECT_EQ(W().PlayersTurn, 1);
  EXPECT_EQ(Total(), 60);
  EXPECT_TRUE(SocketMod::inBuffer.empty());

  std::string got;
  auto receive = [&](std::size_t bytes) {
    WaitUntil([&] {
      got += peer.readAll().toStdString();
      return got.size() >= bytes;
    });
    return got;
  };
  EXPECT_EQ(receive(13), std::string("StartGame\xBB" "5\xBB\r"));
  got.clear();

  // The joiner's pits do nothing on the host, nor do clicks out of turn.
  Click(9);
  Click(1);
  EXPECT_EQ(receive(12), std::string("PickHole\xBB" "1\xBB\r"));
  got.clear();
  EXPECT_EQ(W().PlayersTurn, 2);
  Click(2);
  SpinFor(100);
  EXPECT_EQ(receive(0), "");

  // The joiner answers with pit 9: its 5 gems end in store 14, and the
  // joiner moves again.
  const std::string answer = std::string("PickHole\xBB" "9\xBB\r");
  peer.write(answer.data(), static_cast<qint64>(answer.size()));
  ASSERT_TRUE(WaitUntil([&] { return W().PitsCount[9] == 0; }));
  EXPECT_EQ((std::array<int, 14>{0, 6, 6, 6, 6, 6, 0, 5, 0, 6, 6, 6, 6, 1}), Board());
  EXPECT_EQ(W().PlayersTurn, 2);
  Click(3);
  SpinFor(300);
  EXPECT_EQ(receive(0), "") << "the received move is not sent back";

  // The peer leaves: the game stays a network game.
  peer.disconnectFromHost();
  ASSERT_TRUE(WaitUntil([&] { return !dialogs.empty(); }));
  EXPECT_EQ(Messages(), std::vector<std::string>{"Connection Closed"});
  EXPECT_TRUE(n.Visible());
  EXPECT_EQ(n.Top(), W().Top() + 67);
  EXPECT_TRUE(n.PushButton1()->Enabled());
  EXPECT_TRUE(W().isNetworkGame);
  EXPECT_EQ(W().Title(), "Velloru - Network Game");
}

// --- Two copies of the game ---

// What one copy saw of a game: the board as each move began (its pick-up
// sound plays before any gem moves) and the board the game ended with; and
// how many captures it saw.
class GameRecord {
 public:
  explicit GameRecord(std::function<void(const std::string&)> onEntry) : onEntry_(std::move(onEntry)) {
    fw::SetSoundPlayHookForTesting([this](const std::string& sound) {
      if (sound == "Pickup.wav") Add("move:");
      if (sound == "Steal.wav") ++captures;
    });
  }
  int captures = 0;
  // Notes the end of a game once; called between events.
  void Follow() {
    if (W().GameOver && !over_) Add("over:");
    over_ = W().GameOver;
  }

 private:
  static Window1& W() { return *Window1::Instance(); }
  void Add(std::string entry) {
    for (int h = 1; h <= 14; ++h) entry += " " + std::to_string(W().PitsCount[static_cast<std::size_t>(h)]);
    onEntry_(entry);
  }

  std::function<void(const std::string&)> onEntry_;
  bool over_ = false;
};

void FastTimers() {
  pcSocketWindow& n = *pcSocketWindow::Instance();
  n.Timer1()->SetPeriod(10);
  n.Timer2()->SetPeriod(10);
}

// The joining copy of TwoCopiesStayInLockstepWhateverTheModes: this test
// program run again as a second process, VELLORU_PEER_PORT naming the host's
// port. It joins with the computer chosen and the standard capture rule,
// answers the host's choice of 6 gems with its own of 5, plays its highest
// non-empty pit (the computer's choice is most often the lowest) whenever it
// is its turn, and prints what it saw of the games, until the host closes
// the connection.
TEST_F(NetworkWindow, JoiningCopyOfATwoCopyGame) {
  const QByteArray port = qgetenv("VELLORU_PEER_PORT");
  if (port.isEmpty()) GTEST_SKIP() << "runs as the second copy of a two-copy game";
  ASSERT_TRUE(Choose("mnuHvC"));
  GameRecord record([](const std::string& entry) {
    std::printf("%s\n", entry.c_str());
    std::fflush(stdout);
  });
  pcSocketWindow::SetPortForTesting(port.toInt());
  FastTimers();
  N().PopupMenu1()->SetListIndex(1);
  N().PushButton1()->Push();
  bool choseGems = false;
  EXPECT_TRUE(WaitUntil(
      [&] {
        record.Follow();
        if (!choseGems && W().isNetworkGame && W().GemCount == 6) choseGems = Choose("mnuG5");
        for (int h = 13; h >= 8 && W().isNetworkGame && W().PlayersTurn == 2; --h) {
          if (W().PitsCount[static_cast<std::size_t>(h)] > 0) {
            Click(h);
            break;
          }
        }
        return !dialogs.empty();
      },
      60000));
  EXPECT_EQ(Messages(), std::vector<std::string>{"Connection Closed"});
}

// Two copies of the game, the host with the computer chosen and "Leave
// Capturing Gem" on before it connects, the computer chosen again after a
// game is over, and a gem count chosen on each side before the first move: a
// network game is the two people's, played by one rule on one board, so
// both copies play the same moves on the same boards.
TEST_F(NetworkWindow, TwoCopiesStayInLockstepWhateverTheModes) {
  ASSERT_TRUE(Choose("mnuHvC"));
  ASSERT_TRUE(Choose("mnuLeaveGem"));
  std::vector<std::string> ours;
  GameRecord record([&](const std::string& entry) { ours.push_back(entry); });
  pcSocketWindow::SetPortForTesting(0);
  FastTimers();
  N().PushButton1()->Push();
  QProcess joiner;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("VELLORU_PEER_PORT", QString::number(N().TCPSocket1()->Port()));
  joiner.setProcessEnvironment(env);
  joiner.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=NetworkWindow.JoiningCopyOfATwoCopyGame"});
  ASSERT_TRUE(WaitUntil([] { return W().isNetworkGame; }, 20000));
  EXPECT_FALSE(W().IsComputer);
  EXPECT_FALSE(W().LeaveGem) << "a network game captures by the standard rule";
  EXPECT_FALSE(Checked("mnuLeaveGem"));
  EXPECT_FALSE(Choose("mnuLeaveGem")) << "and keeps to it";

  // The host chooses 6 gems, the joiner answers with 5: both boards follow.
  ASSERT_TRUE(Choose("mnuG6"));
  ASSERT_TRUE(WaitUntil([] { return W().GemCount == 5; }, 20000));
  EXPECT_EQ(Total(), 60);
  EXPECT_FALSE(Enabled("mnuLeaveGem"));

  std::vector<std::string> theirs;
  std::string output;
  auto follow = [&] {
    record.Follow();
    output += joiner.readAllStandardOutput().toStdString();
    for (std::size_t end; (end = output.find('\n')) != std::string::npos; output.erase(0, end + 1)) {
      const std::string line = output.substr(0, end);
      if (line.rfind("move:", 0) == 0 || line.rfind("over:", 0) == 0) theirs.push_back(line);
    }
  };
  // Whether the two records differ where both have come.
  auto parted = [&] {
    const std::size_t both = std::min(ours.size(), theirs.size());
    return !std::equal(ours.begin(), ours.begin() + static_cast<std::ptrdiff_t>(both), theirs.begin());
  };
  // The host plays its highest non-empty pit on its turn; on the joiner's
  // turn the right-hand marker, which makes the computer move, is pressed.
  // Boards that part end the game at once, to be shown below.
  auto playOneGame = [&] {
    ASSERT_TRUE(WaitUntil(
        [&] {
          follow();
          if (W().PlayersTurn == 2) W().RightTurn()->HandleMouseDown(5, 5);
          for (int h = 6; h >= 1 && W().PlayersTurn == 1; --h) {
            if (W().PitsCount[static_cast<std::size_t>(h)] > 0) {
              Click(h);
              break;
            }
          }
          return W().GameOver || parted();
        },
        30000));
    follow();
    EXPECT_TRUE(WaitUntil([&] {
      follow();
      return parted() || theirs.size() >= ours.size();
    }));
    ASSERT_EQ(theirs, ours);
  };

  playOneGame();
  const std::size_t firstGame = ours.size();
  EXPECT_GT(firstGame, 10u);
  EXPECT_GT(record.captures, 0) << "a capture, where the rules could part";
  ASSERT_TRUE(Choose("mnuHvC"));
  ASSERT_TRUE(Choose("mnuReset"));
  playOneGame();
  EXPECT_GT(ours.size(), firstGame + 10);

  ASSERT_TRUE(Choose("mnuStopNetwork"));
  ASSERT_TRUE(WaitUntil([&] { return joiner.state() == QProcess::NotRunning; }, 20000));
  EXPECT_EQ(joiner.exitCode(), 0) << joiner.readAllStandardError().toStdString();
}

TEST_F(NetworkWindow, JoiningSideRetriesUntilTheHostIsThere) {
  // A port that was free a moment ago; nothing listens on it yet.
  int port = 0;
  {
    QTcpServer probe;
    ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
    port = probe.serverPort();
  }
  pcSocketWindow::SetPortForTesting(port);
  pcSocketWindow& n = N();
  n.Timer3()->SetMode(fw::Timer::kModeOff);
  n.PopupMenu1()->SetListIndex(1);
  n.EditField1()->SetText("");
  n.PushButton1()->Push();
  EXPECT_EQ(n.Timer3()->Mode(), fw::Timer::kModeMultiple);
  n.Timer3()->Tick();
  SpinFor(300);
  EXPECT_TRUE(dialogs.empty()) << "a host not there yet is not reported";
  EXPECT_FALSE(W().isNetworkGame);

  // The user corrects the address, and the next attempt is made to it.
  n.EditField1()->SetText("127.0.0.1");
  n.Timer3()->Tick();
  EXPECT_EQ(n.TCPSocket1()->Address(), "127.0.0.1");
  SpinFor(100);
  EXPECT_TRUE(dialogs.empty());

  // The user picks "Host Game", which puts this machine's own address in
  // the field; the host starts there, and the next attempt joins it. This
  // side began by joining, and joins.
  n.PopupMenu1()->SetListIndex(0);
  QTcpServer host;
  ASSERT_TRUE(host.listen(QHostAddress::AnyIPv4, static_cast<quint16>(port)));
  n.Timer3()->Tick();
  EXPECT_EQ(n.TCPSocket1()->Address(), n.TCPSocket1()->LocalAddress());
  ASSERT_TRUE(WaitUntil([&] { return W().isNetworkGame; }));
  EXPECT_EQ(n.Timer3()->Mode(), fw::Timer::kModeOff);
  EXPECT_FALSE(SocketMod::isHost);
  EXPECT_TRUE(SocketMod::awaitingStart);
  EXPECT_FALSE(n.Visible());
  EXPECT_EQ(W().Title(), "Velloru - Network Game");
  EXPECT_EQ(Total(), 48) << "the joiner's board waits for StartGame";
  ASSERT_TRUE(host.hasPendingConnections());
  QTcpSocket* peer = host.nextPendingConnection();

  const std::string start = std::string("StartGame\xBB" "3\xBB\r") + "PickHole\xBB" "6\xBB\r";
  peer->write(start.data(), static_cast<qint64>(start.size()));
  ASSERT_TRUE(WaitUntil([&] { return W().PitsCount[6] == 0 && W().GemCount == 3; }));
  EXPECT_EQ((std::array<int, 14>{3, 3, 3, 3, 3, 0, 1, 4, 4, 3, 3, 3, 3, 0}), Board());
  EXPECT_EQ(W().PlayersTurn, 2);

  // Now the joiner plays pit 8, and Stop Network Game ends it all.
  Click(8);
  std::string got;
  WaitUntil([&] {
    got += peer->readAll().toStdString();
    return got.size() >= 12;
  });
  EXPECT_EQ(got, std::string("PickHole\xBB" "8\xBB\r"));
  ASSERT_TRUE(Choose("mnuStopNetwork"));
  EXPECT_FALSE(IsOpen());
  EXPECT_EQ(W().Title(), "Velloru");
  EXPECT_TRUE(WaitUntil([&] { return peer->state() == QAbstractSocket::UnconnectedState; }))
      << "closing the window ends the connection";
  EXPECT_TRUE(dialogs.empty());
}

}  // namespace
