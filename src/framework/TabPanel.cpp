#include "framework/TabPanel.h"

#include <QFrame>
#include <QTabBar>
#include <QWidget>

#include "framework/ControlText.h"
#include "framework/Runtime.h"

namespace fw {
namespace {

std::vector<std::string> SplitTabs(const std::string& definition) {
  std::vector<std::string> names;
  if (definition.empty()) return names;
  std::string::size_type start = 0;
  while (true) {
    const std::string::size_type end = definition.find('\r', start);
    names.push_back(definition.substr(start, end == std::string::npos ? std::string::npos : end - start));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return names;
}

}  // namespace

TabPanel::TabPanel(fw::Window* window) : RectControl(window, new QWidget) {
  QWidget* panel = Widget();
  frame_ = new QFrame(panel);
  frame_->setFrameShape(QFrame::StyledPanel);
  frame_->setFrameShadow(QFrame::Raised);
  tabBar_ = new QTabBar(panel);
  tabBar_->setDrawBase(false);
  tabBar_->setExpanding(false);
  tabBar_->setUsesScrollButtons(false);
  tabBar_->setFont(detail::ControlFont(textSize_));
  QObject::connect(tabBar_, &QTabBar::currentChanged, tabBar_, [this](int index) {
    if (!settingTabs_ && index >= 0) PageChosen(index);
  });
  LayOut();
}

void TabPanel::SetTabDefinition(const std::string& definition) {
  tabDefinition_ = definition;
  const std::vector<std::string> names = SplitTabs(definition);
  settingTabs_ = true;
  while (tabBar_->count() > 0) tabBar_->removeTab(tabBar_->count() - 1);
  for (const std::string& name : names) tabBar_->addTab(detail::ToQString(name));
  EnsurePages(static_cast<int>(names.size()));
  if (value_ < 0 || value_ >= PanelCount()) value_ = 0;
  if (value_ >= 0 && value_ < tabBar_->count()) tabBar_->setCurrentIndex(value_);
  settingTabs_ = false;
  LayOut();
  ShowCurrentPage();
}

std::string TabPanel::Caption(int tab) const {
  if (tab < 0 || tab >= tabBar_->count()) return {};
  return detail::FromQString(tabBar_->tabText(tab));
}

void TabPanel::SetValue(int value) {
  if (value < 0 || value >= PanelCount() || value == value_) return;
  settingTabs_ = true;
  if (value < tabBar_->count()) tabBar_->setCurrentIndex(value);
  settingTabs_ = false;
  value_ = value;
  ShowCurrentPage();
  if (Change) Dispatch(Change);
}

void TabPanel::PageChosen(int value) {
  if (value == value_) return;
  value_ = value;
  ShowCurrentPage();
  if (Change) Dispatch(Change);
}

void TabPanel::SetTextSize(int size) {
  textSize_ = size;
  tabBar_->setFont(detail::ControlFont(size));
  LayOut();
}

void TabPanel::SetProperties(const TabPanelDesign& design) {
  RectControl::SetProperties(static_cast<const ControlDesign&>(design));
  textSize_ = design.TextSize;
  tabBar_->setFont(detail::ControlFont(design.TextSize));
  value_ = design.Value;
  SetTabDefinition(design.TabDefinition);
}

QWidget* TabPanel::ChildContainer(int tabPanelIndex) {
  if (tabPanelIndex <= 0) return Widget();
  EnsurePages(tabPanelIndex);
  return pages_[static_cast<std::size_t>(tabPanelIndex - 1)];
}

void TabPanel::GeometryChanged() { LayOut(); }

void TabPanel::EnsurePages(int count) {
  bool added = false;
  while (static_cast<int>(pages_.size()) < count) {
    auto* page = new QWidget(Widget());
    pages_.push_back(page);
    added = true;
  }
  if (added) {
    LayOut();
    ShowCurrentPage();
  }
}

void TabPanel::ShowCurrentPage() {
  for (std::size_t i = 0; i < pages_.size(); ++i) pages_[i]->setVisible(static_cast<int>(i) == value_);
}

void TabPanel::LayOut() {
  // Every page covers the whole panel, under the tab bar: a page's corner is
  // the panel's own, whatever the tabs' font, so a control on a page keeps
  // its window coordinates.
  const QSize bar = tabBar_->sizeHint();
  const int barHeight = tabBar_->count() > 0 ? bar.height() : 0;
  const int barWidth = bar.width() < Width() ? bar.width() : Width();
  tabBar_->setGeometry((Width() - barWidth) / 2, 0, barWidth, barHeight);
  const int frameTop = barHeight / 2;
  frame_->setGeometry(0, frameTop, Width(), Height() - frameTop);
  frame_->lower();
  for (QWidget* page : pages_) page->setGeometry(0, 0, Width(), Height());
  tabBar_->raise();
}

}  // namespace fw
