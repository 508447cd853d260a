#pragma once

#include <functional>
#include <string>

namespace fw {

// Opens a web address in the default browser.
void ShowURL(const std::string& url);

// For tests: addresses go to the hook instead of the browser.
void SetShowURLHookForTesting(std::function<void(const std::string&)> hook);

}  // namespace fw
