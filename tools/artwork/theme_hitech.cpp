// "Hi-Tech", the start theme: dark brushed gunmetal, recessed sockets edged
// with cyan light, magenta cut gems and a neon-tube name.

#include <QLinearGradient>
#include <QRadialGradient>

#include "artwork/lettering.h"
#include "artwork/random.h"
#include "artwork/theme.h"

namespace artwork {
namespace {

const QColor kCyan(0, 214, 255);
const QColor kCyanLight(170, 248, 255);
const QColor kPlate(20, 24, 31);

QImage brushedMetal(int w, int h, std::uint32_t seed, QRgb top, QRgb bottom) {
  return renderField(w, h, [&](int x, int y) {
    const double streak = fractalNoise(x * 0.006, y * 0.85, seed, 3);
    const double fine = valueNoise(x * 0.08, y * 2.1, seed + 7);
    const double v = (streak - 0.5) * 0.22 + (fine - 0.5) * 0.06;
    const QRgb base = mixRgb(top, bottom, static_cast<double>(y) / h);
    auto ch = [v](int c) { return std::clamp(static_cast<int>(c * (1.0 + v)), 0, 255); };
    return qRgb(ch(qRed(base)), ch(qGreen(base)), ch(qBlue(base)));
  });
}

void screw(QPainter& p, QPointF c) {
  QRadialGradient g(c - QPointF(1, 1), 3.5);
  g.setColorAt(0.0, QColor(190, 198, 210));
  g.setColorAt(1.0, QColor(70, 76, 88));
  p.save();
  p.setPen(QPen(QColor(10, 12, 16), 0.8));
  p.setBrush(g);
  p.drawEllipse(c, 3.0, 3.0);
  p.setPen(QPen(QColor(30, 34, 40), 1.0));
  p.drawLine(c + QPointF(-1.8, 1.8), c + QPointF(1.8, -1.8));
  p.restore();
}

class HiTech : public Theme {
 public:
  PocketShape pitShape() const override { return {QRectF(3.0, 3.0, 59.0, 59.0), 29.5}; }

  void paintBoardBase(QPainter& p) override {
    p.drawImage(0, 0, brushedMetal(600, 300, 0x41C3u, qRgb(66, 72, 84), qRgb(36, 40, 48)));
    paintBevelFrame(p, QRectF(0, 0, 600, 300), 4.0, QColor(120, 128, 142), QColor(14, 16, 20));
    // A thin cyan light line running round the playing field.
    QPainterPath field;
    field.addRoundedRect(QRectF(5.5, 8.5, 589, 283), 10, 10);
    paintNeonLine(p, field, 1.0, withAlpha(kCyan, 150), kCyanLight, 2);
    for (QPointF c : {QPointF(11, 12), QPointF(589, 12), QPointF(11, 288), QPointF(589, 288)})
      screw(p, c);
  }

  void paintPocketSurround(QPainter& p, const PocketShape& s, Pocket) override {
    paintBowlSurround(p, s, QColor(0, 0, 0, 150), QColor(190, 200, 215, 120), 3.0);
  }

  void paintPocket(QPainter& p, const PocketShape& s, Pocket kind) override {
    BowlStyle style;
    style.lipLight = QColor(178, 188, 204);
    style.lipDark = QColor(34, 38, 46);
    style.floorLight = kind == Pocket::Pit ? QColor(34, 56, 78) : QColor(30, 52, 74);
    style.floorDark = QColor(6, 10, 16);
    style.shadow = QColor(0, 0, 0, 210);
    style.wallLight = QColor(120, 230, 255, 70);
    style.lipWidth = 3.5;
    paintBowl(p, s, style);
    // Faint grid on the floor, like a display.
    p.save();
    p.setClipPath(s.path(4.0));
    p.setPen(QPen(QColor(0, 200, 255, 26), 1.0));
    for (double x = s.box.left() + 1.5; x < s.box.right(); x += 6.0)
      p.drawLine(QPointF(x, s.box.top()), QPointF(x, s.box.bottom()));
    for (double y = s.box.top() + 1.5; y < s.box.bottom(); y += 6.0)
      p.drawLine(QPointF(s.box.left(), y), QPointF(s.box.right(), y));
    p.restore();
    // The cyan ring of light just inside the lip.
    p.save();
    p.setClipPath(s.path(3.5));
    paintNeonLine(p, s.path(4.6), 1.3, withAlpha(kCyan, 170), kCyanLight, 2);
    p.restore();
  }

  void paintDotSocket(QPainter& p, QRectF dot, bool lit) override {
    const QPointF c = dot.center();
    if (!lit) {
      QPainterPath bed;
      bed.addRoundedRect(dot.adjusted(-2.5, -2.5, 2.5, 2.5), 4.5, 4.5);
      QLinearGradient edge(dot.topLeft(), dot.bottomRight());
      edge.setColorAt(0.0, QColor(8, 10, 14));
      edge.setColorAt(1.0, QColor(140, 150, 166));
      p.fillPath(bed, edge);
    }
    QPainterPath plate;
    plate.addRoundedRect(dot.adjusted(-1.0, -1.0, 1.0, 1.0), 3.5, 3.5);
    p.fillPath(plate, kPlate);
    if (lit) {
      QRadialGradient glow(c, 7.2);
      glow.setColorAt(0.0, QColor(230, 255, 255));
      glow.setColorAt(0.35, kCyan);
      glow.setColorAt(0.62, withAlpha(kCyan, 120));
      glow.setColorAt(1.0, withAlpha(kCyan, 0));
      p.setPen(Qt::NoPen);
      p.setBrush(glow);
      p.drawEllipse(c, 7.2, 7.2);
    } else {
      p.setPen(QPen(QColor(6, 8, 10), 1.0));
      p.setBrush(QColor(24, 54, 66));
      p.drawEllipse(c, 3.2, 3.2);
    }
  }

  void paintMarkerSocket(QPainter& p, QRectF m) override {
    const QPointF c = m.center();
    QRadialGradient ring(c, 15.0);
    ring.setColorAt(0.80, QColor(30, 34, 42));
    ring.setColorAt(0.92, QColor(150, 160, 176));
    ring.setColorAt(1.0, QColor(50, 56, 66));
    p.setPen(Qt::NoPen);
    p.setBrush(ring);
    p.drawEllipse(c, 15.0, 15.0);
    p.setBrush(kPlate);
    p.drawEllipse(c, 12.5, 12.5);
    p.setPen(QPen(withAlpha(kCyan, 60), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 8.0, 8.0);
  }

  void paintBoardDecor(QPainter& p) override {
    // The name, etched into the plate between the rows and lit faintly.
    LetterStyle style;
    style.capHeight = 34.0;
    style.weight = 0.11;
    style.spacing = 0.12;
    const QPointF centre(300.0, 149.0);
    const QPainterPath word = wordOutline("Velloru", style, centre);
    QPainterPath panel;
    panel.addRoundedRect(QRectF(186, 124, 228, 50), 8, 8);
    QLinearGradient glass(0, 124, 0, 174);
    glass.setColorAt(0.0, QColor(14, 18, 24));
    glass.setColorAt(1.0, QColor(28, 34, 44));
    p.fillPath(panel, glass);
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 0, 180), 1.0));
    p.drawPath(panel);
    p.setPen(QPen(QColor(150, 160, 176, 120), 1.0));
    p.drawPath(panel.translated(0.0, 1.0).subtracted(panel));
    p.restore();
    paintNeonLine(p, placedSkeleton("Velloru", style, centre), 2.6, withAlpha(kCyan, 140),
                  withAlpha(kCyanLight, 200), 3);
    (void)word;
    // Light bars from the panel towards the turn markers.
    for (double x : {152.0, 418.0}) {
      QLinearGradient bar(x, 0, x + 30, 0);
      bar.setColorAt(x < 300 ? 0.0 : 1.0, withAlpha(kCyan, 0));
      bar.setColorAt(x < 300 ? 1.0 : 0.0, withAlpha(kCyan, 150));
      p.fillRect(QRectF(x, 148.5, 30, 1.5), bar);
    }
  }

  void paintGem(QPainter& p) override {
    paintCutGem(p, QPointF(15, 15), 14.0, QColor(232, 48, 168), 8, kPi / 8.0);
  }

  void paintTurnIndicator(QPainter& p) override {
    // A lit indicator lamp: a ring of cyan light round a bright core, behind
    // a dark lens.
    const QPointF c(15, 15);
    p.setPen(QPen(QColor(0, 40, 70), 1.2));
    p.setBrush(QColor(8, 14, 22));
    p.drawEllipse(c, 12.0, 12.0);
    QPainterPath ring;
    ring.addEllipse(c, 8.0, 8.0);
    paintNeonLine(p, ring, 2.2, withAlpha(kCyan, 200), kCyanLight, 2);
    QRadialGradient core(c, 4.0);
    core.setColorAt(0.0, QColor(245, 255, 255));
    core.setColorAt(0.6, kCyanLight);
    core.setColorAt(1.0, kCyan);
    p.setPen(Qt::NoPen);
    p.setBrush(core);
    p.drawEllipse(c, 3.6, 3.6);
  }

  QColor hiliteColour() const override { return QColor(0, 190, 255); }
  QColor hiliteRimColour() const override { return QColor(190, 255, 255); }

  void paintAboutBox(QPainter& p) override {
    p.drawImage(0, 0, brushedMetal(580, 150, 0xAB0Bu, qRgb(72, 78, 92), qRgb(34, 38, 46)));
    paintBevelFrame(p, QRectF(0, 0, 580, 150), 4.0, QColor(130, 138, 152), QColor(14, 16, 20));
    QPainterPath panel;
    panel.addRoundedRect(QRectF(18, 16, 544, 118), 12, 12);
    QLinearGradient glass(0, 16, 0, 134);
    glass.setColorAt(0.0, QColor(10, 14, 20));
    glass.setColorAt(1.0, QColor(26, 32, 42));
    p.fillPath(panel, glass);
    p.save();
    p.setClipPath(panel);
    p.setPen(QPen(QColor(0, 200, 255, 22), 1.0));
    for (int x = 20; x < 562; x += 8) p.drawLine(x, 16, x, 134);
    for (int y = 18; y < 134; y += 8) p.drawLine(18, y, 562, y);
    p.restore();
    p.setPen(QPen(QColor(150, 160, 176, 140), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(panel);
    for (QPointF c : {QPointF(9, 9), QPointF(571, 9), QPointF(9, 141), QPointF(571, 141)})
      screw(p, c);

    LetterStyle style;
    style.capHeight = 66.0;
    style.weight = 0.10;
    style.spacing = 0.13;
    const QPointF centre(290.0, 72.0);
    const QPainterPath skeleton = placedSkeleton("Velloru", style, centre);
    paintNeonLine(p, skeleton, 6.0, withAlpha(kCyan, 170), kCyanLight, 7);
    // Scan lines and two light rules, the display's furniture.
    for (double y : {30.0, 118.0}) {
      QLinearGradient rule(40, 0, 540, 0);
      rule.setColorAt(0.0, withAlpha(kCyan, 0));
      rule.setColorAt(0.5, withAlpha(kCyan, 170));
      rule.setColorAt(1.0, withAlpha(kCyan, 0));
      p.fillRect(QRectF(40, y, 500, 1.2), rule);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(232, 48, 168));
    for (int i = 0; i < 3; ++i) p.drawEllipse(QPointF(504 + i * 12, 123), 2.2, 2.2);
  }
};

}  // namespace

std::unique_ptr<Theme> makeHiTechTheme() { return std::make_unique<HiTech>(); }

}  // namespace artwork
