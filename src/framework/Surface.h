#pragma once

class QImage;

namespace fw {

// Something a Graphics draws on: a picture, or a canvas's own surface.
class Surface {
 public:
  virtual ~Surface() = default;
  virtual QImage& SurfaceImage() = 0;
  // Called after every drawing operation.
  virtual void SurfaceChanged() = 0;
};

}  // namespace fw
