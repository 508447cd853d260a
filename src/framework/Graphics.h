#pragma once

#include <string>

#include "framework/Color.h"
#include "framework/Picture.h"

namespace fw {

class Surface;

// Draws on a picture or on a canvas. Every operation is applied to the
// surface at once.
class Graphics {
 public:
  // Stands for "the picture's own size" in DrawPicture.
  static constexpr int kOwnSize = -10000;

  explicit Graphics(Surface* surface);

  Color ForeColor() const { return foreColor_; }
  void SetForeColor(Color color) { foreColor_ = color; }
  int TextSize() const { return textSize_; }
  void SetTextSize(int size) { textSize_ = size; }
  bool Bold() const { return bold_; }
  void SetBold(bool bold) { bold_ = bold; }

  int Width() const;
  int Height() const;

  // Draws the source rectangle (sourceX, sourceY, sourceWidth, sourceHeight)
  // of picture at (x, y) with the given width and height. A nil picture draws
  // nothing.
  void DrawPicture(const PicturePtr& picture, int x, int y, int width = kOwnSize, int height = kOwnSize,
                   int sourceX = 0, int sourceY = 0, int sourceWidth = kOwnSize,
                   int sourceHeight = kOwnSize);
  // Draws text with its left end at x and its baseline at y, in the
  // foreground colour. A wrapWidth of 0 means no wrapping.
  void DrawString(const std::string& text, int x, int y, int wrapWidth = 0, bool condense = false);
  void FillRect(int x, int y, int width, int height);
  void FillOval(int x, int y, int width, int height);
  void DrawRect(int x, int y, int width, int height);

 private:
  Surface* surface_;
  Color foreColor_{};
  int textSize_ = 0;
  bool bold_ = true;
};

}  // namespace fw
