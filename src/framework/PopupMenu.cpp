#include "framework/PopupMenu.h"

#include <QComboBox>

#include "framework/ControlText.h"
#include "framework/Runtime.h"

namespace fw {

PopupMenu::PopupMenu(fw::Window* window)
    : RectControl(window, new QComboBox), combo_(static_cast<QComboBox*>(Widget())) {
  combo_->setEditable(false);
  combo_->setFont(detail::ControlFont(textSize_));
  // The user's choice of a row (the program's own changes are made with the
  // signal held back).
  QObject::connect(combo_, &QComboBox::currentIndexChanged, combo_, [this](int row) {
    if (!settingRows_) Choose(row);
  });
}

void PopupMenu::AddRow(const std::string& text) {
  rows_.push_back(text);
  // Adding the first row must not choose it.
  settingRows_ = true;
  combo_->addItem(detail::ToQString(text));
  combo_->setCurrentIndex(listIndex_);
  settingRows_ = false;
}

void PopupMenu::DeleteAllRows() {
  rows_.clear();
  settingRows_ = true;
  combo_->clear();
  settingRows_ = false;
  // With no rows none is chosen; that is a change when one was.
  Choose(-1);
}

std::string PopupMenu::List(int row) const {
  if (row < 0 || row >= RowCount()) return {};
  return rows_[static_cast<std::size_t>(row)];
}

void PopupMenu::SetListIndex(int row) {
  if (row < -1 || row >= RowCount()) return;
  settingRows_ = true;
  combo_->setCurrentIndex(row);
  settingRows_ = false;
  Choose(row);
}

void PopupMenu::Choose(int row) {
  if (row == listIndex_) return;
  listIndex_ = row;
  if (Change) Dispatch(Change);
}

void PopupMenu::SetTextSize(int size) {
  textSize_ = size;
  combo_->setFont(detail::ControlFont(size));
}

void PopupMenu::SetProperties(const PopupMenuDesign& design) {
  RectControl::SetProperties(static_cast<const ControlDesign&>(design));
  SetTextSize(design.TextSize);
  if (!design.InitialValue.empty()) {
    std::string::size_type start = 0;
    while (true) {
      const std::string::size_type end = design.InitialValue.find('\r', start);
      AddRow(design.InitialValue.substr(start, end == std::string::npos ? std::string::npos : end - start));
      if (end == std::string::npos) break;
      start = end + 1;
    }
  }
  SetListIndex(design.ListIndex);
}

}  // namespace fw
