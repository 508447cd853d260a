// "Oak": a pale, quarter-sawn oak table top of three planks, hollows carved
// and stained darker, walnut dowels with brass nails for the move dots, the
// name branded into the wood, step-cut garnets for the gems and an acorn for
// the turn.
// The whole strip is shown with white see-through, so it keeps pure white
// out of everything that must show.

#include <QLinearGradient>
#include <QRadialGradient>

#include "artwork/lettering.h"
#include "artwork/random.h"
#include "artwork/theme.h"

namespace artwork {
namespace {

const WoodStyle kOak{
    qRgb(222, 182, 118), qRgb(192, 146, 84), qRgb(140, 96, 48), 0.032, 3.0, 0.24, 0.16};
// The hollows' grain, laid over their stain: coarse and open, wide rings
// with dark pores and the silvery flecks of quarter-sawn oak.
const WoodStyle kHollowGrain{qRgb(160, 160, 160), qRgb(128, 128, 128), qRgb(92, 92, 92),
                             0.04, 1.0, 0.18, 0.14, 0.40};
const QColor kWalnut(92, 58, 30);

// A lobed oak leaf.
QPainterPath oakLeaf(QPointF c, double length, double angleDeg) {
  QPainterPath leaf;
  const double w = length * 0.2;
  leaf.addEllipse(QPointF(0, 0), length * 0.5, w * 0.7);
  for (int i = 0; i < 3; ++i) {
    const double x = -length * 0.25 + i * length * 0.22;
    const double r = w * (0.75 - 0.1 * i);
    QPainterPath lobe;
    lobe.addEllipse(QPointF(x, -w * 0.55), r, r);
    lobe.addEllipse(QPointF(x, w * 0.55), r, r);
    leaf = leaf.united(lobe);
  }
  QPainterPath stem;
  stem.addRect(QRectF(-length * 0.62, -0.6, length * 0.16, 1.2));
  leaf = leaf.united(stem);
  QTransform t;
  t.translate(c.x(), c.y());
  t.rotate(angleDeg);
  return t.map(leaf);
}

// Burnt into the wood: a dark core and a scorched halo.
void branded(QPainter& p, const QPainterPath& shape, int scorch) {
  const QPainterPath device = p.transform().map(shape);
  drawSoftShape(p, deviceSize(p), device, QColor(110, 56, 14, 150), scorch);
  QLinearGradient g(shape.boundingRect().topLeft(), shape.boundingRect().bottomLeft());
  g.setColorAt(0.0, QColor(66, 32, 10));
  g.setColorAt(1.0, QColor(44, 20, 6));
  p.fillPath(shape, g);
  drawInnerShadow(p, deviceSize(p), device, QColor(10, 4, 0, 160), 1, QPointF(1.0, 1.2));
}

void planks(QPainter& p, int w, int h, std::uint32_t seed, std::initializer_list<int> joints) {
  int top = 0;
  int k = 0;
  std::vector<int> edges(joints);
  edges.push_back(h);
  for (int bottom : edges) {
    const QImage plank = woodField(w, bottom - top, seed + static_cast<std::uint32_t>(k) * 97u,
                                   kOak, QPointF(k * 131.0, k * 57.0));
    p.drawImage(0, top, plank);
    if (top > 0) {
      p.fillRect(QRectF(0, top - 0.5, w, 1.2), QColor(70, 40, 14, 190));
      p.fillRect(QRectF(0, top + 0.7, w, 1.0), QColor(255, 230, 180, 70));
    }
    top = bottom;
    ++k;
  }
}

// An octagon: the rectangle centre +- half with its corners cut by cut.
QPolygonF octagon(QPointF c, QSizeF half, double cut) {
  const double l = c.x() - half.width();
  const double r = c.x() + half.width();
  const double t = c.y() - half.height();
  const double b = c.y() + half.height();
  return {QPointF(l + cut, t), QPointF(r - cut, t), QPointF(r, t + cut), QPointF(r, b - cut),
          QPointF(r - cut, b), QPointF(l + cut, b), QPointF(l, b - cut), QPointF(l, t + cut)};
}

// A step-cut stone seen from above: rows of long facets stepping down in
// rings to a flat table, alternately catching the light and the dark.
void paintStepCutGem(QPainter& p, QPointF c, QSizeF half, double cut, const QColor& base) {
  const QRgb dark = mixColour(base, QColor(0, 0, 0), 0.7).rgb();
  const QRgb light = mixColour(base, QColor(255, 236, 230), 0.55).rgb();
  const double steps[] = {1.0, 0.80, 0.62, 0.46};
  auto ring = [&](double k) { return octagon(c, half * k, cut * k); };
  p.save();
  p.setPen(Qt::NoPen);
  for (int i = 0; i + 1 < 4; ++i) {
    const QPolygonF outer = ring(steps[i]);
    const QPolygonF inner = ring(steps[i + 1]);
    for (int j = 0; j < 8; ++j) {
      const QPolygonF facet{outer[j], outer[(j + 1) % 8], inner[(j + 1) % 8], inner[j]};
      const QPointF mid = (outer[j] + outer[(j + 1) % 8]) / 2.0 - c;
      const double lit = 0.5 + 0.5 * std::cos(std::atan2(mid.y(), mid.x()) + 0.75 * kPi);
      // The inner rows face the other way: light and dark alternate.
      const double shade = i % 2 == 0 ? lit : 1.0 - lit;
      p.setBrush(QColor(ramp({dark, base.rgb(), light}, shade)));
      p.drawPolygon(facet);
    }
  }
  const QPolygonF table = ring(steps[3]);
  p.setBrush(gemTableFill(table.boundingRect().topLeft(), table.boundingRect().bottomRight(), base, 0.25, 0.6, 0.35));
  p.drawPolygon(table);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(withAlpha(mixColour(base, QColor(255, 255, 255), 0.6), 80), 0.6));
  for (int i = 1; i < 4; ++i) p.drawPolygon(ring(steps[i]));
  p.setPen(QPen(base.darker(330), 1.3));
  p.drawPolygon(ring(1.0));
  // Light glancing off the table.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 190));
  const QRectF t = table.boundingRect();
  p.drawPolygon(QPolygonF{t.topLeft() + QPointF(t.width() * 0.18, t.height() * 0.12),
                          t.topLeft() + QPointF(t.width() * 0.55, t.height() * 0.12),
                          t.topLeft() + QPointF(t.width() * 0.18, t.height() * 0.50)});
  p.restore();
}

class Oak : public Theme {
 public:
  void paintBoardBase(QPainter& p) override {
    planks(p, 600, 300, 0x0A4u, {110, 188});
    paintBevelFrame(p, QRectF(0, 0, 600, 300), 5.0, QColor(255, 236, 190, 120),
                    QColor(60, 30, 6, 160));
    QLinearGradient sheen(0, 0, 600, 300);
    sheen.setColorAt(0.0, QColor(255, 244, 210, 40));
    sheen.setColorAt(0.5, QColor(255, 244, 210, 0));
    sheen.setColorAt(1.0, QColor(60, 30, 0, 40));
    p.fillRect(QRectF(0, 0, 600, 300), sheen);
  }

  void paintPocketSurround(QPainter& p, const PocketShape& s, Pocket) override {
    paintBowlSurround(p, s, QColor(70, 36, 8, 140), QColor(255, 240, 200, 130), 3.0);
  }

  void paintPocket(QPainter& p, const PocketShape& s, Pocket kind) override {
    const QSize size = kind == Pocket::Pit ? QSize(65, 65) : QSize(96, 259);
    // Carved along the grain: the stores' grain runs the length of the trough.
    const QImage grain =
        woodHollowField(size.width(), size.height(), kind == Pocket::Pit ? 17u : 19u, kHollowGrain,
                        kind == Pocket::Pit ? Qt::Horizontal : Qt::Vertical);
    BowlStyle style;
    style.lipLight = QColor(236, 200, 140);
    style.lipDark = QColor(120, 78, 34);
    style.floorLight = QColor(176, 122, 64);
    style.floorDark = QColor(86, 52, 22);
    style.shadow = QColor(60, 26, 0, 190);
    style.wallLight = QColor(255, 230, 170, 80);
    style.lipWidth = 3.0;
    style.texture = &grain;
    style.textureOpacity = 0.7;
    paintBowl(p, s, style);
  }

  void paintDotSocket(QPainter& p, QRectF dot, bool lit) override {
    const QRectF plate = dot.adjusted(-1.0, -1.0, 1.0, 1.0);
    if (!lit) {
      QPainterPath rim;
      rim.addRoundedRect(plate.adjusted(-1.2, -1.2, 1.2, 1.2), 4.5, 4.5);
      p.fillPath(rim, QColor(70, 36, 8, 160));
    }
    QPainterPath shape;
    shape.addRoundedRect(plate, 3.2, 3.2);
    QLinearGradient wood(plate.topLeft(), plate.bottomRight());
    wood.setColorAt(0.0, kWalnut.lighter(125));
    wood.setColorAt(1.0, kWalnut.darker(120));
    p.fillPath(shape, wood);
    const QPointF c = dot.center();
    p.save();
    if (lit) {
      QRadialGradient glow(c, 7.2);
      glow.setColorAt(0.0, QColor(255, 230, 150, 200));
      glow.setColorAt(1.0, QColor(255, 210, 120, 0));
      p.setPen(Qt::NoPen);
      p.setBrush(glow);
      p.drawEllipse(c, 7.2, 7.2);
      QRadialGradient head(c - QPointF(1.4, 1.6), 5.5);
      head.setColorAt(0.0, QColor(255, 244, 200));
      head.setColorAt(0.5, QColor(226, 180, 70));
      head.setColorAt(1.0, QColor(130, 90, 24));
      p.setPen(QPen(QColor(90, 56, 10), 0.8));
      p.setBrush(head);
      p.drawEllipse(c, 4.6, 4.6);
    } else {
      p.setPen(QPen(QColor(50, 30, 12), 0.8));
      p.setBrush(QColor(120, 88, 40));
      p.drawEllipse(c, 2.6, 2.6);
    }
    p.restore();
  }

  void paintMarkerSocket(QPainter& p, QRectF m) override {
    const PocketShape s{m.adjusted(0, 0, 0, 0), 15.0};
    BowlStyle style;
    style.lipLight = QColor(236, 200, 140);
    style.lipDark = QColor(120, 78, 34);
    style.floorLight = QColor(170, 120, 66);
    style.floorDark = QColor(110, 70, 32);
    style.shadow = QColor(60, 26, 0, 170);
    style.lipWidth = 2.0;
    paintBowl(p, s, style);
  }

  void paintBoardDecor(QPainter& p) override {
    LetterStyle style;
    style.capHeight = 32.0;
    style.weight = 0.15;
    style.spacing = 0.09;
    style.slant = 0.1;
    branded(p, wordOutline("Velloru", style, QPointF(300, 149)), 3);
    branded(p, oakLeaf(QPointF(190, 149), 30, -20), 2);
    branded(p, oakLeaf(QPointF(410, 149), 30, 200), 2);
  }

  void paintGem(QPainter& p) override {
    // A garnet in the old step cut, as set in a country ring.
    paintStepCutGem(p, QPointF(15, 15), QSizeF(11.5, 13.5), 5.0, QColor(176, 18, 44));
  }

  void paintTurnIndicator(QPainter& p) override {
    // An acorn: glossy nut in a scaly cup, with its stalk.
    QRadialGradient nut(QPointF(12, 17), 11.0);
    nut.setColorAt(0.0, QColor(214, 170, 80));
    nut.setColorAt(0.6, QColor(170, 112, 40));
    nut.setColorAt(1.0, QColor(100, 60, 18));
    p.setPen(QPen(QColor(70, 40, 10), 1.0));
    p.setBrush(nut);
    QPainterPath body;
    body.moveTo(6.5, 13);
    body.cubicTo(6.0, 21.0, 10.5, 27.5, 15, 28.5);
    body.cubicTo(19.5, 27.5, 24.0, 21.0, 23.5, 13);
    body.closeSubpath();
    p.drawPath(body);
    QLinearGradient cup(0, 5, 0, 15);
    cup.setColorAt(0.0, QColor(150, 110, 60));
    cup.setColorAt(1.0, QColor(90, 60, 28));
    p.setBrush(cup);
    p.drawRoundedRect(QRectF(4.5, 7.0, 21, 8.5), 4.5, 4.5);
    p.setPen(QPen(QColor(60, 36, 12, 200), 0.7));
    for (double x = 6.5; x < 25; x += 3.0) p.drawLine(QPointF(x, 8.0), QPointF(x + 2.0, 14.5));
    for (double x = 8.0; x < 25; x += 3.0) p.drawLine(QPointF(x, 8.0), QPointF(x - 2.5, 14.5));
    p.setPen(QPen(QColor(80, 50, 20), 2.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(15, 7.0), QPointF(16.5, 2.5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 240, 200, 170));
    p.drawEllipse(QRectF(9.0, 17.0, 3.0, 5.0));
  }

  QColor hiliteColour() const override { return QColor(255, 196, 90); }
  QColor hiliteRimColour() const override { return QColor(255, 150, 40); }
  double hiliteTint() const override { return 0.5; }

  void paintAboutBox(QPainter& p) override {
    planks(p, 580, 150, 0x0A5u, {74});
    paintBevelFrame(p, QRectF(0, 0, 580, 150), 6.0, QColor(255, 236, 190, 130),
                    QColor(60, 30, 6, 170));
    LetterStyle style;
    style.capHeight = 72.0;
    style.weight = 0.15;
    style.spacing = 0.09;
    style.slant = 0.1;
    branded(p, wordOutline("Velloru", style, QPointF(290, 76)), 5);
    branded(p, oakLeaf(QPointF(70, 76), 64, -30), 3);
    branded(p, oakLeaf(QPointF(510, 76), 64, 210), 3);
  }
};

}  // namespace

std::unique_ptr<Theme> makeOakTheme() { return std::make_unique<Oak>(); }

}  // namespace artwork
