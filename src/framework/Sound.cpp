#include "framework/Sound.h"

#include <QFile>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>
#include <utility>

namespace fw {
namespace {

std::function<void(const std::string&)>& PlayHook() {
  static std::function<void(const std::string&)> hook;
  return hook;
}

bool LooksLikeWave(const std::string& path) {
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::ReadOnly)) return false;
  const QByteArray header = file.read(12);
  return header.size() == 12 && header.startsWith("RIFF") && header.mid(8, 4) == "WAVE";
}

}  // namespace

Sound::Sound(std::string path) : path_(std::move(path)) {}

Sound::~Sound() = default;

SoundPtr Sound::Open(const std::string& path) {
  if (!LooksLikeWave(path)) return nullptr;
  return std::make_shared<Sound>(path);
}

void Sound::Play() {
  if (PlayHook()) {
    PlayHook()(QFileInfo(QString::fromStdString(path_)).fileName().toStdString());
    return;
  }
  if (!effect_) {
    effect_ = std::make_unique<QSoundEffect>();
    effect_->setSource(QUrl::fromLocalFile(QString::fromStdString(path_)));
  }
  effect_->stop();
  effect_->play();
}

void SetSoundPlayHookForTesting(std::function<void(const std::string& fileName)> hook) {
  PlayHook() = std::move(hook);
}

}  // namespace fw
