#pragma once

#include <functional>
#include <memory>
#include <string>

class QSoundEffect;

namespace fw {

class Sound;
using SoundPtr = std::shared_ptr<Sound>;

// A sound read from a WAVE file. Playing it starts it and returns at once;
// with no audio device it plays silently.
class Sound {
 public:
  explicit Sound(std::string path);
  ~Sound();
  Sound(const Sound&) = delete;
  Sound& operator=(const Sound&) = delete;

  // Reads the file; nil when it is missing, is no WAVE file, or cannot be
  // read whole: cut short, a chunk running past the end, no usable format
  // or data chunk. Bytes after the sound are ignored.
  static SoundPtr Open(const std::string& path);

  void Play();
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
  std::unique_ptr<QSoundEffect> effect_;
};

// For tests: every Play goes to the hook (with the file's name, such as
// "Drop.wav") instead of the audio device.
void SetSoundPlayHookForTesting(std::function<void(const std::string& fileName)> hook);

}  // namespace fw
