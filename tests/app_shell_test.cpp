// Start-up, the menu tree and the resource files.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtEndian>
#include <tuple>

#include "GameTestSupport.h"
#include "app/Menu.h"
#include "app/Resources.h"
#include "framework/Window.h"
#include "game/Module1.h"

namespace {

struct Row {
  const char* parent;
  const char* name;
  fw::MenuItem::ItemKind kind;
  const char* text;
  const char* shortcut;
  bool autoEnable;
  int index;
};

using K = fw::MenuItem::ItemKind;

// The whole tree in build order.
const Row kTree[] = {
    {"", "UntitledMenu0", K::Normal, "File", "", false, -1},
    {"UntitledMenu0", "mnuReset", K::Normal, "New Game", "Cmd+N", false, -1},
    {"UntitledMenu0", "mnuD2", K::Normal, "-", "", false, -1},
    {"UntitledMenu0", "FileQuit", K::Quit, "Quit", "Cmd+Q", true, -1},
    {"", "mnuGame", K::Normal, "Game", "", false, -1},
    {"mnuGame", "mnuSwitch", K::Normal, "Switch Turn", "Cmd+T", false, -1},
    {"mnuGame", "mnuDash", K::Normal, "-", "", false, -1},
    {"mnuGame", "mnuHvH", K::Normal, "Human Vs Human", "Cmd+2", false, -1},
    {"mnuGame", "mnuHvC", K::Normal, "Human Vs Computer", "Cmd+1", false, -1},
    {"mnuGame", "mnuNetworkGame", K::Normal, "Start Network Game", "", true, -1},
    {"mnuGame", "mnuStopNetwork", K::Normal, "Stop Network Game", "", false, -1},
    {"", "mnuOptions", K::Normal, "Options", "", false, -1},
    {"mnuOptions", "mnuGems", K::Normal, "Gems", "", false, -1},
    {"mnuGems", "mnuG3", K::Normal, "3", "Cmd+3", false, -1},
    {"mnuGems", "mnuG4", K::Normal, "4", "Cmd+4", false, -1},
    {"mnuGems", "mnuG5", K::Normal, "5", "Cmd+5", false, -1},
    {"mnuGems", "mnuG6", K::Normal, "6", "Cmd+6", false, -1},
    {"mnuOptions", "mnuLevel", K::Normal, "Level", "", true, -1},
    {"mnuLevel", "mnuFair", K::Normal, "Level 1", "", false, -1},
    {"mnuLevel", "mnuGood", K::Normal, "Level 2", "", false, -1},
    {"mnuLevel", "mnuBest", K::Normal, "Level 3", "", false, -1},
    {"mnuLevel", "mnuLevel4", K::Normal, "Level 4", "", false, -1},
    {"mnuOptions", "mnuShowMoves", K::Normal, "Show Moves", "Cmd+M", false, -1},
    {"mnuOptions", "mnuLeaveGem", K::Normal, "Leave Capturing Gem", "Cmd+L", false, -1},
    {"mnuOptions", "mnuSound", K::Normal, "Sound", "Cmd+S", false, -1},
    {"", "mnuThemes", K::Normal, "Themes", "", false, -1},
    {"mnuThemes", "mnuThemePicker", K::Normal, "Cow", "", true, 0},
    {"mnuThemes", "mnuThemePicker", K::Normal, "Hi-Tech", "", true, 1},
    {"mnuThemes", "mnuThemePicker", K::Normal, "Original", "", true, 2},
    {"mnuThemes", "mnuThemePicker", K::Normal, "Circuits", "", true, 3},
    {"mnuThemes", "mnuThemePicker", K::Normal, "Galaxy", "", true, 4},
    {"mnuThemes", "mnuThemePicker", K::Normal, "Heaven", "", true, 5},
    {"mnuThemes", "mnuThemePicker", K::Normal, "Nature", "", true, 6},
    {"mnuThemes", "mnuThemePicker", K::Normal, "Oak", "", true, 7},
    {"mnuThemes", "mnuAbout", K::Apple, "About Velloru", "Cmd+A", false, -1},
};

// The tree flattened depth first, in the order the items stand.
void Flatten(const fw::MenuItem& parent, std::vector<std::pair<std::string, fw::MenuItemPtr>>& out) {
  for (int i = 0; i < parent.Count(); ++i) {
    fw::MenuItemPtr item = parent.Item(i);
    out.emplace_back(parent.Kind() == K::Bar ? "" : parent.Name(), item);
    Flatten(*item, out);
  }
}

}  // namespace

TEST(MenuTree, MatchesTheTableItemForItem) {
  std::shared_ptr<Menu> menu = Menu::Instance();
  std::vector<std::pair<std::string, fw::MenuItemPtr>> items;
  Flatten(*menu, items);
  ASSERT_EQ(items.size(), std::size(kTree));
  int autoEnabled = 0;
  for (std::size_t i = 0; i < items.size(); ++i) {
    const Row& row = kTree[i];
    const fw::MenuItemPtr& item = items[i].second;
    SCOPED_TRACE(row.name);
    EXPECT_EQ(items[i].first, row.parent);
    EXPECT_EQ(item->Name(), row.name);
    EXPECT_EQ(item->Kind(), row.kind);
    EXPECT_EQ(item->Text(), row.text);
    EXPECT_EQ(item->KeyboardShortcut(), row.shortcut);
    EXPECT_EQ(item->AutoEnable(), row.autoEnable);
    EXPECT_EQ(item->Index(), row.index);
    // Nothing is checked or disabled by building the tree.
    EXPECT_FALSE(item->Checked());
    EXPECT_TRUE(item->Enabled());
    if (row.autoEnable) ++autoEnabled;
  }
  EXPECT_EQ(autoEnabled, 11);
  // 31 items beneath the four menus.
  EXPECT_EQ(items.size() - 4, 31u);
  Menu::Release();
}

TEST(MenuTree, IsBuiltOnceAndThemeItemsAreFoundByIndex) {
  std::shared_ptr<Menu> first = Menu::Instance();
  std::shared_ptr<Menu> second = Menu::Instance();
  EXPECT_EQ(first, second);
  EXPECT_EQ(first->Count(), 4);
  for (int i = 0; i < 8; ++i) {
    fw::MenuItemPtr item = first->Lookup("mnuThemePicker", i);
    ASSERT_TRUE(item);
    EXPECT_EQ(item->Index(), i);
  }
  EXPECT_FALSE(first->Lookup("mnuThemePicker", 8));
  // The lookup reaches into submenus.
  EXPECT_EQ(first->Lookup("mnuLevel4")->Text(), "Level 4");
  EXPECT_EQ(first->Lookup("mnuG6")->Shortcut().toString().toStdString(), "Ctrl+6");
  Menu::Release();
}

class StartupTest : public GameTest {};

TEST_F(StartupTest, OpensOnlyTheGameWindowWithTheDefaults) {
  const std::vector<fw::Window*> windows = fw::Window::OpenWindows();
  ASSERT_EQ(windows.size(), 1u);
  EXPECT_EQ(windows[0], Window1::Instance());
  EXPECT_EQ(W().Title(), "Velloru");
  EXPECT_EQ(W().Width(), 600);
  EXPECT_EQ(W().Height(), 300);
  EXPECT_EQ(W().PlayersTurn, 1);
  EXPECT_FALSE(W().IsComputer);
  EXPECT_FALSE(W().GameStarted);
  EXPECT_FALSE(W().GameOver);
  EXPECT_FALSE(W().isNetworkGame);
  EXPECT_EQ(W().GemCount, 4);
  EXPECT_EQ(W().myLevel, 3);
  EXPECT_EQ(W().clevel, 8);
  EXPECT_TRUE(W().ShowMoves);
  EXPECT_TRUE(W().UseSounds);
  EXPECT_FALSE(W().LeaveGem);
  EXPECT_EQ(Board(), (std::array<int, 14>{4, 4, 4, 4, 4, 4, 0, 4, 4, 4, 4, 4, 4, 0}));
  // The application and the window share one menu tree; Hi-Tech is checked.
  EXPECT_EQ(W().MenuBar(), App::Instance()->MenuBar());
  EXPECT_TRUE(W().mnuThemePicker(1)->Checked());
  for (int i = 0; i < 8; ++i) EXPECT_EQ(W().mnuThemePicker(i)->Checked(), i == 1);
  EXPECT_EQ(FileQuit(), W().FileQuit());
  ASSERT_NE(fw::PluginEntrypoints(), nullptr) << "start-up allocates the plug-in table";
  EXPECT_TRUE(fw::PluginEntrypoints()->empty());
}

TEST_F(StartupTest, ControlsStandAtTheirPlaces) {
  for (int h = 1; h <= 14; ++h) {
    SCOPED_TRACE(h);
    fw::Canvas* hole = W().Canvas1(h);
    EXPECT_EQ(hole->Index(), h);
    EXPECT_TRUE(hole->Visible());
    if (h == 7 || h == 14) {
      EXPECT_EQ(hole->Left(), h == 7 ? 495 : 9);
      EXPECT_EQ(hole->Top(), 20);
      EXPECT_EQ(hole->Width(), 96);
      EXPECT_EQ(hole->Height(), 259);
    } else {
      EXPECT_EQ(hole, W().Pits[static_cast<std::size_t>(h)]);
      EXPECT_EQ(hole->Left(), h < 7 ? 65 * h + 40 : 65 * (14 - h) + 40);
      EXPECT_EQ(hole->Top(), h < 7 ? 20 : 214);
      EXPECT_EQ(hole->Width(), 65);
      EXPECT_EQ(hole->Height(), 65);
    }
    fw::Canvas* dot = W().Canvas4(h);
    EXPECT_EQ(dot, W().Dots[static_cast<std::size_t>(h)]);
    EXPECT_FALSE(dot->Visible());
    EXPECT_EQ(dot->Width(), 15);
  }
  EXPECT_EQ(W().Canvas4(7)->Left(), 474);
  EXPECT_EQ(W().Canvas4(14)->Top(), 165);
  EXPECT_EQ(W().Canvas4(3)->Left(), 65 * 3 + 67);
  EXPECT_EQ(W().Canvas4(10)->Top(), 196);
  EXPECT_FALSE(W().Canvas1(0)->Visible());
  EXPECT_FALSE(W().Canvas4(0)->Visible());
  EXPECT_TRUE(W().LeftTurn()->Visible());
  EXPECT_FALSE(W().RightTurn()->Visible());
  EXPECT_FALSE(W().Canvas6()->Visible());
  EXPECT_FALSE(W().ProgressBar1()->Visible());
  EXPECT_EQ(W().ProgressBar1()->Maximum(), 6);
  EXPECT_EQ(W().Pits[0], nullptr);
  EXPECT_EQ(W().Pits[7], nullptr);
  EXPECT_EQ(W().Pits[14], nullptr);
  EXPECT_EQ(W().Dots[0], nullptr);
  // Exactly the twelve pits and two stores beside the template.
  EXPECT_EQ(W().ControlByNameIndex("Canvas1", 15), nullptr);
  EXPECT_EQ(W().ControlByNameIndex("Canvas4", 15), nullptr);
}

TEST_F(StartupTest, TheWindowHasAFixedClientAreaBelowItsMenuBar) {
  QMainWindow* top = W().TopLevelWidget();
  EXPECT_EQ(W().ContentWidget()->size(), QSize(600, 300));
  EXPECT_EQ(W().ContentWidget()->minimumSize(), W().ContentWidget()->maximumSize());
  ASSERT_NE(top->menuWidget(), nullptr);
  EXPECT_GE(W().ContentWidget()->y(), top->menuWidget()->height());
  EXPECT_TRUE(top->windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_TRUE(top->windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(top->windowFlags() & Qt::WindowMaximizeButtonHint);
}

TEST_F(StartupTest, TheAccessorReturnsTheOneWindow) {
  EXPECT_EQ(Window1::Instance(), Window1::Instance());
  EXPECT_EQ(fw::Window::OpenWindows().size(), 1u);
}

TEST_F(StartupTest, AnEscapedNilObjectIsReportedAndTheGameGoesOn) {
  fw::Dispatch([] {
    fw::Canvas* nothing = nullptr;
    fw::NotNil(nothing)->Refresh(true);
  });
  ASSERT_EQ(dialogs.size(), 1u);
  EXPECT_NE(dialogs[0].Message.find("NilObjectException"), std::string::npos);
  Click(1);
  EXPECT_EQ(W().PitsCount[1], 0);
}

// The resource accessors, against a folder the test fills.
class ResourceFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    fw::SetResourcesFolderForTesting(dir_.path().toStdString());
  }
  void TearDown() override {
    ReleaseResources();
    fw::SetResourcesFolderForTesting("");
  }
  void CopyIn(const char* name) {
    ASSERT_TRUE(QFile::copy(QDir(VELLORU_TEST_RESOURCES_DIR).filePath(name), dir_.filePath(name)));
  }
  void WritePicture(const char* name) {
    QImage image(20, 10, QImage::Format_RGB32);
    image.fill(Qt::white);
    ASSERT_TRUE(image.save(dir_.filePath(name)));
  }
  QTemporaryDir dir_;
};

TEST_F(ResourceFiles, ASoundIsTriedOnceOnly) {
  EXPECT_EQ(Drop(), nullptr);
  CopyIn("Drop.wav");
  EXPECT_EQ(Drop(), nullptr) << "a sound missing at the first call stays missing";
  CopyIn("Winner.wav");
  fw::SoundPtr winner = Winner();
  ASSERT_NE(winner, nullptr);
  EXPECT_EQ(Winner(), winner);
}

TEST_F(ResourceFiles, APictureIsRetriedWhileMissingThenKept) {
  EXPECT_EQ(galaxytheme(), nullptr);
  EXPECT_EQ(galaxytheme(), nullptr);
  WritePicture("galaxy theme.png");
  fw::PicturePtr galaxy = galaxytheme();
  ASSERT_NE(galaxy, nullptr);
  EXPECT_EQ(galaxytheme(), galaxy);
  QFile::remove(dir_.filePath("galaxy theme.png"));
  EXPECT_EQ(galaxytheme(), galaxy) << "a loaded picture does not touch the file again";
  EXPECT_EQ(galaxy->Transparent(), 0);
}

TEST_F(ResourceFiles, OakAndTheLogoComeBackTransparent) {
  WritePicture("oak theme.png");
  WritePicture("YrkLogo3x2.bmp");
  WritePicture("cow theme.png");
  ASSERT_NE(oaktheme(), nullptr);
  EXPECT_EQ(oaktheme()->Transparent(), 1);
  ASSERT_NE(YrkLogo3x2(), nullptr);
  EXPECT_EQ(YrkLogo3x2()->Transparent(), 1);
  EXPECT_EQ(cowtheme()->Transparent(), 0);
}

TEST_F(ResourceFiles, AnUnreadableFileIsNil) {
  QFile junk(dir_.filePath("Steal.wav"));
  ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
  junk.write("not a sound at all");
  junk.close();
  QFile junkPicture(dir_.filePath("heaven theme.png"));
  ASSERT_TRUE(junkPicture.open(QIODevice::WriteOnly));
  junkPicture.write("not a picture");
  junkPicture.close();
  EXPECT_EQ(Steal(), nullptr);
  EXPECT_EQ(heaventheme(), nullptr);
}

TEST_F(ResourceFiles, ADamagedSoundIsNilAndTheGameSoundsLoad) {
  const QDir real(VELLORU_TEST_RESOURCES_DIR);
  for (const char* name : {"Drop.wav", "Pickup.wav", "Steal.wav", "Winner.wav", "Loser.wav"}) {
    EXPECT_NE(fw::FolderItem(real.filePath(name).toStdString()).OpenAsSound(), nullptr) << name;
  }
  QFile source(real.filePath("Winner.wav"));
  ASSERT_TRUE(source.open(QIODevice::ReadOnly));
  const QByteArray good = source.readAll();
  const qsizetype dataAt = good.indexOf("data");
  ASSERT_GT(dataAt, 12);
  auto withU32 = [](QByteArray bytes, qsizetype at, quint32 value) {
    qToLittleEndian(value, bytes.data() + at);
    return bytes;
  };
  const quint32 riffSize = qFromLittleEndian<quint32>(good.constData() + 4);
  const quint32 dataSize = qFromLittleEndian<quint32>(good.constData() + dataAt + 4);
  const std::pair<const char*, QByteArray> damaged[] = {
      {"cut short", good.left(good.size() - 1000)},
      {"cut in the header", good.left(30)},
      {"data chunk past the end", withU32(good, dataAt + 4, dataSize + 2)},
      {"RIFF size too large", withU32(good, 4, riffSize + 64)},
      {"RIFF size too small", withU32(good, 4, riffSize - 64)},
      {"no format chunk", withU32(good, 12, 0x20746d66u ^ 0x01000000u)},
      {"a picture", QByteArray("\x89PNG\r\n\x1a\n") + good.mid(8)},
  };
  // Writes the bytes as the named file in the resources folder and opens it.
  auto openWritten = [&](const char* name, const QByteArray& bytes) {
    QFile file(dir_.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
    file.close();
    return fw::FolderItem(file.fileName().toStdString()).OpenAsSound();
  };
  for (const auto& [what, bytes] : damaged) EXPECT_EQ(openWritten("Winner.wav", bytes), nullptr) << what;
  EXPECT_EQ(Winner(), nullptr) << "the accessor gives the nil on";

  // Readable all the same: a tag appended after the RIFF chunk, and a data
  // chunk (the file's last) that ends in a partial sample frame.
  ASSERT_EQ(dataAt + 8 + dataSize, good.size()) << "the data chunk ends the file";
  const std::pair<const char*, QByteArray> playable[] = {
      {"bytes after the sound", good + QByteArray("TAG extra bytes some tools append")},
      {"a partial last frame", withU32(withU32(good, 4, riffSize + 1), dataAt + 4, dataSize + 1) + '\0'},
  };
  for (const auto& [what, bytes] : playable) EXPECT_NE(openWritten("Loser.wav", bytes), nullptr) << what;
}

// With no resources at all the window still opens, blank but alive.
class NoResources : public GameTest {
 protected:
  std::string ResourcesFolder() const override { return "/nonexistent/velloru-resources"; }
};

TEST_F(NoResources, TheWindowOpensBlankAndPlaysSilently) {
  ASSERT_NE(Module1::board, nullptr);
  EXPECT_EQ(Module1::board->Width(), 600);
  EXPECT_EQ(W().Title(), "Velloru");
  W().DoPlay(3, false);
  EXPECT_EQ(Board(), (std::array<int, 14>{4, 4, 0, 5, 5, 5, 1, 4, 4, 4, 4, 4, 4, 0}));
  EXPECT_TRUE(sounds.empty());
  EXPECT_TRUE(dialogs.empty());
}

// Sound files that appear only after the game has started.
class LateSounds : public GameTest {
 protected:
  std::string ResourcesFolder() const override { return dir_.path().toStdString(); }
  QTemporaryDir dir_;
};

TEST_F(LateSounds, AMoveWithSoundOffReadsNoSoundFile) {
  // Pit 5's gem lands in the empty pit 6 facing 3 gems: a capture that
  // empties row 1 and ends the game, so every kind of sound is due.
  const std::array<int, 14> capturingEnd{0, 0, 0, 0, 1, 0, 10, 3, 0, 0, 0, 0, 0, 10};
  W().UseSounds = false;
  SetBoard(capturingEnd);
  W().DoPlay(5, false);
  ASSERT_TRUE(W().GameOver);
  for (const char* name : {"Drop.wav", "Pickup.wav", "Steal.wav", "Winner.wav", "Loser.wav"}) {
    ASSERT_TRUE(QFile::copy(QDir(VELLORU_TEST_RESOURCES_DIR).filePath(name), dir_.filePath(name)));
  }
  W().UseSounds = true;
  SetBoard(capturingEnd);
  W().DoPlay(5, false);
  EXPECT_EQ(sounds, (std::vector<std::string>{"Pickup.wav", "Drop.wav", "Steal.wav", "Winner.wav"}))
      << "the first move with sounds on makes the first sound reads";
}
