// The generated resources: theme strips, logo and sounds, as the game reads
// them from its resources folder, and the generator's determinism.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "artwork/artwork.h"

namespace {

const QString kResources = QStringLiteral(VELLORU_TEST_RESOURCES_DIR);

bool isKey(QRgb c) { return (c & 0xFFFFFFu) == 0xFFFFFFu; }

// What the game cuts out of every strip: name, rectangle, drawn see-through.
struct Cut {
  const char* name;
  QRect rect;
  bool seeThrough;
};
const Cut kCuts[] = {
    {"AboutBox", {0, 0, 580, 150}, false},  {"bigPit", {0, 150, 96, 259}, true},
    {"board", {0, 409, 600, 300}, false},   {"gem", {0, 709, 30, 30}, true},
    {"hilitePict", {0, 739, 65, 65}, true}, {"Moves", {0, 804, 15, 15}, false},
    {"pit", {0, 819, 65, 65}, true},        {"turnIndicator", {0, 884, 30, 30}, true},
};
QImage cut(const QImage& strip, int i) {
  return strip.copy(kCuts[i].rect).convertToFormat(QImage::Format_RGB32);
}
enum { About, BigPit, Board, Gem, Hilite, Moves, Pit, Turn };

// Window positions of the canvases the parts are drawn on.
QRect holeRect(int h) {
  if (h == 7) return {495, 20, 96, 259};
  if (h == 14) return {9, 20, 96, 259};
  return h <= 6 ? QRect(65 * h + 40, 20, 65, 65) : QRect(65 * (14 - h) + 40, 214, 65, 65);
}
QRect dotRect(int h) {
  if (h == 7) return {474, 112, 15, 15};
  if (h == 14) return {114, 165, 15, 15};
  return h <= 6 ? QRect(65 * h + 67, 87, 15, 15) : QRect(65 * (14 - h) + 67, 196, 15, 15);
}
const QRect kMarkers[] = {{452, 131, 30, 30}, {116, 131, 30, 30}};

double difference(QRgb a, QRgb b) {
  return (std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
          std::abs(qBlue(a) - qBlue(b))) /
         3.0;
}

double luma(QRgb c) { return 0.3 * qRed(c) + 0.59 * qGreen(c) + 0.11 * qBlue(c); }

// An opaque pixel of a see-through picture that borders its see-through area.
bool isEdge(const QImage& keyed, int x, int y) {
  if (isKey(keyed.pixel(x, y))) return false;
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx) {
      const QPoint q(x + dx, y + dy);
      if (keyed.rect().contains(q) && isKey(keyed.pixel(q))) return true;
    }
  return false;
}

// Mean colour difference between the edge of a see-through picture and the
// board under it: small when the picture sits on a pocket or socket drawn on
// the board at that place.
double edgeMismatch(const QImage& keyed, const QImage& under) {
  double sum = 0;
  int n = 0;
  for (int y = 0; y < keyed.height(); ++y)
    for (int x = 0; x < keyed.width(); ++x)
      if (isEdge(keyed, x, y)) {
        sum += difference(keyed.pixel(x, y), under.pixel(x, y));
        ++n;
      }
  return n ? sum / n : 0.0;
}

// Edge pixels clearly lighter than the board under them: a light ring round
// the picture in the game.
int lighterEdgePixels(const QImage& keyed, const QImage& under) {
  int n = 0;
  for (int y = 0; y < keyed.height(); ++y)
    for (int x = 0; x < keyed.width(); ++x)
      if (isEdge(keyed, x, y) && luma(keyed.pixel(x, y)) > luma(under.pixel(x, y)) + 24.0) ++n;
  return n;
}

class ThemeStrip : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override {
    const auto& file = artwork::kThemeFiles[static_cast<std::size_t>(GetParam())];
    ASSERT_TRUE(strip_.load(QDir(kResources).filePath(QString::fromLatin1(file.fileName))))
        << file.fileName;
    strip_ = strip_.convertToFormat(QImage::Format_RGB32);
  }
  QImage strip_;
};

TEST_P(ThemeStrip, HasItsSizeAndEveryPartCutsToItsSize) {
  EXPECT_GE(strip_.width(), 600);
  EXPECT_GE(strip_.height(), 914);
  for (int i = 0; i < 8; ++i) {
    EXPECT_TRUE(strip_.rect().contains(kCuts[i].rect)) << kCuts[i].name;
    EXPECT_EQ(cut(strip_, i).size(), kCuts[i].rect.size()) << kCuts[i].name;
  }
}

TEST_P(ThemeStrip, SeeThroughPartsHaveWhiteCornersAndOpaqueMiddles) {
  for (int i : {BigPit, Gem, Hilite, Pit, Turn}) {
    const QImage part = cut(strip_, i);
    const int r = part.width() - 1;
    const int b = part.height() - 1;
    for (QPoint corner : {QPoint(0, 0), QPoint(r, 0), QPoint(0, b), QPoint(r, b)})
      EXPECT_TRUE(isKey(part.pixel(corner)))
          << kCuts[i].name << " corner " << corner.x() << "," << corner.y();
  }
  // The pit (and its highlight) show the pocket over all of their middle,
  // where the gem and the count badge lie.
  for (int i : {Pit, Hilite}) {
    const QImage part = cut(strip_, i);
    for (int y = 0; y < 65; ++y)
      for (int x = 0; x < 65; ++x)
        if (std::hypot(x - 32, y - 32) < 24.0) {
          ASSERT_FALSE(isKey(part.pixel(x, y))) << kCuts[i].name << " at " << x << "," << y;
        }
  }
  // The store is opaque wherever its gems and badges are drawn.
  const QImage store = cut(strip_, BigPit);
  for (int y = 50; y < 214; ++y)
    for (int x = 8; x < 84; ++x)
      ASSERT_FALSE(isKey(store.pixel(x, y))) << "bigPit at " << x << "," << y;
}

TEST_P(ThemeStrip, GemIsSolidInsideAndFillsMostOfItsSquare) {
  const QImage gem = cut(strip_, Gem);
  int covered = 0;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 30; ++x) {
      if (!isKey(gem.pixel(x, y))) ++covered;
      if (std::hypot(x - 14.5, y - 14.5) < 5.5) {
        ASSERT_FALSE(isKey(gem.pixel(x, y))) << "see-through hole in the gem at " << x << "," << y;
      }
    }
  EXPECT_GT(covered, 900 / 3);
  EXPECT_LT(covered, 900 * 95 / 100);
}

TEST_P(ThemeStrip, OpaquePartsHoldNoSeeThroughWhite) {
  // The oak strip is loaded with white see-through over the whole picture;
  // every theme keeps pure white out of the parts drawn opaque.
  for (int i : {About, Board, Moves}) {
    const QImage part = cut(strip_, i);
    int white = 0;
    for (int y = 0; y < part.height(); ++y)
      for (int x = 0; x < part.width(); ++x) white += isKey(part.pixel(x, y)) ? 1 : 0;
    EXPECT_EQ(white, 0) << kCuts[i].name;
  }
}

TEST_P(ThemeStrip, PocketsAndSocketsLieUnderTheirCanvases) {
  const QImage board = cut(strip_, Board);
  const QImage pit = cut(strip_, Pit);
  const QImage store = cut(strip_, BigPit);
  for (int h = 1; h <= 14; ++h) {
    const bool isStore = h == 7 || h == 14;
    const QImage under = board.copy(holeRect(h));
    EXPECT_LT(edgeMismatch(isStore ? store : pit, under), 20.0) << "hole " << h;
    // The board smooths each pocket's rim against that hole's surroundings;
    // the picture over it must leave that rim be, whatever lies round it.
    EXPECT_EQ(lighterEdgePixels(isStore ? store : pit, under), 0) << "light rim round hole " << h;
  }
  // The move dot is opaque: its border must carry on the socket round it.
  const QImage dot = cut(strip_, Moves);
  for (int h = 1; h <= 14; ++h) {
    const QImage under = board.copy(dotRect(h));
    double sum = 0;
    int n = 0;
    for (int y = 0; y < 15; ++y)
      for (int x = 0; x < 15; ++x)
        if (x == 0 || y == 0 || x == 14 || y == 14) {
          sum += difference(dot.pixel(x, y), under.pixel(x, y));
          ++n;
        }
    EXPECT_LT(sum / n, 6.0) << "dot " << h;
  }
  // Both turn markers show the same picture, smoothed against one socket:
  // the board must hold that same socket under each of them.
  const QImage turn = cut(strip_, Turn);
  const QImage left = board.copy(kMarkers[0]);
  const QImage right = board.copy(kMarkers[1]);
  double sum = 0;
  int n = 0;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 30; ++x)
      if (!isKey(turn.pixel(x, y))) {
        sum += difference(left.pixel(x, y), right.pixel(x, y));
        ++n;
      }
  ASSERT_GT(n, 0);
  EXPECT_LT(sum / n, 10.0) << "the two turn-marker sockets differ";
}

TEST_P(ThemeStrip, PitAndStoreReadAsHollows) {
  // A hollow lit from the top left: its upper-left inner wall lies in shadow,
  // darker than the lower-right one.
  const QImage pit = cut(strip_, Pit);
  EXPECT_LT(luma(pit.pixel(20, 20)) + 8.0, luma(pit.pixel(45, 45)));
  const QImage store = cut(strip_, BigPit);
  EXPECT_LT(luma(store.pixel(18, 40)) + 8.0, luma(store.pixel(70, 200)));
}

// A see-through picture drawn over a backdrop, as the game draws it.
QImage drawOver(QImage backdrop, const QImage& keyed, QPoint at = {}) {
  backdrop = backdrop.convertToFormat(QImage::Format_RGB32);
  for (int y = 0; y < keyed.height(); ++y)
    for (int x = 0; x < keyed.width(); ++x) {
      const QPoint q = at + QPoint(x, y);
      if (backdrop.rect().contains(q) && !isKey(keyed.pixel(x, y)))
        backdrop.setPixel(q, keyed.pixel(x, y));
    }
  return backdrop;
}

TEST_P(ThemeStrip, FlashingAPitLeavesNothingBehind) {
  // A move flashes the chosen pit: the highlight is drawn into the pit's
  // cached background, then the pit picture over it again.
  const QImage board = cut(strip_, Board);
  const QImage pit = cut(strip_, Pit);
  const QImage hilite = cut(strip_, Hilite);
  const QImage cache = drawOver(board.copy(holeRect(3)), pit);
  const QImage flashed = drawOver(cache, hilite);
  EXPECT_NE(flashed, cache) << "the highlight shows nothing";
  int changed = 0;
  for (int y = 0; y < 65; ++y)
    for (int x = 0; x < 65; ++x) changed += flashed.pixel(x, y) != cache.pixel(x, y) ? 1 : 0;
  EXPECT_GT(changed, 65 * 65 / 3) << "the highlight is too small to see";
  EXPECT_EQ(drawOver(flashed, pit), cache);
}

// Contrast ratio (as the web's accessibility guidelines reckon it) of the
// white count against the lightest of the pocket under the middle of the
// badge at corner, where the digits are drawn; the badge darkens what lies
// under it to 120/255.
double countContrast(const QImage& pocket, QPoint corner) {
  auto linear = [](int c) {
    const double v = c * 120.0 / 255.0 / 255.0;
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
  };
  double lightest = 0;
  for (int y = 0; y < 15; ++y)
    for (int x = 0; x < 15; ++x)
      if (std::hypot(x - 7, y - 7) <= 5.5) {
        const QRgb c = pocket.pixel(corner + QPoint(x, y));
        lightest = std::max(lightest, 0.2126 * linear(qRed(c)) + 0.7152 * linear(qGreen(c)) +
                                          0.0722 * linear(qBlue(c)));
      }
  return 1.05 / (lightest + 0.05);
}

TEST_P(ThemeStrip, GemsAndBadgesLieOnThePockets) {
  const QImage pit = cut(strip_, Pit);
  const QImage store = cut(strip_, BigPit);
  const QImage gem = cut(strip_, Gem);
  auto coveredBy = [&](const QImage& pocket, QPoint at) {
    for (int y = 0; y < 30; ++y)
      for (int x = 0; x < 30; ++x)
        if (!isKey(gem.pixel(x, y)) && isKey(pocket.pixel(at + QPoint(x, y)))) return false;
    return true;
  };
  EXPECT_TRUE(coveredBy(pit, {17, 10}));
  for (QPoint corner : {QPoint(20, 50), QPoint(54, 50), QPoint(20, 184), QPoint(54, 184)})
    EXPECT_TRUE(coveredBy(store, corner)) << "store gem at " << corner.x() << "," << corner.y();
  for (int y = 0; y < 15; ++y)
    for (int x = 0; x < 15; ++x)
      if (std::hypot(x - 7, y - 7) <= 7.0) {
        EXPECT_FALSE(isKey(pit.pixel(24 + x, 41 + y))) << "pit badge";
        EXPECT_FALSE(isKey(store.pixel(8 + x, 118 + y))) << "store 7 badge";
        EXPECT_FALSE(isKey(store.pixel(68 + x, 118 + y))) << "store 14 badge";
      }
  // The white count reads clearly on the badge's dark disc over the pocket.
  EXPECT_GE(countContrast(pit, {24, 41}), 10.0) << "pit";
  EXPECT_GE(countContrast(store, {8, 118}), 10.0) << "store 7";
  EXPECT_GE(countContrast(store, {68, 118}), 10.0) << "store 14";
}

// The brightest a picture's edge against white may be: no lighter than what
// lies under it in the game or what lies just inside it, give or take.
void expectNoLightHalo(const QImage& keyed, const QImage& under, const char* what) {
  const int w = keyed.width();
  const int h = keyed.height();
  std::vector<char> edge(static_cast<std::size_t>(w * h), 0);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) edge[y * w + x] = isEdge(keyed, x, y) ? 1 : 0;
  int halo = 0;
  int edges = 0;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      if (!edge[y * w + x]) continue;
      double inside = 0;
      for (int dy = -3; dy <= 3; ++dy)
        for (int dx = -3; dx <= 3; ++dx) {
          const QPoint q(x + dx, y + dy);
          if (keyed.rect().contains(q) && !isKey(keyed.pixel(q)) && !edge[q.y() * w + q.x()])
            inside = std::max(inside, luma(keyed.pixel(q)));
        }
      ++edges;
      const double limit = std::max(luma(under.pixel(x, y)), inside) + 30.0;
      if (luma(keyed.pixel(x, y)) > limit) ++halo;
    }
  EXPECT_LE(halo, edges / 10) << what << ": " << halo << " of " << edges
                              << " edge pixels are lighter than around them";
}

TEST_P(ThemeStrip, EdgesLeaveNoLightHalo) {
  const QImage board = cut(strip_, Board);
  const QImage pit = cut(strip_, Pit);
  expectNoLightHalo(pit, board.copy(holeRect(4)), "pit");
  expectNoLightHalo(cut(strip_, BigPit), board.copy(holeRect(7)), "bigPit");
  expectNoLightHalo(cut(strip_, Turn), board.copy(kMarkers[1]), "turnIndicator");
  const QImage pitInGame = drawOver(board.copy(holeRect(4)), pit);
  expectNoLightHalo(cut(strip_, Gem), pitInGame.copy(QRect(17, 10, 30, 30)), "gem");
}

INSTANTIATE_TEST_SUITE_P(AllThemes, ThemeStrip, ::testing::Range(0, 8),
                         [](const ::testing::TestParamInfo<int>& info) {
                           std::string name =
                               artwork::kThemeFiles[static_cast<std::size_t>(info.param)].title;
                           std::erase(name, '-');
                           return name;
                         });

TEST(Logo, FitsItsCanvasOnWhite) {
  QImage logo;
  ASSERT_TRUE(logo.load(QDir(kResources).filePath(QStringLiteral("YrkLogo3x2.bmp")), "BMP"));
  logo = logo.convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(logo.size(), QSize(215, 62));
  for (QPoint corner : {QPoint(0, 0), QPoint(214, 0), QPoint(0, 61), QPoint(214, 61)})
    EXPECT_TRUE(isKey(logo.pixel(corner)));
  int drawn = 0;
  for (int y = 0; y < 62; ++y)
    for (int x = 0; x < 215; ++x) drawn += isKey(logo.pixel(x, y)) ? 0 : 1;
  EXPECT_GT(drawn, 215 * 62 / 6);
  EXPECT_LT(drawn, 215 * 62 * 3 / 4);
}

// ---- Sounds -----------------------------------------------------------------

struct Wave {
  int format = 0, channels = 0, rate = 0, bits = 0;
  std::vector<std::int16_t> samples;
};

bool parseWave(const QByteArray& bytes, Wave* out, std::string* why) {
  auto u32 = [&](qsizetype at) { return qFromLittleEndian<quint32>(bytes.constData() + at); };
  auto u16 = [&](qsizetype at) { return qFromLittleEndian<quint16>(bytes.constData() + at); };
  if (bytes.size() < 12 || bytes.left(4) != "RIFF" || bytes.mid(8, 4) != "WAVE") {
    *why = "no RIFF/WAVE header";
    return false;
  }
  if (u32(4) + 8 != static_cast<quint32>(bytes.size())) {
    *why = "RIFF size does not match the file";
    return false;
  }
  bool haveFormat = false;
  for (qsizetype at = 12; at + 8 <= bytes.size();) {
    const QByteArray id = bytes.mid(at, 4);
    const quint32 size = u32(at + 4);
    const qsizetype body = at + 8;
    if (static_cast<quint64>(body) + size > static_cast<quint64>(bytes.size())) {
      *why = "chunk runs past the end";
      return false;
    }
    if (id == "fmt ") {
      out->format = u16(body);
      out->channels = u16(body + 2);
      out->rate = static_cast<int>(u32(body + 4));
      out->bits = u16(body + 14);
      const quint32 byteRate = u32(body + 8);
      if (byteRate != static_cast<quint32>(out->rate * out->channels * out->bits / 8)) {
        *why = "byte rate inconsistent";
        return false;
      }
      haveFormat = true;
    } else if (id == "data") {
      if (!haveFormat) {
        *why = "data before fmt";
        return false;
      }
      out->samples.resize(size / 2);
      for (quint32 i = 0; i < size / 2; ++i)
        out->samples[i] = static_cast<std::int16_t>(u16(body + 2 * i));
      return true;
    }
    at = body + size + (size & 1u);
  }
  *why = "no data chunk";
  return false;
}

struct SoundCase {
  const char* file;
  double minSeconds;
  double maxSeconds;
};

class SoundFile : public ::testing::TestWithParam<SoundCase> {};

TEST_P(SoundFile, IsQuietEnoughPcmWaveOfItsLength) {
  QFile file(QDir(kResources).filePath(QString::fromLatin1(GetParam().file)));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  Wave wave;
  std::string why;
  ASSERT_TRUE(parseWave(file.readAll(), &wave, &why)) << why;
  EXPECT_EQ(wave.format, 1);
  EXPECT_EQ(wave.channels, 1);
  EXPECT_EQ(wave.bits, 16);
  EXPECT_TRUE(wave.rate == 44100 || wave.rate == 22050) << wave.rate;
  ASSERT_FALSE(wave.samples.empty());
  const double seconds = static_cast<double>(wave.samples.size()) / wave.rate;
  EXPECT_GE(seconds, GetParam().minSeconds);
  EXPECT_LE(seconds, GetParam().maxSeconds);
  int peak = 0;
  for (std::int16_t s : wave.samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
  EXPECT_LT(peak, 0.8 * 32767) << "too loud, near clipping";
  EXPECT_GT(peak, 0.2 * 32767) << "hardly audible";
  // Starts and ends on silence: no click.
  EXPECT_LT(std::abs(wave.samples.front()), 100);
  EXPECT_LT(std::abs(wave.samples.back()), 100);
  const std::size_t edge = static_cast<std::size_t>(wave.rate / 2000);  // half a millisecond
  for (std::size_t i = 0; i < edge; ++i) {
    EXPECT_LT(std::abs(wave.samples[i]), 0.05 * 32767) << "sample " << i;
    EXPECT_LT(std::abs(wave.samples[wave.samples.size() - 1 - i]), 0.05 * 32767);
  }
}

INSTANTIATE_TEST_SUITE_P(AllSounds, SoundFile,
                         ::testing::Values(SoundCase{"Drop.wav", 0.03, 0.25},
                                           SoundCase{"Pickup.wav", 0.1, 0.8},
                                           SoundCase{"Steal.wav", 0.2, 1.5},
                                           SoundCase{"Winner.wav", 0.5, 1.99},
                                           SoundCase{"Loser.wav", 0.5, 1.99}),
                         [](const ::testing::TestParamInfo<SoundCase>& info) {
                           std::string name = info.param.file;
                           return name.substr(0, name.find('.'));
                         });

// ---- The generator ----------------------------------------------------------

const char* const kAllFiles[] = {"cow theme.png",      "hi-tech theme.png", "original theme.png",
                                 "circuits theme.png", "galaxy theme.png",  "heaven theme.png",
                                 "nature theme.png",   "oak theme.png",     "YrkLogo3x2.bmp",
                                 "Drop.wav",           "Pickup.wav",        "Steal.wav",
                                 "Winner.wav",         "Loser.wav"};

QByteArray readAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(ResourceMaker, TwoRunsWriteTheSameFourteenFilesAsTheBuild) {
  QTemporaryDir first;
  QTemporaryDir second;
  ASSERT_TRUE(first.isValid() && second.isValid());
  // Both runs at once: they must not share anything that could make them
  // differ.
  QProcess makers[2];
  makers[0].start(QStringLiteral(VELLORU_RESOURCE_MAKER), {first.path()});
  makers[1].start(QStringLiteral(VELLORU_RESOURCE_MAKER), {second.path()});
  for (QProcess& maker : makers) {
    ASSERT_TRUE(maker.waitForFinished(110000));
    ASSERT_EQ(maker.exitStatus(), QProcess::NormalExit);
    ASSERT_EQ(maker.exitCode(), 0) << maker.readAllStandardError().toStdString();
  }
  const QStringList made = QDir(first.path()).entryList(QDir::Files);
  EXPECT_EQ(made.size(), 14) << made.join(", ").toStdString();
  for (const char* name : kAllFiles) {
    const QByteArray a = readAll(QDir(first.path()).filePath(QString::fromLatin1(name)));
    const QByteArray b = readAll(QDir(second.path()).filePath(QString::fromLatin1(name)));
    const QByteArray built = readAll(QDir(kResources).filePath(QString::fromLatin1(name)));
    ASSERT_FALSE(a.isEmpty()) << name;
    EXPECT_TRUE(a == b) << name << " differs between two runs";
    EXPECT_TRUE(a == built) << name << " differs from the build's resources folder";
  }
}

TEST(ResourceMaker, RefusesToRunWithoutAFolder) {
  QProcess maker;
  maker.start(QStringLiteral(VELLORU_RESOURCE_MAKER), {});
  ASSERT_TRUE(maker.waitForFinished(30000));
  EXPECT_NE(maker.exitCode(), 0);
}

}  // namespace
