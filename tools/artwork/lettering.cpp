#include "artwork/lettering.h"

#include <QPainterPathStroker>

namespace artwork {

namespace {

struct Glyph {
  QPainterPath path;
  double advance;
};

Glyph glyph(QChar c) {
  QPainterPath p;
  switch (c.unicode()) {
    case 'V':
      p.moveTo(0.0, -1.0);
      p.lineTo(0.36, 0.0);
      p.lineTo(0.72, -1.0);
      return {p, 0.70};
    case 'Y':
      p.moveTo(0.0, -1.0);
      p.lineTo(0.36, -0.48);
      p.lineTo(0.72, -1.0);
      p.moveTo(0.36, -0.48);
      p.lineTo(0.36, 0.0);
      return {p, 0.74};
    case 'e':
      p.moveTo(0.05, -0.31);
      p.lineTo(0.58, -0.31);
      p.arcTo(QRectF(0.04, -0.62, 0.54, 0.62), 0.0, 305.0);
      return {p, 0.64};
    case 'k':
      p.moveTo(0.06, -1.05);
      p.lineTo(0.06, 0.0);
      p.moveTo(0.48, -0.62);
      p.lineTo(0.06, -0.22);
      p.moveTo(0.21, -0.36);
      p.lineTo(0.52, 0.0);
      return {p, 0.58};
    case 'l':
      p.moveTo(0.06, -1.05);
      p.lineTo(0.06, -0.17);
      p.quadTo(0.06, 0.0, 0.22, 0.0);
      return {p, 0.30};
    case 'o':
      p.addEllipse(QRectF(0.03, -0.62, 0.56, 0.62));
      return {p, 0.64};
    case 'r':
      p.moveTo(0.06, -0.62);
      p.lineTo(0.06, 0.0);
      p.moveTo(0.06, -0.34);
      p.cubicTo(0.10, -0.55, 0.25, -0.64, 0.44, -0.60);
      return {p, 0.46};
    case 'u':
      p.moveTo(0.05, -0.62);
      p.lineTo(0.05, -0.27);
      p.arcTo(QRectF(0.05, -0.54, 0.50, 0.54), 180.0, 180.0);
      p.lineTo(0.55, -0.62);
      p.moveTo(0.55, -0.62);
      p.lineTo(0.55, 0.0);
      return {p, 0.62};
    default:
      return {p, 0.5};
  }
}

// Pairs that sit too far apart on their plain advances.
double kerning(QChar a, QChar b) {
  if ((a == 'V' || a == 'Y') && (b == 'e' || b == 'o' || b == 'r')) return -0.10;
  if (a == 'r' && b == 'k') return 0.02;
  return 0.0;
}

double wordAdvance(const QString& word, const LetterStyle& style) {
  double x = 0.0;
  for (int i = 0; i < word.size(); ++i) {
    x += glyph(word[i]).advance;
    if (i + 1 < word.size()) x += style.spacing + kerning(word[i], word[i + 1]);
  }
  return x;
}

QTransform placement(const QString& word, const LetterStyle& style, QPointF centre) {
  const double s = style.capHeight;
  const double width = wordAdvance(word, style) * s;
  QTransform t;
  t.translate(centre.x() - width / 2.0 + style.slant * s * 0.5, centre.y() + s / 2.0);
  t.shear(-style.slant, 0.0);
  return t;
}

}  // namespace

QPainterPath wordSkeleton(const QString& word, const LetterStyle& style) {
  QPainterPath all;
  double x = 0.0;
  for (int i = 0; i < word.size(); ++i) {
    const Glyph g = glyph(word[i]);
    QTransform t;
    t.scale(style.capHeight, style.capHeight);
    t.translate(x, 0.0);
    all.addPath(t.map(g.path));
    x += g.advance;
    if (i + 1 < word.size()) x += style.spacing + kerning(word[i], word[i + 1]);
  }
  return all;
}

QPainterPath placedSkeleton(const QString& word, const LetterStyle& style, QPointF centre) {
  return placement(word, style, centre).map(wordSkeleton(word, style));
}

QPainterPath wordOutline(const QString& word, const LetterStyle& style, QPointF centre) {
  QPainterPathStroker stroker;
  stroker.setWidth(style.weight * style.capHeight);
  stroker.setCapStyle(style.cap);
  stroker.setJoinStyle(style.join);
  QPainterPath outline = stroker.createStroke(wordSkeleton(word, style)).simplified();
  return placement(word, style, centre).map(outline);
}

QList<QPointF> strokeEnds(const QString& word, const LetterStyle& style, QPointF centre) {
  const QPainterPath skeleton = placedSkeleton(word, style, centre);
  QList<QPointF> ends;
  // A stroke runs from one MoveTo to the element before the next MoveTo.
  for (int i = 0; i < skeleton.elementCount(); ++i) {
    const QPainterPath::Element e = skeleton.elementAt(i);
    if (!e.isMoveTo()) continue;
    int last = i + 1;
    while (last < skeleton.elementCount() && !skeleton.elementAt(last).isMoveTo()) ++last;
    --last;
    const QPointF first(e.x, e.y);
    const QPointF end(skeleton.elementAt(last).x, skeleton.elementAt(last).y);
    if (last == i || QLineF(first, end).length() < 0.5) continue;  // closed loop (the o)
    ends.push_back(first);
    ends.push_back(end);
  }
  return ends;
}

}  // namespace artwork
