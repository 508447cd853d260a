// The picture set cut from a theme strip, the per-hole caches, and what a
// hole shows.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include "GameTestSupport.h"
#include "app/Resources.h"
#include "framework/Graphics.h"
#include "game/Module1.h"

namespace {

// A strip larger than needed, each part filled with its own colour.
QImage ColouredStrip(int width, int height) {
  QImage strip(width, height, QImage::Format_RGB32);
  strip.fill(QColor(10, 20, 30));
  QPainter painter(&strip);
  int shade = 0;
  for (const Module1::StripPart& part : Module1::kStripParts) {
    painter.fillRect(QRect(0, part.top, part.width, part.height), QColor(40 + shade, 100, 200 - shade));
    shade += 20;
  }
  return strip;
}

}  // namespace

TEST(PictureSet, IsCutAtFixedSizesWhateverTheStripsSize) {
  QTemporaryDir dir;
  ASSERT_TRUE(ColouredStrip(700, 1000).save(QDir(dir.path()).filePath("circuits theme.png")));
  fw::SetResourcesFolderForTesting(dir.path().toStdString());
  Module1::LoadGraphics(4);
  int shade = 0;
  for (const Module1::StripPart& part : Module1::kStripParts) {
    const fw::PicturePtr& picture = *part.picture;
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->Width(), part.width);
    EXPECT_EQ(picture->Height(), part.height);
    EXPECT_EQ(picture->Transparent(), 0) << "cutting sets no transparency";
    const QRgb expected = qRgb(40 + shade, 100, 200 - shade);
    EXPECT_EQ(picture->Image().pixel(0, 0), expected);
    EXPECT_EQ(picture->Image().pixel(part.width - 1, part.height - 1), expected);
    shade += 20;
  }
  EXPECT_EQ(Module1::board->Width(), 600);
  EXPECT_EQ(Module1::AboutBox->Height(), 150);

  // A theme whose file is missing leaves new blank pictures, and so does a
  // number outside 1 to 8.
  for (int theme : {3, 0, 9}) {
    Module1::LoadGraphics(theme);
    ASSERT_NE(Module1::gem, nullptr);
    EXPECT_EQ(Module1::gem->Width(), 30);
    EXPECT_EQ(Module1::gem->Image().pixel(15, 15), qRgb(255, 255, 255));
  }
  Module1::Release();
  ReleaseResources();
  fw::SetResourcesFolderForTesting("");
}

class Themes : public GameTest {};

TEST_F(Themes, EachHolesCacheIsTheBoardUnderItWithThePitOver) {
  for (int hole : {3, 10, 7, 14}) {
    SCOPED_TRACE(hole);
    fw::Canvas* canvas = W().Canvas1(hole);
    const fw::PicturePtr& cache = W().CachedBackground(hole);
    const fw::PicturePtr& over = (hole == 7 || hole == 14) ? Module1::bigPit : Module1::pit;
    ASSERT_EQ(cache->Width(), canvas->Width());
    ASSERT_EQ(cache->Height(), canvas->Height());
    int seeThrough = 0;
    int covered = 0;
    for (int y = 0; y < cache->Height(); y += 3) {
      for (int x = 0; x < cache->Width(); x += 3) {
        const QRgb part = over->Image().pixel(x, y);
        const QRgb cached = cache->Image().pixel(x, y);
        if ((part & 0xFFFFFFu) == 0xFFFFFFu) {
          ++seeThrough;
          ASSERT_EQ(cached, Module1::board->Image().pixel(canvas->Left() + x, canvas->Top() + y));
        } else if (qAlpha(part) == 255) {
          ++covered;
          ASSERT_EQ(cached, part);
        }
      }
    }
    EXPECT_GT(covered, 0);
  }
}

TEST_F(Themes, OakIsThemeEightAndEveryThemeLoads) {
  Choose("mnuThemePicker", 7);
  const fw::PicturePtr oak = oaktheme();
  ASSERT_NE(oak, nullptr);
  EXPECT_EQ(oak->Transparent(), 1);
  // A pixel of the board part that is not pure white is copied from the
  // strip's board rectangle.
  const QRgb strip = oak->Image().pixel(300, 409 + 150);
  ASSERT_NE(strip & 0xFFFFFFu, 0xFFFFFFu);
  EXPECT_EQ(Module1::board->Image().pixel(300, 150), strip);
  for (int i = 0; i < 8; ++i) {
    Choose("mnuThemePicker", i);
    EXPECT_EQ(Module1::gem->Transparent(), 1);
    EXPECT_EQ(Module1::Moves->Transparent(), 0);
    EXPECT_EQ(Module1::board->Transparent(), 0);
    EXPECT_EQ(W().Backdrop(), Module1::board);
    EXPECT_EQ(W().Pits[5]->Backdrop(), Module1::pit);
    EXPECT_EQ(W().Dots[9]->Backdrop(), Module1::Moves);
    EXPECT_EQ(W().LeftTurn()->Backdrop(), Module1::turnIndicator);
    EXPECT_EQ(W().Canvas6()->Backdrop(), Module1::hilitePict);
  }
}

class HoleDrawing : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    // No gem picture, so what a hole shows is its cache, the badge and the
    // count alone.
    Module1::gem = fw::Picture::NewPicture(30, 30, 32);
    Module1::gem->SetTransparent(1);
  }
  QImage Shown(int hole) {
    W().DrawHole(hole, false);
    return W().Canvas1(hole)->Contents().convertToFormat(QImage::Format_ARGB32);
  }
  static bool IsWhiteish(QRgb p) { return qRed(p) > 200 && qGreen(p) > 200 && qBlue(p) > 200; }
  // The rightmost and leftmost columns holding light text pixels in a band.
  static std::pair<int, int> TextColumns(const QImage& image, const QImage& background, int x0, int x1, int y0, int y1) {
    int first = -1;
    int last = -1;
    for (int x = x0; x <= x1; ++x) {
      for (int y = y0; y <= y1; ++y) {
        if (IsWhiteish(image.pixel(x, y)) && !IsWhiteish(background.pixel(x, y))) {
          if (first < 0) first = x;
          last = x;
        }
      }
    }
    return {first, last};
  }
};

TEST_F(HoleDrawing, APitShowsTheBadgeAndItsCount) {
  const QImage cache = W().CachedBackground(3)->Image();
  W().PitsCount[3] = 9;
  const QImage nine = Shown(3);
  // The badge: the cache darkened to 120/255 of itself inside the disc, the
  // corners of its square untouched.
  const QRgb under = cache.pixel(26, 48);
  const QRgb shown = nine.pixel(26, 48);
  EXPECT_NEAR(qRed(shown), qRed(under) * 120 / 255, 2);
  EXPECT_NEAR(qGreen(shown), qGreen(under) * 120 / 255, 2);
  EXPECT_EQ(nine.pixel(24, 41), cache.pixel(24, 41));
  EXPECT_EQ(nine.pixel(38, 55), cache.pixel(38, 55));
  const auto [nineFirst, nineLast] = TextColumns(nine, cache, 20, 44, 43, 54);
  EXPECT_GE(nineFirst, 28);
  EXPECT_LE(nineLast, 38);

  W().PitsCount[3] = 72;
  const QImage seventyTwo = Shown(3);
  const auto [first, last] = TextColumns(seventyTwo, cache, 20, 44, 43, 54);
  EXPECT_GE(first, 24);
  EXPECT_LE(first, 26);
  EXPECT_LE(last, 38) << "two digits fit across the badge";
}

TEST_F(HoleDrawing, AnEmptyHoleShowsItsBackgroundAlone) {
  W().PitsCount[4] = 0;
  const QImage shown = Shown(4);
  const QImage cache = W().CachedBackground(4)->Image().convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < 65; y += 2) {
    for (int x = 0; x < 65; x += 2) ASSERT_EQ(shown.pixel(x, y), cache.pixel(x, y));
  }
}

TEST_F(HoleDrawing, AStoreShowsAGemAtEveryRecordedPlace) {
  // A gem picture that is solid red, placed where the store recorded it.
  Module1::gem = fw::Picture::NewPicture(30, 30, 32);
  Module1::gem->Graphics()->SetForeColor(fw::RGB(220, 0, 0));
  Module1::gem->Graphics()->FillRect(0, 0, 30, 30);
  W().AddGems(3, 7);
  W().AddGems(1, 7);
  W().PitsCount[7] = 4;
  ASSERT_EQ(W().pitPlace7.size(), 5u);
  const QImage shown = Shown(7);
  for (std::size_t i = 1; i < W().pitPlace7.size(); ++i) {
    const cPoint& p = *W().pitPlace7[i];
    // The newest gem lies on top; check each gem's far corner, which a later
    // gem may cover with the same red.
    EXPECT_EQ(shown.pixel(p.X + 29, p.Y + 29), qRgb(220, 0, 0));
  }
  // The badge of store 7 sits on its left, facing the pits.
  W().PitsCount[7] = 0;
  W().pitPlace7.resize(1);
  W().PitsCount[14] = 12;
  W().AddGems(12, 14);
  const QImage store14 = Shown(14);
  const QImage cache14 = W().CachedBackground(14)->Image().convertToFormat(QImage::Format_ARGB32);
  bool changedNearBadge = false;
  for (int x = 68; x < 83; ++x) changedNearBadge |= store14.pixel(x, 125) != cache14.pixel(x, 125);
  EXPECT_TRUE(changedNearBadge);
  const QImage empty7 = Shown(7);
  EXPECT_EQ(empty7.pixel(50, 100), W().CachedBackground(7)->Image().pixel(50, 100));
}

TEST_F(HoleDrawing, TheTemplateCanvasDrawsNothing) {
  fw::Canvas* hole0 = W().Canvas1(0);
  hole0->Refresh(true);
  const QImage shown = hole0->Contents().convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < shown.height(); y += 4) {
    for (int x = 0; x < shown.width(); x += 4) ASSERT_EQ(qAlpha(shown.pixel(x, y)), 0);
  }
}
