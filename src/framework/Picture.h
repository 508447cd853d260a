#pragma once

#include <QImage>
#include <cstdint>
#include <memory>
#include <string>

#include "framework/Surface.h"

namespace fw {

class Graphics;
class Picture;
using PicturePtr = std::shared_ptr<Picture>;

// A picture of depth 32. A new one is opaque white.
//
// Transparent mode 1: the picture's pure white pixels are not drawn when the
// picture is drawn onto something else.
// Mask: a second picture of the same size that sets how opaque each pixel is
// drawn: black opaque, white fully clear, grey levels partly transparent.
class Picture : public Surface {
 public:
  Picture(int width, int height);
  explicit Picture(QImage image);
  ~Picture() override;
  Picture(const Picture&) = delete;
  Picture& operator=(const Picture&) = delete;

  static PicturePtr NewPicture(int width, int height, int depth = 32);
  // Reads a PNG, BMP or any other format Qt knows; nil when unreadable.
  static PicturePtr Open(const std::string& path);

  int Width() const { return image_.width(); }
  int Height() const { return image_.height(); }
  int Depth() const { return 32; }

  int Transparent() const { return transparent_; }
  void SetTransparent(int mode);

  fw::Graphics* Graphics();
  // The mask; with create true, a missing mask is made (black, so the
  // picture stays opaque). Nil when there is none and create is false.
  PicturePtr Mask(bool create = true);

  const QImage& Image() const { return image_; }
  // The picture as it is drawn onto something else, with its mask and
  // transparency applied (premultiplied ARGB).
  const QImage& DrawingImage() const;
  // Changes whenever the picture's pixels, its mask or its transparency do.
  std::uint64_t Version() const;

  QImage& SurfaceImage() override { return image_; }
  void SurfaceChanged() override { ++version_; }

 private:
  QImage image_;
  int transparent_ = 0;
  std::uint64_t version_ = 1;
  PicturePtr mask_;
  std::unique_ptr<fw::Graphics> graphics_;
  mutable QImage drawingImage_;
  mutable std::uint64_t drawingVersion_ = 0;
};

}  // namespace fw
