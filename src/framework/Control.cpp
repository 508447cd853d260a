#include "framework/Control.h"

#include <QEnterEvent>
#include <QEvent>
#include <QMouseEvent>
#include <QWidget>

#include "framework/Runtime.h"
#include "framework/Window.h"

namespace fw {
namespace {

// Forwards the widget's mouse events to its control.
class MouseHook : public QObject {
 public:
  explicit MouseHook(RectControl* control) : control_(control) {}

  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    switch (event->type()) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonDblClick: {
        if (!control_->MouseDown) return false;
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton) return false;
        const QPoint p = mouse->position().toPoint();
        control_->HandleMouseDown(p.x(), p.y());
        return true;
      }
      case QEvent::MouseButtonRelease: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint p = mouse->position().toPoint();
        control_->HandleMouseUp(p.x(), p.y());
        return static_cast<bool>(control_->MouseDown);
      }
      case QEvent::Enter:
        control_->HandleMouseEnter();
        return false;
      default:
        return false;
    }
  }

 private:
  RectControl* control_;
};

}  // namespace

Control::Control(fw::Window* window) : window_(window) {}

Control::~Control() = default;

RectControl::RectControl(fw::Window* window, QWidget* widget) : Control(window), widget_(widget) {
  if (window != nullptr && widget->parentWidget() == nullptr) widget->setParent(window->ContentWidget());
  eventHook_ = std::make_unique<MouseHook>(this);
  widget->installEventFilter(eventHook_.get());
  widget->setVisible(true);
}

RectControl::~RectControl() {
  if (widget_) {
    widget_->removeEventFilter(eventHook_.get());
    if (widget_->parent() == nullptr) delete widget_.data();
  }
}

void RectControl::SetLeft(int left) { SetBounds(left, top_, width_, height_); }
void RectControl::SetTop(int top) { SetBounds(left_, top, width_, height_); }
void RectControl::SetWidth(int width) { SetBounds(left_, top_, width, height_); }
void RectControl::SetHeight(int height) { SetBounds(left_, top_, width_, height); }

void RectControl::SetBounds(int left, int top, int width, int height) {
  const bool resized = width != width_ || height != height_;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  PlaceWidget();
  if (resized) GeometryChanged();
}

void RectControl::SetVisible(bool visible) {
  visible_ = visible;
  if (widget_) widget_->setVisible(visible);
}

void RectControl::SetEnabled(bool enabled) {
  enabled_ = enabled;
  if (widget_) widget_->setEnabled(enabled);
}

void RectControl::Refresh(bool /*eraseBackground*/) {
  if (widget_) widget_->update();
}

void RectControl::SetMouseCursor(MouseCursor cursor) {
  cursor_ = cursor;
  if (!widget_) return;
  if (cursor == MouseCursor::FingerPointer) {
    widget_->setCursor(Qt::PointingHandCursor);
  } else {
    widget_->unsetCursor();
  }
}

void RectControl::SetProperties(const ControlDesign& design) {
  if (!design.InitialParent.empty() && Window() != nullptr) {
    if (auto* parent = dynamic_cast<RectControl*>(Window()->ControlByName(design.InitialParent))) {
      parent_ = parent;
      tabPanelIndex_ = design.TabPanelIndex;
      if (widget_) widget_->setParent(parent->ChildContainer(design.TabPanelIndex));
    }
  }
  SetBounds(design.Left, design.Top, design.Width, design.Height);
  SetEnabled(design.Enabled);
  SetVisible(design.Visible);
  if (widget_) {
    widget_->setToolTip(QString::fromStdString(design.HelpTag));
    if (!design.TabStop) widget_->setFocusPolicy(Qt::NoFocus);
  }
}

void RectControl::SetParentControl(RectControl* parent, int tabPanelIndex) {
  parent_ = parent;
  tabPanelIndex_ = tabPanelIndex;
  if (widget_ && parent != nullptr) widget_->setParent(parent->ChildContainer(tabPanelIndex));
  PlaceWidget();
  SetVisible(visible_);
}

QWidget* RectControl::ChildContainer(int /*tabPanelIndex*/) { return widget_; }

void RectControl::PlaceWidget() {
  if (!widget_) return;
  QPoint origin(0, 0);
  if (parent_ != nullptr && Window() != nullptr) {
    QWidget* container = parent_->ChildContainer(tabPanelIndex_);
    if (container != nullptr) origin = container->mapTo(Window()->ContentWidget(), QPoint(0, 0));
  }
  widget_->setGeometry(left_ - origin.x(), top_ - origin.y(), width_, height_);
}

bool RectControl::HandleMouseDown(int x, int y) {
  mouseUpPending_ = false;
  // A disabled control (or one inside a disabled container) takes no clicks.
  const bool enabled = widget_ ? widget_->isEnabled() : enabled_;
  if (!MouseDown || InProgramHandler() || !enabled) return false;
  bool wantsUp = false;
  Dispatch([&] { wantsUp = MouseDown(x, y); });
  mouseUpPending_ = wantsUp;
  return wantsUp;
}

void RectControl::HandleMouseUp(int x, int y) {
  if (!mouseUpPending_) return;
  mouseUpPending_ = false;
  if (MouseUp) Dispatch([&] { MouseUp(x, y); });
}

void RectControl::HandleMouseEnter() {
  if (MouseEnter && !InProgramHandler()) Dispatch([&] { MouseEnter(); });
}

}  // namespace fw
