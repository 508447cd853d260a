#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "framework/Color.h"
#include "framework/Picture.h"
#include "framework/RuntimeException.h"

class QWidget;
class QMainWindow;

namespace fw {

class Control;
class MenuBar;
class MenuItem;
class WindowWidget;

// A window's design values.
struct WindowDesign {
  std::string Title;
  int Width = 300;
  int Height = 300;
  int MinWidth = 64;
  int MinHeight = 64;
  int MaxWidth = 32000;
  int MaxHeight = 32000;
  bool Resizeable = false;
  bool LiveResize = false;
  // 0: a document window.
  int Frame = 0;
  // 0: centred on the screen the first time it is shown.
  int Placement = 0;
  bool CloseButton = true;
  bool MinimizeButton = false;
  bool MaximizeButton = false;
  bool FullScreen = false;
  bool MenuBarVisible = true;
  bool Visible = true;
  bool HasBackColor = false;
  Color BackColor = RGB(255, 255, 255);
  bool Composite = false;
  int MacProcID = 0;
};

// A top-level window. The framework owns every open window; program code
// reaches a window through its class's single-instance accessor (see
// ImplicitInstance) and keeps no reference to it.
//
// Left, Top, Width and Height are those of the client area, which the menu
// bar, when the window has one, sits above.
class Window {
 public:
  Window();
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  // The name the window's class is registered under, such as "Window1.Window1".
  virtual std::string ClassName() const = 0;

  // The open window of a class, shown or hidden, or nil.
  static Window* GetImplicitWindow(const std::string& className);
  // Hands a new window to the framework and builds it: Layout, then
  // CreateControls, then AddMenuHandlers, then the Open event; the window is
  // then shown if its design values say it is visible.
  static Window* Construct(std::unique_ptr<Window> window);
  // Every window open now, in the order they were made.
  static std::vector<Window*> OpenWindows();

  void Show();
  void Hide();
  // Closes the window: its Close event runs and the window goes away; the
  // next call of its accessor builds a new one.
  void Close();
  bool IsClosed() const { return closed_; }
  // Asks for the whole window to be drawn again, its canvases' Paint events
  // included.
  void Refresh(bool eraseBackground = true);

  std::string Title() const;
  void SetTitle(const std::string& title);
  int Left() const;
  int Top() const;
  void SetLeft(int left);
  void SetTop(int top);
  int Width() const { return design_.Width; }
  int Height() const { return design_.Height; }
  bool Visible() const;

  const PicturePtr& Backdrop() const { return backdrop_; }
  void SetBackdrop(PicturePtr picture);

  // A window without a menu bar of its own shows none; the application's menu
  // bar applies to it: its menu shortcuts reach the window that shows that
  // bar, through that window's menu update and handlers.
  const std::shared_ptr<fw::MenuBar>& MenuBar() const { return menuBar_; }
  void SetMenuBar(std::shared_ptr<fw::MenuBar> menuBar);

  void SetProperties(const WindowDesign& design);
  const WindowDesign& Design() const { return design_; }

  // Makes a control that belongs to this window; the window owns it.
  template <class T, class... Args>
  T* New(Args&&... args) {
    auto control = std::make_unique<T>(this, std::forward<Args>(args)...);
    T* raw = control.get();
    owned_.push_back(std::move(control));
    return raw;
  }
  // Registers a control under a name. A control-array member (index 0 or
  // more) whose index is already taken in that array joins it under the
  // lowest index not yet in use.
  void AddControl(const std::string& name, Control* control);
  Control* ControlByName(const std::string& name) const;
  Control* ControlByNameIndex(const std::string& name, int index) const;
  template <class T>
  T* ControlAs(const std::string& name) const {
    return NotNil(dynamic_cast<T*>(ControlByName(name)));
  }
  template <class T>
  T* ControlAs(const std::string& name, int index) const {
    return NotNil(dynamic_cast<T*>(ControlByNameIndex(name, index)));
  }

  // Binds a menu item's Name to a handler; it returns whether it handled
  // the command. The indexed form serves a menu-item array and gets the
  // chosen item's Index.
  void AddMenuHandler(const std::string& itemName, std::function<bool()> handler);
  void AddMenuHandler(const std::string& itemName, std::function<bool(int index)> handler);
  // The menu update: AutoEnable items are enabled, all others disabled, then
  // the EnableMenuItems event sets what it decides. Runs before a menu shows
  // and before a menu shortcut is handled.
  void UpdateMenus();
  // A menu command given by the user, with the mouse or by its shortcut:
  // the menus are updated first, and an item that is then disabled does
  // nothing, however it looked when its menu opened. Not during a handler.
  void ChooseMenuItemAsUser(const std::shared_ptr<MenuItem>& item);
  // Carries out a menu item as if the user chose it (when it is enabled):
  // the Quit item quits, any other runs its bound handler. Returns the
  // handler's result, false when nothing handled it.
  bool ChooseMenuItem(const std::shared_ptr<MenuItem>& item);

  // Window construction and events, for the subclasses.
  virtual void Layout() {}
  virtual void CreateControls() {}
  virtual void AddMenuHandlers() {}
  virtual void Event_Open() {}
  virtual void Event_Close() {}
  virtual void Event_Activate() {}
  virtual void Event_EnableMenuItems() {}

  // The Qt side, for the framework and for tests.
  QMainWindow* TopLevelWidget() const;
  QWidget* ContentWidget() const;
  // Called by the Qt window for a close request from the window system.
  void RequestCloseFromSystem();
  void HandleActivate();

 private:
  friend class WindowWidget;
  void ApplyMenuBar();
  void ApplyPlacement();

  WindowDesign design_;
  std::unique_ptr<WindowWidget> topLevel_;
  QWidget* content_ = nullptr;
  PicturePtr backdrop_;
  std::shared_ptr<fw::MenuBar> menuBar_;
  std::vector<std::unique_ptr<Control>> owned_;
  std::multimap<std::string, Control*> controls_;
  std::map<std::string, std::function<bool()>> menuHandlers_;
  std::map<std::string, std::function<bool(int)>> indexedMenuHandlers_;
  bool closed_ = false;
  bool placed_ = false;
};

// The single-instance accessor of a window class: the open window of class W,
// or a newly built one.
template <class W>
W* ImplicitInstance(const char* className) {
  if (Window* open = Window::GetImplicitWindow(className)) return NotNil(dynamic_cast<W*>(open));
  return NotNil(dynamic_cast<W*>(Window::Construct(std::make_unique<W>())));
}

}  // namespace fw
