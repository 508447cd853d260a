// "Original": the classic carved wooden board. Warm walnut with long grain, a
// raised bevelled edge with maple stringing, bowls carved along the grain,
// the name carved and gilded, brass inlays and glass pebbles.

#include <QLinearGradient>
#include <QRadialGradient>

#include "artwork/lettering.h"
#include "artwork/random.h"
#include "artwork/theme.h"

namespace artwork {
namespace {

const WoodStyle kWalnut{qRgb(156, 96, 54), qRgb(116, 66, 34), qRgb(66, 34, 16), 0.05, 5.0, 0.30};
// The hollows' grain, laid over their walnut brown: fine, straight and
// close, with the soft sheen of figured walnut.
const WoodStyle kHollowGrain{qRgb(168, 168, 168), qRgb(126, 126, 126), qRgb(72, 72, 72),
                             0.07, 2.4, 0.20, 0.0, 0.0, 0.10};
const QColor kBrassLight(240, 206, 120);
const QColor kBrass(184, 140, 58);
const QColor kBrassDark(104, 72, 24);

QBrush brassBrush(QRectF r) {
  QLinearGradient g(r.topLeft(), r.bottomRight());
  g.setColorAt(0.0, kBrassLight);
  g.setColorAt(0.5, kBrass);
  g.setColorAt(1.0, kBrassDark);
  return g;
}

// Gold leaf laid in carved letters, bright against the dark walnut.
QBrush giltBrush(QRectF r) {
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0.0, QColor(255, 240, 176));
  g.setColorAt(0.5, QColor(244, 204, 112));
  g.setColorAt(1.0, QColor(255, 224, 148));
  return g;
}

void stringing(QPainter& p, const QPainterPath& path) {
  p.save();
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(40, 20, 8, 160), 3.0));
  p.drawPath(path);
  p.setPen(QPen(QColor(226, 190, 132), 1.4));
  p.drawPath(path);
  p.restore();
}

// An eight-petalled rosette carved into the wood.
QPainterPath rosette(QPointF c, double r) {
  QPainterPath petals;
  for (int i = 0; i < 8; ++i) {
    QPainterPath petal;
    petal.moveTo(0, 0);
    petal.cubicTo(r * 0.35, -r * 0.28, r * 0.8, -r * 0.22, r, 0);
    petal.cubicTo(r * 0.8, r * 0.22, r * 0.35, r * 0.28, 0, 0);
    QTransform t;
    t.translate(c.x(), c.y());
    t.rotate(i * 45.0 + 22.5);
    petals.addPath(t.map(petal));
  }
  QPainterPath ring;
  ring.addEllipse(c, r * 0.22, r * 0.22);
  return petals.united(ring);
}

class Original : public Theme {
 public:
  void paintBoardBase(QPainter& p) override {
    p.drawImage(0, 0, woodField(600, 300, 0x0A1Bu, kWalnut));
    paintBevelFrame(p, QRectF(0, 0, 600, 300), 5.0, QColor(255, 222, 170, 110),
                    QColor(20, 8, 0, 150));
    QPainterPath edge;
    edge.addRoundedRect(QRectF(6.5, 9.5, 587, 281), 9, 9);
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(30, 14, 4, 150), 1.2));
    p.drawPath(edge);
    p.setPen(QPen(QColor(255, 220, 170, 70), 1.0));
    p.drawPath(edge.translated(0.8, 0.8));
    p.restore();
    // A soft varnish sheen across the top.
    QLinearGradient sheen(0, 0, 0, 300);
    sheen.setColorAt(0.0, QColor(255, 230, 190, 40));
    sheen.setColorAt(0.45, QColor(255, 230, 190, 0));
    sheen.setColorAt(1.0, QColor(0, 0, 0, 40));
    p.fillRect(QRectF(0, 0, 600, 300), sheen);
  }

  void paintPocketSurround(QPainter& p, const PocketShape& s, Pocket) override {
    paintBowlSurround(p, s, QColor(30, 12, 2, 150), QColor(255, 214, 160, 110), 3.0);
  }

  void paintPocket(QPainter& p, const PocketShape& s, Pocket kind) override {
    const QSize size = kind == Pocket::Pit ? QSize(65, 65) : QSize(96, 259);
    // Carved along the grain: the stores' grain runs the length of the trough.
    const QImage grain =
        woodHollowField(size.width(), size.height(), kind == Pocket::Pit ? 7u : 9u, kHollowGrain,
                        kind == Pocket::Pit ? Qt::Horizontal : Qt::Vertical);
    BowlStyle style;
    style.lipLight = QColor(200, 136, 84);
    style.lipDark = QColor(70, 36, 16);
    style.floorLight = QColor(138, 82, 44);
    style.floorDark = QColor(50, 26, 12);
    style.shadow = QColor(24, 8, 0, 200);
    style.wallLight = QColor(255, 200, 140, 70);
    style.lipWidth = 3.0;
    style.texture = &grain;
    style.textureOpacity = 0.75;
    style.textureMode = QPainter::CompositionMode_Overlay;
    paintBowl(p, s, style);
  }

  void paintDotSocket(QPainter& p, QRectF dot, bool lit) override {
    const QRectF plate = dot.adjusted(-1.0, -1.0, 1.0, 1.0);
    if (!lit) {
      QPainterPath bed;
      bed.addRoundedRect(plate.adjusted(-1.2, -1.2, 1.2, 1.2), 4.0, 4.0);
      p.fillPath(bed, QColor(30, 12, 2, 170));
    }
    QPainterPath plateShape;
    plateShape.addRoundedRect(plate, 3.2, 3.2);
    p.fillPath(plateShape, brassBrush(plate));
    const QPointF c = dot.center();
    p.save();
    p.setPen(QPen(kBrassDark, 0.8));
    if (lit) {
      QRadialGradient g(c - QPointF(1.2, 1.4), 5.2);
      g.setColorAt(0.0, QColor(255, 214, 170));
      g.setColorAt(0.4, QColor(230, 60, 40));
      g.setColorAt(1.0, QColor(110, 10, 10));
      p.setBrush(g);
      p.drawEllipse(c, 4.6, 4.6);
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(255, 255, 255, 200));
      p.drawEllipse(QRectF(c.x() - 2.8, c.y() - 3.2, 2.6, 1.8));
    } else {
      QRadialGradient g(c + QPointF(1, 1), 5.0);
      g.setColorAt(0.0, QColor(90, 54, 26));
      g.setColorAt(1.0, QColor(40, 20, 8));
      p.setBrush(g);
      p.drawEllipse(c, 4.6, 4.6);
    }
    p.restore();
  }

  void paintMarkerSocket(QPainter& p, QRectF m) override {
    const QPointF c = m.center();
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 12, 2, 160));
    p.drawEllipse(c + QPointF(0.6, 0.8), 15.2, 15.2);
    p.setBrush(brassBrush(m));
    p.drawEllipse(c, 14.6, 14.6);
    QRadialGradient inner(c + QPointF(2, 2), 13.0);
    inner.setColorAt(0.0, QColor(96, 56, 28));
    inner.setColorAt(1.0, QColor(44, 22, 10));
    p.setBrush(inner);
    p.drawEllipse(c, 12.4, 12.4);
    p.restore();
  }

  void paintBoardDecor(QPainter& p) override {
    QPainterPath inlay;
    inlay.addRoundedRect(QRectF(160.5, 112.5, 279, 73), 14, 14);
    stringing(p, inlay);
    LetterStyle style;
    style.capHeight = 32.0;
    style.weight = 0.16;
    style.spacing = 0.09;
    style.slant = 0.08;
    const QPainterPath word = wordOutline("Velloru", style, QPointF(300.0, 149.0));
    paintCarved(p, word, giltBrush(word.boundingRect()), QColor(40, 16, 0, 120),
                QColor(255, 244, 210, 120));
    for (QPointF c : {QPointF(185.0, 149.0), QPointF(415.0, 149.0)})
      paintCarved(p, rosette(c, 11.0), QColor(70, 36, 14), QColor(10, 2, 0, 200),
                  QColor(255, 210, 150, 130));
  }

  void paintGem(QPainter& p) override {
    // A flat glass pebble: a squat ball with a bright rim light.
    const QPointF c(15, 15.5);
    paintGlossyBall(p, c, 12.5, QColor(36, 176, 190), QColor(8, 56, 66));
    p.save();
    p.setPen(QPen(QColor(190, 250, 250, 150), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(c.x() - 10, c.y() - 10, 20, 20), -20 * 16, -110 * 16);
    p.restore();
  }

  void paintTurnIndicator(QPainter& p) override {
    // A brass compass star on a dark disc.
    const QPointF c(15, 15);
    p.setPen(QPen(kBrassDark, 1.0));
    p.setBrush(QColor(40, 18, 6));
    p.drawEllipse(c, 12.6, 12.6);
    QPainterPath star;
    for (int i = 0; i < 16; ++i) {
      const double a = -kPi / 2.0 + i * kPi / 8.0;
      const double r = (i % 4 == 0) ? 11.0 : (i % 2 == 0 ? 6.5 : 3.0);
      const QPointF q = c + QPointF(std::cos(a) * r, std::sin(a) * r);
      if (i == 0)
        star.moveTo(q);
      else
        star.lineTo(q);
    }
    star.closeSubpath();
    p.setPen(QPen(kBrassDark, 0.8));
    p.setBrush(brassBrush(QRectF(4, 4, 22, 22)));
    p.drawPath(star);
    p.setBrush(QColor(200, 40, 30));
    p.drawEllipse(c, 2.2, 2.2);
  }

  QColor hiliteColour() const override { return QColor(255, 186, 80); }
  QColor hiliteRimColour() const override { return QColor(255, 236, 170); }

  void paintAboutBox(QPainter& p) override {
    p.drawImage(0, 0, woodField(580, 150, 0x0C2Du, kWalnut));
    paintBevelFrame(p, QRectF(0, 0, 580, 150), 6.0, QColor(255, 222, 170, 120),
                    QColor(20, 8, 0, 160));
    QPainterPath inlay;
    inlay.addRoundedRect(QRectF(16.5, 14.5, 547, 121), 16, 16);
    stringing(p, inlay);
    LetterStyle style;
    style.capHeight = 72.0;
    style.weight = 0.16;
    style.spacing = 0.09;
    style.slant = 0.08;
    const QPainterPath word = wordOutline("Velloru", style, QPointF(290.0, 74.0));
    paintCarved(p, word, giltBrush(word.boundingRect()), QColor(40, 16, 0, 170),
                QColor(255, 244, 210, 140));
    for (QPointF c : {QPointF(62.0, 75.0), QPointF(518.0, 75.0)})
      paintCarved(p, rosette(c, 24.0), QColor(66, 34, 12), QColor(8, 2, 0, 210),
                  QColor(255, 210, 150, 150));
    QLinearGradient sheen(0, 0, 0, 150);
    sheen.setColorAt(0.0, QColor(255, 230, 190, 45));
    sheen.setColorAt(0.5, QColor(255, 230, 190, 0));
    p.fillRect(QRectF(0, 0, 580, 150), sheen);
  }
};

}  // namespace

std::unique_ptr<Theme> makeOriginalTheme() { return std::make_unique<Original>(); }

}  // namespace artwork
