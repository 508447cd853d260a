#include "framework/Window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <utility>

#include "framework/Application.h"
#include "framework/Canvas.h"
#include "framework/Control.h"
#include "framework/MenuItem.h"
#include "framework/Runtime.h"
#include "framework/WindowRegistry.h"

namespace fw {

// The client area: draws the window's backdrop picture.
class ClientArea : public QWidget {
 public:
  explicit ClientArea(Window* owner) : owner_(owner) {}

 protected:
  void paintEvent(QPaintEvent* /*event*/) override {
    QPainter painter(this);
    const WindowDesign& design = owner_->Design();
    if (design.HasBackColor) {
      painter.fillRect(rect(), QColor(design.BackColor.red, design.BackColor.green, design.BackColor.blue));
    }
    if (const PicturePtr& backdrop = owner_->Backdrop()) painter.drawImage(0, 0, backdrop->DrawingImage());
  }

 private:
  Window* owner_;
};

class WindowWidget : public QMainWindow {
 public:
  explicit WindowWidget(Window* owner) : owner_(owner) {}

 protected:
  void closeEvent(QCloseEvent* event) override {
    // The framework decides whether and when the window closes.
    event->ignore();
    owner_->RequestCloseFromSystem();
  }

  void changeEvent(QEvent* event) override {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) owner_->HandleActivate();
    QMainWindow::changeEvent(event);
  }

 private:
  Window* owner_;
};

namespace {

struct Registry {
  std::vector<std::unique_ptr<Window>> open;
  std::vector<std::unique_ptr<Window>> closed;
  bool releaseScheduled = false;
};

Registry& TheRegistry() {
  static Registry registry;
  return registry;
}

void ScheduleRelease() {
  Registry& registry = TheRegistry();
  if (registry.releaseScheduled || QCoreApplication::instance() == nullptr) return;
  registry.releaseScheduled = true;
  QTimer::singleShot(0, QCoreApplication::instance(), [] {
    TheRegistry().releaseScheduled = false;
    detail::ReleaseClosedWindows();
  });
}

bool IsOpen(const Window* window) {
  for (const auto& open : TheRegistry().open) {
    if (open.get() == window) return !window->IsClosed();
  }
  return false;
}

Window* WindowOfObject(QObject* receiver) {
  QWidget* top = nullptr;
  if (auto* widget = qobject_cast<QWidget*>(receiver)) {
    top = widget->window();
  } else if (auto* qwindow = qobject_cast<QWindow*>(receiver)) {
    for (QWidget* candidate : QApplication::topLevelWidgets()) {
      if (candidate->windowHandle() == qwindow) top = candidate;
    }
  }
  if (top == nullptr) return nullptr;
  for (const auto& window : TheRegistry().open) {
    if (static_cast<QWidget*>(window->TopLevelWidget()) == top) return window.get();
  }
  return nullptr;
}

// The window whose menu bar is the application's. A window without a menu bar
// of its own shares that bar: its menu shortcuts go through this window's
// menu update and handlers, just as when this window is in front.
Window* WindowShowingApplicationMenuBar() {
  const Application* app = GetAppObject();
  if (app == nullptr || !app->MenuBar()) return nullptr;
  for (const auto& window : TheRegistry().open) {
    if (!window->IsClosed() && window->MenuBar() == app->MenuBar()) return window.get();
  }
  return nullptr;
}

}  // namespace

namespace detail {

bool probingFocus = false;

}  // namespace detail

namespace {

// Whether the widget with the keyboard focus keeps this key for itself, as an
// editable text field keeps Ctrl+A for selecting its text. The question
// passes the input gate even while a handler runs.
bool FocusTakesKey(QObject* receiver, const QKeyEvent& event) {
  QKeyEvent probe(QEvent::ShortcutOverride, event.key(), event.modifiers(), event.text());
  probe.ignore();
  detail::probingFocus = true;
  QCoreApplication::sendEvent(receiver, &probe);
  detail::probingFocus = false;
  return probe.isAccepted();
}

}  // namespace

namespace detail {

void ReleaseClosedWindows() {
  if (InProgramHandler()) return;
  Registry& registry = TheRegistry();
  if (registry.closed.empty()) return;
  // Deleting a window may close nothing else, but move the list out first.
  std::vector<std::unique_ptr<Window>> closed = std::move(registry.closed);
  registry.closed.clear();
  closed.clear();
}

void CloseAllWindowsForExit() {
  Registry& registry = TheRegistry();
  registry.closed.clear();
  while (!registry.open.empty()) registry.open.pop_back();
}

bool HandleMenuShortcut(QObject* receiver, QKeyEvent* event) {
  if (!(event->modifiers() & Qt::ControlModifier)) return false;
  Window* window = WindowOfObject(receiver);
  if (window == nullptr) return false;
  Window* target = window->MenuBar() ? window : WindowShowingApplicationMenuBar();
  if (target == nullptr) return false;
  const QKeySequence pressed(event->keyCombination());
  std::shared_ptr<MenuItem> match = target->MenuBar()->FindByShortcut(pressed);
  if (!match || FocusTakesKey(receiver, *event)) return false;
  if (InProgramHandler()) {
    // Carried out once the running handler (a move, say) has returned, in
    // the order given, as the menus then allow. A key held down gives one
    // command, not a pile of them.
    if (!event->isAutoRepeat()) {
      DeliverCommandWhenIdle([target, match] {
        if (IsOpen(target)) target->ChooseMenuItemAsUser(match);
      });
    }
    return true;
  }
  target->ChooseMenuItemAsUser(match);
  return true;
}

}  // namespace detail

Window::Window() : topLevel_(std::make_unique<WindowWidget>(this)) {
  content_ = new ClientArea(this);
  content_->setAutoFillBackground(false);
  topLevel_->setCentralWidget(content_);
}

Window::~Window() {
  // Controls go first; the widgets they show go with the Qt window.
  controls_.clear();
  owned_.clear();
  topLevel_.reset();
}

Window* Window::GetImplicitWindow(const std::string& className) {
  for (const auto& window : TheRegistry().open) {
    if (!window->closed_ && window->ClassName() == className) return window.get();
  }
  return nullptr;
}

Window* Window::Construct(std::unique_ptr<Window> window) {
  Window* raw = window.get();
  TheRegistry().open.push_back(std::move(window));
  raw->Layout();
  raw->CreateControls();
  raw->AddMenuHandlers();
  Dispatch([raw] { raw->Event_Open(); });
  if (!raw->closed_ && raw->design_.Visible) raw->Show();
  return raw;
}

std::vector<Window*> Window::OpenWindows() {
  std::vector<Window*> windows;
  for (const auto& window : TheRegistry().open) {
    if (!window->closed_) windows.push_back(window.get());
  }
  return windows;
}

void Window::Show() {
  if (closed_) return;
  ApplyPlacement();
  topLevel_->show();
  topLevel_->raise();
  topLevel_->activateWindow();
}

void Window::Hide() { topLevel_->hide(); }

void Window::Close() {
  if (closed_) return;
  closed_ = true;
  Dispatch([this] { Event_Close(); });
  topLevel_->hide();
  Registry& registry = TheRegistry();
  auto it = std::find_if(registry.open.begin(), registry.open.end(),
                         [this](const std::unique_ptr<Window>& w) { return w.get() == this; });
  if (it != registry.open.end()) {
    registry.closed.push_back(std::move(*it));
    registry.open.erase(it);
    ScheduleRelease();
  }
}

void Window::RequestCloseFromSystem() {
  if (closed_ || !design_.CloseButton) return;
  if (InProgramHandler()) {
    DeliverWhenIdle([this] {
      if (IsOpen(this)) Close();
    });
    return;
  }
  Close();
}

void Window::HandleActivate() {
  if (closed_) return;
  DeliverWhenIdle([this] {
    if (IsOpen(this)) Event_Activate();
  });
}

void Window::Refresh(bool eraseBackground) {
  for (const auto& control : owned_) {
    if (auto* canvas = dynamic_cast<Canvas*>(control.get())) canvas->Refresh(eraseBackground);
  }
  content_->update();
}

std::string Window::Title() const { return topLevel_->windowTitle().toStdString(); }

void Window::SetTitle(const std::string& title) {
  design_.Title = title;
  topLevel_->setWindowTitle(QString::fromStdString(title));
}

int Window::Left() const { return topLevel_->geometry().x() + content_->x(); }

int Window::Top() const { return topLevel_->geometry().y() + content_->y(); }

void Window::SetLeft(int left) {
  placed_ = true;
  QRect g = topLevel_->geometry();
  g.moveLeft(left - content_->x());
  topLevel_->setGeometry(g);
}

void Window::SetTop(int top) {
  placed_ = true;
  QRect g = topLevel_->geometry();
  g.moveTop(top - content_->y());
  topLevel_->setGeometry(g);
}

bool Window::Visible() const { return topLevel_->isVisible(); }

void Window::SetBackdrop(PicturePtr picture) {
  backdrop_ = std::move(picture);
  content_->update();
}

void Window::SetMenuBar(std::shared_ptr<fw::MenuBar> menuBar) {
  menuBar_ = std::move(menuBar);
  ApplyMenuBar();
}

void Window::ApplyMenuBar() {
  if (menuBar_ && design_.MenuBarVisible) {
    topLevel_->setMenuBar(menuBar_->CreateQMenuBar(this));
  } else {
    topLevel_->setMenuBar(nullptr);
  }
  if (topLevel_->layout() != nullptr) topLevel_->layout()->activate();
}

void Window::SetProperties(const WindowDesign& design) {
  design_ = design;
  topLevel_->setWindowTitle(QString::fromStdString(design.Title));
  Qt::WindowFlags flags = Qt::Window | Qt::WindowTitleHint | Qt::CustomizeWindowHint;
  if (design.CloseButton) flags |= Qt::WindowCloseButtonHint;
  if (design.MinimizeButton) flags |= Qt::WindowMinimizeButtonHint;
  if (design.MaximizeButton && design.Resizeable) flags |= Qt::WindowMaximizeButtonHint;
  topLevel_->setWindowFlags(flags);
  if (design.Resizeable) {
    content_->setMinimumSize(design.MinWidth, design.MinHeight);
    content_->setMaximumSize(design.MaxWidth, design.MaxHeight);
    content_->resize(design.Width, design.Height);
  } else {
    content_->setFixedSize(design.Width, design.Height);
    topLevel_->layout()->setSizeConstraint(QLayout::SetFixedSize);
  }
  ApplyMenuBar();
}

void Window::ApplyPlacement() {
  if (placed_) return;
  placed_ = true;
  topLevel_->layout()->activate();
  topLevel_->adjustSize();
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect available = screen->availableGeometry();
    const QSize size = topLevel_->size();
    topLevel_->move(available.x() + (available.width() - size.width()) / 2,
                    available.y() + (available.height() - size.height()) / 3);
  }
}

void Window::AddControl(const std::string& name, Control* control) {
  if (control == nullptr) throw NilObjectException();
  control->name_ = name;
  if (control->index_ >= 0) {
    auto taken = [&](int index) { return ControlByNameIndex(name, index) != nullptr; };
    if (taken(control->index_)) {
      int index = 0;
      while (taken(index)) ++index;
      control->index_ = index;
    }
  }
  controls_.emplace(name, control);
}

Control* Window::ControlByName(const std::string& name) const {
  auto it = controls_.find(name);
  return it == controls_.end() ? nullptr : it->second;
}

Control* Window::ControlByNameIndex(const std::string& name, int index) const {
  auto range = controls_.equal_range(name);
  for (auto it = range.first; it != range.second; ++it) {
    if (it->second->Index() == index) return it->second;
  }
  return nullptr;
}

void Window::AddMenuHandler(const std::string& itemName, std::function<bool()> handler) {
  menuHandlers_[itemName] = std::move(handler);
}

void Window::AddMenuHandler(const std::string& itemName, std::function<bool(int index)> handler) {
  indexedMenuHandlers_[itemName] = std::move(handler);
}

void Window::UpdateMenus() {
  if (!menuBar_) return;
  menuBar_->ApplyAutoEnable();
  Dispatch([this] { Event_EnableMenuItems(); });
}

void Window::ChooseMenuItemAsUser(const std::shared_ptr<MenuItem>& item) {
  if (!item || InProgramHandler()) return;
  UpdateMenus();
  if (item->IsActive()) ChooseMenuItem(item);
}

bool Window::ChooseMenuItem(const std::shared_ptr<MenuItem>& item) {
  if (!item || InProgramHandler()) return false;
  if (item->Kind() == MenuItem::ItemKind::Quit) {
    Quit(0);
    return true;
  }
  bool handled = false;
  if (auto it = menuHandlers_.find(item->Name()); it != menuHandlers_.end()) {
    Dispatch([&] { handled = it->second(); });
  } else if (auto indexed = indexedMenuHandlers_.find(item->Name()); indexed != indexedMenuHandlers_.end()) {
    const int index = item->Index();
    Dispatch([&] { handled = indexed->second(index); });
  }
  return handled;
}

QMainWindow* Window::TopLevelWidget() const { return topLevel_.get(); }

QWidget* Window::ContentWidget() const { return content_; }

}  // namespace fw
