#pragma once

#include <string>

#include "framework/GroupBox.h"
#include "framework/Label.h"
#include "framework/PopupMenu.h"
#include "framework/PushButton.h"
#include "framework/TCPSocket.h"
#include "framework/TextField.h"
#include "framework/Timer.h"
#include "framework/Window.h"

// The "Network Configuration" window: hosts or joins a network game. It owns
// the connection and three timers: Timer1 polls the socket, Timer2 runs the
// line parser, Timer3 makes the joining side's reconnect attempts. Once a
// connection stands the window is hidden, not closed, and goes on working
// for the rest of the network game; closing it ends the network game's
// connection.
class pcSocketWindow : public fw::Window {
 public:
  // The TCP port of a network game.
  static constexpr int kPort = 2300;
  // For tests: the port Connect uses instead of kPort (0 listens on a free
  // one); a negative port goes back to kPort.
  static void SetPortForTesting(int port);

  pcSocketWindow();
  ~pcSocketWindow() override;

  static constexpr const char* kClassName = "pcSocketWindow.pcSocketWindow";
  // The accessor: the open network window, shown or hidden, or a new one.
  static pcSocketWindow* Instance();
  // The open network window, shown or hidden, or nil: builds none.
  static pcSocketWindow* OpenInstance();
  std::string ClassName() const override { return kClassName; }

  // Construction.
  void Layout() override;
  void CreateControls() override;
  void CreateControls0();

  // Control accessors.
  fw::TCPSocket* TCPSocket1() const;
  fw::Timer* Timer1() const;
  fw::GroupBox* GroupBox1() const;
  fw::TextField* EditField1() const;
  fw::Label* StaticText1() const;
  fw::PushButton* PushButton1() const;
  fw::PushButton* PushButton2() const;
  fw::Timer* Timer2() const;
  fw::Label* StaticText2() const;
  fw::PopupMenu* PopupMenu1() const;
  fw::Timer* Timer3() const;
  fw::Label* StaticText3() const;

  // Handlers.
  void TCPSocket1_Error(fw::TCPSocket* socket);
  void TCPSocket1_Connected(fw::TCPSocket* socket);
  void TCPSocket1_DataAvailable(fw::TCPSocket* socket);
  void Timer1_Action(fw::Timer* timer);
  void PushButton1_Action(fw::PushButton* button);
  void PushButton2_Action(fw::PushButton* button);
  void Timer2_Action(fw::Timer* timer);
  void PopupMenu1_Change(fw::PopupMenu* menu);
  void Timer3_Action(fw::Timer* timer);
  bool StaticText3_MouseDown(fw::Label* label, int x, int y);
  void StaticText3_MouseUp(fw::Label* label, int x, int y);
  void Event_Close() override;
  void Event_Open() override;
  // Centres this window over the game window.
  void PosMe();
};
