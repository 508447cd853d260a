// "Heaven": a bright sky with drifting clouds and sun rays, a gilded frame,
// openings in the clouds onto the deep sky for the pockets and the move
// dots, golden stars for the gems and a halo for the turn.

#include <QLinearGradient>
#include <QRadialGradient>

#include "artwork/lettering.h"
#include "artwork/random.h"
#include "artwork/theme.h"

namespace artwork {
namespace {

const QColor kGold(236, 186, 60);
const QColor kGoldLight(255, 238, 160);
const QColor kGoldDark(150, 100, 20);
const QColor kCloud(250, 251, 255);
const QColor kDeepSky(22, 52, 132);
const QColor kDeepSkyLight(70, 124, 208);

QImage skyField(int w, int h, std::uint32_t seed, QRgb top, QRgb bottom) {
  return renderField(w, h, [&](int x, int y) {
    const QRgb sky = mixRgb(top, bottom, static_cast<double>(y) / h);
    const double warp = fractalNoise(x * 0.01, y * 0.01, seed + 1, 2) * 20.0;
    const double d = fractalNoise((x + warp) * 0.0075, (y + warp) * 0.016, seed, 5, 0.55);
    const double above = fractalNoise((x + warp) * 0.0075, (y + warp - 5.0) * 0.016, seed, 5, 0.55);
    const double density = smooth(0.50, 0.70, d);
    // The upper side of a cloud catches the sun, the lower side is greyer.
    const double lit = clamp01(0.5 + (above - d) * 9.0);
    const QRgb cloud = mixRgb(qRgb(196, 210, 236), qRgb(252, 252, 255), 0.35 + 0.65 * lit);
    return mixRgb(sky, cloud, density * 0.95);
  });
}

void sunRays(QPainter& p, QPointF origin, double length, int count, std::uint64_t seed) {
  Random rng(seed);
  p.save();
  p.setPen(Qt::NoPen);
  for (int i = 0; i < count; ++i) {
    const double a = kPi * (0.12 + 0.76 * (i + rng.range(0.0, 0.6)) / count);
    const double spread = rng.range(0.025, 0.05);
    QPainterPath ray;
    ray.moveTo(origin);
    ray.lineTo(origin + QPointF(std::cos(a - spread), std::sin(a - spread)) * length);
    ray.lineTo(origin + QPointF(std::cos(a + spread), std::sin(a + spread)) * length);
    ray.closeSubpath();
    QRadialGradient g(origin, length);
    g.setColorAt(0.0, QColor(255, 248, 210, 90));
    g.setColorAt(1.0, QColor(255, 248, 210, 0));
    p.setBrush(g);
    p.drawPath(ray);
  }
  p.restore();
}

// A row of round puffs along a closed outline, shaded from the top left. When
// thinAt is given, the puffs thin out at its height.
void cloudRim(QPainter& p, const QPainterPath& along, int puffs, double radius,
              std::uint64_t seed, const QRectF& thinAt = QRectF()) {
  Random rng(seed);
  p.save();
  p.setPen(Qt::NoPen);
  for (int pass = 0; pass < 2; ++pass) {
    Random r2(seed);
    for (int i = 0; i < puffs; ++i) {
      const QPointF c = along.pointAtPercent((i + 0.5) / puffs);
      double rr = radius * r2.range(0.85, 1.15);
      if (!thinAt.isNull()) {
        const double dy = std::max({0.0, thinAt.top() - c.y(), c.y() - thinAt.bottom()});
        rr *= 1.0 - 0.65 * (1.0 - smooth(0.0, 14.0, dy));
      }
      if (pass == 0) {
        p.setBrush(QColor(120, 150, 205, 110));
        p.drawEllipse(c + QPointF(0.8, 1.2), rr, rr);
      } else {
        QRadialGradient g(c - QPointF(rr * 0.35, rr * 0.4), rr * 1.2);
        g.setColorAt(0.0, kCloud);
        g.setColorAt(0.6, QColor(236, 240, 252));
        g.setColorAt(1.0, QColor(190, 205, 235));
        p.setBrush(g);
        p.drawEllipse(c, rr, rr);
      }
    }
  }
  (void)rng;
  p.restore();
}

QPainterPath starPath(QPointF c, double outer, double inner, int points, double rotation) {
  QPainterPath s;
  for (int i = 0; i < points * 2; ++i) {
    const double a = rotation + i * kPi / points;
    const double r = i % 2 == 0 ? outer : inner;
    const QPointF q = c + QPointF(std::cos(a) * r, std::sin(a) * r);
    if (i == 0)
      s.moveTo(q);
    else
      s.lineTo(q);
  }
  s.closeSubpath();
  return s;
}

void goldLetters(QPainter& p, const QPainterPath& word, double glow) {
  drawSoftShape(p, deviceSize(p), p.transform().map(word), QColor(255, 255, 255, 230),
                static_cast<int>(glow));
  drawSoftShape(p, deviceSize(p), p.transform().map(word), QColor(160, 110, 20, 150), 2,
                QPointF(1.0, 1.5));
  const QRectF b = word.boundingRect();
  QLinearGradient fill(b.topLeft(), b.bottomLeft());
  fill.setColorAt(0.0, kGoldLight);
  fill.setColorAt(0.5, kGold);
  fill.setColorAt(0.55, QColor(214, 150, 30));
  fill.setColorAt(1.0, QColor(250, 210, 100));
  p.fillPath(word, fill);
  p.save();
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kGoldDark, 0.9));
  p.drawPath(word);
  p.restore();
}

class Heaven : public Theme {
 public:
  void paintBoardBase(QPainter& p) override {
    p.drawImage(0, 0, skyField(600, 300, 0x4EA7u, qRgb(92, 156, 230), qRgb(196, 226, 252)));
    sunRays(p, QPointF(300, -30), 380, 14, 0x5u);
    paintBevelFrame(p, QRectF(0, 0, 600, 300), 4.0, kGoldLight, kGoldDark);
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kGold, 1.0));
    p.drawRoundedRect(QRectF(6.5, 8.5, 587, 283), 10, 10);
    p.restore();
  }

  void paintPocketSurround(QPainter& p, const PocketShape& s, Pocket) override {
    drawSoftShape(p, deviceSize(p), p.transform().map(s.path(-1.5)), QColor(40, 80, 160, 80), 3,
                  QPointF(1.5, 2.0));
  }

  void paintPocket(QPainter& p, const PocketShape& s, Pocket kind) override {
    // An opening in the clouds onto the deep sky above them: the white count
    // and the golden stars stand out against it.
    BowlStyle style;
    style.lipLight = kCloud;
    style.lipDark = QColor(180, 198, 230);
    style.floorLight = kDeepSkyLight;
    style.floorDark = kDeepSky;
    style.shadow = QColor(8, 24, 80, 170);
    style.wallLight = QColor(190, 220, 255, 60);
    style.lipWidth = 5.0;
    paintBowl(p, s, style);
    p.save();
    p.setClipPath(s.path(0.0));
    if (kind == Pocket::Pit)
      cloudRim(p, s.path(3.0), 16, 4.4, 0x31u);
    else
      cloudRim(p, s.path(3.2), 46, 4.6, 0x32u, QRectF(board::kStore7Badge));
    p.restore();
  }

  void paintDotSocket(QPainter& p, QRectF dot, bool lit) override {
    // A small window onto the deep sky in a ring of cloud; a landing lights
    // a golden star in it.
    const QRectF plate = dot.adjusted(-1.0, -1.0, 1.0, 1.0);
    if (!lit) {
      QPainterPath rim;
      rim.addRoundedRect(plate.adjusted(-1.8, -1.8, 1.8, 1.8), 6, 6);
      p.fillPath(rim, QColor(236, 242, 255));
      p.save();
      p.setBrush(Qt::NoBrush);
      p.setPen(QPen(QColor(120, 150, 205, 150), 0.8));
      p.drawPath(rim);
      p.restore();
    }
    QPainterPath shape;
    shape.addRoundedRect(plate, 4.2, 4.2);
    QLinearGradient sky(plate.topLeft(), plate.bottomRight());
    sky.setColorAt(0.0, kDeepSky);
    sky.setColorAt(1.0, kDeepSkyLight);
    p.fillPath(shape, sky);
    const QPointF c = dot.center();
    p.save();
    p.setPen(Qt::NoPen);
    if (lit) {
      QRadialGradient glow(c, 7.0);
      glow.setColorAt(0.0, QColor(255, 252, 220));
      glow.setColorAt(0.6, QColor(255, 222, 110, 245));
      glow.setColorAt(0.85, QColor(255, 200, 60, 140));
      glow.setColorAt(1.0, QColor(255, 190, 40, 0));
      p.setBrush(glow);
      p.drawEllipse(c, 7.0, 7.0);
      p.setPen(QPen(kGoldDark, 0.8));
      p.setBrush(kGoldLight);
      p.drawPath(starPath(c, 6.6, 2.8, 5, -kPi / 2.0));
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(255, 255, 240));
      p.drawEllipse(c, 1.6, 1.6);
    } else {
      p.setBrush(QColor(150, 180, 230, 150));
      p.drawEllipse(c, 1.4, 1.4);
    }
    p.restore();
  }

  void paintMarkerSocket(QPainter& p, QRectF m) override {
    QPainterPath disc;
    disc.addEllipse(m.center(), 12.0, 12.0);
    p.save();
    p.setClipping(false);
    cloudRim(p, disc, 9, 6.0, 0x40u);
    QRadialGradient g(m.center(), 12.0);
    g.setColorAt(0.0, kCloud);
    g.setColorAt(1.0, QColor(230, 236, 250));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(m.center(), 11.0, 11.0);
    p.restore();
  }

  void paintBoardDecor(QPainter& p) override {
    LetterStyle style;
    style.capHeight = 34.0;
    style.weight = 0.13;
    style.spacing = 0.08;
    style.slant = 0.18;
    goldLetters(p, wordOutline("Velloru", style, QPointF(300, 149)), 6);
  }

  void paintGem(QPainter& p) override {
    const QPointF c(15, 15.8);
    const QPainterPath star = starPath(c, 14.4, 7.4, 5, -kPi / 2.0);
    p.setPen(QPen(QColor(130, 80, 10), 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(kGold);
    p.drawPath(star);
    // Bevelled: each point split into a lit and a shaded half.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 5; ++i) {
      const double a = -kPi / 2.0 + i * 2.0 * kPi / 5.0;
      const QPointF tip = c + QPointF(std::cos(a), std::sin(a)) * 13.2;
      const QPointF left = c + QPointF(std::cos(a - kPi / 5.0), std::sin(a - kPi / 5.0)) * 6.8;
      const QPointF right = c + QPointF(std::cos(a + kPi / 5.0), std::sin(a + kPi / 5.0)) * 6.8;
      const double lit = 0.5 + 0.5 * std::cos(a + 0.75 * kPi);
      p.setBrush(mixColour(QColor(200, 130, 20), kGoldLight, lit));
      p.drawPolygon(QPolygonF{c, tip, left});
      p.setBrush(mixColour(QColor(170, 100, 10), QColor(255, 220, 110), lit * 0.8));
      p.drawPolygon(QPolygonF{c, tip, right});
    }
    p.setBrush(QColor(255, 255, 255, 220));
    p.drawEllipse(QPointF(12.0, 11.5), 1.8, 1.8);
  }

  void paintTurnIndicator(QPainter& p) override {
    const QPointF c(15, 15);
    QRadialGradient glow(c, 14.5);
    glow.setColorAt(0.0, QColor(255, 250, 210, 0));
    glow.setColorAt(0.55, QColor(255, 235, 150, 200));
    glow.setColorAt(1.0, QColor(255, 230, 140, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(c, 14.5, 14.5);
    QPainterPath halo;
    halo.addEllipse(c, 11.5, 11.5);
    QPainterPath hole;
    hole.addEllipse(c, 7.8, 7.8);
    halo = halo.subtracted(hole);
    QLinearGradient g(4, 4, 26, 26);
    g.setColorAt(0.0, kGoldLight);
    g.setColorAt(0.5, kGold);
    g.setColorAt(1.0, kGoldDark);
    p.setPen(QPen(QColor(140, 90, 10), 0.9));
    p.setBrush(g);
    p.drawPath(halo);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawEllipse(QPointF(9.5, 8.5), 1.6, 1.6);
  }

  QColor hiliteColour() const override { return QColor(255, 200, 70); }
  QColor hiliteRimColour() const override { return QColor(255, 190, 60); }
  double hiliteTint() const override { return 0.75; }

  void paintAboutBox(QPainter& p) override {
    p.drawImage(0, 0, skyField(580, 150, 0x4EA8u, qRgb(80, 146, 226), qRgb(190, 222, 252)));
    sunRays(p, QPointF(290, -40), 260, 16, 0x6u);
    paintBevelFrame(p, QRectF(0, 0, 580, 150), 4.0, kGoldLight, kGoldDark);
    LetterStyle style;
    style.capHeight = 74.0;
    style.weight = 0.13;
    style.spacing = 0.08;
    style.slant = 0.18;
    goldLetters(p, wordOutline("Velloru", style, QPointF(290, 76)), 10);
    p.setPen(Qt::NoPen);
    for (QPointF s : {QPointF(88, 44), QPointF(494, 104), QPointF(520, 40)}) {
      p.setBrush(QColor(255, 246, 200, 230));
      p.drawPath(starPath(s, 7.0, 2.0, 4, -kPi / 2.0));
    }
  }
};

}  // namespace

std::unique_ptr<Theme> makeHeavenTheme() { return std::make_unique<Heaven>(); }

}  // namespace artwork
