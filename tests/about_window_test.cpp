// The about window: opening it from the menu, its one instance, its pages,
// the rules, the web-address label, the theme strip across its top and the
// menu keys while it is in front.
#include <QDir>
#include <QFile>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <string>
#include <vector>

#include "GameTestSupport.h"
#include "framework_support.h"
#include "about/frmAboutBox.h"
#include "app/Resources.h"
#include "framework/ShowURL.h"
#include "game/Module1.h"

namespace {

constexpr const char* kClassName = "frmAboutBox.frmAboutBox";

fw::Window* OpenAboutWindow() { return fw::Window::GetImplicitWindow(kClassName); }

// The rules, written out in full: seven paragraphs, two carriage returns
// after each.
const std::string kRules =
    "Object:  To collect the most gemstones by the end of the game.\r\r"
    "Note:  The large pocket, called the Velloru, to your right is yours.\r\r"
    "Playing:  One player starts the game by clicking on the pile of gems that he wishes to start with. He then "
    "places one in each pocket to the left. Include your Velloru as a space as you place the stones in the "
    "pockets.\r\r"
    "If there are enough stones to go past your Velloru, continue placing them into your opponent's pockets. "
    "However, skip his Velloru when placing stones.\r\r"
    "If your last stone ends up in your Velloru, you get to take another turn.\r\r"
    "If the last stone you place ends in an empty pocket on your side of the board, you get to take that stone. "
    "Plus you get to take all of your opponent's stones that are in the opposite pocket and place them in your "
    "own Velloru.\r\r"
    "Winning the Game:  The game ends when all six pockets on one side of the gameboard are empty. The other "
    "player takes the remaining stones from his pockets and places them in his Velloru. The player with the most "
    "gems wins.\r\r";

class AboutWindow : public GameTest {
 protected:
  void TearDown() override {
    fw::SetShowURLHookForTesting(nullptr);
    GameTest::TearDown();
  }

  // Chooses "About Velloru" and returns the window it shows.
  frmAboutBox* ChooseAbout() {
    EXPECT_TRUE(Choose("mnuAbout"));
    auto* about = dynamic_cast<frmAboutBox*>(OpenAboutWindow());
    EXPECT_NE(about, nullptr);
    return about;
  }

  // Chooses the Themes item with the given index (theme index + 1).
  static void ChooseTheme(int index) { ASSERT_TRUE(Choose("mnuThemePicker", index)); }

  // The controls of each page, by name.
  static std::vector<fw::RectControl*> PageControls(frmAboutBox* about, int page) {
    switch (page) {
      case 1:
        return {about->StaticText1(), about->StaticText3(), about->StaticText4(),  about->StaticText5(),
                about->StaticText2(), about->StaticText16(), about->StaticText18(), about->StaticText19(),
                about->Canvas1()};
      case 2:
        return {about->StaticText6(), about->StaticText7(), about->StaticText8(), about->StaticText9()};
      default:
        return {about->EditField1()};
    }
  }
};

// --- Opening, the one instance, closing ---------------------------------

TEST_F(AboutWindow, OpensFromTheMenuAsAFixedWindowOnTheAboutTab) {
  EXPECT_EQ(OpenAboutWindow(), nullptr) << "no about window at start";
  EXPECT_FALSE(Module1::AboutIsUp);

  frmAboutBox* about = ChooseAbout();
  ASSERT_NE(about, nullptr);
  EXPECT_TRUE(Module1::AboutIsUp);
  EXPECT_TRUE(about->Visible());
  EXPECT_EQ(frmAboutBox::Instance(), about);
  EXPECT_EQ(about->Title(), "About Velloru");
  EXPECT_EQ(about->TabPanel1()->Value(), 0);
  ASSERT_NE(about->Backdrop(), nullptr);
  EXPECT_EQ(about->Backdrop(), Module1::AboutBox);
  EXPECT_EQ(about->EditField1()->Text(), kRules);

  EXPECT_EQ(about->ContentWidget()->size(), QSize(580, 347));
  EXPECT_EQ(about->ContentWidget()->minimumSize(), about->ContentWidget()->maximumSize()) << "not resizable";
  EXPECT_EQ(about->MenuBar(), nullptr);
  const Qt::WindowFlags flags = about->TopLevelWidget()->windowFlags();
  EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_TRUE(dialogs.empty());
}

TEST_F(AboutWindow, ChoosingAboutAgainShowsTheSameWindowWithoutReopeningIt) {
  frmAboutBox* about = ChooseAbout();
  ASSERT_NE(about, nullptr);
  // Marks that Event_Open would undo if it ran again.
  about->EditField1()->SetText("left alone");
  about->TabPanel1()->SetValue(2);
  about->Hide();

  EXPECT_EQ(ChooseAbout(), about);
  EXPECT_EQ(fw::Window::OpenWindows().size(), 2u);
  EXPECT_TRUE(about->Visible()) << "shown again";
  EXPECT_EQ(about->EditField1()->Text(), "left alone");
  EXPECT_EQ(about->TabPanel1()->Value(), 2);
}

TEST_F(AboutWindow, ClosingItAndChoosingAgainBuildsAFreshWindowInTheNewTheme) {
  frmAboutBox* first = ChooseAbout();
  ASSERT_NE(first, nullptr);
  first->TabPanel1()->SetValue(2);

  first->RequestCloseFromSystem();  // the close button
  EXPECT_FALSE(Module1::AboutIsUp);
  EXPECT_EQ(OpenAboutWindow(), nullptr);
  EXPECT_FALSE(W().IsClosed()) << "closing the about window does not quit";

  ChooseTheme(4);  // "Galaxy", while the window is closed
  EXPECT_EQ(OpenAboutWindow(), nullptr) << "a theme change opens no about window";
  EXPECT_EQ(fw::Window::OpenWindows().size(), 1u);

  frmAboutBox* second = ChooseAbout();
  ASSERT_NE(second, nullptr);
  EXPECT_TRUE(Module1::AboutIsUp);
  EXPECT_EQ(second->Backdrop(), Module1::AboutBox);
  EXPECT_EQ(second->TabPanel1()->Value(), 0) << "nothing survives between openings";
  EXPECT_EQ(second->EditField1()->Text(), kRules);
}

// --- Theme changes -------------------------------------------------------

TEST_F(AboutWindow, AThemeChangeRepaintsTheOpenWindowWithTheNewStrip) {
  frmAboutBox* about = ChooseAbout();
  ASSERT_NE(about, nullptr);
  const fw::PicturePtr before = about->Backdrop();
  const QImage beforePixels = before->DrawingImage();
  about->Canvas1()->Contents();
  ASSERT_FALSE(about->Canvas1()->RefreshPending());

  ChooseTheme(0);  // "Cow"
  EXPECT_EQ(OpenAboutWindow(), about);
  EXPECT_EQ(about->Backdrop(), Module1::AboutBox);
  EXPECT_NE(about->Backdrop(), before);
  EXPECT_NE(about->Backdrop()->DrawingImage(), beforePixels) << "the cow strip differs from the hi-tech one";
  EXPECT_TRUE(about->Canvas1()->RefreshPending()) << "the whole window is drawn again";
  EXPECT_TRUE(Module1::AboutIsUp);
}

TEST_F(AboutWindow, AThemeChangeWithTheWindowNeverOpenedOpensNothing) {
  ChooseTheme(6);
  EXPECT_EQ(OpenAboutWindow(), nullptr);
  EXPECT_FALSE(Module1::AboutIsUp);
}

// --- The pages -----------------------------------------------------------

TEST_F(AboutWindow, TheControlsSitAtTheirWindowPlacesOnTheirPages) {
  frmAboutBox* about = ChooseAbout();
  ASSERT_NE(about, nullptr);
  fw::TabPanel* panel = about->TabPanel1();
  EXPECT_EQ(panel->ParentControl(), nullptr);
  EXPECT_EQ(panel->Widget()->geometry(), QRect(13, 157, 554, 177));
  EXPECT_EQ(panel->TabDefinition(), "About\rContact Info\rRules");
  EXPECT_EQ(panel->Caption(1), "Contact Info");

  struct Expected {
    fw::RectControl* control;
    QRect box;
  };
  const Expected placed[] = {
      {about->StaticText1(), {249, 204, 307, 16}},  {about->StaticText3(), {249, 248, 138, 18}},
      {about->StaticText4(), {22, 311, 534, 16}},   {about->StaticText5(), {510, 319, 52, 15}},
      {about->StaticText6(), {22, 197, 60, 16}},    {about->StaticText7(), {35, 220, 178, 16}},
      {about->StaticText8(), {22, 278, 60, 16}},    {about->StaticText9(), {35, 301, 277, 16}},
      {about->EditField1(), {22, 191, 535, 136}},   {about->StaticText2(), {249, 229, 138, 18}},
      {about->StaticText16(), {399, 248, 155, 18}}, {about->StaticText18(), {399, 229, 155, 18}},
      {about->StaticText19(), {399, 267, 155, 18}}, {about->Canvas1(), {22, 223, 215, 62}},
  };
  for (const Expected& e : placed) {
    SCOPED_TRACE(e.control->Name());
    EXPECT_EQ(e.control->ParentControl(), panel);
    const QPoint corner = e.control->Widget()->mapTo(about->ContentWidget(), QPoint(0, 0));
    EXPECT_EQ(QRect(corner, e.control->Widget()->size()), e.box);
  }

  EXPECT_EQ(about->StaticText1()->TextSize(), 14);
  EXPECT_TRUE(about->StaticText1()->Bold());
  EXPECT_EQ(about->StaticText5()->Caption(), "v1.3.2");
  EXPECT_EQ(about->StaticText5()->TextSize(), 9);
  EXPECT_EQ(about->StaticText5()->TextAlign(), fw::Label::kAlignRight);
  EXPECT_EQ(about->StaticText4()->TextAlign(), fw::Label::kAlignCenter);
  EXPECT_TRUE(about->StaticText18()->Bold());
  EXPECT_FALSE(about->StaticText19()->Bold());
  EXPECT_EQ(about->StaticText7()->Caption(), "support@velloru.example");
  EXPECT_EQ(about->StaticText9()->TextColor(), fw::RGB(24, 34, 205));
  EXPECT_TRUE(about->StaticText9()->Underline());
  EXPECT_FALSE(about->StaticText8()->Underline());
  EXPECT_EQ(about->EditField1()->TextSize(), 12);
  EXPECT_EQ(about->Canvas1()->Backdrop(), YrkLogo3x2());
  EXPECT_NE(about->Canvas1()->Backdrop(), nullptr);
}

TEST_F(AboutWindow, OnlyTheCurrentPagesControlsAreShown) {
  frmAboutBox* about = ChooseAbout();
  ASSERT_NE(about, nullptr);
  fw::TabPanel* panel = about->TabPanel1();
  for (int value = 0; value < 3; ++value) {
    SCOPED_TRACE(value);
    // As the user does it: a click on the tab.
    QTabBar* tabs = panel->TabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, Qt::NoModifier, tabs->tabRect(value).center());
    ASSERT_EQ(panel->Value(), value);
    for (int page = 1; page <= 3; ++page) {
      for (fw::RectControl* control : PageControls(about, page)) {
        SCOPED_TRACE(control->Name());
        EXPECT_EQ(control->Widget()->isVisibleTo(about->ContentWidget()), page == value + 1);
      }
    }
  }
}

// --- The rules -----------------------------------------------------------

TEST_F(AboutWindow, TheRulesAreExactAndCannotBeEdited) {
  frmAboutBox* about = ChooseAbout();
  ASSERT_NE(about, nullptr);
  about->TabPanel1()->SetValue(2);
  fw::TextArea* rules = about->EditField1();
  EXPECT_EQ(rules->Text(), kRules);
  // On the screen each paragraph starts a line of its own, an empty line
  // between.
  EXPECT_TRUE(rules->Editor()->toPlainText().startsWith(
      QStringLiteral("Object:  To collect the most gemstones by the end of the game.\n\nNote:  ")));

  EXPECT_TRUE(rules->ReadOnly());
  EXPECT_EQ(rules->Editor()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  rules->Editor()->setFocus();
  QTest::keyClicks(rules->Editor(), "typed");
  QTest::keyClick(rules->Editor(), Qt::Key_Backspace);
  EXPECT_EQ(rules->Text(), kRules);
}

// --- The web-address label -----------------------------------------------

TEST_F(AboutWindow, TheWebAddressShowsTheFingerAndOpensItsCaption) {
  std::vector<std::string> opened;
  fw::SetShowURLHookForTesting([&opened](const std::string& url) { opened.push_back(url); });
  frmAboutBox* about = ChooseAbout();
  ASSERT_NE(about, nullptr);
  about->TabPanel1()->SetValue(1);
  fw::Label* web = about->StaticText9();

  EXPECT_EQ(web->Cursor(), fw::MouseCursor::Standard);
  web->HandleMouseEnter();
  EXPECT_EQ(web->Cursor(), fw::System::Cursors::FingerPointer);
  EXPECT_EQ(web->Widget()->cursor().shape(), Qt::PointingHandCursor);

  EXPECT_FALSE(web->HandleMouseDown(10, 5)) << "no MouseUp follows the press";
  EXPECT_EQ(opened, (std::vector<std::string>{"https://velloru.example"}));

  // It opens whatever the label shows; a real click comes the same way.
  web->SetCaption("https://velloru.example/rules");
  QTest::mouseClick(web->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(10, 5));
  EXPECT_EQ(opened, (std::vector<std::string>{"https://velloru.example", "https://velloru.example/rules"}));

  // The other labels take no clicks.
  EXPECT_FALSE(about->StaticText7()->HandleMouseDown(5, 5));
  EXPECT_EQ(opened.size(), 2u);
  EXPECT_TRUE(dialogs.empty());
}

// --- The menu keys while it is in front -------------------------------------

TEST_F(AboutWindow, ItsMenuKeysReachTheGameWindowAsItsMenusAllowAndCtrlQQuits) {
  frmAboutBox* about = ChooseAbout();
  ASSERT_NE(about, nullptr);
  ASSERT_TRUE(fwtest::ShowActive(about));
  QWidget* top = about->TopLevelWidget();
  QTest::keyClick(top, Qt::Key_N, Qt::ControlModifier);
  EXPECT_TRUE(dialogs.empty()) << "New Game is disabled before the first move";
  QTest::keyClick(top, Qt::Key_T, Qt::ControlModifier);
  EXPECT_EQ(W().PlayersTurn, 2);
  Click(9);
  QTest::keyClick(top, Qt::Key_T, Qt::ControlModifier);
  EXPECT_EQ(W().PlayersTurn, 1) << "Switch Turn is disabled once the game is under way";
  QTest::keyClick(top, Qt::Key_N, Qt::ControlModifier);
  EXPECT_EQ(dialogs.size(), 1u) << "New Game asks";
  EXPECT_FALSE(W().GameStarted);
  EXPECT_EQ(about->TopLevelWidget()->menuWidget(), nullptr);

  // The application leaves its event loop with status 0.
  EXPECT_EQ(fwtest::ExecUntilQuit([top] { QTest::keyClick(top, Qt::Key_Q, Qt::ControlModifier); }), 0);
}

// --- A missing logo ------------------------------------------------------

// Every resource file but the logo.
class AboutWindowWithoutLogo : public AboutWindow {
 protected:
  AboutWindowWithoutLogo() {
    const QDir from(QStringLiteral(VELLORU_TEST_RESOURCES_DIR));
    for (const QString& name : from.entryList(QDir::Files)) {
      if (name != QStringLiteral("YrkLogo3x2.bmp")) QFile::copy(from.filePath(name), QDir(dir_.path()).filePath(name));
    }
  }
  std::string ResourcesFolder() const override { return dir_.path().toStdString(); }

  QTemporaryDir dir_;
};

TEST_F(AboutWindowWithoutLogo, TheLogoCanvasStaysEmptyAndTheWindowStillBuilds) {
  ASSERT_EQ(YrkLogo3x2(), nullptr);
  ASSERT_NE(hitechtheme(), nullptr) << "the other files are there";

  frmAboutBox* about = ChooseAbout();
  ASSERT_NE(about, nullptr);
  EXPECT_EQ(about->Canvas1()->Backdrop(), nullptr);
  EXPECT_EQ(about->Canvas1()->Contents().pixel(10, 10), 0u) << "nothing drawn";
  EXPECT_EQ(about->Backdrop(), Module1::AboutBox);
  EXPECT_EQ(about->EditField1()->Text(), kRules);
  EXPECT_TRUE(Module1::AboutIsUp);
  EXPECT_TRUE(dialogs.empty());
}

}  // namespace
