#pragma once

// The parts every theme draws, and the board geometry they draw them to.
// composeStrip (theme.cpp) puts a theme's parts together: it lays the
// pockets, dot sockets and marker sockets onto the board where the game
// window's canvases lie, then makes the see-through parts from the same
// drawing code, so each hole canvas shows exactly the pocket under it.

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <cstdint>
#include <memory>

#include "artwork/artwork.h"
#include "artwork/paint_util.h"

namespace artwork {

// Window pixels of the game window's canvases (the board is drawn at the
// window's origin).
namespace board {
inline constexpr int kWidth = 600;
inline constexpr int kHeight = 300;
inline QRect pit(int hole) {
  return hole <= 6 ? QRect(65 * hole + 40, 20, 65, 65) : QRect(65 * (14 - hole) + 40, 214, 65, 65);
}
inline QRect store(int hole) { return hole == 7 ? QRect(495, 20, 96, 259) : QRect(9, 20, 96, 259); }
inline QRect hole(int h) { return (h == 7 || h == 14) ? store(h) : pit(h); }
inline QRect dot(int hole) {
  if (hole == 7) return {474, 112, 15, 15};
  if (hole == 14) return {114, 165, 15, 15};
  return hole <= 6 ? QRect(65 * hole + 67, 87, 15, 15) : QRect(65 * (14 - hole) + 67, 196, 15, 15);
}
// Player 1's marker stands beside store 7, player 2's beside store 14.
inline QRect turnMarker(int player) {
  return player == 1 ? QRect(452, 131, 30, 30) : QRect(116, 131, 30, 30);
}
// Where a single gem lies in a pit canvas, and the area of the stores'
// scattered gems.
inline constexpr QPoint kPitGem{17, 10};
inline constexpr QRect kStoreGemArea{20, 50, 64, 164};
// The count badge of store 7, on the store's left wall (the side facing the
// pits, as the store stands on the right of the board).
inline constexpr QRect kStore7Badge{8, 118, 15, 15};
}  // namespace board

// A rounded rectangle (a circle or a stadium when the radius is half the
// short side) with insets, the outline of every pocket.
struct PocketShape {
  QRectF box;
  double radius;
  QPainterPath path(double inset = 0.0) const {
    QPainterPath p;
    const QRectF r = box.adjusted(inset, inset, -inset, -inset);
    const double rr = std::max(0.0, radius - inset);
    p.addRoundedRect(r, rr, rr);
    return p;
  }
  QPointF centre() const { return box.center(); }
};

enum class Pocket { Pit, Store };

class Theme {
 public:
  virtual ~Theme() = default;

  // Pocket outlines in canvas pixels (65 x 65 pit, 96 x 259 store).
  virtual PocketShape pitShape() const { return {QRectF(2.0, 2.0, 61.0, 61.0), 30.5}; }
  virtual PocketShape storeShape() const { return {QRectF(4.0, 4.0, 88.0, 251.0), 44.0}; }

  // The whole 600 x 300 board without pockets and sockets.
  virtual void paintBoardBase(QPainter& p) = 0;
  // Around a pocket, on the board only (shadows, lips, ornaments). The
  // painter is translated to the canvas's top-left corner.
  virtual void paintPocketSurround(QPainter& p, const PocketShape& shape, Pocket kind);
  // The pocket itself, fully inside shape; drawn both on the board and as the
  // pit or store picture. The painter is translated to the canvas corner.
  virtual void paintPocket(QPainter& p, const PocketShape& shape, Pocket kind) = 0;
  // A move-dot socket for the 15 x 15 rectangle dot: unlit on the board, lit
  // as the Moves picture. Whatever lies within dot must not depend on where
  // the socket is (the lit picture is one for all fourteen).
  virtual void paintDotSocket(QPainter& p, QRectF dot, bool lit) = 0;
  // The bed of a turn marker on the board (30 x 30 rectangle).
  virtual void paintMarkerSocket(QPainter& p, QRectF marker) = 0;
  // Anything drawn last on the board (ornaments between the pockets).
  virtual void paintBoardDecor(QPainter& p) { (void)p; }

  // See-through parts, drawn on a transparent 30 x 30 layer.
  virtual void paintGem(QPainter& p) = 0;
  virtual void paintTurnIndicator(QPainter& p) = 0;
  // The glow laid over a pit chosen for a move.
  virtual QColor hiliteColour() const = 0;
  virtual QColor hiliteRimColour() const { return hiliteColour().lighter(140); }
  // How far the highlight tints the pit towards its colour, on top of
  // brightening it: light themes need more tint to show.
  virtual double hiliteTint() const { return 0.2; }

  // The about window's 580 x 150 strip.
  virtual void paintAboutBox(QPainter& p) = 0;
};

std::unique_ptr<Theme> makeCowTheme();
std::unique_ptr<Theme> makeHiTechTheme();
std::unique_ptr<Theme> makeOriginalTheme();
std::unique_ptr<Theme> makeCircuitsTheme();
std::unique_ptr<Theme> makeGalaxyTheme();
std::unique_ptr<Theme> makeHeavenTheme();
std::unique_ptr<Theme> makeNatureTheme();
std::unique_ptr<Theme> makeOakTheme();

QImage composeStrip(Theme& theme);

// ---- Shared drawing recipes ------------------------------------------------

// A hollow in the board lit from the top left: a lip, a shaded wall and a
// floor. floor/wall/lip colours come from the theme; texture, when not null,
// is laid over the floor (tiled from the shape's top-left corner).
struct BowlStyle {
  QColor lipLight;
  QColor lipDark;
  QColor floorLight;
  QColor floorDark;
  QColor shadow{0, 0, 0, 170};
  QColor wallLight{255, 255, 255, 60};
  double lipWidth = 3.0;
  const QImage* texture = nullptr;
  double textureOpacity = 0.35;
  QPainter::CompositionMode textureMode = QPainter::CompositionMode_Overlay;
};
void paintBowl(QPainter& p, const PocketShape& shape, const BowlStyle& style);

// A soft dark hollow round the pocket (ambient shadow) and a light catch on
// the lower right edge of the opening.
void paintBowlSurround(QPainter& p, const PocketShape& shape, const QColor& shadow,
                       const QColor& catchLight, double spread = 3.0);

// A round cut gem seen from above: girdle of sides facets around a table.
void paintCutGem(QPainter& p, QPointF centre, double radius, const QColor& base, int sides = 8,
                 double rotation = 0.0);

// A glossy ball with a dark rim and a bright highlight.
void paintGlossyBall(QPainter& p, QPointF centre, double radius, const QColor& base,
                     const QColor& rim);

// Local painter size helper: the size of the painter's device.
inline QSize deviceSize(const QPainter& p) {
  return QSize(p.device()->width(), p.device()->height());
}

}  // namespace artwork

namespace artwork {

// A tube of light along path: a blurred glow, the tube and its bright core.
void paintNeonLine(QPainter& p, const QPainterPath& path, double width, const QColor& glow,
                   const QColor& core, int glowRadius);

// A chamfered frame round r: light on the top and left edges, dark on the
// bottom and right.
void paintBevelFrame(QPainter& p, QRectF r, double width, const QColor& light, const QColor& dark);

// Letters (or any shape) cut into the surface: the floor (darkened wood, or
// paint or gilding laid in the cut), shadow under the upper-left edge, light
// on the lower-right edge.
void paintCarved(QPainter& p, const QPainterPath& shape, const QBrush& floor, const QColor& shadow,
                 const QColor& light);

// Letters standing up from the surface: drop shadow, filled body, a light
// edge on the upper left and a dark one on the lower right.
void paintRaised(QPainter& p, const QPainterPath& shape, const QBrush& body, const QColor& shadow,
                 const QColor& edgeLight, const QColor& edgeDark, double depth = 2.0);

// Wood: growth rings running along x, warped by noise, with fine fibres.
// light/mid/dark are the colours of early wood, the middle and late wood.
struct WoodStyle {
  QRgb light;
  QRgb mid;
  QRgb dark;
  double ringsPerPixel = 0.045;  // across the grain
  double warp = 5.0;
  double fibre = 0.28;
  double rays = 0.0;   // quarter-sawn ray flecks (oak)
  double pores = 0.0;  // open pores, short dark dashes in the early wood (oak)
  double sheen = 0.0;  // soft light and dark bands across the grain (figured walnut)
};
QImage woodField(int w, int h, std::uint32_t seed, const WoodStyle& style, QPointF origin = {});
// The floor of a hollow carved along the grain: long grain running along x
// (Qt::Horizontal) or along y (Qt::Vertical).
QImage woodHollowField(int w, int h, std::uint32_t seed, const WoodStyle& style,
                       Qt::Orientation grain);

}  // namespace artwork
