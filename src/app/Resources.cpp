#include "app/Resources.h"

#include <string>
#include <vector>

#include "framework/FolderItem.h"

namespace {

// One sound accessor's cache: the sound, and whether the one load attempt
// was made.
struct SoundCache {
  const char* file;
  fw::SoundPtr permaSound;
  bool loaded = false;
};

struct PictureCache {
  const char* file;
  bool makeTransparent;
  fw::PicturePtr pic;
};

SoundCache gDrop{"Drop.wav", nullptr};
SoundCache gWinner{"Winner.wav", nullptr};
SoundCache gPickup{"Pickup.wav", nullptr};
SoundCache gLoser{"Loser.wav", nullptr};
SoundCache gSteal{"Steal.wav", nullptr};

PictureCache gCow{"cow theme.png", false, nullptr};
PictureCache gHitech{"hi-tech theme.png", false, nullptr};
PictureCache gOriginal{"original theme.png", false, nullptr};
PictureCache gCircuits{"circuits theme.png", false, nullptr};
PictureCache gGalaxy{"galaxy theme.png", false, nullptr};
PictureCache gHeaven{"heaven theme.png", false, nullptr};
PictureCache gNature{"nature theme.png", false, nullptr};
PictureCache gOak{"oak theme.png", true, nullptr};
PictureCache gLogo{"YrkLogo3x2.bmp", true, nullptr};

fw::SoundPtr LoadSound(SoundCache& cache) {
  if (!cache.loaded) {
    cache.loaded = true;
    if (fw::FolderItemPtr resources = fw::FolderItem::GetApplicationBundleResources()) {
      cache.permaSound = resources->Child(cache.file)->OpenAsSound();
    }
  }
  return cache.permaSound;
}

fw::PicturePtr LoadPicture(PictureCache& cache) {
  if (!cache.pic) {
    if (fw::FolderItemPtr resources = fw::FolderItem::GetApplicationBundleResources()) {
      cache.pic = resources->Child(cache.file)->OpenAsPicture();
    }
    if (cache.pic && cache.makeTransparent) cache.pic->SetTransparent(1);
  }
  return cache.pic;
}

}  // namespace

fw::SoundPtr Drop() { return LoadSound(gDrop); }
fw::SoundPtr Winner() { return LoadSound(gWinner); }
fw::SoundPtr Pickup() { return LoadSound(gPickup); }
fw::SoundPtr Loser() { return LoadSound(gLoser); }
fw::SoundPtr Steal() { return LoadSound(gSteal); }

fw::PicturePtr cowtheme() { return LoadPicture(gCow); }
fw::PicturePtr hitechtheme() { return LoadPicture(gHitech); }
fw::PicturePtr originaltheme() { return LoadPicture(gOriginal); }
fw::PicturePtr circuitstheme() { return LoadPicture(gCircuits); }
fw::PicturePtr galaxytheme() { return LoadPicture(gGalaxy); }
fw::PicturePtr heaventheme() { return LoadPicture(gHeaven); }
fw::PicturePtr naturetheme() { return LoadPicture(gNature); }
fw::PicturePtr oaktheme() { return LoadPicture(gOak); }
fw::PicturePtr YrkLogo3x2() { return LoadPicture(gLogo); }

void ReleaseResources() {
  for (SoundCache* cache : {&gDrop, &gWinner, &gPickup, &gLoser, &gSteal}) {
    cache->permaSound = nullptr;
    cache->loaded = false;
  }
  for (PictureCache* cache : {&gCow, &gHitech, &gOriginal, &gCircuits, &gGalaxy, &gHeaven, &gNature, &gOak, &gLogo}) {
    cache->pic = nullptr;
  }
}
