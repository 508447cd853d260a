#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>

#include "framework/MouseCursor.h"

class QWidget;
class QObject;

namespace fw {

class Window;

// A control's design values, in window coordinates. Class-specific values
// (texts, styles) are set by the class's own design structures.
struct ControlDesign {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
  bool Visible = true;
  bool Enabled = true;
  int TabIndex = 0;
  bool TabStop = true;
  // Name of the control that contains this one; empty for the window itself.
  std::string InitialParent;
  // Page of the containing tab panel, from 1; 0 for none.
  int TabPanelIndex = 0;
  bool LockLeft = false;
  bool LockTop = false;
  bool LockRight = false;
  bool LockBottom = false;
  bool AutoDeactivate = true;
  std::string HelpTag;
};

// Anything that belongs to a window under a name: visual controls, timers and
// sockets. A member of a control array carries its index (0 and up); any
// other control has index -1.
class Control {
 public:
  explicit Control(fw::Window* window);
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  fw::Window* Window() const { return window_; }
  int Index() const { return index_; }
  void SetIndex(int index) { index_ = index; }
  const std::string& Name() const { return name_; }

 private:
  friend class fw::Window;
  fw::Window* window_;
  int index_ = -1;
  std::string name_;
};

// A control with a rectangle on the window, shown by a Qt widget.
class RectControl : public Control {
 public:
  // The control owns widget until the window's widgets are torn down.
  RectControl(fw::Window* window, QWidget* widget);
  ~RectControl() override;

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int left);
  void SetTop(int top);
  void SetWidth(int width);
  void SetHeight(int height);
  void SetBounds(int left, int top, int width, int height);

  bool Visible() const { return visible_; }
  virtual void SetVisible(bool visible);
  bool Enabled() const { return enabled_; }
  virtual void SetEnabled(bool enabled);

  // Asks for the control to be drawn again.
  virtual void Refresh(bool eraseBackground = true);

  MouseCursor Cursor() const { return cursor_; }
  void SetMouseCursor(MouseCursor cursor);

  // Applies the design values: geometry, visibility, enabling and parent.
  void SetProperties(const ControlDesign& design);
  // Puts this control inside another one (a group box, or a page of a tab
  // panel); its coordinates stay window coordinates.
  void SetParentControl(RectControl* parent, int tabPanelIndex = 0);
  RectControl* ParentControl() const { return parent_; }

  // Events. MouseDown returns true when the release must be delivered too.
  std::function<bool(int x, int y)> MouseDown;
  std::function<void(int x, int y)> MouseUp;
  std::function<void()> MouseEnter;

  QWidget* Widget() const { return widget_; }
  // The Qt widget that holds this control's child controls on the given tab
  // page (0 for none), and where that widget's top-left corner lies in
  // window coordinates.
  virtual QWidget* ChildContainer(int tabPanelIndex);

  // What a mouse press at (x, y) inside the control does, as if the user
  // had clicked there; tests use it, the Qt widget's events come here too.
  bool HandleMouseDown(int x, int y);
  void HandleMouseUp(int x, int y);
  void HandleMouseEnter();

 protected:
  // Moves the widget to the control's window coordinates.
  void PlaceWidget();
  virtual void GeometryChanged() {}

 private:
  QPointer<QWidget> widget_;
  std::unique_ptr<QObject> eventHook_;
  RectControl* parent_ = nullptr;
  int tabPanelIndex_ = 0;
  int left_ = 0;
  int top_ = 0;
  int width_ = 0;
  int height_ = 0;
  bool visible_ = true;
  bool enabled_ = true;
  bool mouseUpPending_ = false;
  MouseCursor cursor_ = MouseCursor::Standard;
};

}  // namespace fw
