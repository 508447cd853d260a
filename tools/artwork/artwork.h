#pragma once

// The game's own pictures, sounds and logo, drawn and synthesised by code.
// The resource maker (make_resources.cpp) writes them into the resources
// folder at build time; the tests call the same functions directly.

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QString>
#include <array>
#include <cstdint>
#include <vector>

namespace artwork {

// The eight parts of a theme strip, stacked from the top with no gap, each at
// x 0. Parts marked seeThrough are shown with pure white as the see-through
// colour; the others are drawn opaque.
struct StripPart {
  const char* name;
  int top;
  int width;
  int height;
  bool seeThrough;
  QRect rect() const { return {0, top, width, height}; }
};

enum Part {
  AboutBoxPart,
  BigPitPart,
  BoardPart,
  GemPart,
  HilitePart,
  MovesPart,
  PitPart,
  TurnPart
};

inline constexpr std::array<StripPart, 8> kStripParts{{
    {"AboutBox", 0, 580, 150, false},
    {"bigPit", 150, 96, 259, true},
    {"board", 409, 600, 300, false},
    {"gem", 709, 30, 30, true},
    {"hilitePict", 739, 65, 65, true},
    {"Moves", 804, 15, 15, false},
    {"pit", 819, 65, 65, true},
    {"turnIndicator", 884, 30, 30, true},
}};
inline constexpr int kStripWidth = 600;
inline constexpr int kStripHeight = 914;

struct ThemeFile {
  const char* title;     // as the Themes menu shows it
  const char* fileName;  // in the resources folder
  bool keyedWhole;       // the whole picture is loaded with white see-through
};

// In theme-number order: theme 1 is "Cow", theme 2 ("Hi-Tech") the start theme.
inline constexpr std::array<ThemeFile, 8> kThemeFiles{{
    {"Cow", "cow theme.png", false},
    {"Hi-Tech", "hi-tech theme.png", false},
    {"Original", "original theme.png", false},
    {"Circuits", "circuits theme.png", false},
    {"Galaxy", "galaxy theme.png", false},
    {"Heaven", "heaven theme.png", false},
    {"Nature", "nature theme.png", false},
    {"Oak", "oak theme.png", true},
}};

// Draws the full strip of theme index 0..7 (kThemeFiles order), 600 x 914,
// opaque RGB; pure white appears only as the see-through colour.
QImage drawThemeStrip(int themeIndex);

// Cuts one part out of a strip.
inline QImage cutPart(const QImage& strip, Part part) {
  return strip.copy(kStripParts[part].rect());
}

// The maker's mark for the about window's 215 x 62 logo canvas, on white
// (which the game makes see-through).
inline constexpr int kLogoWidth = 215;
inline constexpr int kLogoHeight = 62;
inline constexpr const char* kLogoFileName = "YrkLogo3x2.bmp";
QImage drawLogo();

enum class Sound { Drop, Pickup, Steal, Winner, Loser };
struct SoundFile {
  Sound sound;
  const char* fileName;
};
inline constexpr std::array<SoundFile, 5> kSoundFiles{{
    {Sound::Drop, "Drop.wav"},
    {Sound::Pickup, "Pickup.wav"},
    {Sound::Steal, "Steal.wav"},
    {Sound::Winner, "Winner.wav"},
    {Sound::Loser, "Loser.wav"},
}};
inline constexpr int kSampleRate = 44100;

// Mono samples at kSampleRate.
std::vector<std::int16_t> synthesiseSound(Sound sound);

// A RIFF/WAVE file: 16-bit PCM, mono.
QByteArray encodeWave(const std::vector<std::int16_t>& samples, int sampleRate);

// Every file that writeResources makes, in the order it makes them.
std::vector<QString> resourceFileNames();

// Writes the fourteen resource files into folder (created when missing).
// Returns false and fills error when a file cannot be written.
bool writeResources(const QString& folder, QString* error);

}  // namespace artwork
