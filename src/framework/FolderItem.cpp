#include "framework/FolderItem.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <utility>

namespace fw {
namespace {

std::string& ResourcesOverride() {
  static std::string path;
  return path;
}

}  // namespace

FolderItem::FolderItem(std::string path) : path_(std::move(path)) {}

FolderItemPtr FolderItem::GetApplicationBundleResources() {
  QString path;
  if (!ResourcesOverride().empty()) {
    path = QString::fromStdString(ResourcesOverride());
  } else if (QCoreApplication::instance() != nullptr) {
    path = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("resources"));
  } else {
    return nullptr;
  }
  if (!QFileInfo(path).isDir()) return nullptr;
  return std::make_shared<FolderItem>(path.toStdString());
}

FolderItemPtr FolderItem::Child(const std::string& name) const {
  return std::make_shared<FolderItem>(QDir(QString::fromStdString(path_)).filePath(QString::fromStdString(name)).toStdString());
}

bool FolderItem::Exists() const { return QFileInfo::exists(QString::fromStdString(path_)); }

PicturePtr FolderItem::OpenAsPicture() const {
  if (!QFileInfo(QString::fromStdString(path_)).isFile()) return nullptr;
  return Picture::Open(path_);
}

SoundPtr FolderItem::OpenAsSound() const {
  if (!QFileInfo(QString::fromStdString(path_)).isFile()) return nullptr;
  return Sound::Open(path_);
}

void SetResourcesFolderForTesting(const std::string& path) { ResourcesOverride() = path; }

}  // namespace fw
