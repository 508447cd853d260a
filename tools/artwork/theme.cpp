#include "artwork/theme.h"

#include <QLinearGradient>
#include <QPainterPathStroker>
#include <QRadialGradient>

#include "artwork/random.h"

namespace artwork {

namespace {

const int kHoles[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14};

bool isStore(int hole) { return hole == 7 || hole == 14; }

// Coverage of a pixel drawn over whole.
constexpr int kWhole = 255;

// Pixels of a keyed picture laid over the backdrop, as the game window shows
// them.
QImage overlay(const QImage& backdrop, const QImage& keyed) {
  QImage out = backdrop.convertToFormat(QImage::Format_RGB32);
  QPainter p(&out);
  drawKeyed(p, QPoint(0, 0), keyed);
  return out;
}

// The glow of a chosen pit: the pit picture itself brightened towards the
// theme's highlight colour, so that it covers exactly what the pit covers and
// redrawing the pit over it leaves nothing behind.
QImage makeHilite(const QImage& pit, const PocketShape& shape, const QColor& glow,
                  const QColor& rimGlow, double tint) {
  QImage out(pit.size(), QImage::Format_RGB32);
  const QPointF c = shape.centre();
  const double radius = std::min(shape.box.width(), shape.box.height()) / 2.0;
  for (int y = 0; y < pit.height(); ++y) {
    for (int x = 0; x < pit.width(); ++x) {
      const QRgb src = pit.pixel(x, y);
      if ((src & 0xFFFFFFu) == 0xFFFFFFu) {
        out.setPixel(x, y, qRgb(255, 255, 255));
        continue;
      }
      const double d = std::hypot(x + 0.5 - c.x(), y + 0.5 - c.y()) / radius;
      const double rim = smooth(0.72, 0.95, d);
      const QColor g = mixColour(glow, rimGlow, rim);
      const double strength = 0.45 + 0.45 * rim;
      auto screen = [strength, tint](int a, int b) {
        const double s = 1.0 - (1.0 - a / 255.0) * (1.0 - strength * b / 255.0);
        const double t = s + (b / 255.0 - s) * tint * strength;
        return static_cast<int>(std::lround(std::min(254.0, t * 255.0)));
      };
      out.setPixel(x, y,
                   qRgb(screen(qRed(src), g.red()), screen(qGreen(src), g.green()),
                        screen(qBlue(src), g.blue())));
    }
  }
  return out;
}

// A soft patch over store 7's badge and the wall beside it, strongest
// (alpha) in its middle and fading out above, below and towards the floor's
// middle.
QBrush badgeBand(const QRectF& box, const QColor& colour, int alpha) {
  const QRectF b = QRectF(board::kStore7Badge).adjusted(-4.0, -2.0, 2.0, 2.0);
  QImage patch = newLayer(static_cast<int>(box.right()) + 1, static_cast<int>(box.bottom()) + 1);
  for (int y = 0; y < patch.height(); ++y)
    for (int x = 0; x < patch.width(); ++x) {
      const double across = 1.0 - smooth(b.right(), b.right() + 14.0, x + 0.5);
      const double dy = std::max({0.0, b.top() - (y + 0.5), (y + 0.5) - b.bottom()});
      const double along = 1.0 - smooth(0.0, 14.0, dy);
      const int a = static_cast<int>(std::lround(alpha * across * along));
      patch.setPixel(x, y, qPremultiply(qRgba(colour.red(), colour.green(), colour.blue(), a)));
    }
  return QBrush(patch);
}

}  // namespace

void Theme::paintPocketSurround(QPainter& p, const PocketShape& shape, Pocket kind) {
  (void)kind;
  paintBowlSurround(p, shape, QColor(0, 0, 0, 110), QColor(255, 255, 255, 70));
}

QImage composeStrip(Theme& theme) {
  // Board: base, then every pocket, socket and ornament where its canvas is.
  QImage boardLayer = newLayer(board::kWidth, board::kHeight);
  {
    QPainter p(&boardLayer);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    theme.paintBoardBase(p);
    for (int h : kHoles) {
      p.save();
      p.translate(board::hole(h).topLeft());
      const bool store = isStore(h);
      theme.paintPocketSurround(p, store ? theme.storeShape() : theme.pitShape(),
                                store ? Pocket::Store : Pocket::Pit);
      p.restore();
    }
    for (int h : kHoles) {
      p.save();
      p.translate(board::hole(h).topLeft());
      const bool store = isStore(h);
      theme.paintPocket(p, store ? theme.storeShape() : theme.pitShape(),
                        store ? Pocket::Store : Pocket::Pit);
      p.restore();
    }
    for (int h : kHoles) theme.paintDotSocket(p, QRectF(board::dot(h)), false);
    theme.paintMarkerSocket(p, QRectF(board::turnMarker(1)));
    theme.paintMarkerSocket(p, QRectF(board::turnMarker(2)));
    theme.paintBoardDecor(p);
  }
  const QImage boardImage = finishOpaque(boardLayer);

  auto drawLayer = [](int w, int h, auto&& paint) {
    QImage layer = newLayer(w, h);
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    paint(p);
    p.end();
    return layer;
  };

  // The board already shows every pocket, each rim smoothed against what lies
  // round that hole. The pit and store pictures keep only the pixels the
  // pocket covers whole, so each hole shows the board's own rim; a rim
  // smoothed against one hole's surroundings would ring the others.
  const QImage pitLayer =
      drawLayer(65, 65, [&](QPainter& p) { theme.paintPocket(p, theme.pitShape(), Pocket::Pit); });
  const QImage pitUnder = boardImage.copy(board::pit(1));
  const QImage pit = finishKeyed(pitLayer, pitUnder, kWhole);

  const QImage storeLayer = drawLayer(
      96, 259, [&](QPainter& p) { theme.paintPocket(p, theme.storeShape(), Pocket::Store); });
  const QImage bigPit = finishKeyed(storeLayer, boardImage.copy(board::store(14)), kWhole);

  const QImage gemLayer = drawLayer(30, 30, [&](QPainter& p) { theme.paintGem(p); });
  const QImage gemUnder = overlay(pitUnder, pit).copy(QRect(board::kPitGem, QSize(30, 30)));
  const QImage gem = finishKeyed(gemLayer, gemUnder, 96);

  const QImage hilite = makeHilite(pit, theme.pitShape(), theme.hiliteColour(),
                                   theme.hiliteRimColour(), theme.hiliteTint());

  const QImage movesLayer =
      drawLayer(15, 15, [&](QPainter& p) { theme.paintDotSocket(p, QRectF(0, 0, 15, 15), true); });
  const QImage moves = finishOpaque(movesLayer);

  const QImage turnLayer = drawLayer(30, 30, [&](QPainter& p) { theme.paintTurnIndicator(p); });
  const QImage turn = finishKeyed(turnLayer, boardImage.copy(board::turnMarker(1)));

  const QImage aboutLayer = drawLayer(580, 150, [&](QPainter& p) { theme.paintAboutBox(p); });
  const QImage about = finishOpaque(aboutLayer);

  QImage strip(kStripWidth, kStripHeight, QImage::Format_RGB32);
  strip.fill(Qt::white);
  {
    QPainter p(&strip);
    const QImage* parts[] = {&about, &bigPit, &boardImage, &gem, &hilite, &moves, &pit, &turn};
    for (std::size_t i = 0; i < kStripParts.size(); ++i)
      p.drawImage(kStripParts[i].rect().topLeft(), *parts[i]);
  }
  return strip;
}

// ---- Shared recipes ---------------------------------------------------------

void paintBowl(QPainter& p, const PocketShape& shape, const BowlStyle& style) {
  const QRectF box = shape.box;
  const QPainterPath outer = shape.path(0.0);
  const QPainterPath floor = shape.path(style.lipWidth);

  QLinearGradient lip(box.topLeft(), box.bottomRight());
  lip.setColorAt(0.0, style.lipLight);
  lip.setColorAt(0.55, mixColour(style.lipLight, style.lipDark, 0.6));
  lip.setColorAt(1.0, style.lipDark);
  p.fillPath(outer, lip);

  const bool store = box.height() > box.width() * 1.5;
  const QPointF c = shape.centre();
  const double r = std::max(box.width(), box.height()) / 2.0;
  QRadialGradient bowl(c + QPointF(box.width() * 0.08, box.height() * 0.08), r * 0.95,
                       c + QPointF(box.width() * 0.14, box.height() * 0.16));
  bowl.setColorAt(0.0, style.floorLight);
  bowl.setColorAt(1.0, style.floorDark);
  if (store) {
    // A long store: shade across its width, lighter along the middle.
    QLinearGradient across(box.topLeft(), box.topRight());
    across.setColorAt(0.0, style.floorDark);
    across.setColorAt(0.55, style.floorLight);
    across.setColorAt(1.0, mixColour(style.floorLight, style.floorDark, 0.45));
    p.fillPath(floor, across);
    QLinearGradient along(box.topLeft(), box.bottomLeft());
    along.setColorAt(0.0, withAlpha(style.floorDark, 150));
    along.setColorAt(0.25, withAlpha(style.floorDark, 0));
    along.setColorAt(0.8, withAlpha(style.floorDark, 0));
    along.setColorAt(1.0, withAlpha(style.floorDark, 110));
    p.fillPath(floor, along);
    // Store 7's count sits on the left wall: the wall there is eased to the
    // floor's middle tone, so that the badge lies on an even ground.
    p.save();
    p.setClipPath(floor, Qt::IntersectClip);
    p.fillRect(box, badgeBand(box, mixColour(style.floorDark, style.floorLight, 0.55), 255));
    p.restore();
  } else {
    p.fillPath(floor, bowl);
  }

  if (style.texture) {
    p.save();
    p.setClipPath(floor, Qt::IntersectClip);
    p.setOpacity(style.textureOpacity);
    p.setCompositionMode(style.textureMode);
    p.drawImage(box.topLeft(), *style.texture);
    p.restore();
  }

  const QPainterPath floorDevice = p.transform().map(floor);
  const double depth = std::min(box.width(), box.height());
  // The walls' light and shade, on a layer of their own so that a store can
  // ease them where its badge lies.
  QImage walls = newLayer(p.device()->width(), p.device()->height());
  {
    QPainter wp(&walls);
    wp.setRenderHint(QPainter::Antialiasing);
    drawInnerShadow(wp, deviceSize(wp), floorDevice, style.shadow,
                    static_cast<int>(std::lround(depth * 0.10)),
                    QPointF(depth * 0.05, depth * 0.07));
    drawInnerShadow(wp, deviceSize(wp), floorDevice, style.wallLight,
                    static_cast<int>(std::lround(depth * 0.06)),
                    QPointF(-depth * 0.03, -depth * 0.04));
    if (store) {
      wp.setTransform(p.transform());
      wp.setCompositionMode(QPainter::CompositionMode_DestinationOut);
      wp.fillRect(box, badgeBand(box, Qt::black, 235));
    }
  }
  p.save();
  p.resetTransform();
  p.drawImage(0, 0, walls);
  p.restore();
  p.save();
  p.setPen(QPen(withAlpha(style.lipDark.darker(160), 150), 1.0));
  p.setBrush(Qt::NoBrush);
  p.drawPath(floor);
  p.restore();
}

void paintBowlSurround(QPainter& p, const PocketShape& shape, const QColor& shadow,
                       const QColor& catchLight, double spread) {
  const QPainterPath device = p.transform().map(shape.path(-spread * 0.5));
  drawSoftShape(p, deviceSize(p), device, shadow, static_cast<int>(std::lround(spread)),
                QPointF(-spread * 0.3, -spread * 0.3));
  QLinearGradient g(shape.box.topLeft(), shape.box.bottomRight());
  g.setColorAt(0.0, withAlpha(catchLight, 0));
  g.setColorAt(0.6, withAlpha(catchLight, 0));
  g.setColorAt(1.0, catchLight);
  p.save();
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QBrush(g), 1.6));
  p.drawPath(shape.path(-0.8));
  p.restore();
}

void paintCutGem(QPainter& p, QPointF c, double r, const QColor& base, int sides, double rotation) {
  const double step = 2.0 * kPi / sides;
  const double lightAngle = -0.75 * kPi;  // from the top left
  auto at = [&](double angle, double radius) {
    return c + QPointF(std::cos(angle) * radius, std::sin(angle) * radius);
  };
  const QColor dark = mixColour(base, QColor(0, 0, 0), 0.72);
  const QColor light = mixColour(base, QColor(255, 255, 255), 0.38);
  auto shadeFor = [&](QPointF centroid, double bias) {
    const double a = std::atan2(centroid.y() - c.y(), centroid.x() - c.x());
    const double lit = 0.5 + 0.5 * std::cos(a - lightAngle);
    return mixColour(dark, light, clamp01(lit * 0.85 + bias));
  };

  QPolygonF girdle;
  // An octagonal (for eight sides) outline: the odd points sit on the
  // middle of each edge.
  for (int j = 0; j < 2 * sides; ++j)
    girdle << at(rotation + j * step / 2.0, j % 2 == 0 ? r : r * std::cos(step / 2.0));
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(base);
  p.drawPolygon(girdle);

  for (int i = 0; i < sides; ++i) {
    const QPointF t0 = at(rotation + i * step, r * 0.52);
    const QPointF t1 = at(rotation + (i + 1) * step, r * 0.52);
    const QPointF gPrev = girdle[(2 * i - 1 + 2 * sides) % (2 * sides)];
    const QPointF g0 = girdle[2 * i];
    const QPointF gNext = girdle[(2 * i + 1) % (2 * sides)];
    const QPolygonF star{t0, t1, gNext};
    const QPolygonF upperA{t0, gPrev, g0};
    const QPolygonF upperB{t0, g0, gNext};
    auto centroid = [](const QPolygonF& poly) {
      QPointF s;
      for (const QPointF& q : poly) s += q;
      return s / poly.size();
    };
    p.setBrush(shadeFor(centroid(star), 0.20));
    p.drawPolygon(star);
    p.setBrush(shadeFor(centroid(upperA), -0.22));
    p.drawPolygon(upperA);
    p.setBrush(shadeFor(centroid(upperB), 0.05));
    p.drawPolygon(upperB);
  }

  QPolygonF table;
  for (int i = 0; i < sides; ++i) table << at(rotation + i * step, r * 0.52);
  p.setBrush(gemTableFill(c - QPointF(r * 0.5, r * 0.5), c + QPointF(r * 0.5, r * 0.5), base, 0.22, 0.55, 0.3));
  p.drawPolygon(table);

  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(withAlpha(mixColour(base, QColor(255, 255, 255), 0.7), 150), 0.7));
  p.drawPolygon(table);
  for (int i = 0; i < sides; ++i) {
    const QPointF t0 = at(rotation + i * step, r * 0.52);
    p.drawLine(t0, girdle[2 * i]);
  }
  p.setPen(QPen(base.darker(320), 1.3));
  p.drawPolygon(girdle);

  // A sparkle on the table.
  const QPointF s = c + QPointF(-r * 0.22, -r * 0.24);
  QPainterPath sparkle;
  const double a = r * 0.26;
  const double b = r * 0.06;
  sparkle.moveTo(s + QPointF(0, -a));
  sparkle.lineTo(s + QPointF(b, -b));
  sparkle.lineTo(s + QPointF(a, 0));
  sparkle.lineTo(s + QPointF(b, b));
  sparkle.lineTo(s + QPointF(0, a));
  sparkle.lineTo(s + QPointF(-b, b));
  sparkle.lineTo(s + QPointF(-a, 0));
  sparkle.lineTo(s + QPointF(-b, -b));
  sparkle.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 230));
  p.drawPath(sparkle);
  p.restore();
}

void paintGlossyBall(QPainter& p, QPointF c, double r, const QColor& base, const QColor& rim) {
  p.save();
  QRadialGradient g(c + QPointF(-r * 0.15, -r * 0.2), r * 1.05, c + QPointF(-r * 0.35, -r * 0.4));
  g.setColorAt(0.0, base.lighter(160));
  g.setColorAt(0.55, base);
  g.setColorAt(1.0, base.darker(190));
  p.setPen(QPen(rim, 1.3));
  p.setBrush(g);
  p.drawEllipse(c, r, r);
  // Light passing through and lighting the far side.
  QRadialGradient back(c + QPointF(r * 0.35, r * 0.45), r * 0.55);
  back.setColorAt(0.0, withAlpha(base.lighter(150), 150));
  back.setColorAt(1.0, withAlpha(base.lighter(150), 0));
  p.setPen(Qt::NoPen);
  p.setBrush(back);
  p.drawEllipse(c, r - 1.0, r - 1.0);
  p.setBrush(QColor(255, 255, 255, 215));
  p.drawEllipse(QRectF(c.x() - r * 0.58, c.y() - r * 0.66, r * 0.62, r * 0.40));
  p.restore();
}

}  // namespace artwork

namespace artwork {

void paintNeonLine(QPainter& p, const QPainterPath& path, double width, const QColor& glow,
                   const QColor& core, int glowRadius) {
  QPainterPathStroker stroker;
  stroker.setWidth(width * 2.6);
  stroker.setCapStyle(Qt::RoundCap);
  stroker.setJoinStyle(Qt::RoundJoin);
  drawSoftShape(p, deviceSize(p), p.transform().map(stroker.createStroke(path)), glow, glowRadius);
  p.save();
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(glow, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(path);
  p.setPen(QPen(core, width * 0.45, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(path);
  p.restore();
}

void paintBevelFrame(QPainter& p, QRectF r, double width, const QColor& light, const QColor& dark) {
  p.save();
  p.setPen(Qt::NoPen);
  const QPointF d(width, width);
  const QPointF dx(width, -width);
  QPolygonF top{r.topLeft(), r.topRight(), r.topRight() + QPointF(-width, width), r.topLeft() + d};
  QPolygonF left{r.topLeft(), r.topLeft() + d, r.bottomLeft() + dx, r.bottomLeft()};
  QPolygonF bottom{r.bottomLeft(), r.bottomLeft() + dx, r.bottomRight() - d, r.bottomRight()};
  QPolygonF right{r.topRight(), r.bottomRight(), r.bottomRight() - d,
                  r.topRight() + QPointF(-width, width)};
  p.setBrush(light);
  p.drawPolygon(top);
  p.setBrush(mixColour(light, dark, 0.3));
  p.drawPolygon(left);
  p.setBrush(dark);
  p.drawPolygon(bottom);
  p.setBrush(mixColour(light, dark, 0.75));
  p.drawPolygon(right);
  p.restore();
}

void paintCarved(QPainter& p, const QPainterPath& shape, const QBrush& floor, const QColor& shadow,
                 const QColor& light) {
  p.fillPath(shape, floor);
  const QPainterPath device = p.transform().map(shape);
  drawInnerShadow(p, deviceSize(p), device, shadow, 2, QPointF(1.6, 2.0));
  drawInnerShadow(p, deviceSize(p), device, light, 1, QPointF(-1.0, -1.2));
}

void paintRaised(QPainter& p, const QPainterPath& shape, const QBrush& body, const QColor& shadow,
                 const QColor& edgeLight, const QColor& edgeDark, double depth) {
  const QPainterPath device = p.transform().map(shape);
  drawSoftShape(p, deviceSize(p), device, shadow, static_cast<int>(std::lround(depth * 1.5)),
                QPointF(depth, depth * 1.2));
  p.fillPath(shape, body);
  drawInnerShadow(p, deviceSize(p), device, edgeDark, 1, QPointF(-depth * 0.6, -depth * 0.6));
  drawInnerShadow(p, deviceSize(p), device, edgeLight, 1, QPointF(depth * 0.6, depth * 0.6));
}

namespace {

QRgb woodColour(const WoodStyle& s, double v) { return ramp({s.light, s.mid, s.dark}, v); }

// The shade of the wood (0 early wood, 1 late wood) at a point, along being
// the distance along the grain and across the distance across it.
double woodShade(double along, double across, std::uint32_t seed, const WoodStyle& s) {
  const double warp = fractalNoise(along * 0.0035, across * 0.018, seed, 4);
  const double t = across * s.ringsPerPixel + warp * s.warp +
                   0.35 * fractalNoise(along * 0.02, across * 0.06, seed + 11, 2);
  const double ring = 0.5 + 0.5 * std::sin(2.0 * kPi * t);
  const double late = std::pow(ring, 2.5);
  const double fibre = valueNoise(along * 0.06, across * 1.4, seed + 23);
  const double broad = fractalNoise(along * 0.008, across * 0.02, seed + 31, 3);
  double v = 0.58 * late + s.fibre * (fibre - 0.5) + 0.45 * (broad - 0.5) + 0.22;
  if (s.rays > 0.0) {
    const double fleck = fractalNoise(along * 0.045, across * 0.30, seed + 41, 2);
    v -= s.rays * smooth(0.60, 0.70, fleck);
  }
  if (s.pores > 0.0) {
    const double pore = valueNoise(along * 0.22, across * 2.2, seed + 53);
    v += s.pores * smooth(0.70, 0.82, pore) * (1.0 - late);
  }
  if (s.sheen > 0.0) {
    const double wave = std::sin(along * 0.16 + 3.0 * fractalNoise(along * 0.01, across * 0.03,
                                                                   seed + 61, 2));
    v += s.sheen * wave;
  }
  return clamp01(v);
}

}  // namespace

QImage woodField(int w, int h, std::uint32_t seed, const WoodStyle& s, QPointF origin) {
  return renderField(w, h, [&](int px, int py) {
    return woodColour(s, woodShade(px + origin.x(), py + origin.y(), seed, s));
  });
}

QImage woodHollowField(int w, int h, std::uint32_t seed, const WoodStyle& s,
                       Qt::Orientation grain) {
  return renderField(w, h, [&](int px, int py) {
    const bool horizontal = grain == Qt::Horizontal;
    return woodColour(s, woodShade(horizontal ? px : py, horizontal ? py : px, seed, s));
  });
}

}  // namespace artwork
