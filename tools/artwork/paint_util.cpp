#include "artwork/paint_util.h"

#include <vector>

namespace artwork {

QImage newLayer(int width, int height) {
  QImage img(width, height, QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::transparent);
  return img;
}

namespace {

// One box pass along a line of n pixels (four bytes each) with the given
// byte stride, edges clamped. scratch holds the padded copy of the line.
void boxPass(std::uint8_t* base, int n, int stride, int radius, std::vector<int>& scratch) {
  const int padded = n + 2 * radius;
  scratch.resize(static_cast<std::size_t>(padded) * 4);
  int* line = scratch.data();
  for (int i = 0; i < padded; ++i) {
    const int src = i < radius ? 0 : (i >= radius + n ? n - 1 : i - radius);
    const std::uint8_t* px = base + static_cast<std::ptrdiff_t>(src) * stride;
    for (int c = 0; c < 4; ++c) line[i * 4 + c] = px[c];
  }
  const int window = 2 * radius + 1;
  int sum[4] = {0, 0, 0, 0};
  for (int i = 0; i < window; ++i)
    for (int c = 0; c < 4; ++c) sum[c] += line[i * 4 + c];
  for (int i = 0; i < n; ++i) {
    std::uint8_t* px = base + static_cast<std::ptrdiff_t>(i) * stride;
    for (int c = 0; c < 4; ++c) {
      px[c] = static_cast<std::uint8_t>((sum[c] + window / 2) / window);
      if (i + 1 < n) sum[c] += line[(i + window) * 4 + c] - line[i * 4 + c];
    }
  }
}

}  // namespace

void blurLayer(QImage& layer, int radius) {
  if (radius <= 0) return;
  if (layer.format() != QImage::Format_ARGB32_Premultiplied)
    layer = layer.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  const int w = layer.width();
  const int h = layer.height();
  std::vector<int> scratch;
  // Three passes of a box a third of the radius wide each come close to a
  // gaussian of that radius.
  const int box = std::max(1, (radius + 1) / 2);
  for (int pass = 0; pass < 3; ++pass) {
    for (int y = 0; y < h; ++y) boxPass(layer.scanLine(y), w, 4, box, scratch);
    const auto stride = static_cast<int>(layer.bytesPerLine());
    for (int x = 0; x < w; ++x) boxPass(layer.bits() + x * 4, h, stride, box, scratch);
  }
}

QImage softShape(QSize size, const QPainterPath& shape, const QColor& colour, int radius,
                 QPointF offset) {
  QImage layer = newLayer(size.width(), size.height());
  {
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(offset);
    p.fillPath(shape, colour);
  }
  blurLayer(layer, radius);
  return layer;
}

namespace {

// The part of the device a blurred shape can reach, so that the work is done
// on a small layer only.
QRect reach(QSize size, const QPainterPath& shape, int radius, QPointF offset) {
  const int margin =
      2 * radius + 3 + static_cast<int>(std::ceil(std::abs(offset.x()) + std::abs(offset.y())));
  return shape.boundingRect().toAlignedRect().adjusted(-margin, -margin, margin, margin) &
         QRect(QPoint(0, 0), size);
}

}  // namespace

void drawInnerShadow(QPainter& p, QSize size, const QPainterPath& shape, const QColor& colour,
                     int radius, QPointF offset) {
  const QRect area = reach(size, shape, radius, offset);
  if (area.isEmpty()) return;
  const QPainterPath local = shape.translated(-area.topLeft());
  QImage layer = newLayer(area.width(), area.height());
  {
    QPainter lp(&layer);
    lp.setRenderHint(QPainter::Antialiasing);
    lp.fillRect(layer.rect(), colour);
    lp.setCompositionMode(QPainter::CompositionMode_Clear);
    lp.translate(offset);
    lp.fillPath(local, Qt::black);
  }
  blurLayer(layer, radius);
  {
    QImage mask = newLayer(area.width(), area.height());
    {
      QPainter mp(&mask);
      mp.setRenderHint(QPainter::Antialiasing);
      mp.fillPath(local, Qt::black);
    }
    QPainter lp(&layer);
    lp.setCompositionMode(QPainter::CompositionMode_DestinationIn);
    lp.drawImage(0, 0, mask);
  }
  p.save();
  p.resetTransform();
  p.drawImage(area.topLeft(), layer);
  p.restore();
}

void drawSoftShape(QPainter& p, QSize size, const QPainterPath& shape, const QColor& colour,
                   int radius, QPointF offset) {
  const QRect area = reach(size, shape, radius, offset);
  if (area.isEmpty()) return;
  const QImage layer =
      softShape(area.size(), shape.translated(-area.topLeft()), colour, radius, offset);
  p.save();
  p.resetTransform();
  p.drawImage(area.topLeft(), layer);
  p.restore();
}

QColor mixColour(const QColor& a, const QColor& b, double t) {
  t = clamp01(t);
  auto m = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
  return QColor(m(a.red(), b.red()), m(a.green(), b.green()), m(a.blue(), b.blue()),
                m(a.alpha(), b.alpha()));
}

QRgb mixRgb(QRgb a, QRgb b, double t) {
  t = clamp01(t);
  auto m = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
  return qRgba(m(qRed(a), qRed(b)), m(qGreen(a), qGreen(b)), m(qBlue(a), qBlue(b)),
               m(qAlpha(a), qAlpha(b)));
}

QLinearGradient gemTableFill(QPointF from, QPointF to, const QColor& base, double lift, double middle,
                             double shade) {
  QLinearGradient fill(from, to);
  fill.setColorAt(0.0, mixColour(base, QColor(255, 255, 255), lift));
  fill.setColorAt(middle, base);
  fill.setColorAt(1.0, mixColour(base, QColor(0, 0, 0), shade));
  return fill;
}

QColor withAlpha(const QColor& c, int alpha) {
  QColor r = c;
  r.setAlpha(alpha);
  return r;
}

QRgb ramp(std::initializer_list<QRgb> stops, double t) {
  const auto n = static_cast<int>(stops.size());
  if (n == 1) return *stops.begin();
  t = clamp01(t) * (n - 1);
  const int i = std::min(static_cast<int>(t), n - 2);
  return mixRgb(stops.begin()[i], stops.begin()[i + 1], t - i);
}

QImage finishOpaque(const QImage& layer) {
  QImage out(layer.size(), QImage::Format_RGB32);
  out.fill(Qt::black);
  {
    QPainter p(&out);
    p.drawImage(0, 0, layer);
  }
  for (int y = 0; y < out.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < out.width(); ++x)
      if ((line[x] & 0xFFFFFFu) == 0xFFFFFFu) line[x] = qRgb(254, 254, 254);
  }
  return out;
}

QImage finishKeyed(const QImage& layer, const QImage& backdrop, int minAlpha) {
  const QImage src = layer.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  const QImage under = backdrop.convertToFormat(QImage::Format_RGB32);
  QImage out(src.size(), QImage::Format_RGB32);
  for (int y = 0; y < src.height(); ++y) {
    const auto* s = reinterpret_cast<const QRgb*>(src.constScanLine(y));
    auto* o = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < src.width(); ++x) {
      const int a = qAlpha(s[x]);
      if (a < minAlpha) {
        o[x] = qRgb(255, 255, 255);
        continue;
      }
      const QRgb b = under.pixel(std::min(x, under.width() - 1), std::min(y, under.height() - 1));
      auto blend = [a](int sc, int bc) { return std::min(255, sc + (bc * (255 - a) + 127) / 255); };
      int r = blend(qRed(s[x]), qRed(b));
      int g = blend(qGreen(s[x]), qGreen(b));
      int bl = blend(qBlue(s[x]), qBlue(b));
      if (r == 255 && g == 255 && bl == 255) r = g = bl = 254;
      o[x] = qRgb(r, g, bl);
    }
  }
  return out;
}

void drawKeyed(QPainter& p, QPoint at, const QImage& keyed) {
  QImage img = keyed.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < img.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
    for (int x = 0; x < img.width(); ++x)
      if ((line[x] & 0xFFFFFFu) == 0xFFFFFFu) line[x] = 0;
  }
  p.drawImage(at, img);
}

}  // namespace artwork
