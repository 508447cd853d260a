#include "framework/Sound.h"

#include <QFile>
#include <QFileInfo>
#include <QSoundEffect>
#include <QtEndian>
#include <QUrl>
#include <utility>

namespace fw {
namespace {

std::function<void(const std::string&)>& PlayHook() {
  static std::function<void(const std::string&)> hook;
  return hook;
}

quint32 U32(const QByteArray& bytes, qsizetype at) { return qFromLittleEndian<quint32>(bytes.constData() + at); }
quint16 U16(const QByteArray& bytes, qsizetype at) { return qFromLittleEndian<quint16>(bytes.constData() + at); }

// The "fmt " chunk of a PCM or floating-point WAVE file, with its sizes
// consistent with each other.
bool IsUsableFormat(const QByteArray& bytes, qsizetype body, quint32 size) {
  constexpr quint16 kPcm = 1;
  constexpr quint16 kFloat = 3;
  constexpr quint16 kExtensible = 0xFFFE;
  if (size < 16) return false;
  const quint16 tag = U16(bytes, body);
  const quint16 channels = U16(bytes, body + 2);
  const quint32 rate = U32(bytes, body + 4);
  const quint32 byteRate = U32(bytes, body + 8);
  const quint16 blockAlign = U16(bytes, body + 12);
  const quint16 bits = U16(bytes, body + 14);
  if (tag != kPcm && tag != kFloat && tag != kExtensible) return false;
  if (channels == 0 || rate == 0 || bits == 0 || bits > 32 || bits % 8 != 0) return false;
  return blockAlign == channels * (bits / 8) && byteRate == static_cast<quint64>(rate) * blockAlign;
}

// Reads the whole file and checks that it can be read as a RIFF/WAVE sound:
// the RIFF chunk lies within the file, every chunk inside it lies wholly
// within it, and a usable format chunk is followed by a data chunk. Bytes
// after the RIFF chunk (tags some tools append) are not part of the sound,
// and a partial frame at the end of the data is simply not played.
bool IsReadableWave(const std::string& path) {
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::ReadOnly)) return false;
  const QByteArray bytes = file.readAll();
  if (bytes.size() != file.size() || bytes.size() < 12) return false;
  if (!bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE") return false;
  const quint64 end = 8 + static_cast<quint64>(U32(bytes, 4));
  if (end > static_cast<quint64>(bytes.size())) return false;

  quint16 blockAlign = 0;
  bool haveData = false;
  // A few bytes too few for another chunk header are left alone.
  for (quint64 at = 12; at + 8 <= end;) {
    const QByteArray id = bytes.mid(static_cast<qsizetype>(at), 4);
    const quint32 size = U32(bytes, static_cast<qsizetype>(at + 4));
    const quint64 body = at + 8;
    if (body + size > end) return false;
    if (id == "fmt ") {
      if (blockAlign != 0 || !IsUsableFormat(bytes, static_cast<qsizetype>(body), size)) return false;
      blockAlign = U16(bytes, static_cast<qsizetype>(body + 12));
    } else if (id == "data") {
      if (haveData || blockAlign == 0) return false;
      haveData = true;
    }
    // Chunks are padded to an even length; the last one may lack its pad.
    at = body + size + size % 2;
  }
  return haveData;
}

}  // namespace

Sound::Sound(std::string path) : path_(std::move(path)) {}

Sound::~Sound() = default;

SoundPtr Sound::Open(const std::string& path) {
  if (!IsReadableWave(path)) return nullptr;
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
