#include "framework/Canvas.h"

#include <QPainter>
#include <QWidget>
#include <utility>

#include "framework/Runtime.h"

namespace fw {
namespace {

class CanvasWidget : public QWidget {
 public:
  explicit CanvasWidget(Canvas* owner) : owner_(owner) { setAttribute(Qt::WA_NoSystemBackground); }

 protected:
  void paintEvent(QPaintEvent* /*event*/) override {
    owner_->RenderIfNeeded();
    QPainter painter(this);
    painter.drawImage(0, 0, owner_->SurfaceImage());
  }

 private:
  Canvas* owner_;
};

}  // namespace

Canvas::Canvas(fw::Window* window)
    : RectControl(window, new CanvasWidget(this)),
      surface_(1, 1, QImage::Format_ARGB32_Premultiplied),
      graphics_(std::make_unique<fw::Graphics>(this)) {
  surface_.fill(Qt::transparent);
}

Canvas::~Canvas() = default;

void Canvas::SetBackdrop(PicturePtr picture) {
  backdrop_ = std::move(picture);
  Refresh(true);
}

Graphics* Canvas::Graphics() { return graphics_.get(); }

void Canvas::SetVisible(bool visible) {
  if (visible && !Visible()) refreshPending_ = true;
  RectControl::SetVisible(visible);
}

void Canvas::Refresh(bool /*eraseBackground*/) {
  refreshPending_ = true;
  if (Widget() != nullptr) Widget()->update();
}

const QImage& Canvas::Contents() {
  RenderIfNeeded();
  return surface_;
}

void Canvas::RenderIfNeeded() {
  if (refreshPending_ && !rendering_) Render();
}

void Canvas::Render() {
  refreshPending_ = false;
  rendering_ = true;
  if (eraseBackground_) surface_.fill(Qt::transparent);
  if (backdrop_) {
    QPainter painter(&surface_);
    painter.drawImage(0, 0, backdrop_->DrawingImage());
  }
  if (Paint) Dispatch([this] { Paint(graphics_.get()); });
  rendering_ = false;
}

void Canvas::SurfaceChanged() {
  if (!rendering_ && Widget() != nullptr) Widget()->update();
}

void Canvas::GeometryChanged() {
  QImage resized(Width() > 0 ? Width() : 1, Height() > 0 ? Height() : 1, QImage::Format_ARGB32_Premultiplied);
  resized.fill(Qt::transparent);
  surface_ = std::move(resized);
  refreshPending_ = true;
}

}  // namespace fw
