#pragma once

// Letters drawn from our own stroke skeletons, so that no installed font has
// any say in the pictures. Each glyph is a centre line in em units (cap
// height 1, baseline at y 0, y growing downwards); a word is laid out from
// those skeletons and stroked into an outline that the themes fill and shade.

#include <QPainterPath>
#include <QString>
#include <QTransform>

namespace artwork {

struct LetterStyle {
  double capHeight = 80.0;  // pixels
  double weight = 0.16;     // stroke width in em
  double spacing = 0.07;    // extra space between letters in em
  double slant = 0.0;       // shear: 0.2 leans the letters right
  Qt::PenCapStyle cap = Qt::RoundCap;
  Qt::PenJoinStyle join = Qt::RoundJoin;
};

// Centre lines of the word, in pixels, with the baseline's left end at the
// origin. Only the letters the game needs are known: V, Y, e, k, l, o, r, u.
QPainterPath wordSkeleton(const QString& word, const LetterStyle& style);

// The filled outline of the stroked word, in pixels, centred on centre
// (horizontally on the advance, vertically on the cap height).
QPainterPath wordOutline(const QString& word, const LetterStyle& style, QPointF centre);

// The skeleton placed the same way as wordOutline places the outline.
QPainterPath placedSkeleton(const QString& word, const LetterStyle& style, QPointF centre);

// The ends of every stroke of the placed word (for pads, serifs, dots).
QList<QPointF> strokeEnds(const QString& word, const LetterStyle& style, QPointF centre);

}  // namespace artwork
