#pragma once

#include <memory>
#include <string>

#include "framework/Picture.h"
#include "framework/Sound.h"

namespace fw {

class FolderItem;
using FolderItemPtr = std::shared_ptr<FolderItem>;

// A file or folder, whether it exists or not.
class FolderItem {
 public:
  explicit FolderItem(std::string path);

  // The application's resources folder: "resources" beside the program's
  // executable (or the folder set for tests); nil when there is none.
  static FolderItemPtr GetApplicationBundleResources();

  // The item of that name inside this folder; it need not exist.
  FolderItemPtr Child(const std::string& name) const;
  bool Exists() const;
  const std::string& Path() const { return path_; }

  // Nil when the file is missing or unreadable.
  PicturePtr OpenAsPicture() const;
  SoundPtr OpenAsSound() const;

 private:
  std::string path_;
};

// For tests: use this folder as the resources folder (empty: the default).
void SetResourcesFolderForTesting(const std::string& path);

}  // namespace fw
