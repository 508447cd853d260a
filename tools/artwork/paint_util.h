#pragma once

// Drawing helpers shared by the themes: layers, blurs, soft shadows, colour
// mixing and the finishing steps that turn a layer into a strip part.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace artwork {

inline constexpr double kPi = 3.14159265358979323846;

// A transparent ARGB layer to draw into.
QImage newLayer(int width, int height);

// Approximate gaussian blur (three box passes) of a premultiplied ARGB layer,
// edges clamped.
void blurLayer(QImage& layer, int radius);

// The shape filled with one colour, shifted by offset and blurred.
QImage softShape(QSize size, const QPainterPath& shape, const QColor& colour, int radius,
                 QPointF offset = {});

// A shadow falling inside the shape, as if its edge were raised: the outside
// of the shape shifted by offset, blurred, kept only within the shape.
void drawInnerShadow(QPainter& p, QSize size, const QPainterPath& shape, const QColor& colour,
                     int radius, QPointF offset);

// A blurred copy of the shape under it.
void drawSoftShape(QPainter& p, QSize size, const QPainterPath& shape, const QColor& colour,
                   int radius, QPointF offset = {});

inline double clamp01(double v) { return std::clamp(v, 0.0, 1.0); }
inline double smooth(double e0, double e1, double x) {
  const double t = clamp01((x - e0) / (e1 - e0));
  return t * t * (3.0 - 2.0 * t);
}

QColor mixColour(const QColor& a, const QColor& b, double t);
QRgb mixRgb(QRgb a, QRgb b, double t);
QColor withAlpha(const QColor& c, int alpha);

// The fill of a cut gem's flat top facet: the stone's colour lifted towards
// white at `from`, itself at `middle` (0..1 along the way) and shaded towards
// black at `to`.
QLinearGradient gemTableFill(QPointF from, QPointF to, const QColor& base, double lift, double middle,
                             double shade);

// Colour ramp through evenly spaced stops, t in [0, 1].
QRgb ramp(std::initializer_list<QRgb> stops, double t);

// Fills an ARGB layer pixel by pixel: f(x, y) returns an unpremultiplied QRgb.
template <typename F>
QImage renderField(int width, int height, F f) {
  QImage img(width, height, QImage::Format_ARGB32);
  for (int y = 0; y < height; ++y) {
    auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
    for (int x = 0; x < width; ++x) line[x] = f(x, y);
  }
  return img.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// Opaque part: flattened onto black where anything is left transparent, and
// any pure white moved to 254 so that no key-white ever shows in it.
QImage finishOpaque(const QImage& layer);

// See-through part: pixels covered at least minAlpha become opaque, blended
// over backdrop (what lies under the part in the game window, so its edges
// are smoothed against the right colours); the rest becomes pure white, the
// see-through colour. Opaque pure white is moved to 254.
QImage finishKeyed(const QImage& layer, const QImage& backdrop, int minAlpha = 72);

// Draws a keyed picture (pure white see-through) over the painter.
void drawKeyed(QPainter& p, QPoint at, const QImage& keyed);

}  // namespace artwork
