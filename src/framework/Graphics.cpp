#include "framework/Graphics.h"

#include <QFont>
#include <QPainter>
#include <QString>

#include "framework/Surface.h"

namespace fw {
namespace {

// The surfaces' default text: small and bold, so that two digits fit across
// a 15-pixel count badge.
constexpr int kDefaultTextPixels = 10;

QColor ToQColor(Color c) { return QColor(c.red, c.green, c.blue); }

}  // namespace

Graphics::Graphics(Surface* surface) : surface_(surface) {}

int Graphics::Width() const { return surface_->SurfaceImage().width(); }
int Graphics::Height() const { return surface_->SurfaceImage().height(); }

void Graphics::DrawPicture(const PicturePtr& picture, int x, int y, int width, int height, int sourceX,
                           int sourceY, int sourceWidth, int sourceHeight) {
  if (!picture) return;
  if (sourceWidth == kOwnSize) sourceWidth = picture->Width();
  if (sourceHeight == kOwnSize) sourceHeight = picture->Height();
  if (width == kOwnSize) width = picture->Width();
  if (height == kOwnSize) height = picture->Height();
  {
    QPainter painter(&surface_->SurfaceImage());
    painter.drawImage(QRect(x, y, width, height), picture->DrawingImage(),
                      QRect(sourceX, sourceY, sourceWidth, sourceHeight));
  }
  surface_->SurfaceChanged();
}

void Graphics::DrawString(const std::string& text, int x, int y, int wrapWidth, bool /*condense*/) {
  {
    QPainter painter(&surface_->SurfaceImage());
    painter.setRenderHint(QPainter::TextAntialiasing);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(textSize_ > 0 ? textSize_ : kDefaultTextPixels);
    font.setBold(bold_);
    painter.setFont(font);
    painter.setPen(ToQColor(foreColor_));
    const QString s = QString::fromStdString(text);
    if (wrapWidth > 0) {
      const int ascent = painter.fontMetrics().ascent();
      painter.drawText(QRect(x, y - ascent, wrapWidth, 10000), Qt::TextWordWrap, s);
    } else {
      painter.drawText(QPoint(x, y), s);
    }
  }
  surface_->SurfaceChanged();
}

void Graphics::FillRect(int x, int y, int width, int height) {
  {
    QPainter painter(&surface_->SurfaceImage());
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(QRect(x, y, width, height), ToQColor(foreColor_));
  }
  surface_->SurfaceChanged();
}

void Graphics::FillOval(int x, int y, int width, int height) {
  {
    QPainter painter(&surface_->SurfaceImage());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ToQColor(foreColor_));
    painter.drawEllipse(QRectF(x, y, width, height));
  }
  surface_->SurfaceChanged();
}

void Graphics::DrawRect(int x, int y, int width, int height) {
  {
    QPainter painter(&surface_->SurfaceImage());
    painter.setPen(ToQColor(foreColor_));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(x, y, width - 1, height - 1));
  }
  surface_->SurfaceChanged();
}

}  // namespace fw
