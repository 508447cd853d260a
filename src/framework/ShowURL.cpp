#include "framework/ShowURL.h"

#include <QDesktopServices>
#include <QUrl>
#include <utility>

namespace fw {
namespace {
std::function<void(const std::string&)>& Hook() {
  static std::function<void(const std::string&)> hook;
  return hook;
}
}  // namespace

void ShowURL(const std::string& url) {
  if (Hook()) {
    Hook()(url);
    return;
  }
  QDesktopServices::openUrl(QUrl::fromUserInput(QString::fromStdString(url)));
}

void SetShowURLHookForTesting(std::function<void(const std::string&)> hook) { Hook() = std::move(hook); }

}  // namespace fw
