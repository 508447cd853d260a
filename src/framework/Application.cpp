#include "framework/Application.h"

#include <utility>

#include "framework/MenuItem.h"

namespace fw {

Application::Application() = default;
Application::~Application() = default;

void Application::SetMenuBar(std::shared_ptr<fw::MenuBar> menuBar) { menuBar_ = std::move(menuBar); }

}  // namespace fw
