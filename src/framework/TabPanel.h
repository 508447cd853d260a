#pragma once

#include <functional>
#include <string>
#include <vector>

#include "framework/Control.h"

class QFrame;
class QTabBar;
class QWidget;

namespace fw {

// A tab panel's design values.
struct TabPanelDesign : ControlDesign {
  // The tab names, joined by carriage returns.
  std::string TabDefinition;
  // The page shown first, from 0.
  int Value = 0;
  // In pixels; 0 for the framework's default size.
  int TextSize = 0;
  bool SmallTabs = false;
};

// A row of tabs over a frame, one page per tab; only the current page is
// shown. Controls on a page name the panel as their parent and the page by
// its number (TabPanelIndex, from 1); their coordinates stay window
// coordinates.
//
// The panel lays itself out: a page lies exactly over the panel, so a control
// put on a page lands at its window coordinates at once.
class TabPanel : public RectControl {
 public:
  explicit TabPanel(fw::Window* window);

  const std::string& TabDefinition() const { return tabDefinition_; }
  void SetTabDefinition(const std::string& definition);
  int PanelCount() const { return static_cast<int>(pages_.size()); }
  std::string Caption(int tab) const;

  // The current page, from 0.
  int Value() const { return value_; }
  void SetValue(int value);

  int TextSize() const { return textSize_; }
  void SetTextSize(int size);

  using RectControl::SetProperties;
  void SetProperties(const TabPanelDesign& design);

  // The page widget of page tabPanelIndex (from 1); the panel itself for 0.
  QWidget* ChildContainer(int tabPanelIndex) override;
  QTabBar* TabBar() const { return tabBar_; }

  // Raised after the current page changed, by the user or the program.
  std::function<void()> Change;

 protected:
  void GeometryChanged() override;

 private:
  void EnsurePages(int count);
  void ShowCurrentPage();
  void LayOut();
  void PageChosen(int value);

  QTabBar* tabBar_;
  QFrame* frame_;
  std::vector<QWidget*> pages_;
  std::string tabDefinition_;
  int value_ = 0;
  int textSize_ = 0;
  bool settingTabs_ = false;
};

}  // namespace fw
