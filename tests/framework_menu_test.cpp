// Menus: finding items, the menu update before every use, keyboard
// shortcuts (also from a window without a menu bar), and the Quit item.
#include <QAction>
#include <QEventLoop>
#include <QMenuBar>
#include <QTimer>

#include "framework/Application.h"
#include "framework/MenuItem.h"
#include "framework_support.h"

namespace {

using fwtest::FrameworkTest;

std::shared_ptr<fw::MenuItem> Item(const std::string& name, const std::string& text, const std::string& keys,
                                   bool autoEnable, int index = -1) {
  auto item = std::make_shared<fw::MenuItem>();
  item->SetName(name);
  item->SetText(text);
  item->SetKeyboardShortcut(keys);
  item->SetAutoEnable(autoEnable);
  item->SetIndex(index);
  return item;
}

class MenuWindow : public fw::Window {
 public:
  std::string ClassName() const override { return "MenuWindow.MenuWindow"; }
  void Layout() override {
    fw::WindowDesign design;
    design.Title = "Menus";
    design.Width = 200;
    design.Height = 100;
    design.Visible = false;
    SetProperties(design);
  }
  void AddMenuHandlers() override {
    AddMenuHandler("FileNew", std::function<bool()>([this] {
                     log.push_back("new");
                     return true;
                   }));
    AddMenuHandler("FileSave", std::function<bool()>([this] {
                     log.push_back("save");
                     return true;
                   }));
    AddMenuHandler("ThemeItem", std::function<bool(int)>([this](int index) {
                     log.push_back("theme" + std::to_string(index));
                     return true;
                   }));
  }
  void Event_EnableMenuItems() override {
    log.push_back("enable");
    if (saveAllowed) MenuBar()->Lookup("FileSave")->SetEnabled(true);
  }
  std::vector<std::string> log;
  bool saveAllowed = false;
};

class FrameworkMenu : public FrameworkTest {
 protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    bar = std::make_shared<fw::MenuBar>();
    auto file = Item("FileMenu", "File", "", true);
    file->Append(Item("FileNew", "New Game", "Cmd+N", true));
    file->Append(Item("FileSave", "Save", "Cmd+S", false));
    file->Append(Item("FileSep", "-", "", true));
    auto quit = std::make_shared<fw::QuitMenuItem>();
    quit->SetName("FileQuit");
    quit->SetText("Quit");
    quit->SetKeyboardShortcut("Cmd+Q");
    quit->SetAutoEnable(true);
    file->Append(quit);
    auto themes = Item("ThemeMenu", "Themes", "", true);
    auto sub = Item("ThemeSub", "More", "", true);
    for (int i = 0; i < 3; ++i) sub->Append(Item("ThemeItem", "Theme " + std::to_string(i), "", true, i));
    themes->Append(sub);
    bar->Append(file);
    bar->Append(themes);
    window = fw::ImplicitInstance<MenuWindow>("MenuWindow.MenuWindow");
    window->SetMenuBar(bar);
  }

  std::shared_ptr<fw::MenuBar> bar;
  MenuWindow* window = nullptr;
};

TEST_F(FrameworkMenu, LookupByNameAndIndexReachesSubmenus) {
  EXPECT_EQ(bar->Lookup("FileSave")->Text(), "Save");
  EXPECT_EQ(bar->Lookup("ThemeItem", 2)->Text(), "Theme 2");
  EXPECT_EQ(bar->Lookup("ThemeItem")->Index(), 0);
  EXPECT_FALSE(bar->Lookup("ThemeItem", 3));
  EXPECT_FALSE(bar->Lookup("Nothing"));
  EXPECT_EQ(bar->Child("FileMenu")->Child("FileNew")->Name(), "FileNew");
  EXPECT_FALSE(bar->Child("FileNew"));
  EXPECT_EQ(bar->Lookup("FileQuit")->Kind(), fw::MenuItem::ItemKind::Quit);
}

TEST_F(FrameworkMenu, UpdateAppliesAutoEnableThenTheWindowsChoice) {
  bar->Lookup("FileSave")->SetEnabled(true);
  window->UpdateMenus();
  EXPECT_TRUE(bar->Lookup("FileNew")->IsActive());
  EXPECT_FALSE(bar->Lookup("FileSave")->IsActive());
  EXPECT_TRUE(bar->Lookup("ThemeItem", 1)->IsActive());
  window->saveAllowed = true;
  window->UpdateMenus();
  EXPECT_TRUE(bar->Lookup("FileSave")->IsActive());
  // A disabled submenu makes its items unusable.
  bar->Lookup("ThemeSub")->SetEnabled(false);
  EXPECT_FALSE(bar->Lookup("ThemeItem", 1)->IsActive());
}

// A shortcut, or an item chosen with the mouse from a menu that was opened
// earlier: either way the menus are updated first, and an item disabled by
// then does nothing.
TEST_F(FrameworkMenu, ChoicesUpdateMenusFirstAndRunOnlyEnabledItems) {
  ASSERT_TRUE(fwtest::ShowActive(window));
  QWidget* top = window->TopLevelWidget();
  QTest::keyClick(top, Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(window->log, (std::vector<std::string>{"enable"}));
  window->saveAllowed = true;
  QTest::keyClick(top, Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(window->log, (std::vector<std::string>{"enable", "enable", "save"}));
  // A key without its Control does nothing.
  window->log.clear();
  QTest::keyClick(top, Qt::Key_N);
  EXPECT_TRUE(window->log.empty());

  // Save is enabled as its menu opens, and no longer by the time it is
  // clicked.
  window->UpdateMenus();
  QAction* save = bar->Lookup("FileSave")->Actions().front();
  ASSERT_TRUE(save->isEnabled());
  window->saveAllowed = false;
  window->log.clear();
  save->trigger();
  EXPECT_EQ(window->log, (std::vector<std::string>{"enable"}));
  EXPECT_FALSE(save->isEnabled());
}

// A choice on the menu bar during a handler is dropped; a shortcut waits for
// the handler to return and is then carried out, in the order given, as the
// menus allow at that moment.
TEST_F(FrameworkMenu, ShortcutsDuringAHandlerWaitForItAndOtherChoicesAreDropped) {
  ASSERT_TRUE(fwtest::ShowActive(window));
  bool chosen = true;
  fw::Dispatch([&] {
    QTest::keyClick(window->TopLevelWidget(), Qt::Key_N, Qt::ControlModifier);
    QTest::keyClick(window->TopLevelWidget(), Qt::Key_S, Qt::ControlModifier);
    chosen = window->ChooseMenuItem(bar->Lookup("FileNew"));
    EXPECT_TRUE(window->log.empty());
    window->saveAllowed = true;  // Save was disabled when its key was pressed
  });
  fwtest::SpinFor(30);
  EXPECT_FALSE(chosen);
  EXPECT_EQ(window->log, (std::vector<std::string>{"enable", "new", "enable", "save"}));
}

TEST_F(FrameworkMenu, AWindowWithoutAMenuBarTakesTheApplicationsThroughTheWindowShowingIt) {
  fwtest::PlainWindow* plain = Plain();
  ASSERT_TRUE(fwtest::ShowActive(plain));
  QWidget* top = plain->TopLevelWidget();
  QTest::keyClick(top, Qt::Key_N, Qt::ControlModifier);
  EXPECT_TRUE(window->log.empty()) << "no application menu bar yet";

  fw::RuntimeRegisterAppObject(std::make_unique<fw::Application>());
  fw::GetAppObject()->SetMenuBar(bar);
  QTest::keyClick(top, Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(window->log, (std::vector<std::string>{"enable"})) << "the menu window's update decides";
  window->saveAllowed = true;
  QTest::keyClick(top, Qt::Key_S, Qt::ControlModifier);
  QTest::keyClick(top, Qt::Key_N, Qt::ControlModifier);
  EXPECT_EQ(window->log, (std::vector<std::string>{"enable", "enable", "save", "enable", "new"}));
  window->log.clear();
  fw::Dispatch([&] {
    QTest::keyClick(top, Qt::Key_N, Qt::ControlModifier);
    EXPECT_TRUE(window->log.empty()) << "not during a handler";
  });
  fwtest::SpinFor(30);
  EXPECT_EQ(window->log, (std::vector<std::string>{"enable", "new"})) << "but once it has returned";
  // The window shows no menu bar, and its client area keeps its size.
  EXPECT_EQ(plain->TopLevelWidget()->menuWidget(), nullptr);
  EXPECT_EQ(plain->ContentWidget()->size(), QSize(320, 240));
}

TEST_F(FrameworkMenu, ArrayItemHandlerGetsTheChosenIndex) {
  window->UpdateMenus();
  EXPECT_TRUE(window->ChooseMenuItem(bar->Lookup("ThemeItem", 2)));
  EXPECT_EQ(window->log.back(), "theme2");
  // The Qt action of the item does the same.
  window->log.clear();
  const auto& actions = bar->Lookup("ThemeItem", 1)->Actions();
  ASSERT_FALSE(actions.empty());
  actions.front()->trigger();
  EXPECT_EQ(window->log, (std::vector<std::string>{"enable", "theme1"}));
}

TEST_F(FrameworkMenu, ShortcutIsShownAsCtrlKey) {
  const auto& actions = bar->Lookup("FileNew")->Actions();
  ASSERT_FALSE(actions.empty());
  EXPECT_TRUE(actions.front()->text().endsWith(QStringLiteral("\tCtrl+N"))) << actions.front()->text().toStdString();
  EXPECT_EQ(bar->Lookup("FileNew")->Shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
  EXPECT_TRUE(bar->Lookup("FileSep")->IsSeparator());
  // Checked and enabled states reach the action.
  bar->Lookup("FileNew")->SetChecked(true);
  EXPECT_TRUE(actions.front()->isChecked());
  bar->Lookup("FileNew")->SetEnabled(false);
  EXPECT_FALSE(actions.front()->isEnabled());
}

// Last in its process: once the application has been told to quit, no
// event loop runs again.
TEST_F(FrameworkMenu, CmdQQuitsTheProgram) {
  ASSERT_TRUE(fwtest::ShowActive(window));
  QEventLoop loop;
  QTimer::singleShot(0, [&] { QTest::keyClick(window->TopLevelWidget(), Qt::Key_Q, Qt::ControlModifier); });
  QTimer::singleShot(3000, &loop, [&] { loop.exit(99); });
  EXPECT_EQ(loop.exec(), 0);
}

}  // namespace
