// Windows: the single instance, design values, control arrays, parents, and
// the canvas's surface.
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>

#include "framework/Canvas.h"
#include "framework/Label.h"
#include "framework/MenuItem.h"
#include "framework_support.h"

namespace {

using fwtest::FrameworkTest;
using fwtest::PlainWindow;

class FrameworkWindow : public FrameworkTest {};

TEST_F(FrameworkWindow, ImplicitInstanceIsOneWindowUntilClosed) {
  PlainWindow* first = Plain();
  EXPECT_EQ(Plain(), first);
  EXPECT_EQ(first->opens, 1);
  EXPECT_EQ(fw::Window::GetImplicitWindow("PlainWindow.PlainWindow"), first);
  first->Close();
  EXPECT_EQ(first->closes, 1);
  EXPECT_EQ(fw::Window::GetImplicitWindow("PlainWindow.PlainWindow"), nullptr);
  PlainWindow* second = Plain();
  EXPECT_EQ(second->opens, 1);
  EXPECT_EQ(fw::Window::OpenWindows().size(), 1u);
}

TEST_F(FrameworkWindow, ClosedDuringHandlerStaysUsableUntilTheHandlerEnds) {
  PlainWindow* window = Plain();
  auto* canvas = window->New<fw::Canvas>();
  window->AddControl("Canvas1", canvas);
  fw::Dispatch([&] {
    window->Close();
    // Still there for the rest of the handler.
    canvas->SetBounds(0, 0, 5, 5);
    EXPECT_EQ(window->ControlByName("Canvas1"), canvas);
  });
  EXPECT_EQ(fw::Window::GetImplicitWindow("PlainWindow.PlainWindow"), nullptr);
}

class DesignedWindow : public fw::Window {
 public:
  std::string ClassName() const override { return "DesignedWindow.DesignedWindow"; }
  void Layout() override {
    fw::WindowDesign design;
    design.Title = "Designed";
    design.Width = 600;
    design.Height = 300;
    design.CloseButton = closeButton;
    design.MaximizeButton = false;
    design.Resizeable = false;
    design.Visible = false;
    SetProperties(design);
  }
  void Event_Close() override { ++closes; }
  static inline bool closeButton = true;
  int closes = 0;
};

TEST_F(FrameworkWindow, ClientAreaIsTheDesignSizeWithTheMenuBarOutside) {
  auto* window = fw::ImplicitInstance<DesignedWindow>("DesignedWindow.DesignedWindow");
  auto bar = std::make_shared<fw::MenuBar>();
  auto file = std::make_shared<fw::MenuItem>();
  file->SetName("FileMenu");
  file->SetText("File");
  auto item = std::make_shared<fw::MenuItem>();
  item->SetName("FileNew");
  item->SetText("New");
  file->Append(item);
  bar->Append(file);
  window->SetMenuBar(bar);
  window->Show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window->TopLevelWidget(), 2000));
  QMainWindow* top = window->TopLevelWidget();
  EXPECT_EQ(window->ContentWidget()->size(), QSize(600, 300));
  ASSERT_NE(top->menuBar(), nullptr);
  EXPECT_GT(top->menuBar()->height(), 0);
  EXPECT_GE(window->ContentWidget()->y(), top->menuBar()->height());
  EXPECT_EQ(top->height(), window->ContentWidget()->y() + 300);
  EXPECT_EQ(top->minimumSize(), top->maximumSize());
  EXPECT_FALSE(top->windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(top->windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_EQ(window->Title(), "Designed");
  // Left and Top are the client area's.
  window->SetTop(120);
  window->SetLeft(80);
  EXPECT_EQ(window->Top(), 120);
  EXPECT_EQ(window->Left(), 80);
}

TEST_F(FrameworkWindow, WindowWithoutCloseButtonIgnoresCloseRequests) {
  DesignedWindow::closeButton = false;
  auto* window = fw::ImplicitInstance<DesignedWindow>("DesignedWindow.DesignedWindow");
  DesignedWindow::closeButton = true;
  window->Show();
  EXPECT_FALSE(window->TopLevelWidget()->windowFlags() & Qt::WindowCloseButtonHint);
  window->TopLevelWidget()->close();
  fwtest::SpinFor(20);
  EXPECT_EQ(fw::Window::GetImplicitWindow("DesignedWindow.DesignedWindow"), window);
  EXPECT_EQ(window->closes, 0);
  // The program may still close it.
  window->Close();
  EXPECT_EQ(window->closes, 1);
}

TEST_F(FrameworkWindow, ControlArrayTakesTheLowestFreeIndex) {
  PlainWindow* window = Plain();
  std::vector<fw::Canvas*> designed;
  for (int index : {0, 7, 14}) {
    auto* canvas = window->New<fw::Canvas>();
    canvas->SetIndex(index);
    window->AddControl("Canvas4", canvas);
    designed.push_back(canvas);
  }
  std::vector<int> given;
  for (int i = 0; i < 13; ++i) {
    auto* canvas = window->New<fw::Canvas>();
    canvas->SetIndex(0);
    window->AddControl("Canvas4", canvas);
    given.push_back(canvas->Index());
  }
  EXPECT_EQ(given, (std::vector<int>{1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12, 13, 15}));
  EXPECT_EQ(window->ControlByNameIndex("Canvas4", 7), designed[1]);
  EXPECT_EQ(window->ControlByNameIndex("Canvas4", 14), designed[2]);
  EXPECT_EQ(window->ControlByNameIndex("Canvas4", 16), nullptr);
  // A control outside any array keeps index -1.
  auto* single = window->New<fw::Canvas>();
  window->AddControl("Canvas6", single);
  EXPECT_EQ(single->Index(), -1);
  EXPECT_EQ(window->ControlByName("Canvas6"), single);
  EXPECT_THROW(window->ControlAs<fw::Label>("Canvas6"), fw::NilObjectException);
  EXPECT_THROW(window->ControlAs<fw::Canvas>("Missing"), fw::NilObjectException);
}

TEST_F(FrameworkWindow, CanvasDrawingIsVisibleAtOnceAndRefreshRunsPaint) {
  PlainWindow* window = Plain();
  auto* canvas = window->New<fw::Canvas>();
  window->AddControl("Canvas1", canvas);
  canvas->SetBounds(10, 20, 40, 30);
  int paints = 0;
  canvas->Paint = [&](fw::Graphics* g) {
    ++paints;
    g->SetForeColor(fw::RGB(0, 0, 255));
    g->FillRect(0, 0, 5, 5);
  };
  fw::PicturePtr backdrop = fw::Picture::NewPicture(40, 30, 32);
  backdrop->Graphics()->SetForeColor(fw::RGB(0, 200, 0));
  backdrop->Graphics()->FillRect(0, 0, 40, 30);
  canvas->SetBackdrop(backdrop);
  EXPECT_EQ(canvas->Contents().pixel(1, 1), qRgb(0, 0, 255));
  EXPECT_EQ(canvas->Contents().pixel(20, 20), qRgb(0, 200, 0));
  EXPECT_EQ(paints, 1);

  canvas->Graphics()->SetForeColor(fw::RGB(255, 0, 0));
  canvas->Graphics()->FillRect(20, 20, 2, 2);
  EXPECT_EQ(canvas->Contents().pixel(20, 20), qRgb(255, 0, 0));
  EXPECT_EQ(paints, 1);

  canvas->Refresh();
  EXPECT_EQ(canvas->Contents().pixel(20, 20), qRgb(0, 200, 0));
  EXPECT_EQ(paints, 2);
  window->Refresh();
  EXPECT_EQ(canvas->Contents().pixel(1, 1), qRgb(0, 0, 255));
  EXPECT_EQ(paints, 3);
  EXPECT_EQ(canvas->Widget()->geometry(), QRect(10, 20, 40, 30));
}

TEST_F(FrameworkWindow, PaintThatThrowsIsReportedAndTheCanvasStaysUsable) {
  PlainWindow* window = Plain();
  auto* canvas = window->New<fw::Canvas>();
  window->AddControl("Canvas1", canvas);
  canvas->SetBounds(0, 0, 10, 10);
  canvas->Paint = [](fw::Graphics*) { throw fw::NilObjectException(); };
  canvas->Contents();
  EXPECT_EQ(messages.size(), 1u);
  canvas->Paint = nullptr;
  canvas->Refresh();
  EXPECT_EQ(canvas->Contents().width(), 10);
}

TEST_F(FrameworkWindow, ClickHandlerMayCloseItsOwnWindow) {
  PlainWindow* window = Plain();
  auto* canvas = window->New<fw::Canvas>();
  window->AddControl("Canvas1", canvas);
  canvas->SetBounds(0, 0, 20, 20);
  canvas->MouseDown = [window](int, int) {
    window->Close();
    return true;
  };
  window->Show();
  QTest::mouseClick(canvas->Widget(), Qt::LeftButton, {}, QPoint(3, 3));
  fwtest::SpinFor(20);
  EXPECT_EQ(fw::Window::GetImplicitWindow("PlainWindow.PlainWindow"), nullptr);
}

}  // namespace
