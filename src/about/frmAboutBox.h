#pragma once

#include <string>

#include "framework/Canvas.h"
#include "framework/Label.h"
#include "framework/TabPanel.h"
#include "framework/TextArea.h"
#include "framework/Window.h"

// The about window: the current theme's strip across the top, and a tab panel
// with the product and its credits ("About"), the maker's addresses
// ("Contact Info") and the rules of the game ("Rules"). At most one exists at
// a time; Module1::AboutIsUp is true while it is open, so that a theme change
// can give it the new strip. It has no menu bar and no menu handlers.
class frmAboutBox : public fw::Window {
 public:
  frmAboutBox();
  ~frmAboutBox() override;

  // The accessor: the open about window, or a newly built one.
  static frmAboutBox* Instance();
  std::string ClassName() const override { return "frmAboutBox.frmAboutBox"; }

  // Construction.
  void Layout() override;
  void CreateControls() override;
  void CreateControls0();

  // Control accessors.
  fw::TabPanel* TabPanel1() const;
  fw::Label* StaticText1() const;
  fw::Label* StaticText3() const;
  fw::Label* StaticText4() const;
  fw::Label* StaticText5() const;
  fw::Label* StaticText6() const;
  fw::Label* StaticText7() const;
  fw::Label* StaticText8() const;
  fw::Label* StaticText9() const;
  fw::TextArea* EditField1() const;
  fw::Label* StaticText2() const;
  fw::Label* StaticText16() const;
  fw::Label* StaticText18() const;
  fw::Label* StaticText19() const;
  fw::Canvas* Canvas1() const;

  // The web-address label: the pointing finger over it, and a press opens
  // the address it shows in the browser.
  void StaticText9_MouseEnter(fw::Label* label);
  bool StaticText9_MouseDown(fw::Label* label, int x, int y);

  // Window events.
  void Event_Close() override;
  void Event_Open() override;
};
