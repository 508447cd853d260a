#pragma once

#include <string>

#include "framework/Control.h"

class QGroupBox;

namespace fw {

// A group box's design values.
struct GroupBoxDesign : ControlDesign {
  std::string Caption;
  // In pixels; 0 for the framework's default size.
  int TextSize = 0;
};

// A frame, with an optional caption, around a group of controls. Controls
// inside it name it as their parent; their coordinates stay window
// coordinates.
class GroupBox : public RectControl {
 public:
  explicit GroupBox(fw::Window* window);

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  int TextSize() const { return textSize_; }
  void SetTextSize(int size);

  using RectControl::SetProperties;
  void SetProperties(const GroupBoxDesign& design);

 private:
  QGroupBox* box_;
  std::string caption_;
  int textSize_ = 0;
};

}  // namespace fw
