#pragma once

#include "framework/Picture.h"
#include "framework/Sound.h"

// The program's sounds, theme pictures and logo: files in the application's
// resources folder, each read on the first call of its accessor and kept for
// the rest of the run. A sound is tried once: a missing sound stays silent
// until the next run. A picture is tried again on every call while it could
// not be read. Each returns nil when its file was not read.

fw::SoundPtr Drop();
fw::SoundPtr Winner();
fw::SoundPtr Pickup();
fw::SoundPtr Loser();
fw::SoundPtr Steal();

fw::PicturePtr cowtheme();
fw::PicturePtr hitechtheme();
fw::PicturePtr originaltheme();
fw::PicturePtr circuitstheme();
fw::PicturePtr galaxytheme();
fw::PicturePtr heaventheme();
fw::PicturePtr naturetheme();
// Comes back with white made transparent.
fw::PicturePtr oaktheme();
// The maker's logo, with white made transparent.
fw::PicturePtr YrkLogo3x2();

// Forgets every cached sound and picture (the end of the run, and tests).
void ReleaseResources();
