// The maker's mark "Yrk": a cut gem beside the three letters, on white.

#include <QLinearGradient>

#include "artwork/artwork.h"
#include "artwork/lettering.h"
#include "artwork/theme.h"

namespace artwork {

QImage drawLogo() {
  QImage layer = newLayer(kLogoWidth, kLogoHeight);
  {
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing);

    // The emblem: a teal gem in a gold ring.
    const QPointF gemCentre(34.0, 31.0);
    QLinearGradient ring(gemCentre - QPointF(24, 24), gemCentre + QPointF(24, 24));
    ring.setColorAt(0.0, QColor(236, 200, 110));
    ring.setColorAt(0.5, QColor(190, 140, 40));
    ring.setColorAt(1.0, QColor(120, 80, 20));
    p.setPen(Qt::NoPen);
    p.setBrush(ring);
    p.drawEllipse(gemCentre, 26.0, 26.0);
    p.setBrush(QColor(24, 40, 64));
    p.drawEllipse(gemCentre, 22.0, 22.0);
    paintCutGem(p, gemCentre, 19.5, QColor(30, 170, 180), 8, kPi / 8.0);

    // The letters, dark blue with a gold edge, leaning a little.
    LetterStyle style;
    style.capHeight = 38.0;
    style.weight = 0.19;
    style.spacing = 0.09;
    style.slant = 0.12;
    const QPointF textCentre(128.0, 27.0);
    const QPainterPath text = wordOutline("Yrk", style, textCentre);
    p.setPen(QPen(QColor(196, 150, 50), 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(text);
    QLinearGradient fill(0, textCentre.y() - 20, 0, textCentre.y() + 20);
    fill.setColorAt(0.0, QColor(50, 84, 150));
    fill.setColorAt(1.0, QColor(16, 30, 70));
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(text);

    // A gold swoosh under them.
    QPainterPath swoosh;
    swoosh.moveTo(72.0, 54.0);
    swoosh.cubicTo(110.0, 46.0, 160.0, 47.0, 200.0, 52.0);
    swoosh.cubicTo(160.0, 51.0, 112.0, 52.0, 72.0, 56.5);
    swoosh.closeSubpath();
    QLinearGradient gold(72, 0, 200, 0);
    gold.setColorAt(0.0, QColor(150, 100, 20));
    gold.setColorAt(0.5, QColor(230, 185, 80));
    gold.setColorAt(1.0, QColor(200, 150, 50, 80));
    p.setBrush(gold);
    p.drawPath(swoosh);
  }
  // Smoothed against the light grey of the window around the logo, so its
  // edges leave no white fringe once the white is made see-through.
  QImage panel(kLogoWidth, kLogoHeight, QImage::Format_RGB32);
  panel.fill(QColor(232, 232, 232));
  return finishKeyed(layer, panel, 80);
}

}  // namespace artwork
