// The network configuration window: its construction, the choice between
// hosting and joining, the connection and its errors.
#include "net/pcSocketWindow.h"

#include <cstdint>

#include "framework/MessageDialog.h"
#include "framework/Text.h"
#include "game/Module1.h"
#include "game/Window1.h"
#include "net/SocketMod.h"

namespace {

constexpr int kTextSize = 12;
constexpr int kTimerPeriod = 250;       // ms, socket polling and parsing
constexpr int kReconnectPeriod = 5000;  // ms, the joining side's attempts
constexpr int kParkedTop = -300;        // off screen while the game runs

const char* const kNetworkTitle = "Velloru - Network Game";
const char* const kTitle = "Velloru";

const fw::WindowDesign kWindowDesign{
    .Title = "Network Configuration",
    .Width = 271,
    .Height = 166,
    .MinWidth = 64,
    .MinHeight = 64,
    .MaxWidth = 32000,
    .MaxHeight = 32000,
    .Resizeable = false,
    .LiveResize = false,
    .Frame = 0,
    .Placement = 0,
    .CloseButton = false,
    .MinimizeButton = false,
    .MaximizeButton = false,
    .FullScreen = false,
    .MenuBarVisible = true,
    .Visible = true,
    .HasBackColor = false,
    .Composite = false,
    .MacProcID = 0,
};

int portForTesting = -1;

int ConnectPort() { return portForTesting < 0 ? pcSocketWindow::kPort : portForTesting; }

const fw::SocketDesign kTCPSocket1{.Address = "", .Port = pcSocketWindow::kPort};

fw::GroupBoxDesign GroupBox1Design() {
  fw::GroupBoxDesign d;
  d.Left = 20, d.Top = 14, d.Width = 231, d.Height = 132;
  d.Enabled = true, d.Visible = true, d.TabIndex = 0, d.TabStop = false;
  d.TextSize = kTextSize;
  return d;
}

fw::TextFieldDesign EditField1Design() {
  fw::TextFieldDesign d;
  d.Left = 84, d.Top = 66, d.Width = 152, d.Height = 22;
  d.Enabled = false, d.Visible = true, d.TabIndex = 0, d.TabStop = true;
  d.InitialParent = "GroupBox1";
  d.TextSize = kTextSize;
  d.Border = true;
  return d;
}

fw::LabelDesign LabelDesign(int left, int top, int width, int height, const char* text, bool enabled, bool visible,
                            int align, int tabIndex) {
  fw::LabelDesign d;
  d.Left = left, d.Top = top, d.Width = width, d.Height = height;
  d.Enabled = enabled, d.Visible = visible, d.TabIndex = tabIndex, d.TabStop = false;
  d.InitialParent = "GroupBox1";
  d.Text = text;
  d.TextSize = kTextSize;
  d.TextAlign = align;
  return d;
}

fw::PushButtonDesign ButtonDesign(int left, int width, const char* caption, bool isDefault, bool isCancel,
                                  int tabIndex) {
  fw::PushButtonDesign d;
  d.Left = left, d.Top = 113, d.Width = width, d.Height = 22;
  d.Enabled = true, d.Visible = true, d.TabIndex = tabIndex, d.TabStop = true;
  d.InitialParent = "GroupBox1";
  d.Caption = caption;
  d.Default = isDefault;
  d.Cancel = isCancel;
  return d;
}

fw::PopupMenuDesign PopupMenu1Design() {
  fw::PopupMenuDesign d;
  d.Left = 33, d.Top = 37, d.Width = 203, d.Height = 20;
  d.Enabled = true, d.Visible = true, d.TabIndex = 5, d.TabStop = true;
  d.InitialParent = "GroupBox1";
  d.InitialValue = "";
  d.ListIndex = 0;
  d.TextSize = kTextSize;
  return d;
}

}  // namespace

void pcSocketWindow::SetPortForTesting(int port) { portForTesting = port; }

pcSocketWindow::pcSocketWindow() = default;
pcSocketWindow::~pcSocketWindow() = default;

pcSocketWindow* pcSocketWindow::Instance() { return fw::ImplicitInstance<pcSocketWindow>(kClassName); }

pcSocketWindow* pcSocketWindow::OpenInstance() {
  return dynamic_cast<pcSocketWindow*>(fw::Window::GetImplicitWindow(kClassName));
}

void pcSocketWindow::Layout() { SetProperties(kWindowDesign); }

void pcSocketWindow::CreateControls() { CreateControls0(); }

void pcSocketWindow::CreateControls0() {
  auto* socket = New<fw::TCPSocket>();
  AddControl("TCPSocket1", socket);
  socket->SetProperties(kTCPSocket1);
  socket->Error = [this, socket] { TCPSocket1_Error(socket); };
  socket->Connected = [this, socket] { TCPSocket1_Connected(socket); };
  socket->DataAvailable = [this, socket] { TCPSocket1_DataAvailable(socket); };

  auto makeTimer = [this](const char* name, int mode, int period) {
    auto* timer = New<fw::Timer>();
    AddControl(name, timer);
    timer->SetMode(mode);
    timer->SetPeriod(period);
    return timer;
  };

  fw::Timer* timer1 = makeTimer("Timer1", fw::Timer::kModeMultiple, kTimerPeriod);
  timer1->Action = [this, timer1] { Timer1_Action(timer1); };

  auto* group = New<fw::GroupBox>();
  AddControl("GroupBox1", group);
  group->SetProperties(GroupBox1Design());

  auto* field = New<fw::TextField>();
  AddControl("EditField1", field);
  field->SetProperties(EditField1Design());

  auto* hostLabel = New<fw::Label>();
  AddControl("StaticText1", hostLabel);
  hostLabel->SetProperties(LabelDesign(36, 72, 45, 14, "Host IP:", false, true, fw::Label::kAlignLeft, 1));

  auto* connect = New<fw::PushButton>();
  AddControl("PushButton1", connect);
  connect->SetProperties(ButtonDesign(153, 83, "Connect", true, false, 2));
  connect->Action = [this, connect] { PushButton1_Action(connect); };

  auto* cancel = New<fw::PushButton>();
  AddControl("PushButton2", cancel);
  cancel->SetProperties(ButtonDesign(33, 71, "Cancel", false, true, 3));
  cancel->Action = [this, cancel] { PushButton2_Action(cancel); };

  fw::Timer* timer2 = makeTimer("Timer2", fw::Timer::kModeMultiple, kTimerPeriod);
  timer2->Action = [this, timer2] { Timer2_Action(timer2); };

  auto* status = New<fw::Label>();
  AddControl("StaticText2", status);
  status->SetProperties(LabelDesign(84, 89, 152, 20, "Connecting...", true, false, fw::Label::kAlignCenter, 4));

  auto* role = New<fw::PopupMenu>();
  AddControl("PopupMenu1", role);
  role->SetProperties(PopupMenu1Design());
  role->Change = [this, role] { PopupMenu1_Change(role); };

  fw::Timer* timer3 = makeTimer("Timer3", fw::Timer::kModeOff, kReconnectPeriod);
  timer3->Action = [this, timer3] { Timer3_Action(timer3); };

  auto* portNote = New<fw::Label>();
  AddControl("StaticText3", portNote);
  portNote->SetProperties(LabelDesign(36, 89, 15, 20, "?", true, true, fw::Label::kAlignLeft, 6));
  portNote->MouseDown = [this, portNote](int x, int y) { return StaticText3_MouseDown(portNote, x, y); };
  portNote->MouseUp = [this, portNote](int x, int y) { StaticText3_MouseUp(portNote, x, y); };
}

fw::TCPSocket* pcSocketWindow::TCPSocket1() const { return ControlAs<fw::TCPSocket>("TCPSocket1"); }
fw::Timer* pcSocketWindow::Timer1() const { return ControlAs<fw::Timer>("Timer1"); }
fw::GroupBox* pcSocketWindow::GroupBox1() const { return ControlAs<fw::GroupBox>("GroupBox1"); }
fw::TextField* pcSocketWindow::EditField1() const { return ControlAs<fw::TextField>("EditField1"); }
fw::Label* pcSocketWindow::StaticText1() const { return ControlAs<fw::Label>("StaticText1"); }
fw::PushButton* pcSocketWindow::PushButton1() const { return ControlAs<fw::PushButton>("PushButton1"); }
fw::PushButton* pcSocketWindow::PushButton2() const { return ControlAs<fw::PushButton>("PushButton2"); }
fw::Timer* pcSocketWindow::Timer2() const { return ControlAs<fw::Timer>("Timer2"); }
fw::Label* pcSocketWindow::StaticText2() const { return ControlAs<fw::Label>("StaticText2"); }
fw::PopupMenu* pcSocketWindow::PopupMenu1() const { return ControlAs<fw::PopupMenu>("PopupMenu1"); }
fw::Timer* pcSocketWindow::Timer3() const { return ControlAs<fw::Timer>("Timer3"); }
fw::Label* pcSocketWindow::StaticText3() const { return ControlAs<fw::Label>("StaticText3"); }

void pcSocketWindow::Event_Open() {
  Module1::sep = fw::Chr(187);
  PopupMenu1()->AddRow("Host Game");
  PopupMenu1()->AddRow("Join Game");
  PopupMenu1()->SetListIndex(0);
  EditField1()->SetText(TCPSocket1()->LocalAddress());
  PosMe();
  SocketMod::SocketIsVisible = true;
}

void pcSocketWindow::Event_Close() {
  Window1::Instance()->SetTitle(kTitle);
  SocketMod::isHost = false;
  SocketMod::awaitingStart = false;
}

void pcSocketWindow::PosMe() {
  Window1* game = Window1::Instance();
  std::int32_t d = game->Height() - Height();
  SetTop(static_cast<std::int32_t>(static_cast<double>(game->Top()) + static_cast<double>(d) / 2.0));
  d = game->Width() - Width();
  SetLeft(static_cast<std::int32_t>(static_cast<double>(game->Left()) + static_cast<double>(d) / 2.0));
}

void pcSocketWindow::PopupMenu1_Change(fw::PopupMenu* menu) {
  if (menu->ListIndex() == 0) {
    StaticText1()->SetEnabled(false);
    EditField1()->SetEnabled(false);
    EditField1()->SetText(TCPSocket1()->LocalAddress());
  } else {
    StaticText1()->SetEnabled(true);
    EditField1()->SetEnabled(true);
    EditField1()->SetText("127.0.0.1");
  }
}

void pcSocketWindow::PushButton1_Action(fw::PushButton* button) {
  StaticText2()->SetVisible(true);
  TCPSocket1()->SetPort(ConnectPort());
  // The row chosen now fixes this side's role for the connection that
  // follows; changing the pop-up while the window waits changes it no more.
  if (PopupMenu1()->ListIndex() == 0) {
    // Attempts to join, left going by an error after an earlier Connect,
    // would take the socket away from listening.
    Timer3()->SetMode(fw::Timer::kModeOff);
    TCPSocket1()->Listen();
  } else {
    TCPSocket1()->SetAddress(EditField1()->Text());
    TCPSocket1()->Connect();
    Timer3()->SetMode(fw::Timer::kModeMultiple);
  }
  button->SetEnabled(false);
}

void pcSocketWindow::PushButton2_Action(fw::PushButton* /*button*/) {
  Window1::Instance()->Show();
  SocketMod::SocketIsVisible = false;
  Close();
}

void pcSocketWindow::Timer3_Action(fw::Timer* /*timer*/) {
  TCPSocket1()->Close();
  TCPSocket1()->SetAddress(EditField1()->Text());
  TCPSocket1()->Connect();
}

void pcSocketWindow::TCPSocket1_Connected(fw::TCPSocket* /*socket*/) {
  Timer3()->SetMode(fw::Timer::kModeOff);
  Hide();
  SocketMod::SocketIsVisible = false;
  StaticText2()->SetVisible(false);
  // Text left from an earlier connection is not part of this game.
  SocketMod::inBuffer.clear();

  Window1* game = Window1::Instance();
  game->isNetworkGame = true;
  // A network game is played by the two people: the computer plays for
  // neither side, on either machine. Both boards capture by the standard
  // rule, whatever either side had chosen.
  game->IsComputer = false;
  game->LeaveGem = false;
  game->PlayersTurn = 1;
  SocketMod::isHost = false;
  // The side whose socket listened hosts; the side whose socket connected,
  // on Connect or on a later attempt, joins. So the two sides always take
  // the two roles, whatever either pop-up shows by now.
  if (TCPSocket1()->Listened()) {
    SocketMod::isHost = true;
    game->Initialize();
    game->GameStarted = false;
    game->GameOver = false;
    SocketMod::SendData("StartGame" + Module1::sep + fw::Str(game->GemCount) + Module1::sep + fw::Chr(13));
  }
  // The joining side's board is the host's to set up: it waits for the
  // host's StartGame before it plays or chooses anything.
  SocketMod::awaitingStart = !SocketMod::isHost;
  game->SetTitle(kNetworkTitle);
  SetTop(kParkedTop);
}

// What the peer sent goes into the receive buffer while that has room;
// otherwise it waits in the socket for a later Timer1 tick.
void pcSocketWindow::TCPSocket1_DataAvailable(fw::TCPSocket* socket) {
  if (SocketMod::HasRoom()) SocketMod::Receive(socket->ReadAll());
}

void pcSocketWindow::Timer1_Action(fw::Timer* /*timer*/) {
  if (TCPSocket1()->BytesAvailable() > 0 && SocketMod::HasRoom()) SocketMod::Receive(TCPSocket1()->ReadAll());
}

void pcSocketWindow::Timer2_Action(fw::Timer* /*timer*/) { SocketMod::ParseIt(); }

void pcSocketWindow::TCPSocket1_Error(fw::TCPSocket* /*socket*/) {
  const int code = TCPSocket1()->LastErrorCode();
  switch (code) {
    case fw::TCPSocket::kErrorNetworkUnavailable:
      fw::MsgBox("There was an error initializing the network drivers.");
      break;
    case fw::TCPSocket::kErrorConnectionClosed:
      Show();
      fw::MsgBox("Connection Closed");
      break;
    case fw::TCPSocket::kErrorNotYetConnected:
      // Still waiting for the connection: the status stays as it is.
      StaticText2()->SetText("Connecting...");
      return;
    case fw::TCPSocket::kErrorInvalidUse:
      fw::MsgBox("Invalid use of socket. Connection will be closed.");
      Show();
      break;
    default:
      fw::MsgBox("An unknown network error has occured. - " + fw::Str(TCPSocket1()->LastErrorCode()));
      Show();
      break;
  }
  PushButton2()->SetEnabled(true);
  PushButton1()->SetEnabled(true);
  PosMe();
  SocketMod::SocketIsVisible = true;
}

bool pcSocketWindow::StaticText3_MouseDown(fw::Label* /*label*/, int /*x*/, int /*y*/) { return true; }

void pcSocketWindow::StaticText3_MouseUp(fw::Label* /*label*/, int /*x*/, int /*y*/) {
  fw::MsgBox("Velloru uses TCP/IP port 2300.");
}
