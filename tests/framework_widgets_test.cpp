// The window controls: pop-up menu, push buttons and their keys, tab panel
// pages, group box, text area, text field and label.
#include <QComboBox>
#include <QEnterEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>

#include "framework/GroupBox.h"
#include "framework/Label.h"
#include "framework/PopupMenu.h"
#include "framework/PushButton.h"
#include "framework/ShowURL.h"
#include "framework/TabPanel.h"
#include "framework/Text.h"
#include "framework/TextArea.h"
#include "framework/TextField.h"
#include "framework_support.h"

namespace {

using fwtest::FrameworkTest;
using fwtest::SpinFor;
using fwtest::WaitUntil;

class FrameworkWidgets : public FrameworkTest {
 protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    window = Plain();
  }
  // Where a control's widget lies in the window's client area.
  QPoint InWindow(fw::RectControl* control) const {
    return control->Widget()->mapTo(window->ContentWidget(), QPoint(0, 0));
  }
  fwtest::PlainWindow* window = nullptr;
};

TEST_F(FrameworkWidgets, PopupMenuRowsAndChange) {
  auto* popup = window->New<fw::PopupMenu>();
  window->AddControl("PopupMenu1", popup);
  fw::PopupMenuDesign design;
  design.Left = 33;
  design.Top = 37;
  design.Width = 203;
  design.Height = 20;
  design.TextSize = 12;
  popup->SetProperties(design);
  std::vector<int> seen;
  bool inHandler = false;
  popup->Change = [&] {
    seen.push_back(popup->ListIndex());
    inHandler = fw::InProgramHandler();
  };
  popup->AddRow("Host Game");
  popup->AddRow("Join Game");
  EXPECT_EQ(popup->RowCount(), 2);
  EXPECT_EQ(popup->List(1), "Join Game");
  EXPECT_EQ(popup->List(2), "");
  // Adding rows chooses none.
  EXPECT_EQ(popup->ListIndex(), -1);
  EXPECT_TRUE(seen.empty());
  popup->SetListIndex(0);
  EXPECT_EQ(seen, (std::vector<int>{0}));
  EXPECT_TRUE(inHandler);
  popup->SetListIndex(0);
  popup->SetListIndex(5);
  EXPECT_EQ(seen.size(), 1u);
  EXPECT_EQ(popup->ListIndex(), 0);
  // The user's choice of a row.
  popup->ComboBox()->setCurrentIndex(1);
  EXPECT_EQ(popup->ListIndex(), 1);
  EXPECT_EQ(seen, (std::vector<int>{0, 1}));
  EXPECT_EQ(popup->Text(), "Join Game");
  EXPECT_EQ(popup->ComboBox()->currentText(), QStringLiteral("Join Game"));
}

TEST_F(FrameworkWidgets, PopupMenuChangeThatThrowsIsReported) {
  auto* popup = window->New<fw::PopupMenu>();
  popup->AddRow("a");
  popup->Change = [] { throw fw::NilObjectException(); };
  popup->SetListIndex(0);
  EXPECT_EQ(messages.size(), 1u);
  EXPECT_EQ(popup->ListIndex(), 0);
}

struct Buttons {
  explicit Buttons(fw::Window* window) {
    group = window->New<fw::GroupBox>();
    window->AddControl("GroupBox1", group);
    fw::GroupBoxDesign box;
    box.Left = 20;
    box.Top = 14;
    box.Width = 231;
    box.Height = 132;
    group->SetProperties(box);
    connect = window->New<fw::PushButton>();
    window->AddControl("PushButton1", connect);
    fw::PushButtonDesign design;
    design.Left = 153;
    design.Top = 113;
    design.Width = 83;
    design.Height = 22;
    design.Caption = "Connect";
    design.Default = true;
    design.InitialParent = "GroupBox1";
    connect->SetProperties(design);
    cancel = window->New<fw::PushButton>();
    window->AddControl("PushButton2", cancel);
    design.Left = 33;
    design.Width = 71;
    design.Caption = "Cancel";
    design.Default = false;
    design.Cancel = true;
    cancel->SetProperties(design);
    field = window->New<fw::TextField>();
    window->AddControl("EditField1", field);
    fw::TextFieldDesign text;
    text.Left = 84;
    text.Top = 66;
    text.Width = 152;
    text.Height = 22;
    text.InitialParent = "GroupBox1";
    field->SetProperties(text);
    connect->Action = [this] { ++connects; };
    cancel->Action = [this] { ++cancels; };
  }
  fw::GroupBox* group;
  fw::PushButton* connect;
  fw::PushButton* cancel;
  fw::TextField* field;
  int connects = 0;
  int cancels = 0;
};

TEST_F(FrameworkWidgets, GroupBoxChildrenSitAtWindowCoordinates) {
  Buttons b(window);
  EXPECT_EQ(b.connect->Widget()->parentWidget(), b.group->Widget());
  EXPECT_EQ(InWindow(b.connect), QPoint(153, 113));
  EXPECT_EQ(InWindow(b.field), QPoint(84, 66));
  EXPECT_EQ(b.connect->Widget()->size(), QSize(83, 22));
  b.group->SetCaption("");
  EXPECT_EQ(static_cast<QGroupBox*>(b.group->Widget())->title(), QString());
  // A label inside a disabled box takes no clicks.
  auto* label = window->New<fw::Label>();
  window->AddControl("StaticText1", label);
  fw::LabelDesign text;
  text.Left = 36;
  text.Top = 72;
  text.Width = 45;
  text.Height = 14;
  text.Text = "Host IP:";
  text.InitialParent = "GroupBox1";
  label->SetProperties(text);
  int downs = 0;
  label->MouseDown = [&](int, int) { return ++downs > 0; };
  window->Show();
  b.group->SetEnabled(false);
  QTest::mouseClick(label->Widget(), Qt::LeftButton, {}, QPoint(3, 3));
  EXPECT_EQ(downs, 0);
  b.group->SetEnabled(true);
  QTest::mouseClick(label->Widget(), Qt::LeftButton, {}, QPoint(3, 3));
  EXPECT_EQ(downs, 1);
}

TEST_F(FrameworkWidgets, ReturnPressesTheDefaultButtonAndEscapeTheCancelButton) {
  Buttons b(window);
  ASSERT_TRUE(fwtest::ShowActive(window));
  b.field->Widget()->setFocus();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  ASSERT_TRUE(WaitUntil([&] { return b.connects == 1; }, 2000));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  ASSERT_TRUE(WaitUntil([&] { return b.cancels == 1; }, 2000));
  EXPECT_EQ(b.connects, 1);
  // A disabled default button does not answer.
  b.connect->SetEnabled(false);
  QTest::keyClick(window->TopLevelWidget(), Qt::Key_Return);
  SpinFor(30);
  EXPECT_EQ(b.connects, 1);
  // Nor does anything while a handler runs.
  b.connect->SetEnabled(true);
  fw::Dispatch([&] {
    QTest::keyClick(window->TopLevelWidget(), Qt::Key_Escape);
    fwtest::BusyWait(20);
  });
  SpinFor(30);
  EXPECT_EQ(b.cancels, 1);
}

TEST_F(FrameworkWidgets, ClickedButtonRunsItsActionOnceAndMayCloseItsWindow) {
  Buttons b(window);
  window->Show();
  QTest::mouseClick(b.connect->Widget(), Qt::LeftButton);
  ASSERT_TRUE(WaitUntil([&] { return b.connects == 1; }, 2000));
  SpinFor(20);
  EXPECT_EQ(b.connects, 1);
  b.connect->SetEnabled(false);
  QTest::mouseClick(b.connect->Widget(), Qt::LeftButton);
  SpinFor(20);
  EXPECT_EQ(b.connects, 1);
  // Cancel closes the window that holds it.
  b.cancel->Action = [this] { window->Close(); };
  QTest::mouseClick(b.cancel->Widget(), Qt::LeftButton);
  ASSERT_TRUE(WaitUntil([] { return fw::Window::GetImplicitWindow("PlainWindow.PlainWindow") == nullptr; }, 2000));
  SpinFor(20);
}

TEST_F(FrameworkWidgets, TabPanelShowsOnlyTheCurrentPage) {
  auto* panel = window->New<fw::TabPanel>();
  window->AddControl("TabPanel1", panel);
  fw::TabPanelDesign design;
  design.Left = 13;
  design.Top = 57;
  design.Width = 290;
  design.Height = 177;
  design.TextSize = 12;
  design.TabDefinition = "About\rContact Info\rRules";
  panel->SetProperties(design);
  std::vector<fw::Label*> labels;
  const int tops[] = {104, 97, 91};
  for (int page = 1; page <= 3; ++page) {
    auto* label = window->New<fw::Label>();
    window->AddControl("StaticText" + std::to_string(page), label);
    fw::LabelDesign text;
    text.Left = 22 + page;
    text.Top = tops[page - 1];
    text.Width = 60;
    text.Height = 16;
    text.Text = "page " + std::to_string(page);
    text.InitialParent = "TabPanel1";
    text.TabPanelIndex = page;
    label->SetProperties(text);
    labels.push_back(label);
  }
  // In place at once, before the window is ever shown.
  for (int page = 1; page <= 3; ++page) {
    EXPECT_EQ(InWindow(labels[page - 1]), QPoint(22 + page, tops[page - 1])) << page;
  }
  EXPECT_EQ(panel->PanelCount(), 3);
  EXPECT_EQ(panel->Caption(1), "Contact Info");
  EXPECT_EQ(panel->Value(), 0);
  window->Show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window->TopLevelWidget(), 2000));
  EXPECT_TRUE(labels[0]->Widget()->isVisible());
  EXPECT_FALSE(labels[1]->Widget()->isVisible());
  EXPECT_FALSE(labels[2]->Widget()->isVisible());

  int changes = 0;
  panel->Change = [&] { ++changes; };
  panel->SetValue(2);
  EXPECT_EQ(changes, 1);
  EXPECT_FALSE(labels[0]->Widget()->isVisible());
  EXPECT_TRUE(labels[2]->Widget()->isVisible());
  EXPECT_EQ(panel->TabBar()->currentIndex(), 2);
  // The user's click on a tab.
  panel->TabBar()->setCurrentIndex(1);
  EXPECT_EQ(panel->Value(), 1);
  EXPECT_EQ(changes, 2);
  EXPECT_TRUE(labels[1]->Widget()->isVisible());
  EXPECT_FALSE(labels[2]->Widget()->isVisible());
  // A control's own visibility still counts on its page.
  labels[1]->SetVisible(false);
  EXPECT_FALSE(labels[1]->Widget()->isVisible());
  panel->SetValue(7);
  EXPECT_EQ(panel->Value(), 1);
  // Positions hold after showing and switching.
  EXPECT_EQ(InWindow(labels[2]), QPoint(25, 91));
}

TEST_F(FrameworkWidgets, TextAreaKeepsCarriageReturnTextExactly) {
  auto* area = window->New<fw::TextArea>();
  window->AddControl("EditField1", area);
  fw::TextAreaDesign design;
  design.Left = 22;
  design.Top = 91;
  design.Width = 200;
  design.Height = 60;
  design.ReadOnly = true;
  design.ScrollbarVertical = true;
  area->SetProperties(design);
  const std::string cr = fw::EndOfLine::Macintosh;
  const std::string rules = "Object:  To collect." + cr + cr + "Note:  Yours." + cr + cr;
  area->SetText(rules);
  EXPECT_EQ(area->Text(), rules);
  EXPECT_EQ(area->Editor()->toPlainText(), QStringLiteral("Object:  To collect.\n\nNote:  Yours.\n\n"));
  EXPECT_EQ(area->Editor()->document()->blockCount(), 5);
  EXPECT_TRUE(area->Editor()->isReadOnly());
  EXPECT_EQ(area->Editor()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_EQ(area->Editor()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  // Read-only: typing changes nothing.
  window->Show();
  area->Editor()->setFocus();
  QTest::keyClicks(area->Editor(), "xyz");
  EXPECT_EQ(area->Text(), rules);
  // Editable: the user's line breaks come back as carriage returns.
  area->SetReadOnly(false);
  area->SetText("a");
  area->Editor()->moveCursor(QTextCursor::End);
  QTest::keyClick(area->Editor(), Qt::Key_Return);
  QTest::keyClicks(area->Editor(), "b");
  EXPECT_EQ(area->Text(), "a\rb");
}

TEST_F(FrameworkWidgets, TextFieldTextRoundTripsBytes) {
  auto* field = window->New<fw::TextField>();
  window->AddControl("EditField1", field);
  const std::string odd = "192.168.0.1" + fw::Chr(187);
  field->SetText(odd);
  EXPECT_EQ(field->Text(), odd);
  field->SetText("127.0.0.1");
  window->Show();
  QTest::keyClicks(field->Widget(), "5");
  EXPECT_EQ(field->Text(), "127.0.0.15");
  field->SetReadOnly(true);
  QTest::keyClicks(field->Widget(), "9");
  EXPECT_EQ(field->Text(), "127.0.0.15");
}

TEST_F(FrameworkWidgets, LabelClicksReachHandlersOnlyWhenEnabled) {
  auto* label = window->New<fw::Label>();
  window->AddControl("StaticText3", label);
  fw::LabelDesign design;
  design.Left = 36;
  design.Top = 89;
  design.Width = 15;
  design.Height = 20;
  design.Text = "?";
  label->SetProperties(design);
  std::vector<std::string> log;
  label->MouseDown = [&](int x, int y) {
    log.push_back("down " + std::to_string(x) + "," + std::to_string(y));
    return true;
  };
  label->MouseUp = [&](int, int) { log.push_back("up"); };
  window->Show();
  QTest::mouseClick(label->Widget(), Qt::LeftButton, {}, QPoint(4, 6));
  EXPECT_EQ(log, (std::vector<std::string>{"down 4,6", "up"}));
  // MouseDown returning false: no MouseUp.
  log.clear();
  label->MouseDown = [&](int, int) {
    log.push_back("down");
    return false;
  };
  QTest::mouseClick(label->Widget(), Qt::LeftButton, {}, QPoint(4, 6));
  EXPECT_EQ(log, (std::vector<std::string>{"down"}));
  // Disabled: nothing at all.
  log.clear();
  label->SetEnabled(false);
  QTest::mouseClick(label->Widget(), Qt::LeftButton, {}, QPoint(4, 6));
  EXPECT_TRUE(log.empty());
}

TEST_F(FrameworkWidgets, LabelStyleAndFingerPointerOnEnter) {
  auto* label = window->New<fw::Label>();
  window->AddControl("StaticText9", label);
  fw::LabelDesign design;
  design.Left = 35;
  design.Top = 101;
  design.Width = 277;
  design.Height = 16;
  design.Text = "http://example.com/";
  design.TextSize = 12;
  design.Underline = true;
  design.TextColor = fw::RGB(24, 34, 205);
  design.TextAlign = fw::Label::kAlignRight;
  label->SetProperties(design);
  auto* qt = static_cast<QLabel*>(label->Widget());
  EXPECT_EQ(label->Caption(), "http://example.com/");
  EXPECT_EQ(qt->text(), QStringLiteral("http://example.com/"));
  EXPECT_TRUE(qt->font().underline());
  EXPECT_EQ(qt->font().pixelSize(), 12);
  EXPECT_TRUE(qt->alignment() & Qt::AlignRight);
  EXPECT_EQ(qt->palette().color(QPalette::Active, QPalette::WindowText), QColor(24, 34, 205));
  EXPECT_EQ(qt->textFormat(), Qt::PlainText);
  std::vector<std::string> opened;
  fw::SetShowURLHookForTesting([&](const std::string& url) { opened.push_back(url); });
  label->MouseDown = [label](int, int) {
    fw::ShowURL(label->Caption());
    return false;
  };
  label->MouseEnter = [label] { label->SetMouseCursor(fw::System::Cursors::FingerPointer); };
  window->Show();
  QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), label->Widget()->mapToGlobal(QPointF(2, 2)));
  QApplication::sendEvent(label->Widget(), &enter);
  EXPECT_EQ(label->Cursor(), fw::MouseCursor::FingerPointer);
  EXPECT_EQ(label->Widget()->cursor().shape(), Qt::PointingHandCursor);
  QTest::mouseClick(label->Widget(), Qt::LeftButton, {}, QPoint(5, 5));
  fw::SetShowURLHookForTesting(nullptr);
  EXPECT_EQ(opened, (std::vector<std::string>{"http://example.com/"}));
}

}  // namespace
