// Writes the game's theme pictures, logo and sounds into the folder given as
// the only argument. Run by the build; needs no display.

#include <QString>
#include <cstdio>
#include <cstdlib>

#include "artwork/artwork.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
    return 2;
  }
  // Everything is drawn on images in memory; no window system is needed,
  // and none is to be contacted if Qt looks for one.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QString error;
  if (!artwork::writeResources(QString::fromLocal8Bit(argv[1]), &error)) {
    std::fprintf(stderr, "velloru_make_resources: %s\n", qPrintable(error));
    return 1;
  }
  return 0;
}
