#include "framework/Picture.h"

#include <utility>

#include "framework/Graphics.h"

namespace fw {

Picture::Picture(int width, int height)
    : image_(width > 0 ? width : 1, height > 0 ? height : 1, QImage::Format_ARGB32) {
  image_.fill(0xFFFFFFFFu);
}

Picture::Picture(QImage image) : image_(image.convertToFormat(QImage::Format_ARGB32)) {}

Picture::~Picture() = default;

PicturePtr Picture::NewPicture(int width, int height, int /*depth*/) {
  return std::make_shared<Picture>(width, height);
}

PicturePtr Picture::Open(const std::string& path) {
  QImage image;
  if (!image.load(QString::fromStdString(path)) || image.isNull()) return nullptr;
  return std::make_shared<Picture>(std::move(image));
}

void Picture::SetTransparent(int mode) {
  if (transparent_ == mode) return;
  transparent_ = mode;
  ++version_;
}

Graphics* Picture::Graphics() {
  if (!graphics_) graphics_ = std::make_unique<fw::Graphics>(this);
  return graphics_.get();
}

PicturePtr Picture::Mask(bool create) {
  if (!mask_ && create) {
    mask_ = std::make_shared<Picture>(Width(), Height());
    mask_->image_.fill(0xFF000000u);
  }
  return mask_;
}

std::uint64_t Picture::Version() const {
  return version_ * 1000003u + (mask_ ? mask_->version_ : 0u);
}

const QImage& Picture::DrawingImage() const {
  const std::uint64_t version = Version();
  if (drawingVersion_ == version && !drawingImage_.isNull()) return drawingImage_;
  QImage out = image_.convertToFormat(QImage::Format_ARGB32);
  const bool whiteClear = transparent_ == 1;
  const QImage* mask = mask_ ? &mask_->image_ : nullptr;
  if (whiteClear || mask != nullptr) {
    for (int y = 0; y < out.height(); ++y) {
      auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
      const auto* maskLine =
          mask != nullptr && y < mask->height() ? reinterpret_cast<const QRgb*>(mask->constScanLine(y)) : nullptr;
      for (int x = 0; x < out.width(); ++x) {
        QRgb pixel = line[x];
        int alpha = qAlpha(pixel);
        if (whiteClear && (pixel & 0x00FFFFFFu) == 0x00FFFFFFu) alpha = 0;
        if (maskLine != nullptr && x < mask->width()) alpha = alpha * (255 - qGray(maskLine[x])) / 255;
        line[x] = qRgba(qRed(pixel), qGreen(pixel), qBlue(pixel), alpha);
      }
    }
  }
  drawingImage_ = out.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  drawingVersion_ = version;
  return drawingImage_;
}

}  // namespace fw
