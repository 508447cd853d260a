#include "framework/GroupBox.h"

#include <QGroupBox>

#include "framework/ControlText.h"

namespace fw {

GroupBox::GroupBox(fw::Window* window) : RectControl(window, new QGroupBox), box_(static_cast<QGroupBox*>(Widget())) {
  box_->setFont(detail::ControlFont(textSize_));
  box_->setFlat(false);
}

void GroupBox::SetCaption(const std::string& caption) {
  caption_ = caption;
  box_->setTitle(detail::ToQString(caption));
}

void GroupBox::SetTextSize(int size) {
  textSize_ = size;
  box_->setFont(detail::ControlFont(size));
}

void GroupBox::SetProperties(const GroupBoxDesign& design) {
  RectControl::SetProperties(static_cast<const ControlDesign&>(design));
  SetTextSize(design.TextSize);
  SetCaption(design.Caption);
}

}  // namespace fw
