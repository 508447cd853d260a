#include <QDir>
#include <QFile>
#include <QSaveFile>

#include "artwork/artwork.h"
#include "artwork/theme.h"

namespace artwork {

QImage drawThemeStrip(int themeIndex) {
  // In theme-number order, as kThemeFiles lists them.
  using Factory = std::unique_ptr<Theme> (*)();
  static constexpr Factory kFactories[] = {makeCowTheme,      makeHiTechTheme, makeOriginalTheme,
                                           makeCircuitsTheme, makeGalaxyTheme, makeHeavenTheme,
                                           makeNatureTheme,   makeOakTheme};
  if (themeIndex < 0 || themeIndex >= static_cast<int>(std::size(kFactories))) return {};
  const std::unique_ptr<Theme> theme = kFactories[themeIndex]();
  return composeStrip(*theme);
}

std::vector<QString> resourceFileNames() {
  std::vector<QString> names;
  for (const ThemeFile& t : kThemeFiles) names.emplace_back(QString::fromLatin1(t.fileName));
  names.emplace_back(QString::fromLatin1(kLogoFileName));
  for (const SoundFile& s : kSoundFiles) names.emplace_back(QString::fromLatin1(s.fileName));
  return names;
}

namespace {

bool saveBytes(const QString& path, const QByteArray& bytes, QString* error) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
    if (error) *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
    return false;
  }
  return true;
}

bool saveImage(const QString& path, const QImage& image, const char* format, QString* error) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || !image.save(&file, format) || !file.commit()) {
    if (error) *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
    return false;
  }
  return true;
}

}  // namespace

bool writeResources(const QString& folder, QString* error) {
  QDir dir(folder);
  if (!dir.mkpath(QStringLiteral("."))) {
    if (error) *error = QStringLiteral("cannot create %1").arg(folder);
    return false;
  }
  for (std::size_t i = 0; i < kThemeFiles.size(); ++i) {
    const QImage strip = drawThemeStrip(static_cast<int>(i));
    if (!saveImage(dir.filePath(QString::fromLatin1(kThemeFiles[i].fileName)), strip, "PNG", error))
      return false;
  }
  if (!saveImage(dir.filePath(QString::fromLatin1(kLogoFileName)), drawLogo(), "BMP", error))
    return false;
  for (const SoundFile& s : kSoundFiles) {
    const QByteArray wave = encodeWave(synthesiseSound(s.sound), kSampleRate);
    if (!saveBytes(dir.filePath(QString::fromLatin1(s.fileName)), wave, error)) return false;
  }
  return true;
}

}  // namespace artwork
