// "Nature": a meadow. Grass blades, scattered leaves and buttercups, earthen
// hollows rimmed with moss for the pockets, a wooden sign for the name,
// ladybirds for the gems and a daisy for the turn.

#include <QLinearGradient>
#include <QRadialGradient>
#include <algorithm>

#include "artwork/lettering.h"
#include "artwork/random.h"
#include "artwork/theme.h"

namespace artwork {
namespace {

const QColor kLeafPlate(54, 104, 38);
const WoodStyle kSignWood{qRgb(156, 112, 66), qRgb(122, 84, 46), qRgb(80, 52, 26), 0.09, 4.0, 0.3};

QImage meadowBase(int w, int h, std::uint32_t seed) {
  return renderField(w, h, [&](int x, int y) {
    const double n = fractalNoise(x * 0.012, y * 0.012, seed, 4);
    const double m = fractalNoise(x * 0.05, y * 0.05, seed + 1, 2);
    return ramp({qRgb(40, 86, 28), qRgb(70, 130, 40), qRgb(120, 170, 60)},
                clamp01(0.25 + 0.6 * n + 0.25 * (m - 0.5)));
  });
}

void grass(QPainter& p, QRectF area, int count, std::uint64_t seed, double minLen = 5.0,
           double maxLen = 13.0) {
  Random rng(seed);
  struct Blade {
    QPointF base;
    double len, bend, width;
    QColor colour;
  };
  std::vector<Blade> blades;
  blades.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    Blade b;
    b.base = QPointF(rng.range(area.left() - 4, area.right() + 4),
                     rng.range(area.top(), area.bottom() + 10));
    b.len = rng.range(minLen, maxLen);
    b.bend = rng.range(-0.6, 0.6);
    b.width = rng.range(0.8, 1.6);
    const double shade = rng.unit();
    b.colour = mixColour(QColor(34, 80, 22), QColor(170, 210, 80), shade);
    blades.push_back(b);
  }
  std::sort(blades.begin(), blades.end(),
            [](const Blade& a, const Blade& b) { return a.base.y() < b.base.y(); });
  p.save();
  p.setBrush(Qt::NoBrush);
  for (const Blade& b : blades) {
    QPainterPath path(b.base);
    const QPointF tip = b.base + QPointF(b.bend * b.len, -b.len);
    path.quadTo(b.base + QPointF(0, -b.len * 0.6), tip);
    p.setPen(QPen(b.colour, b.width, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(path);
  }
  p.restore();
}

QPainterPath leafPath(QPointF c, double length, double width, double angleDeg) {
  QPainterPath leaf;
  leaf.moveTo(-length / 2, 0);
  leaf.cubicTo(-length / 4, -width, length / 4, -width, length / 2, 0);
  leaf.cubicTo(length / 4, width, -length / 4, width, -length / 2, 0);
  QTransform t;
  t.translate(c.x(), c.y());
  t.rotate(angleDeg);
  return t.map(leaf);
}

void leaf(QPainter& p, QPointF c, double length, double width, double angleDeg,
          const QColor& colour) {
  const QPainterPath shape = leafPath(c, length, width, angleDeg);
  p.save();
  p.setPen(QPen(colour.darker(170), 0.8));
  QLinearGradient g(shape.boundingRect().topLeft(), shape.boundingRect().bottomRight());
  g.setColorAt(0.0, colour.lighter(130));
  g.setColorAt(1.0, colour.darker(120));
  p.setBrush(g);
  p.drawPath(shape);
  QTransform t;
  t.translate(c.x(), c.y());
  t.rotate(angleDeg);
  p.setPen(QPen(colour.lighter(150), 0.7));
  p.drawLine(t.map(QLineF(-length / 2, 0, length / 2 - 1, 0)));
  p.restore();
}

void flower(QPainter& p, QPointF c, double r, int petals, const QColor& petal, const QColor& centre,
            double rotation = 0.0) {
  p.save();
  p.setPen(QPen(petal.darker(150), 0.6));
  p.setBrush(petal);
  for (int i = 0; i < petals; ++i) {
    const double a = rotation + i * 2.0 * kPi / petals;
    const QPointF q = c + QPointF(std::cos(a), std::sin(a)) * r * 0.55;
    p.drawPath(leafPath(q, r * 0.95, r * 0.28 + 0.3, a * 180.0 / kPi));
  }
  QRadialGradient g(c - QPointF(r * 0.1, r * 0.1), r * 0.35);
  g.setColorAt(0.0, centre.lighter(130));
  g.setColorAt(1.0, centre.darker(130));
  p.setPen(QPen(centre.darker(170), 0.6));
  p.setBrush(g);
  p.drawEllipse(c, r * 0.28, r * 0.28);
  p.restore();
}

QImage soilTexture(int w, int h, std::uint32_t seed) {
  return renderField(w, h, [&](int x, int y) {
    const double crumbs = valueNoise(x * 0.7, y * 0.7, seed);
    const double clods = fractalNoise(x * 0.12, y * 0.12, seed + 1, 3);
    const int v = static_cast<int>(128 + 90 * (crumbs - 0.5) + 80 * (clods - 0.5));
    return qRgb(v, v, v);
  });
}

class Nature : public Theme {
 public:
  void paintBoardBase(QPainter& p) override {
    p.drawImage(0, 0, meadowBase(600, 300, 0x9A55u));
    grass(p, QRectF(0, 0, 600, 300), 9000, 0x9A56u);
    Random rng(0x1EAFu);
    // Leaves along the edges, buttercups and clover in the grass.
    for (int i = 0; i < 70; ++i) {
      const double t = rng.unit();
      QPointF c;
      switch (i % 4) {
        case 0:
          c = QPointF(t * 600, rng.range(0, 8));
          break;
        case 1:
          c = QPointF(t * 600, rng.range(292, 300));
          break;
        case 2:
          c = QPointF(rng.range(0, 7), t * 300);
          break;
        default:
          c = QPointF(rng.range(593, 600), t * 300);
          break;
      }
      leaf(p, c, rng.range(12, 20), rng.range(4, 6), rng.range(0, 360),
           mixColour(QColor(40, 100, 30), QColor(110, 160, 40), rng.unit()));
    }
    for (int i = 0; i < 40; ++i) {
      const QPointF c(rng.range(10, 590), rng.range(6, 296));
      if (i % 3 == 0)
        flower(p, c, rng.range(3.5, 5.0), 5, QColor(255, 226, 60), QColor(220, 150, 20),
               rng.range(0, kPi));
      else
        flower(p, c, rng.range(3.0, 4.0), 8, QColor(250, 248, 236), QColor(240, 190, 40),
               rng.range(0, kPi));
    }
  }

  void paintPocketSurround(QPainter& p, const PocketShape& s, Pocket) override {
    paintBowlSurround(p, s, QColor(10, 30, 4, 170), QColor(220, 255, 150, 90), 3.5);
  }

  void paintPocket(QPainter& p, const PocketShape& s, Pocket kind) override {
    const QImage soil = kind == Pocket::Pit ? soilTexture(65, 65, 3u) : soilTexture(96, 259, 4u);
    BowlStyle style;
    style.lipLight = QColor(150, 186, 74);
    style.lipDark = QColor(44, 70, 20);
    style.floorLight = QColor(138, 98, 58);
    style.floorDark = QColor(44, 28, 14);
    style.shadow = QColor(20, 10, 0, 210);
    style.wallLight = QColor(255, 220, 160, 60);
    style.lipWidth = 4.0;
    style.texture = &soil;
    style.textureOpacity = 0.6;
    paintBowl(p, s, style);
    // Moss tufts on the lip.
    Random rng(kind == Pocket::Pit ? 0x70u : 0x71u);
    const QPainterPath lip = s.path(2.0);
    p.save();
    p.setClipPath(s.path(0.0));
    p.setPen(Qt::NoPen);
    const int tufts = kind == Pocket::Pit ? 40 : 120;
    for (int i = 0; i < tufts; ++i) {
      const QPointF c = lip.pointAtPercent(rng.unit());
      p.setBrush(mixColour(QColor(60, 110, 30), QColor(170, 210, 80), rng.unit()));
      p.drawEllipse(c, rng.range(1.0, 2.2), rng.range(1.0, 2.2));
    }
    p.restore();
  }

  void paintDotSocket(QPainter& p, QRectF dot, bool lit) override {
    const QRectF plate = dot.adjusted(-1.0, -1.0, 1.0, 1.0);
    if (!lit) {
      QPainterPath rim;
      rim.addRoundedRect(plate.adjusted(-1.5, -1.5, 1.5, 1.5), 5, 5);
      p.fillPath(rim, QColor(20, 50, 12, 200));
    }
    QPainterPath shape;
    shape.addRoundedRect(plate, 3.2, 3.2);
    p.fillPath(shape, kLeafPlate);
    const QPointF c = dot.center();
    if (lit) {
      QRadialGradient glow(c, 7.0);
      glow.setColorAt(0.0, QColor(255, 250, 170, 230));
      glow.setColorAt(1.0, QColor(255, 250, 170, 0));
      p.setPen(Qt::NoPen);
      p.setBrush(glow);
      p.drawEllipse(c, 7.0, 7.0);
      flower(p, c, 6.6, 5, QColor(255, 222, 40), QColor(230, 130, 10), -kPi / 2.0);
    } else {
      p.setPen(QPen(QColor(30, 60, 16), 0.7));
      p.setBrush(QColor(150, 180, 70));
      p.drawEllipse(c, 2.4, 3.0);
    }
  }

  void paintMarkerSocket(QPainter& p, QRectF m) override {
    const QPointF c = m.center();
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 50, 12, 160));
    p.drawEllipse(c + QPointF(0.6, 1.0), 14.6, 14.6);
    QRadialGradient moss(c - QPointF(3, 3), 16.0);
    moss.setColorAt(0.0, QColor(120, 170, 60));
    moss.setColorAt(1.0, QColor(46, 90, 26));
    p.setBrush(moss);
    p.drawEllipse(c, 14.0, 14.0);
    p.restore();
  }

  void paintBoardDecor(QPainter& p) override {
    // A little wooden sign with the name carved in it.
    const QRectF sign(200, 126, 200, 46);
    QPainterPath plank;
    plank.addRoundedRect(sign, 8, 8);
    drawSoftShape(p, deviceSize(p), plank, QColor(10, 30, 4, 170), 3, QPointF(1.5, 2.5));
    p.save();
    p.setClipPath(plank);
    p.drawImage(sign.topLeft(), woodField(200, 46, 0x51Cu, kSignWood));
    p.restore();
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(70, 44, 20), 1.2));
    p.drawPath(plank);
    p.restore();
    LetterStyle style;
    style.capHeight = 28.0;
    style.weight = 0.16;
    style.spacing = 0.09;
    // Routed into the plank and painted cream, like a trail sign.
    paintCarved(p, wordOutline("Velloru", style, QPointF(300, 149)), QColor(248, 238, 200),
                QColor(60, 34, 10, 170), QColor(255, 250, 230, 150));
    leaf(p, QPointF(205, 130), 18, 5, -30, QColor(70, 130, 40));
    leaf(p, QPointF(396, 168), 18, 5, 150, QColor(90, 150, 40));
    leaf(p, QPointF(390, 130), 14, 4, 20, QColor(60, 120, 30));
  }

  void paintGem(QPainter& p) override {
    // A ladybird, head up.
    const QPointF c(15, 16.5);
    p.setPen(QPen(QColor(10, 10, 10), 1.1));
    p.setBrush(QColor(24, 22, 22));
    p.drawEllipse(QPointF(15, 5.8), 5.6, 4.4);
    QRadialGradient shell(c - QPointF(3.5, 4.0), 14.0);
    shell.setColorAt(0.0, QColor(255, 120, 90));
    shell.setColorAt(0.5, QColor(226, 30, 24));
    shell.setColorAt(1.0, QColor(120, 6, 6));
    p.setBrush(shell);
    p.drawEllipse(c, 11.2, 11.6);
    p.setPen(QPen(QColor(20, 10, 10), 1.1));
    p.drawLine(QPointF(15, 5.2), QPointF(15, 28.0));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(22, 18, 18));
    const QPointF spots[] = {{9.5, 12.5},  {20.5, 12.5}, {8.5, 20.0},
                             {21.5, 20.0}, {12.0, 25.0}, {18.0, 25.0}};
    for (QPointF s : spots) p.drawEllipse(s, 2.2, 2.2);
    p.setBrush(QColor(250, 248, 240));
    p.drawEllipse(QPointF(12.3, 5.0), 1.2, 1.0);
    p.drawEllipse(QPointF(17.7, 5.0), 1.2, 1.0);
    p.setBrush(QColor(255, 255, 255, 190));
    p.drawEllipse(QRectF(7.5, 9.0, 5.0, 3.0));
  }

  void paintTurnIndicator(QPainter& p) override {
    flower(p, QPointF(15, 15), 13.6, 14, QColor(250, 250, 244), QColor(246, 186, 30), 0.1);
  }

  QColor hiliteColour() const override { return QColor(240, 255, 120); }
  QColor hiliteRimColour() const override { return QColor(255, 240, 140); }
  double hiliteTint() const override { return 0.35; }

  void paintAboutBox(QPainter& p) override {
    p.drawImage(0, 0, renderField(580, 150, [](int x, int y) {
                  const double n = fractalNoise(x * 0.01, y * 0.02, 0x5A1u, 3);
                  const QRgb sky = mixRgb(qRgb(140, 196, 240), qRgb(226, 242, 250), y / 110.0);
                  const double hill = 96.0 + 18.0 * std::sin(x * 0.012) + 10.0 * (n - 0.5) * 4.0;
                  if (y < hill) return sky;
                  return ramp({qRgb(120, 176, 60), qRgb(60, 120, 34)}, clamp01((y - hill) / 50.0));
                }));
    grass(p, QRectF(0, 96, 580, 54), 3500, 0x9A57u, 6.0, 16.0);
    Random rng(0x1EB0u);
    for (int i = 0; i < 24; ++i)
      flower(p, QPointF(rng.range(8, 572), rng.range(112, 146)), rng.range(3.5, 5.5),
             i % 3 == 0 ? 5 : 8, i % 3 == 0 ? QColor(255, 226, 60) : QColor(250, 248, 236),
             QColor(240, 170, 30), rng.range(0, kPi));
    LetterStyle style;
    style.capHeight = 70.0;
    style.weight = 0.19;
    style.spacing = 0.08;
    const QPointF centre(290, 70);
    const QPainterPath word = wordOutline("Velloru", style, centre);
    drawSoftShape(p, deviceSize(p), word, QColor(255, 255, 220, 170), 7);
    QLinearGradient body(0, 34, 0, 108);
    body.setColorAt(0.0, QColor(150, 210, 70));
    body.setColorAt(1.0, QColor(40, 110, 30));
    paintRaised(p, word, body, QColor(10, 40, 10, 150), QColor(230, 255, 170, 200),
                QColor(10, 50, 10, 200), 2.5);
    const QList<QPointF> ends = strokeEnds("Velloru", style, centre);
    for (int i = 0; i < ends.size(); ++i)
      if (ends[i].y() < 60.0)
        leaf(p, ends[i] + QPointF(6, -4), 16, 5, -40.0 + 25.0 * (i % 3), QColor(80, 150, 40));
  }
};

}  // namespace

std::unique_ptr<Theme> makeNatureTheme() { return std::make_unique<Nature>(); }

}  // namespace artwork
