// The artwork library itself: the see-through rules of its finishing steps,
// the wave encoder, its number generator and lettering, and that drawing
// again in one program gives what a fresh run wrote (no state carried from
// one call to the next).

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QtEndian>

#include "artwork/artwork.h"
#include "artwork/lettering.h"
#include "artwork/paint_util.h"
#include "artwork/random.h"

namespace {

bool isKey(QRgb c) { return (c & 0xFFFFFFu) == 0xFFFFFFu; }

TEST(Finishing, KeyedPartIsWhiteOnlyWhereNothingWasDrawn) {
  QImage layer = artwork::newLayer(20, 10);
  {
    QPainter p(&layer);
    p.fillRect(QRect(0, 0, 5, 10), QColor(255, 255, 255));       // opaque white
    p.fillRect(QRect(5, 0, 5, 10), QColor(255, 255, 255, 200));  // mostly covered, light
    p.fillRect(QRect(10, 0, 5, 10), QColor(0, 0, 0, 20));        // barely covered
  }
  QImage under(20, 10, QImage::Format_RGB32);
  under.fill(QColor(40, 20, 10));
  const QImage out = artwork::finishKeyed(layer, under);
  EXPECT_EQ(out.pixel(2, 5), qRgb(254, 254, 254)) << "opaque white must not turn see-through";
  EXPECT_FALSE(isKey(out.pixel(7, 5)));
  EXPECT_LT(qRed(out.pixel(7, 5)), 220) << "edge not smoothed against what lies under it";
  EXPECT_TRUE(isKey(out.pixel(12, 5)));
  EXPECT_TRUE(isKey(out.pixel(17, 5)));
}

TEST(Finishing, OpaquePartNeverHoldsKeyWhite) {
  QImage layer = artwork::newLayer(4, 4);
  layer.fill(QColor(255, 255, 255));
  const QImage out = artwork::finishOpaque(layer);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) EXPECT_FALSE(isKey(out.pixel(x, y)));
}

TEST(WaveEncoder, WritesAPlainPcmHeaderAndTheSamples) {
  const std::vector<std::int16_t> samples{0, 1000, -1000, 32767, -32768, 0};
  const QByteArray wave = artwork::encodeWave(samples, 22050);
  ASSERT_EQ(wave.size(), 44 + 12);
  auto u32 = [&](int at) { return qFromLittleEndian<quint32>(wave.constData() + at); };
  auto u16 = [&](int at) { return qFromLittleEndian<quint16>(wave.constData() + at); };
  EXPECT_EQ(wave.left(4), "RIFF");
  EXPECT_EQ(u32(4), 36u + 12u);
  EXPECT_EQ(wave.mid(8, 8), "WAVEfmt ");
  EXPECT_EQ(u32(16), 16u);
  EXPECT_EQ(u16(20), 1u);  // PCM
  EXPECT_EQ(u16(22), 1u);  // mono
  EXPECT_EQ(u32(24), 22050u);
  EXPECT_EQ(u32(28), 44100u);
  EXPECT_EQ(u16(32), 2u);
  EXPECT_EQ(u16(34), 16u);
  EXPECT_EQ(wave.mid(36, 4), "data");
  EXPECT_EQ(u32(40), 12u);
  for (std::size_t i = 0; i < samples.size(); ++i)
    EXPECT_EQ(static_cast<std::int16_t>(u16(44 + 2 * static_cast<int>(i))), samples[i]);
}

TEST(Generator, SameSeedSameSequenceAndInclusiveRanges) {
  artwork::Random a(42);
  artwork::Random b(42);
  for (int i = 0; i < 100; ++i) EXPECT_EQ(a.next(), b.next());
  artwork::Random r(7);
  bool sawLow = false;
  bool sawHigh = false;
  for (int i = 0; i < 2000; ++i) {
    const int v = r.between(20, 54);
    ASSERT_GE(v, 20);
    ASSERT_LE(v, 54);
    sawLow = sawLow || v == 20;
    sawHigh = sawHigh || v == 54;
    const double u = r.unit();
    ASSERT_GE(u, 0.0);
    ASSERT_LT(u, 1.0);
  }
  EXPECT_TRUE(sawLow && sawHigh);
  EXPECT_NE(artwork::Random(1).next(), artwork::Random(2).next());
}

TEST(Lettering, EveryLetterOfTheNameAndTheMarkIsDrawn) {
  artwork::LetterStyle style;
  style.capHeight = 40.0;
  for (QChar c : QStringLiteral("VelloruYrk")) {
    const QRectF box = artwork::wordOutline(QString(c), style, QPointF(100, 100)).boundingRect();
    EXPECT_GT(box.width(), 4.0) << c.toLatin1();
    EXPECT_GT(box.height(), 15.0) << c.toLatin1();
  }
  const QRectF word = artwork::wordOutline("Velloru", style, QPointF(100, 100)).boundingRect();
  EXPECT_NEAR(word.center().x(), 100.0, 4.0);
  EXPECT_NEAR(word.center().y(), 100.0, 4.0);
  EXPECT_NEAR(word.height(), 40.0 * (1.05 + style.weight), 4.0);
}

TEST(Drawing, RepeatsInOneProgramWhatAFreshRunWrote) {
  // The resources folder was written by the generator in a run of its own;
  // drawing everything again here, one after the other, must give the same
  // pictures and sounds, whatever was drawn before.
  const QDir folder(QStringLiteral(VELLORU_TEST_RESOURCES_DIR));
  for (int theme = 7; theme >= 0; --theme) {
    const auto& file = artwork::kThemeFiles[static_cast<std::size_t>(theme)];
    const QImage written(folder.filePath(QString::fromLatin1(file.fileName)));
    ASSERT_FALSE(written.isNull()) << file.fileName;
    EXPECT_EQ(artwork::drawThemeStrip(theme).convertToFormat(QImage::Format_RGB32),
              written.convertToFormat(QImage::Format_RGB32))
        << file.title;
  }
  const QImage logo(folder.filePath(QString::fromLatin1(artwork::kLogoFileName)));
  EXPECT_EQ(artwork::drawLogo().convertToFormat(QImage::Format_RGB32),
            logo.convertToFormat(QImage::Format_RGB32));
  for (const artwork::SoundFile& s : artwork::kSoundFiles) {
    QFile wave(folder.filePath(QString::fromLatin1(s.fileName)));
    ASSERT_TRUE(wave.open(QIODevice::ReadOnly)) << s.fileName;
    EXPECT_EQ(artwork::encodeWave(artwork::synthesiseSound(s.sound), artwork::kSampleRate),
              wave.readAll())
        << s.fileName;
  }
  EXPECT_TRUE(artwork::drawThemeStrip(8).isNull());
}

}  // namespace
