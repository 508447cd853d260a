#pragma once

#include <QImage>
#include <functional>
#include <memory>

#include "framework/Control.h"
#include "framework/Graphics.h"
#include "framework/Picture.h"
#include "framework/Surface.h"

namespace fw {

// A control the program draws on.
//
// What the canvas shows is kept in its own surface. Drawing through
// Graphics() goes onto that surface at once and reaches the screen at the
// next pass of the background task, even inside a handler that never returns
// to the event loop. Refresh asks for the canvas to be drawn anew: the
// surface is erased, the backdrop drawn, then the Paint event runs.
class Canvas : public RectControl, public Surface {
 public:
  explicit Canvas(fw::Window* window);
  ~Canvas() override;

  const PicturePtr& Backdrop() const { return backdrop_; }
  void SetBackdrop(PicturePtr picture);

  // Draws on the canvas itself.
  fw::Graphics* Graphics();

  bool EraseBackground() const { return eraseBackground_; }
  void SetEraseBackground(bool erase) { eraseBackground_ = erase; }

  void SetVisible(bool visible) override;
  void Refresh(bool eraseBackground = true) override;

  // The Paint event: draw the canvas on g.
  std::function<void(fw::Graphics* g)> Paint;

  // What the canvas shows now (premultiplied ARGB, transparent where nothing
  // was drawn). Draws it first if a Refresh is pending.
  const QImage& Contents();
  // Draws the canvas anew if a Refresh is pending (as the Qt paint does).
  void RenderIfNeeded();
  bool RefreshPending() const { return refreshPending_; }

  QImage& SurfaceImage() override { return surface_; }
  void SurfaceChanged() override;

 protected:
  void GeometryChanged() override;

 private:
  void Render();

  PicturePtr backdrop_;
  QImage surface_;
  std::unique_ptr<fw::Graphics> graphics_;
  bool eraseBackground_ = true;
  bool refreshPending_ = true;
  bool rendering_ = false;
};

}  // namespace fw
