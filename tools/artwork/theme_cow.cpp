// "Cow": a Holstein hide, black patches on cream, with stitched brown
// leather: leather cups for the pockets, a leather tag for the name, a gold
// cowbell for the turn and spotted beads for the gems.

#include <QLinearGradient>
#include <QRadialGradient>

#include "artwork/lettering.h"
#include "artwork/random.h"
#include "artwork/theme.h"

namespace artwork {
namespace {

const QColor kLeather(128, 76, 40);
const QColor kLeatherLight(186, 124, 72);
const QColor kLeatherDark(70, 38, 18);
const QColor kThread(244, 230, 200);

QImage hideField(int w, int h, std::uint32_t seed, QPointF origin = {}) {
  return renderField(w, h, [&](int px, int py) {
    const double x = px + origin.x();
    const double y = py + origin.y();
    const double wx = fractalNoise(x * 0.02, y * 0.02, seed + 3, 2) * 14.0;
    const double patch = fractalNoise((x + wx) * 0.0085, (y + wx) * 0.012, seed, 4, 0.55);
    const double black = smooth(0.545, 0.565, patch);
    // Hair: short strands lying down to the lower right.
    const double hair = valueNoise((x + y * 0.6) * 0.9, (y - x * 0.3) * 0.22, seed + 9);
    const double shade = fractalNoise(x * 0.01, y * 0.01, seed + 17, 2);
    const QRgb cream = qRgb(static_cast<int>(236 + 14 * hair - 10 * shade),
                            static_cast<int>(228 + 14 * hair - 10 * shade),
                            static_cast<int>(212 + 12 * hair - 12 * shade));
    const QRgb dark = qRgb(static_cast<int>(28 + 22 * hair), static_cast<int>(25 + 20 * hair),
                           static_cast<int>(28 + 20 * hair));
    return mixRgb(cream, dark, black);
  });
}

QImage leatherGrain(int w, int h, std::uint32_t seed) {
  return renderField(w, h, [&](int x, int y) {
    const double pebble = valueNoise(x * 0.45, y * 0.45, seed);
    const double broad = fractalNoise(x * 0.05, y * 0.05, seed + 1, 3);
    const int v = static_cast<int>(128 + 60 * (pebble - 0.5) + 70 * (broad - 0.5));
    return qRgb(v, v, v);
  });
}

void stitches(QPainter& p, const QPainterPath& path, double width = 1.3) {
  p.save();
  p.setBrush(Qt::NoBrush);
  QPen shadow(QColor(30, 14, 4, 150), width + 0.6, Qt::CustomDashLine, Qt::RoundCap);
  shadow.setDashPattern({2.2, 2.0});
  p.setPen(shadow);
  p.drawPath(path.translated(0.4, 0.6));
  QPen thread(kThread, width, Qt::CustomDashLine, Qt::RoundCap);
  thread.setDashPattern({2.2, 2.0});
  p.setPen(thread);
  p.drawPath(path);
  p.restore();
}

void leatherPatch(QPainter& p, const QPainterPath& shape, QRectF box, const QImage* grain) {
  QLinearGradient g(box.topLeft(), box.bottomRight());
  g.setColorAt(0.0, kLeatherLight);
  g.setColorAt(1.0, kLeather.darker(120));
  p.fillPath(shape, g);
  if (grain) {
    p.save();
    p.setClipPath(shape, Qt::IntersectClip);
    p.setOpacity(0.4);
    p.setCompositionMode(QPainter::CompositionMode_Overlay);
    p.drawImage(box.topLeft(), *grain);
    p.restore();
  }
  p.save();
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kLeatherDark, 1.0));
  p.drawPath(shape);
  p.restore();
}

class Cow : public Theme {
 public:
  void paintBoardBase(QPainter& p) override {
    p.drawImage(0, 0, hideField(600, 300, 0xC0C0u));
    // A stitched leather binding round the hide.
    QPainterPath outer;
    outer.addRect(QRectF(0, 0, 600, 300));
    QPainterPath inner;
    inner.addRoundedRect(QRectF(6, 6, 588, 288), 8, 8);
    const QImage grain = leatherGrain(600, 300, 5u);
    leatherPatch(p, outer.subtracted(inner), QRectF(0, 0, 600, 300), &grain);
    drawInnerShadow(p, deviceSize(p), inner, QColor(40, 20, 6, 140), 3, QPointF(1.5, 2.0));
    QPainterPath seam;
    seam.addRoundedRect(QRectF(3, 3, 594, 294), 6, 6);
    stitches(p, seam, 1.0);
  }

  void paintPocketSurround(QPainter& p, const PocketShape& s, Pocket) override {
    paintBowlSurround(p, s, QColor(40, 20, 6, 140), QColor(255, 250, 235, 140), 3.5);
  }

  void paintPocket(QPainter& p, const PocketShape& s, Pocket kind) override {
    const QImage grain =
        kind == Pocket::Pit ? leatherGrain(65, 65, 21u) : leatherGrain(96, 259, 23u);
    BowlStyle style;
    style.lipLight = QColor(206, 146, 92);
    style.lipDark = QColor(84, 46, 22);
    style.floorLight = QColor(182, 122, 70);
    style.floorDark = QColor(72, 38, 16);
    style.shadow = QColor(40, 16, 4, 200);
    style.wallLight = QColor(255, 220, 170, 70);
    style.lipWidth = 4.0;
    style.texture = &grain;
    style.textureOpacity = 0.45;
    paintBowl(p, s, style);
    stitches(p, s.path(2.0), 1.1);
  }

  void paintDotSocket(QPainter& p, QRectF dot, bool lit) override {
    const QRectF plate = dot.adjusted(-1.0, -1.0, 1.0, 1.0);
    if (!lit) {
      QPainterPath bed;
      bed.addRoundedRect(plate.adjusted(-2.0, -2.0, 2.0, 2.0), 4.5, 4.5);
      leatherPatch(p, bed, bed.boundingRect(), nullptr);
    }
    QPainterPath plateShape;
    plateShape.addRoundedRect(plate, 3.2, 3.2);
    p.fillPath(plateShape, kLeather);
    const QPointF c = dot.center();
    p.save();
    if (lit) {
      // A pink, shiny cow's nose button.
      paintGlossyBall(p, c, 5.4, QColor(240, 128, 152), QColor(130, 40, 60));
    } else {
      QRadialGradient rivet(c - QPointF(1, 1), 4.0);
      rivet.setColorAt(0.0, QColor(150, 120, 70));
      rivet.setColorAt(1.0, QColor(70, 50, 24));
      p.setPen(QPen(kLeatherDark, 0.8));
      p.setBrush(rivet);
      p.drawEllipse(c, 3.0, 3.0);
    }
    p.restore();
  }

  void paintMarkerSocket(QPainter& p, QRectF m) override {
    QPainterPath patch;
    patch.addEllipse(m.center(), 15.5, 15.5);
    drawSoftShape(p, deviceSize(p), p.transform().map(patch), QColor(40, 20, 6, 120), 2,
                  QPointF(1, 1.5));
    leatherPatch(p, patch, m.adjusted(-1, -1, 1, 1), nullptr);
    QPainterPath seam;
    seam.addEllipse(m.center(), 13.2, 13.2);
    stitches(p, seam, 1.0);
  }

  void paintBoardDecor(QPainter& p) override {
    const QRectF tagBox(186, 124, 228, 50);
    QPainterPath tag;
    tag.addRoundedRect(tagBox, 10, 10);
    drawSoftShape(p, deviceSize(p), tag, QColor(30, 14, 4, 150), 3, QPointF(1.5, 2.5));
    const QImage grain = leatherGrain(228, 50, 31u);
    leatherPatch(p, tag, tagBox, &grain);
    QPainterPath seam;
    seam.addRoundedRect(tagBox.adjusted(4, 4, -4, -4), 7, 7);
    stitches(p, seam, 1.1);
    LetterStyle style;
    style.capHeight = 28.0;
    style.weight = 0.17;
    style.spacing = 0.10;
    const QPainterPath word = wordOutline("Velloru", style, QPointF(300, 149));
    paintRaised(p, word, QColor(242, 232, 210), QColor(20, 8, 0, 170), QColor(255, 252, 240),
                QColor(120, 96, 70), 1.2);
  }

  void paintGem(QPainter& p) override {
    const QPointF c(15, 15);
    const double r = 12.0;
    paintGlossyBall(p, c, r, QColor(240, 232, 212), QColor(90, 60, 36));
    QPainterPath ball;
    ball.addEllipse(c, r - 0.8, r - 0.8);
    p.save();
    p.setClipPath(ball);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 26, 28));
    QPainterPath spots;
    spots.addEllipse(QRectF(c.x() + 2, c.y() - 11, 11, 9));
    spots.addEllipse(QRectF(c.x() - 12, c.y() + 1, 9, 8));
    spots.addEllipse(QRectF(c.x() + 1, c.y() + 5, 7, 6));
    p.drawPath(spots);
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawEllipse(QRectF(c.x() - r * 0.6, c.y() - r * 0.66, r * 0.6, r * 0.38));
    p.restore();
  }

  void paintTurnIndicator(QPainter& p) override {
    // A gold cowbell on its strap.
    QLinearGradient gold(6, 0, 24, 0);
    gold.setColorAt(0.0, QColor(150, 100, 20));
    gold.setColorAt(0.35, QColor(250, 214, 110));
    gold.setColorAt(1.0, QColor(130, 84, 14));
    p.setPen(QPen(QColor(116, 70, 30), 2.2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(11, 2, 8, 8), 0, 180 * 16);
    QPainterPath bell;
    bell.moveTo(10, 7);
    bell.lineTo(20, 7);
    bell.cubicTo(21, 12, 24, 19, 25, 23);
    bell.lineTo(5, 23);
    bell.cubicTo(6, 19, 9, 12, 10, 7);
    bell.closeSubpath();
    p.setPen(QPen(QColor(90, 56, 10), 1.1));
    p.setBrush(gold);
    p.drawPath(bell);
    p.setBrush(QColor(200, 150, 50));
    p.drawRoundedRect(QRectF(4, 21.5, 22, 3.5), 1.5, 1.5);
    p.setBrush(QColor(60, 40, 20));
    p.drawEllipse(QPointF(15, 26.5), 2.4, 2.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 250, 220, 170));
    p.drawRoundedRect(QRectF(11.2, 9, 2.2, 11), 1, 1);
  }

  QColor hiliteColour() const override { return QColor(255, 200, 110); }
  QColor hiliteRimColour() const override { return QColor(255, 240, 200); }

  void paintAboutBox(QPainter& p) override {
    p.drawImage(0, 0, hideField(580, 150, 0xC0C1u, QPointF(40, 300)));
    QPainterPath outer;
    outer.addRect(QRectF(0, 0, 580, 150));
    QPainterPath inner;
    inner.addRoundedRect(QRectF(7, 7, 566, 136), 10, 10);
    const QImage grain = leatherGrain(580, 150, 7u);
    leatherPatch(p, outer.subtracted(inner), QRectF(0, 0, 580, 150), &grain);
    drawInnerShadow(p, deviceSize(p), inner, QColor(40, 20, 6, 150), 3, QPointF(1.5, 2.0));
    QPainterPath seam;
    seam.addRoundedRect(QRectF(3.5, 3.5, 573, 143), 8, 8);
    stitches(p, seam, 1.1);

    LetterStyle style;
    style.capHeight = 70.0;
    style.weight = 0.20;
    style.spacing = 0.08;
    const QPointF centre(290, 74);
    const QPainterPath word = wordOutline("Velloru", style, centre);
    QLinearGradient body(0, 30, 0, 120);
    body.setColorAt(0.0, kLeatherLight);
    body.setColorAt(1.0, kLeather.darker(130));
    paintRaised(p, word, body, QColor(20, 8, 0, 190), QColor(255, 210, 160, 180),
                QColor(40, 18, 4, 220), 2.5);
    p.save();
    p.setClipPath(word);
    stitches(p, placedSkeleton("Velloru", style, centre), 1.6);
    p.restore();
  }
};

}  // namespace

std::unique_ptr<Theme> makeCowTheme() { return std::make_unique<Cow>(); }

}  // namespace artwork
