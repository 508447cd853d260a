#include "game/Module1.h"

#include "app/Resources.h"
#include "framework/Graphics.h"

namespace Module1 {

fw::PicturePtr AboutBox;
fw::PicturePtr bigPit;
fw::PicturePtr board;
fw::PicturePtr gem;
fw::PicturePtr hilitePict;
fw::PicturePtr Moves;
fw::PicturePtr pit;
fw::PicturePtr turnIndicator;
bool AboutIsUp = false;
std::string sep;

const StripPart kStripParts[8] = {
    {&AboutBox, 0, 580, 150},  {&bigPit, 150, 96, 259},   {&board, 409, 600, 300},
    {&gem, 709, 30, 30},       {&hilitePict, 739, 65, 65}, {&Moves, 804, 15, 15},
    {&pit, 819, 65, 65},       {&turnIndicator, 884, 30, 30},
};

namespace {

fw::PicturePtr ThemePicture(int theme) {
  switch (theme) {
    case 1:
      return cowtheme();
    case 2:
      return hitechtheme();
    case 3:
      return originaltheme();
    case 4:
      return circuitstheme();
    case 5:
      return galaxytheme();
    case 6:
      return heaventheme();
    case 7:
      return naturetheme();
    case 8:
      return oaktheme();
    default:
      return nullptr;
  }
}

}  // namespace

void LoadGraphics(int theme) {
  const fw::PicturePtr strip = ThemePicture(theme);
  for (const StripPart& part : kStripParts) {
    fw::PicturePtr picture = fw::Picture::NewPicture(part.width, part.height, 32);
    *part.picture = picture;
    picture->Graphics()->DrawPicture(strip, 0, 0, part.width, part.height, 0, part.top, part.width,
                                     part.height);
  }
}

void Release() {
  for (const StripPart& part : kStripParts) part.picture->reset();
  sep.clear();
  AboutIsUp = false;
}

}  // namespace Module1
