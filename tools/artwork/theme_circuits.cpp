// "Circuits": a green circuit board. Traces under the solder mask, gold
// vias and edge fingers, plated holes for the pockets, LED gems, a chip with
// the name on it in silkscreen.

#include <QLinearGradient>
#include <QRadialGradient>

#include "artwork/lettering.h"
#include "artwork/random.h"
#include "artwork/theme.h"

namespace artwork {
namespace {

const QColor kMask(18, 92, 46);
const QColor kTrace(44, 136, 70);
const QColor kGold(222, 182, 84);
const QColor kGoldLight(252, 230, 150);
const QColor kGoldDark(130, 92, 28);
const QColor kSilk(228, 234, 222);

QImage maskField(int w, int h, std::uint32_t seed) {
  return renderField(w, h, [&](int x, int y) {
    // The glass weave showing faintly through the mask.
    const double weave = 0.5 + 0.25 * std::sin((x + y) * 0.9) * std::sin((x - y) * 0.9);
    const double cloud = fractalNoise(x * 0.01, y * 0.01, seed, 3);
    const double v = 0.92 + 0.06 * weave + 0.16 * (cloud - 0.5);
    return qRgb(static_cast<int>(kMask.red() * v), static_cast<int>(kMask.green() * v),
                static_cast<int>(kMask.blue() * v));
  });
}

QBrush goldBrush(QRectF r) {
  QLinearGradient g(r.topLeft(), r.bottomRight());
  g.setColorAt(0.0, kGoldLight);
  g.setColorAt(0.5, kGold);
  g.setColorAt(1.0, kGoldDark);
  return g;
}

void via(QPainter& p, QPointF c, double r) {
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(goldBrush(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r)));
  p.drawEllipse(c, r, r);
  p.setBrush(QColor(10, 24, 14));
  p.drawEllipse(c, r * 0.45, r * 0.45);
  p.restore();
}

// Traces routed in straight runs and 45 degree bends, each ending in a via.
void traces(QPainter& p, QRectF area, int count, std::uint64_t seed) {
  Random rng(seed);
  p.save();
  for (int i = 0; i < count; ++i) {
    QPointF at(area.left() + std::round(rng.range(0, area.width()) / 6.0) * 6.0,
               area.top() + std::round(rng.range(0, area.height()) / 6.0) * 6.0);
    QPainterPath path(at);
    int dir = rng.between(0, 7);
    const int segments = rng.between(2, 5);
    for (int s = 0; s < segments; ++s) {
      const double len = rng.range(12.0, 60.0);
      const double a = dir * kPi / 4.0;
      at += QPointF(std::cos(a) * len, std::sin(a) * len);
      at.setX(std::clamp(at.x(), area.left(), area.right()));
      at.setY(std::clamp(at.y(), area.top(), area.bottom()));
      path.lineTo(at);
      dir = (dir + (rng.chance(0.5) ? 1 : 7)) % 8;
    }
    const double width = rng.chance(0.3) ? 3.0 : 1.8;
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(8, 50, 24, 120), width + 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path.translated(0.6, 0.8));
    p.setPen(QPen(kTrace, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(
        QPen(QColor(90, 180, 110, 110), width * 0.35, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path.translated(-0.4, -0.4));
    via(p, path.pointAtPercent(0.0), width + 1.2);
    via(p, at, width + 1.2);
  }
  p.restore();
}

void chip(QPainter& p, QRectF body, int pins) {
  p.save();
  p.setPen(Qt::NoPen);
  const double pitch = body.width() / (pins + 1);
  for (int i = 1; i <= pins; ++i) {
    const double x = body.left() + i * pitch - 2.0;
    p.setBrush(goldBrush(QRectF(x, body.top() - 6, 4, 6)));
    p.drawRect(QRectF(x, body.top() - 6, 4, 6));
    p.drawRect(QRectF(x, body.bottom(), 4, 6));
  }
  QPainterPath shape;
  shape.addRoundedRect(body, 3, 3);
  drawSoftShape(p, deviceSize(p), p.transform().map(shape), QColor(0, 0, 0, 160), 3, QPointF(2, 3));
  QLinearGradient g(body.topLeft(), body.bottomLeft());
  g.setColorAt(0.0, QColor(54, 58, 60));
  g.setColorAt(1.0, QColor(18, 20, 22));
  p.fillPath(shape, g);
  p.setPen(QPen(QColor(90, 96, 100), 1.0));
  p.setBrush(Qt::NoBrush);
  p.drawPath(shape);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(70, 74, 78));
  p.drawEllipse(body.topLeft() + QPointF(7, 7), 2.6, 2.6);
  p.restore();
}

class Circuits : public Theme {
 public:
  void paintBoardBase(QPainter& p) override {
    p.drawImage(0, 0, maskField(600, 300, 0xC1C0u));
    traces(p, QRectF(6, 6, 588, 276), 70, 0xC1C1u);
    // Gold fingers along the bottom edge, the board's connector.
    for (double x = 24; x < 576; x += 9) {
      const QRectF f(x, 284, 6, 14);
      p.fillRect(f, goldBrush(f));
    }
    p.save();
    p.setPen(QPen(kSilk, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(3.5, 3.5, 593, 293), 6, 6);
    p.restore();
    for (QPointF c : {QPointF(12, 10), QPointF(588, 10), QPointF(12, 290), QPointF(588, 290)})
      via(p, c, 4.0);
  }

  void paintPocketSurround(QPainter& p, const PocketShape& s, Pocket) override {
    // Bare mask round the pad, with the silkscreen outline of the part.
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(kMask.darker(115));
    p.drawPath(s.path(-2.5));
    p.setPen(QPen(kSilk, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(s.path(-1.2));
    p.restore();
  }

  void paintPocket(QPainter& p, const PocketShape& s, Pocket) override {
    BowlStyle style;
    style.lipLight = kGoldLight;
    style.lipDark = kGoldDark;
    style.floorLight = QColor(30, 70, 44);
    style.floorDark = QColor(4, 14, 8);
    style.shadow = QColor(0, 0, 0, 220);
    style.wallLight = QColor(250, 220, 140, 60);
    style.lipWidth = 5.0;
    paintBowl(p, s, style);
    // The plating shows as a thin gold wall inside the hole.
    p.save();
    p.setClipPath(s.path(5.0));
    p.setPen(QPen(withAlpha(kGold, 120), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(s.path(5.6));
    p.restore();
  }

  void paintDotSocket(QPainter& p, QRectF dot, bool lit) override {
    const QRectF plate = dot.adjusted(-1.0, -1.0, 1.0, 1.0);
    if (!lit) {
      p.save();
      p.setPen(QPen(kSilk, 1.0));
      p.setBrush(Qt::NoBrush);
      p.drawRoundedRect(plate.adjusted(-1.5, -1.5, 1.5, 1.5), 3.5, 3.5);
      p.restore();
    }
    QPainterPath plateShape;
    plateShape.addRoundedRect(plate, 3.0, 3.0);
    p.fillPath(plateShape, kMask.darker(135));
    const QPointF c = dot.center();
    p.save();
    p.setPen(Qt::NoPen);
    for (double dx : {-5.0, 3.0}) {
      const QRectF pad(c.x() + dx, c.y() - 2.5, 2.0, 5.0);
      p.fillRect(pad, goldBrush(pad));
    }
    if (lit) {
      QRadialGradient glow(c, 7.0);
      glow.setColorAt(0.0, QColor(240, 255, 220));
      glow.setColorAt(0.35, QColor(130, 255, 80));
      glow.setColorAt(0.65, QColor(80, 230, 60, 120));
      glow.setColorAt(1.0, QColor(80, 230, 60, 0));
      p.setBrush(glow);
      p.drawEllipse(c, 7.0, 7.0);
    } else {
      p.setBrush(QColor(170, 190, 170));
      p.drawRect(QRectF(c.x() - 3, c.y() - 2, 6, 4));
      p.setBrush(QColor(110, 140, 110));
      p.drawRect(QRectF(c.x() - 1.5, c.y() - 1, 3, 2));
    }
    p.restore();
  }

  void paintMarkerSocket(QPainter& p, QRectF m) override {
    const QPointF c = m.center();
    p.save();
    p.setPen(QPen(kSilk, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 15.5, 15.5);
    p.setPen(Qt::NoPen);
    p.setBrush(goldBrush(m));
    p.drawEllipse(c, 14.0, 14.0);
    p.setBrush(QColor(10, 26, 16));
    p.drawEllipse(c, 11.0, 11.0);
    p.restore();
  }

  void paintBoardDecor(QPainter& p) override {
    const QRectF body(218, 126, 164, 46);
    chip(p, body, 14);
    LetterStyle style;
    style.capHeight = 22.0;
    style.weight = 0.12;
    style.spacing = 0.12;
    const QPainterPath word = wordOutline("Velloru", style, body.center() + QPointF(4, 0));
    p.fillPath(word, QColor(206, 210, 206));
    // Polarity marks printed by the two markers, clear of traces and vias.
    p.save();
    p.setPen(QPen(kSilk, 1.2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(149.5, 134), QPointF(156.5, 134));
    p.drawLine(QPointF(441.5, 134), QPointF(448.5, 134));
    p.drawLine(QPointF(445, 130.5), QPointF(445, 137.5));
    p.restore();
  }

  void paintGem(QPainter& p) override {
    // A red LED seen from above: flange, dome, the die inside.
    const QPointF c(15, 15);
    p.setPen(QPen(QColor(80, 6, 6), 1.1));
    p.setBrush(QColor(170, 20, 20));
    p.drawEllipse(c, 12.8, 12.8);
    paintGlossyBall(p, c, 10.6, QColor(236, 36, 30), QColor(110, 8, 8));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 10, 10, 200));
    p.drawRect(QRectF(13.2, 14.0, 3.6, 3.6));
    p.setBrush(QColor(255, 230, 200, 230));
    p.drawEllipse(QRectF(7.5, 6.5, 7, 4.5));
  }

  void paintTurnIndicator(QPainter& p) override {
    const QPointF c(15, 15);
    QRadialGradient glow(c, 13.0);
    glow.setColorAt(0.0, QColor(255, 250, 210));
    glow.setColorAt(0.4, QColor(255, 190, 40));
    glow.setColorAt(0.8, QColor(210, 110, 0));
    glow.setColorAt(1.0, QColor(150, 70, 0));
    p.setPen(QPen(QColor(110, 50, 0), 1.0));
    p.setBrush(glow);
    p.drawEllipse(c, 10.5, 10.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 210));
    p.drawEllipse(QRectF(9, 8, 6, 4));
  }

  QColor hiliteColour() const override { return QColor(110, 255, 90); }
  QColor hiliteRimColour() const override { return QColor(230, 255, 190); }

  void paintAboutBox(QPainter& p) override {
    p.drawImage(0, 0, maskField(580, 150, 0xC1C2u));
    traces(p, QRectF(6, 6, 568, 138), 34, 0xC1C3u);
    QPainterPath panel;
    panel.addRoundedRect(QRectF(60, 16, 460, 118), 10, 10);
    p.fillPath(panel, kMask.darker(125));
    p.save();
    p.setPen(QPen(kSilk, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(panel);
    p.drawRoundedRect(QRectF(3.5, 3.5, 573, 143), 6, 6);
    p.restore();

    LetterStyle style;
    style.capHeight = 66.0;
    style.weight = 0.11;
    style.spacing = 0.16;
    const QPointF centre(290, 75);
    const QPainterPath skeleton = placedSkeleton("Velloru", style, centre);
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 30, 10, 150), 9.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(skeleton.translated(1.2, 1.6));
    p.setPen(
        QPen(goldBrush(QRectF(80, 30, 420, 90)), 7.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(skeleton);
    p.setPen(QPen(withAlpha(kGoldLight, 160), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(skeleton.translated(-1.2, -1.2));
    p.restore();
    for (const QPointF& end : strokeEnds("Velloru", style, centre)) via(p, end, 6.0);
  }
};

}  // namespace

std::unique_ptr<Theme> makeCircuitsTheme() { return std::make_unique<Circuits>(); }

}  // namespace artwork
