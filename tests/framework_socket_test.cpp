// TCP sockets on the loopback address: both roads to a connection, bytes
// passing unchanged, a single peer, and the error codes the network window
// reports.
#include <QTcpServer>
#include <QTcpSocket>

#include "framework/TCPSocket.h"
#include "framework_support.h"

namespace {

using fwtest::FrameworkTest;
using fwtest::SpinFor;
using fwtest::WaitUntil;

// A port that was free a moment ago.
int FreePort() {
  QTcpServer probe;
  if (!probe.listen(QHostAddress::LocalHost, 0)) return 0;
  return probe.serverPort();
}

// A socket with its events recorded.
struct Recorded {
  explicit Recorded(fw::TCPSocket* s) : socket(s) {
    socket->Connected = [this] { ++connected; };
    socket->DataAvailable = [this] { received += socket->ReadAll(); };
    socket->Error = [this] { errors.push_back(socket->LastErrorCode()); };
  }
  fw::TCPSocket* socket;
  int connected = 0;
  std::string received;
  std::vector<int> errors;
};

class FrameworkSocket : public FrameworkTest {
 protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    window = Plain();
    host = std::make_unique<Recorded>(window->New<fw::TCPSocket>());
    guest = std::make_unique<Recorded>(window->New<fw::TCPSocket>());
  }

  // Host listens on a free port; guest connects to it.
  void Connect() {
    host->socket->SetPort(0);
    host->socket->Listen();
    ASSERT_TRUE(host->socket->IsListening());
    ASSERT_GT(host->socket->Port(), 0);
    guest->socket->SetAddress("127.0.0.1");
    guest->socket->SetPort(host->socket->Port());
    guest->socket->Connect();
    ASSERT_TRUE(WaitUntil([&] { return host->connected == 1 && guest->connected == 1; }));
  }

  fwtest::PlainWindow* window = nullptr;
  std::unique_ptr<Recorded> host;
  std::unique_ptr<Recorded> guest;
};

TEST_F(FrameworkSocket, ListenAndConnectBothRaiseConnected) {
  Connect();
  EXPECT_TRUE(host->socket->IsConnected());
  EXPECT_TRUE(guest->socket->IsConnected());
  EXPECT_FALSE(host->socket->IsListening());
  EXPECT_TRUE(host->socket->Listened()) << "its connection is one it accepted";
  EXPECT_FALSE(guest->socket->Listened());
  host->socket->Close();
  EXPECT_FALSE(host->socket->Listened());
  EXPECT_TRUE(host->errors.empty());
  EXPECT_TRUE(guest->errors.empty());
  EXPECT_EQ(host->socket->LastErrorCode(), 0);
}

TEST_F(FrameworkSocket, BytesTravelUnchangedBothWays) {
  Connect();
  std::string line = "StartGame\xBB" "4\xBB\r";
  line += std::string("\0\n\r\xFF", 4);
  guest->socket->Write(line);
  ASSERT_TRUE(WaitUntil([&] { return host->received.size() >= line.size(); }));
  EXPECT_EQ(host->received, line);
  EXPECT_EQ(host->socket->BytesAvailable(), 0);
  host->socket->Write("SwitchTurn\xBB\r");
  ASSERT_TRUE(WaitUntil([&] { return guest->received == "SwitchTurn\xBB\r"; }));
}

TEST_F(FrameworkSocket, ReadAllTakesEverythingAndEmptiesTheBuffer) {
  Connect();
  host->socket->DataAvailable = nullptr;
  std::string big(200000, '\0');
  for (std::size_t i = 0; i < big.size(); ++i) big[i] = static_cast<char>(i * 7);
  guest->socket->Write(big);
  std::string got;
  ASSERT_TRUE(WaitUntil([&] {
    if (host->socket->BytesAvailable() > 0) got += host->socket->ReadAll();
    return got.size() >= big.size();
  }));
  EXPECT_EQ(got, big);
  EXPECT_EQ(host->socket->ReadAll(), "");
  EXPECT_EQ(host->socket->BytesAvailable(), 0);
}

TEST_F(FrameworkSocket, SecondPeerIsTurnedAwayAndFirstStaysConnected) {
  Connect();
  QTcpSocket intruder;
  bool turnedAway = false;
  QObject::connect(&intruder, &QTcpSocket::errorOccurred, [&] { turnedAway = true; });
  QObject::connect(&intruder, &QTcpSocket::disconnected, [&] { turnedAway = true; });
  intruder.connectToHost(QHostAddress::LocalHost, static_cast<quint16>(host->socket->Port()));
  ASSERT_TRUE(WaitUntil([&] { return turnedAway; }));
  SpinFor(30);
  EXPECT_EQ(host->connected, 1);
  EXPECT_TRUE(host->errors.empty());
  EXPECT_TRUE(host->socket->IsConnected());
  guest->socket->Write("PickHole\xBB" "2\xBB\r");
  ASSERT_TRUE(WaitUntil([&] { return host->received == "PickHole\xBB" "2\xBB\r"; }));
}

TEST_F(FrameworkSocket, PeerThatSendsAndHangsUpIsReadThenReportedClosed) {
  host->socket->SetPort(0);
  host->socket->Listen();
  {
    QTcpSocket peer;
    peer.connectToHost(QHostAddress::LocalHost, static_cast<quint16>(host->socket->Port()));
    ASSERT_TRUE(peer.waitForConnected(3000));
    peer.write("garbage\x01\xBB\r\r");
    peer.flush();
    peer.disconnectFromHost();
    if (peer.state() != QAbstractSocket::UnconnectedState) peer.waitForDisconnected(3000);
  }
  ASSERT_TRUE(WaitUntil([&] { return !host->errors.empty(); }));
  SpinFor(30);
  EXPECT_EQ(host->connected, 1);
  EXPECT_EQ(host->received + host->socket->ReadAll(), "garbage\x01\xBB\r\r");
  EXPECT_EQ(host->errors, (std::vector<int>{102}));
}

TEST_F(FrameworkSocket, PeerCloseGives102OnEitherSide) {
  Connect();
  guest->socket->Close();
  ASSERT_TRUE(WaitUntil([&] { return !host->errors.empty(); }));
  EXPECT_EQ(host->errors, (std::vector<int>{102}));
  EXPECT_EQ(host->socket->LastErrorCode(), 102);
  EXPECT_FALSE(host->socket->IsConnected());
  // The side that closed hears nothing of it.
  SpinFor(30);
  EXPECT_TRUE(guest->errors.empty());

  // And the other way round, after a fresh connection.
  host->errors.clear();
  host->connected = guest->connected = 0;
  Connect();
  host->socket->Close();
  ASSERT_TRUE(WaitUntil([&] { return !guest->errors.empty(); }));
  EXPECT_EQ(guest->errors, (std::vector<int>{102}));
}

TEST_F(FrameworkSocket, ClosingAfterThePeerIsGoneIsSilent) {
  Connect();
  guest->socket->Close();
  ASSERT_TRUE(WaitUntil([&] { return !host->errors.empty(); }));
  host->socket->Close();
  host->socket->Close();
  SpinFor(30);
  EXPECT_EQ(host->errors.size(), 1u);
  EXPECT_FALSE(host->socket->IsConnected());
  EXPECT_EQ(host->socket->ReadAll(), "");
}

TEST_F(FrameworkSocket, ConnectToAClosedPortGives103) {
  const int port = FreePort();
  ASSERT_GT(port, 0);
  guest->socket->SetAddress("127.0.0.1");
  guest->socket->SetPort(port);
  guest->socket->Connect();
  ASSERT_TRUE(WaitUntil([&] { return !guest->errors.empty(); }));
  EXPECT_EQ(guest->errors, (std::vector<int>{103}));
  EXPECT_EQ(guest->connected, 0);
  // The joining side's retry: close and connect again, and again 103.
  guest->socket->Close();
  guest->socket->Connect();
  ASSERT_TRUE(WaitUntil([&] { return guest->errors.size() == 2; }));
  EXPECT_EQ(guest->errors.back(), 103);
}

TEST_F(FrameworkSocket, RetryReachesAHostThatStartedLater) {
  const int port = FreePort();
  guest->socket->SetAddress("127.0.0.1");
  guest->socket->SetPort(port);
  guest->socket->Connect();
  ASSERT_TRUE(WaitUntil([&] { return !guest->errors.empty(); }));
  host->socket->SetPort(port);
  host->socket->Listen();
  ASSERT_TRUE(host->socket->IsListening());
  guest->socket->Close();
  guest->socket->Connect();
  ASSERT_TRUE(WaitUntil([&] { return host->connected == 1 && guest->connected == 1; }));
  EXPECT_EQ(guest->socket->LastErrorCode(), 0);
}

TEST_F(FrameworkSocket, ListeningOnATakenPortGives105) {
  host->socket->SetPort(0);
  host->socket->Listen();
  ASSERT_TRUE(host->socket->IsListening());
  guest->socket->SetPort(host->socket->Port());
  guest->socket->Listen();
  EXPECT_FALSE(guest->socket->IsListening());
  ASSERT_TRUE(WaitUntil([&] { return !guest->errors.empty(); }));
  EXPECT_EQ(guest->errors, (std::vector<int>{105}));
  EXPECT_TRUE(host->socket->IsListening());
}

TEST_F(FrameworkSocket, WriteWithoutConnectionGives106WhenIdle) {
  guest->socket->Write("PickHole\xBB" "9\xBB\r");
  fw::Dispatch([&] {
    guest->socket->Write("again");
    fwtest::BusyWait(20);
    EXPECT_EQ(guest->errors.size(), 0u);
  });
  ASSERT_TRUE(WaitUntil([&] { return guest->errors.size() == 2; }));
  EXPECT_EQ(guest->errors, (std::vector<int>{106, 106}));
  // Also after the peer has gone.
  guest->errors.clear();
  Connect();
  host->socket->Close();
  ASSERT_TRUE(WaitUntil([&] { return !guest->errors.empty(); }));
  guest->socket->Write("late");
  ASSERT_TRUE(WaitUntil([&] { return guest->errors.size() == 2; }));
  EXPECT_EQ(guest->errors, (std::vector<int>{102, 106}));
}

TEST_F(FrameworkSocket, EventsOfADroppedConnectionAreNotDelivered) {
  Connect();
  guest->socket->Write("bytes");
  ASSERT_TRUE(WaitUntil([&] { return host->socket->BytesAvailable() > 0 || !host->received.empty(); }, 3000));
  host->received.clear();
  // Data waiting to be announced, then the program closes the socket.
  fw::Dispatch([&] {
    guest->socket->Write("more");
    fwtest::BusyWait(30);
    host->socket->Close();
  });
  SpinFor(50);
  EXPECT_TRUE(host->received.empty());
  EXPECT_TRUE(host->errors.empty());
}

class NetWindow : public fw::Window {
 public:
  std::string ClassName() const override { return "NetWindow.NetWindow"; }
};

TEST_F(FrameworkSocket, ClosingTheWindowEndsItsConnection) {
  auto* net = fw::ImplicitInstance<NetWindow>("NetWindow.NetWindow");
  Recorded inWindow(net->New<fw::TCPSocket>());
  inWindow.socket->SetPort(0);
  inWindow.socket->Listen();
  guest->socket->SetAddress("127.0.0.1");
  guest->socket->SetPort(inWindow.socket->Port());
  guest->socket->Connect();
  ASSERT_TRUE(WaitUntil([&] { return inWindow.connected == 1 && guest->connected == 1; }));
  // Data on its way to a window that goes away is not delivered to it.
  guest->socket->Write("late");
  net->Close();
  ASSERT_TRUE(WaitUntil([&] { return !guest->errors.empty(); }));
  EXPECT_EQ(guest->errors, (std::vector<int>{102}));
  EXPECT_EQ(fw::Window::GetImplicitWindow("NetWindow.NetWindow"), nullptr);
}

TEST_F(FrameworkSocket, LocalAddressIsAnIPv4Address) {
  const std::string address = host->socket->LocalAddress();
  QHostAddress parsed;
  ASSERT_TRUE(parsed.setAddress(QString::fromStdString(address))) << address;
  EXPECT_EQ(parsed.protocol(), QAbstractSocket::IPv4Protocol);
}

}  // namespace
