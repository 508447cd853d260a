// "Galaxy": deep space. Nebulae of magenta and teal over a starfield, a
// spiral galaxy between the rows, wells rimmed with violet light for the
// pockets, ringed planets for the gems and a golden star for the turn.

#include <QLinearGradient>
#include <QRadialGradient>

#include "artwork/lettering.h"
#include "artwork/random.h"
#include "artwork/theme.h"

namespace artwork {
namespace {

const QColor kViolet(176, 120, 255);
const QColor kPlate(10, 8, 26);

QImage nebulaField(int w, int h, std::uint32_t seed) {
  return renderField(w, h, [&](int x, int y) {
    const double wx = fractalNoise(x * 0.004, y * 0.006, seed + 1, 3) * 60.0;
    const double wy = fractalNoise(x * 0.004 + 9.0, y * 0.006, seed + 2, 3) * 60.0;
    const double a = fractalNoise((x + wx) * 0.006, (y + wy) * 0.009, seed + 3, 5, 0.55);
    const double b = fractalNoise((x - wy) * 0.008, (y + wx) * 0.008, seed + 4, 5, 0.55);
    const double dust = fractalNoise(x * 0.03, y * 0.03, seed + 5, 3);
    const double magenta = smooth(0.48, 0.80, a) * (0.6 + 0.6 * dust);
    const double teal = smooth(0.52, 0.82, b) * (0.5 + 0.6 * dust);
    const double r = 6 + 150 * magenta + 20 * teal;
    const double g = 5 + 26 * magenta + 96 * teal;
    const double bl = 20 + 130 * magenta + 140 * teal;
    return qRgb(std::min(255, static_cast<int>(r)), std::min(255, static_cast<int>(g)),
                std::min(255, static_cast<int>(bl)));
  });
}

void star(QPainter& p, QPointF c, double size, const QColor& colour, bool spikes) {
  p.save();
  p.setPen(Qt::NoPen);
  QRadialGradient glow(c, size * 3.0);
  glow.setColorAt(0.0, withAlpha(colour, 200));
  glow.setColorAt(0.3, withAlpha(colour, 60));
  glow.setColorAt(1.0, withAlpha(colour, 0));
  p.setBrush(glow);
  p.drawEllipse(c, size * 3.0, size * 3.0);
  if (spikes) {
    for (int k = 0; k < 2; ++k) {
      QLinearGradient g = k == 0 ? QLinearGradient(c.x() - size * 5, 0, c.x() + size * 5, 0)
                                 : QLinearGradient(0, c.y() - size * 5, 0, c.y() + size * 5);
      g.setColorAt(0.0, withAlpha(colour, 0));
      g.setColorAt(0.5, withAlpha(colour, 220));
      g.setColorAt(1.0, withAlpha(colour, 0));
      p.setBrush(g);
      if (k == 0)
        p.drawRect(QRectF(c.x() - size * 5, c.y() - 0.45, size * 10, 0.9));
      else
        p.drawRect(QRectF(c.x() - 0.45, c.y() - size * 5, 0.9, size * 10));
    }
  }
  p.setBrush(QColor(255, 255, 255, 235));
  p.drawEllipse(c, size * 0.6, size * 0.6);
  p.restore();
}

void starfield(QPainter& p, QRectF area, int count, std::uint64_t seed, double bright = 1.0) {
  Random rng(seed);
  const QColor tints[] = {QColor(200, 220, 255), QColor(255, 240, 210), QColor(255, 210, 240),
                          QColor(220, 255, 250)};
  for (int i = 0; i < count; ++i) {
    const QPointF c(rng.range(area.left(), area.right()), rng.range(area.top(), area.bottom()));
    const double big = rng.unit();
    const double size = big > 0.97 ? rng.range(1.3, 1.9) : rng.range(0.35, 0.9);
    const QColor tint = tints[rng.between(0, 3)];
    if (big > 0.97) {
      star(p, c, size, tint, true);
    } else {
      p.setPen(Qt::NoPen);
      p.setBrush(withAlpha(tint, static_cast<int>(std::min(255.0, rng.range(90, 255) * bright))));
      p.drawEllipse(c, size, size);
    }
  }
}

void spiralGalaxy(QPainter& p, QPointF c, double rx, double ry, double tilt, std::uint64_t seed) {
  Random rng(seed);
  p.save();
  p.translate(c);
  p.rotate(tilt);
  p.setPen(Qt::NoPen);
  QRadialGradient halo(QPointF(0, 0), rx);
  halo.setColorAt(0.0, QColor(200, 170, 255, 110));
  halo.setColorAt(0.5, QColor(120, 80, 200, 40));
  halo.setColorAt(1.0, QColor(60, 30, 120, 0));
  p.setBrush(halo);
  p.scale(1.0, ry / rx);
  p.drawEllipse(QPointF(0, 0), rx, rx);
  for (int arm = 0; arm < 2; ++arm) {
    for (int i = 0; i < 900; ++i) {
      const double t = rng.unit();
      const double angle = arm * kPi + t * 3.4 * kPi;
      const double r = rx * 0.08 * std::exp(t * 2.5) / std::exp(2.5) * 12.0;
      const double jitter = rx * 0.10 * (0.3 + t);
      const QPointF q(std::cos(angle) * r + rng.range(-jitter, jitter),
                      std::sin(angle) * r + rng.range(-jitter, jitter));
      if (std::hypot(q.x(), q.y()) > rx) continue;
      const QColor colour = t < 0.3 ? QColor(255, 230, 200) : QColor(180, 200, 255);
      p.setBrush(withAlpha(colour, static_cast<int>(rng.range(60, 200))));
      const double s = rng.range(0.5, 1.4);
      p.drawEllipse(q, s, s);
    }
  }
  QRadialGradient core(QPointF(0, 0), rx * 0.22);
  core.setColorAt(0.0, QColor(255, 250, 235, 255));
  core.setColorAt(0.4, QColor(255, 220, 180, 170));
  core.setColorAt(1.0, QColor(255, 200, 160, 0));
  p.setBrush(core);
  p.drawEllipse(QPointF(0, 0), rx * 0.22, rx * 0.22);
  p.restore();
}

class Galaxy : public Theme {
 public:
  void paintBoardBase(QPainter& p) override {
    p.drawImage(0, 0, nebulaField(600, 300, 0x6A1Au));
    starfield(p, QRectF(0, 0, 600, 300), 520, 0x57A2u);
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(withAlpha(kViolet, 120), 1.0));
    p.drawRoundedRect(QRectF(3.5, 5.5, 593, 289), 12, 12);
    p.restore();
  }

  void paintPocketSurround(QPainter& p, const PocketShape& s, Pocket) override {
    drawSoftShape(p, deviceSize(p), p.transform().map(s.path(-2.0)), QColor(150, 90, 255, 150), 4);
    drawSoftShape(p, deviceSize(p), p.transform().map(s.path(0.5)), QColor(0, 0, 0, 200), 2);
  }

  void paintPocket(QPainter& p, const PocketShape& s, Pocket kind) override {
    BowlStyle style;
    style.lipLight = QColor(226, 196, 255);
    style.lipDark = QColor(70, 36, 130);
    style.floorLight = QColor(44, 22, 80);
    style.floorDark = QColor(2, 2, 10);
    style.shadow = QColor(0, 0, 0, 230);
    style.wallLight = QColor(190, 140, 255, 80);
    style.lipWidth = 2.5;
    paintBowl(p, s, style);
    // Far stars seen down the well.
    p.save();
    p.setClipPath(s.path(6.0));
    starfield(p, s.box, kind == Pocket::Pit ? 14 : 50, kind == Pocket::Pit ? 0x11u : 0x12u, 0.55);
    p.restore();
  }

  void paintDotSocket(QPainter& p, QRectF dot, bool lit) override {
    const QRectF plate = dot.adjusted(-1.0, -1.0, 1.0, 1.0);
    if (!lit) {
      QPainterPath halo;
      halo.addRoundedRect(plate.adjusted(-1.5, -1.5, 1.5, 1.5), 5, 5);
      p.fillPath(halo, withAlpha(kViolet, 90));
    }
    QPainterPath shape;
    shape.addRoundedRect(plate, 3.2, 3.2);
    p.fillPath(shape, kPlate);
    const QPointF c = dot.center();
    if (lit) {
      QRadialGradient glow(c, 7.0);
      glow.setColorAt(0.0, QColor(240, 248, 255));
      glow.setColorAt(0.3, QColor(150, 190, 255, 230));
      glow.setColorAt(0.7, QColor(110, 120, 255, 80));
      glow.setColorAt(1.0, QColor(110, 120, 255, 0));
      p.setPen(Qt::NoPen);
      p.setBrush(glow);
      p.drawEllipse(c, 7.0, 7.0);
      p.setBrush(QColor(240, 246, 255));
      p.drawRect(QRectF(c.x() - 6, c.y() - 0.5, 12, 1));
      p.drawRect(QRectF(c.x() - 0.5, c.y() - 6, 1, 12));
    } else {
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(110, 100, 160));
      p.drawEllipse(c, 1.2, 1.2);
    }
  }

  void paintMarkerSocket(QPainter& p, QRectF m) override {
    const QPointF c = m.center();
    p.save();
    p.setPen(Qt::NoPen);
    QRadialGradient well(c, 15.0);
    well.setColorAt(0.0, QColor(30, 16, 60));
    well.setColorAt(0.8, QColor(8, 6, 20));
    well.setColorAt(1.0, QColor(8, 6, 20, 0));
    p.setBrush(well);
    p.drawEllipse(c, 15.0, 15.0);
    QPen orbit(withAlpha(kViolet, 150), 1.0, Qt::DotLine);
    p.setPen(orbit);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 13.0, 13.0);
    p.restore();
  }

  void paintBoardDecor(QPainter& p) override {
    spiralGalaxy(p, QPointF(300, 149), 120, 34, -8.0, 0x5B1Eu);
  }

  void paintGem(QPainter& p) override {
    // A ringed planet: the back of the ring, the ball, the front of the ring.
    const QPointF c(15, 15);
    QPainterPath ring;
    ring.addEllipse(QPointF(0, 0), 14.6, 5.2);
    QPainterPath hole;
    hole.addEllipse(QPointF(0, 0), 11.6, 3.4);
    ring = ring.subtracted(hole);
    QTransform t;
    t.translate(c.x(), c.y());
    t.rotate(-22.0);
    const QPainterPath placedRing = t.map(ring);
    QPainterPath backHalf;
    backHalf.addRect(QRectF(-16, -8, 32, 8));
    QPainterPath frontHalf;
    frontHalf.addRect(QRectF(-16, 0, 32, 8));
    QLinearGradient ringBrush(0, 8, 30, 22);
    ringBrush.setColorAt(0.0, QColor(250, 226, 170));
    ringBrush.setColorAt(1.0, QColor(190, 140, 90));
    const QPen ringEdge(QColor(80, 40, 20), 0.9);
    p.setPen(ringEdge);
    p.setBrush(ringBrush);
    p.drawPath(placedRing.intersected(t.map(backHalf)));
    QRadialGradient ball(c + QPointF(-3, -3), 11.5);
    ball.setColorAt(0.0, QColor(255, 210, 130));
    ball.setColorAt(0.6, QColor(236, 120, 50));
    ball.setColorAt(1.0, QColor(120, 40, 20));
    p.setPen(QPen(QColor(70, 20, 10), 1.0));
    p.setBrush(ball);
    p.drawEllipse(c, 9.8, 9.8);
    QPainterPath clip;
    clip.addEllipse(c, 9.4, 9.4);
    p.save();
    p.setClipPath(clip);
    p.setPen(QPen(QColor(150, 50, 30, 110), 1.4));
    for (double dy : {-5.0, -1.5, 3.0, 6.5}) {
      QTransform bt;
      bt.translate(c.x(), c.y());
      bt.rotate(-22.0);
      p.drawLine(bt.map(QLineF(-11, dy, 11, dy)));
    }
    p.restore();
    p.setPen(ringEdge);
    p.setBrush(ringBrush);
    p.drawPath(placedRing.intersected(t.map(frontHalf)));
  }

  void paintTurnIndicator(QPainter& p) override {
    const QPointF c(15, 15);
    QRadialGradient glow(c, 14.0);
    glow.setColorAt(0.0, QColor(255, 240, 180, 230));
    glow.setColorAt(0.5, QColor(255, 190, 80, 90));
    glow.setColorAt(1.0, QColor(255, 160, 60, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(c, 14.0, 14.0);
    QPainterPath s;
    for (int i = 0; i < 8; ++i) {
      const double a = -kPi / 2.0 + i * kPi / 4.0;
      const double r = i % 2 == 0 ? 13.0 : 3.6;
      const QPointF q = c + QPointF(std::cos(a) * r, std::sin(a) * r);
      if (i == 0)
        s.moveTo(q);
      else
        s.lineTo(q);
    }
    s.closeSubpath();
    QRadialGradient body(c, 12.0);
    body.setColorAt(0.0, QColor(255, 252, 235));
    body.setColorAt(0.5, QColor(255, 214, 110));
    body.setColorAt(1.0, QColor(230, 150, 40));
    p.setPen(QPen(QColor(150, 80, 10), 0.8));
    p.setBrush(body);
    p.drawPath(s);
  }

  QColor hiliteColour() const override { return QColor(200, 110, 255); }
  QColor hiliteRimColour() const override { return QColor(255, 210, 255); }

  void paintAboutBox(QPainter& p) override {
    p.drawImage(0, 0, nebulaField(580, 150, 0x6A1Bu));
    starfield(p, QRectF(0, 0, 580, 150), 300, 0x57A3u);
    spiralGalaxy(p, QPointF(500, 36), 60, 18, 18.0, 0x5B1Fu);
    LetterStyle style;
    style.capHeight = 70.0;
    style.weight = 0.15;
    style.spacing = 0.10;
    style.slant = 0.06;
    const QPainterPath word = wordOutline("Velloru", style, QPointF(280, 76));
    drawSoftShape(p, deviceSize(p), word, QColor(190, 80, 255, 220), 9);
    drawSoftShape(p, deviceSize(p), word, QColor(120, 200, 255, 160), 3);
    QLinearGradient fill(0, 40, 0, 112);
    fill.setColorAt(0.0, QColor(255, 250, 255));
    fill.setColorAt(0.6, QColor(226, 200, 255));
    fill.setColorAt(1.0, QColor(170, 130, 250));
    p.fillPath(word, fill);
    star(p, QPointF(96, 40), 2.0, QColor(255, 240, 210), true);
    star(p, QPointF(470, 118), 1.6, QColor(210, 230, 255), true);
  }
};

}  // namespace

std::unique_ptr<Theme> makeGalaxyTheme() { return std::make_unique<Galaxy>(); }

}  // namespace artwork
