#pragma once

#include <string>

#include "framework/Picture.h"

// The picture set cut from the current theme, and the other globals the
// game window, the about window and network play share.
namespace Module1 {

extern fw::PicturePtr AboutBox;
extern fw::PicturePtr bigPit;
extern fw::PicturePtr board;
extern fw::PicturePtr gem;
extern fw::PicturePtr hilitePict;
extern fw::PicturePtr Moves;
extern fw::PicturePtr pit;
extern fw::PicturePtr turnIndicator;

// True while the about window is open, so that a theme change repaints it.
extern bool AboutIsUp;
// The field separator of the network line protocol: character 187, set when
// the network window opens.
extern std::string sep;

// One part of a theme picture: where it lies in the strip and its size.
struct StripPart {
  fw::PicturePtr* picture;
  int top;
  int width;
  int height;
};
// The eight parts, top to bottom.
extern const StripPart kStripParts[8];

// Cuts theme 1 to 8 into the picture set. Every picture is replaced by a new
// one of its fixed size, whether or not the theme picture could be read.
void LoadGraphics(int theme);

// Releases the globals at the end of the run.
void Release();

}  // namespace Module1
