// The dispatch rules everything else stands on: what escapes a handler, and
// what the framework holds back or drops while a handler runs.
#include <QMouseEvent>
#include <QWidget>
#include <ctime>

#include "framework/Canvas.h"
#include "framework/RuntimeException.h"
#include "framework/TCPSocket.h"
#include "framework/Timer.h"
#include "framework_support.h"

namespace {

using fwtest::BusyWait;
using fwtest::FrameworkTest;
using fwtest::SpinFor;
using fwtest::WaitUntil;

class FrameworkDispatch : public FrameworkTest {};

TEST_F(FrameworkDispatch, NilObjectEscapingHandlerIsReportedAndProgramGoesOn) {
  bool after = false;
  fw::Dispatch([] {
    int* nothing = nullptr;
    fw::NotNil(nothing);
  });
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].find("NilObjectException"), std::string::npos);
  EXPECT_FALSE(fw::InProgramHandler());
  // An inner handler's exception stops only that handler.
  fw::Dispatch([&] {
    fw::Dispatch([] { throw fw::NilObjectException(); });
    after = true;
  });
  EXPECT_TRUE(after);
  EXPECT_EQ(messages.size(), 2u);
}

TEST_F(FrameworkDispatch, TimerActionThatThrowsKeepsTimerRunning) {
  auto* window = Plain();
  auto* timer = window->New<fw::Timer>();
  int ticks = 0;
  timer->SetPeriod(5);
  timer->Action = [&] {
    ++ticks;
    throw fw::NilObjectException();
  };
  ASSERT_TRUE(WaitUntil([&] { return ticks >= 3; }, 3000));
  EXPECT_GE(messages.size(), 3u);
}

TEST_F(FrameworkDispatch, TimerTickDuringHandlerIsSkippedNotQueued) {
  auto* window = Plain();
  auto* timer = window->New<fw::Timer>();
  timer->SetPeriod(5);
  int ticks = 0;
  timer->Action = [&] { ++ticks; };
  fw::Dispatch([&] { BusyWait(120); });
  EXPECT_EQ(ticks, 0);
  // No burst of missed ticks once the handler is over.
  QCoreApplication::processEvents();
  EXPECT_LE(ticks, 1);
  ASSERT_TRUE(WaitUntil([&] { return ticks >= 2; }, 2000));
}

TEST_F(FrameworkDispatch, TimerModeOffStopsAndModeTwoRepeats) {
  auto* window = Plain();
  auto* timer = window->New<fw::Timer>();
  int ticks = 0;
  timer->Action = [&] { ++ticks; };
  timer->SetMode(fw::Timer::kModeOff);
  timer->SetPeriod(5);
  SpinFor(40);
  EXPECT_EQ(ticks, 0);
  timer->SetMode(fw::Timer::kModeMultiple);
  ASSERT_TRUE(WaitUntil([&] { return ticks >= 3; }, 2000));
  timer->SetMode(fw::Timer::kModeOff);
  const int stopped = ticks;
  SpinFor(40);
  EXPECT_EQ(ticks, stopped);
}

TEST_F(FrameworkDispatch, MessageDialogAnswersThroughTheTestHook) {
  std::vector<fw::DialogRequest> asked;
  fw::SetDialogHandlerForTesting([&](const fw::DialogRequest& request) {
    asked.push_back(request);
    return 1;
  });
  fw::MessageDialog dialog;
  dialog.Message = "Start a new game?";
  dialog.ActionButton.Caption = "Yes";
  dialog.AlternateActionButton.Visible = true;
  dialog.AlternateActionButton.Caption = "No";
  EXPECT_EQ(dialog.ShowModal(), &dialog.AlternateActionButton);
  fw::MsgBox("Connection Closed");
  ASSERT_EQ(asked.size(), 2u);
  EXPECT_EQ(asked[0].VisibleButtons, (std::vector<std::string>{"Yes", "No"}));
  EXPECT_FALSE(asked[0].IsMsgBox);
  EXPECT_EQ(asked[1].Message, "Connection Closed");
  EXPECT_TRUE(asked[1].IsMsgBox);
}

TEST_F(FrameworkDispatch, ClickDuringHandlerIsDroppedForGood) {
  auto* window = Plain();
  auto* canvas = window->New<fw::Canvas>();
  window->AddControl("Canvas1", canvas);
  canvas->SetBounds(10, 10, 50, 50);
  int downs = 0;
  canvas->MouseDown = [&](int, int) {
    ++downs;
    return false;
  };
  window->Show();
  QWidget* widget = canvas->Widget();
  fw::Dispatch([&] {
    // A click made now and one already waiting in the queue.
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(5, 5));
    QCoreApplication::postEvent(widget, new QMouseEvent(QEvent::MouseButtonPress, QPointF(6, 6),
                                                        widget->mapToGlobal(QPointF(6, 6)), Qt::LeftButton,
                                                        Qt::LeftButton, Qt::NoModifier));
    BusyWait(60);
  });
  SpinFor(60);
  EXPECT_EQ(downs, 0);
  // The same click outside a handler is delivered.
  QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(downs, 1);
}

TEST_F(FrameworkDispatch, WindowCloseRequestDuringHandlerIsHeldThenCarriedOut) {
  auto* window = Plain();
  window->Show();
  bool closedInside = true;
  fw::Dispatch([&] {
    window->TopLevelWidget()->close();
    BusyWait(30);
    closedInside = window->IsClosed() || window->closes > 0;
  });
  EXPECT_FALSE(closedInside);
  ASSERT_TRUE(WaitUntil([] { return fw::Window::GetImplicitWindow("PlainWindow.PlainWindow") == nullptr; }, 2000));
}

TEST_F(FrameworkDispatch, SocketEventsDuringHandlerWaitUntilItReturns) {
  auto* window = Plain();
  auto* host = window->New<fw::TCPSocket>();
  auto* guest = window->New<fw::TCPSocket>();
  host->SetPort(0);
  host->Listen();
  ASSERT_TRUE(host->IsListening());
  int connected = 0;
  std::string received;
  host->Connected = [&] { ++connected; };
  guest->Connected = [&] { ++connected; };
  host->DataAvailable = [&] { received += host->ReadAll(); };
  guest->SetAddress("127.0.0.1");
  guest->SetPort(host->Port());

  bool connectedInside = false;
  fw::Dispatch([&] {
    guest->Connect();
    const double start = fw::Microseconds();
    while (!guest->IsConnected() && fw::Microseconds() - start < 3e6) fw::RuntimeBackgroundTask();
    BusyWait(30);
    connectedInside = connected > 0;
  });
  EXPECT_FALSE(connectedInside);
  ASSERT_TRUE(WaitUntil([&] { return connected == 2; }));

  bool dataInside = false;
  fw::Dispatch([&] {
    guest->Write("PickHole\xBB" "3\xBB\r");
    // The bytes reach the host's socket while this handler still runs.
    const double start = fw::Microseconds();
    while (host->BytesAvailable() == 0 && fw::Microseconds() - start < 3e6) fw::RuntimeBackgroundTask();
    guest->Write("more");
    BusyWait(30);
    dataInside = !received.empty();
  });
  EXPECT_FALSE(dataInside);
  ASSERT_TRUE(WaitUntil([&] { return received == "PickHole\xBB" "3\xBB\rmore"; }));
}

TEST_F(FrameworkDispatch, DeliverWhenIdleRunsAfterOutermostHandlerInOrder) {
  std::vector<int> order;
  fw::Dispatch([&] {
    fw::DeliverWhenIdle([&] { order.push_back(2); });
    fw::Dispatch([&] { fw::DeliverWhenIdle([&] { order.push_back(3); }); });
    BusyWait(20);
    order.push_back(1);
  });
  ASSERT_TRUE(WaitUntil([&] { return order.size() == 3; }, 2000));
  EXPECT_EQ(order, (std::vector<int>{1, 2, 3}));
}

TEST_F(FrameworkDispatch, WaitingOnTheClockDoesNotSpin) {
  const std::clock_t cpuStart = std::clock();
  fw::Dispatch([] { BusyWait(300); });
  const double cpuMs = 1000.0 * static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
  EXPECT_LT(cpuMs, 0.25 * 300) << "CPU time used by a 300 ms wait";
}

}  // namespace
