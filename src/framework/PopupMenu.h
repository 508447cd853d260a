#pragma once

#include <functional>
#include <string>
#include <vector>

#include "framework/Control.h"

class QComboBox;

namespace fw {

// A pop-up menu's design values.
struct PopupMenuDesign : ControlDesign {
  // The first rows, joined by carriage returns; empty for none.
  std::string InitialValue;
  // The row chosen at first, from 0; -1 for none.
  int ListIndex = -1;
  // In pixels; 0 for the framework's default size.
  int TextSize = 0;
};

// A button that opens a list of rows to choose one from.
class PopupMenu : public RectControl {
 public:
  explicit PopupMenu(fw::Window* window);

  void AddRow(const std::string& text);
  void DeleteAllRows();
  int RowCount() const { return static_cast<int>(rows_.size()); }
  // The text of row i (from 0); empty when there is no such row.
  std::string List(int row) const;

  // The chosen row, from 0; -1 when none is. Setting it to another row
  // raises Change, as the user's choice of a row does.
  int ListIndex() const { return listIndex_; }
  void SetListIndex(int row);
  // The chosen row's text; empty when none is chosen.
  std::string Text() const { return List(listIndex_); }

  int TextSize() const { return textSize_; }
  void SetTextSize(int size);

  using RectControl::SetProperties;
  void SetProperties(const PopupMenuDesign& design);

  std::function<void()> Change;

  QComboBox* ComboBox() const { return combo_; }

 private:
  void Choose(int row);

  QComboBox* combo_;
  std::vector<std::string> rows_;
  int listIndex_ = -1;
  int textSize_ = 0;
  bool settingRows_ = false;
};

}  // namespace fw
