// The about window: construction, the web-address label and the window
// events.
#include "about/frmAboutBox.h"

#include <memory>

#include "app/Resources.h"
#include "framework/MouseCursor.h"
#include "framework/RuntimeException.h"
#include "framework/ShowURL.h"
#include "framework/Text.h"
#include "game/Module1.h"

namespace {

const fw::WindowDesign kWindowDesign{
    .Title = "About Velloru",
    .Width = 580,
    .Height = 347,
    .MinWidth = 64,
    .MinHeight = 64,
    .MaxWidth = 32000,
    .MaxHeight = 32000,
    .Resizeable = false,
    .LiveResize = false,
    .Frame = 0,
    .Placement = 0,
    .CloseButton = true,
    .MinimizeButton = false,
    .MaximizeButton = false,
    .FullScreen = false,
    .MenuBarVisible = true,
    .Visible = true,
    .HasBackColor = false,
    .BackColor = fw::RGB(255, 255, 255),
    .Composite = false,
    .MacProcID = 0,
};

constexpr const char* kPanel = "TabPanel1";
constexpr int kAboutPage = 1;
constexpr int kContactPage = 2;
constexpr int kRulesPage = 3;

fw::TabPanelDesign TabPanelDesign() {
  fw::TabPanelDesign d;
  d.Left = 13;
  d.Top = 157;
  d.Width = 554;
  d.Height = 177;
  d.TabIndex = 0;
  d.TextSize = 12;
  d.TabDefinition = "About" + fw::EndOfLine::Macintosh + "Contact Info" + fw::EndOfLine::Macintosh + "Rules";
  d.Value = 0;
  d.SmallTabs = false;
  return d;
}

// A label on a page of the tab panel.
fw::LabelDesign LabelDesign(int page, int left, int top, int width, int height, int textSize, int tabIndex,
                            const char* text, int align, bool bold = false) {
  fw::LabelDesign d;
  d.Left = left;
  d.Top = top;
  d.Width = width;
  d.Height = height;
  d.TabIndex = tabIndex;
  d.InitialParent = kPanel;
  d.TabPanelIndex = page;
  d.Text = text;
  d.TextSize = textSize;
  d.Bold = bold;
  d.TextAlign = align;
  d.Multiline = false;
  d.TextColor = fw::RGB(0, 0, 0);
  return d;
}

constexpr int kLeft = fw::Label::kAlignLeft;
constexpr int kCentre = fw::Label::kAlignCenter;
constexpr int kRight = fw::Label::kAlignRight;

fw::TextAreaDesign EditField1Design() {
  fw::TextAreaDesign d;
  d.Left = 22;
  d.Top = 191;
  d.Width = 535;
  d.Height = 136;
  d.TabIndex = 0;
  d.InitialParent = kPanel;
  d.TabPanelIndex = kRulesPage;
  d.TextSize = 12;
  d.ReadOnly = true;
  d.ScrollbarVertical = true;
  d.Border = true;
  return d;
}

fw::ControlDesign Canvas1Design() {
  fw::ControlDesign d;
  d.Left = 22;
  d.Top = 223;
  d.Width = 215;
  d.Height = 62;
  d.TabIndex = 8;
  d.InitialParent = kPanel;
  d.TabPanelIndex = kAboutPage;
  d.LockLeft = true;
  d.LockTop = true;
  return d;
}

// The rules, one paragraph each.
const char* const kRules[] = {
    "Object:  To collect the most gemstones by the end of the game.",
    "Note:  The large pocket, called the Velloru, to your right is yours.",
    "Playing:  One player starts the game by clicking on the pile of gems that he wishes to start with. He then "
    "places one in each pocket to the left. Include your Velloru as a space as you place the stones in the pockets.",
    "If there are enough stones to go past your Velloru, continue placing them into your opponent's pockets. "
    "However, skip his Velloru when placing stones.",
    "If your last stone ends up in your Velloru, you get to take another turn.",
    "If the last stone you place ends in an empty pocket on your side of the board, you get to take that stone. "
    "Plus you get to take all of your opponent's stones that are in the opposite pocket and place them in your own "
    "Velloru.",
    "Winning the Game:  The game ends when all six pockets on one side of the gameboard are empty. The other player "
    "takes the remaining stones from his pockets and places them in his Velloru. The player with the most gems "
    "wins.",
};

}  // namespace

frmAboutBox::frmAboutBox() = default;
frmAboutBox::~frmAboutBox() = default;

frmAboutBox* frmAboutBox::Instance() { return fw::ImplicitInstance<frmAboutBox>("frmAboutBox.frmAboutBox"); }

void frmAboutBox::Layout() { SetProperties(kWindowDesign); }

void frmAboutBox::CreateControls() { CreateControls0(); }

void frmAboutBox::CreateControls0() {
  {
    AddControl("TabPanel1", New<fw::TabPanel>());
    fw::TabPanel* panel = TabPanel1();
    const fw::TabPanelDesign design = TabPanelDesign();
    panel->SetTextSize(design.TextSize);
    panel->SetProperties(design);
  }

  auto makeLabel = [this](const char* name, const fw::LabelDesign& design) {
    AddControl(name, New<fw::Label>());
    fw::Label* label = ControlAs<fw::Label>(name);
    label->SetTextSize(design.TextSize);
    label->SetProperties(design);
    return label;
  };

  makeLabel("StaticText1", LabelDesign(kAboutPage, 249, 204, 307, 16, 14, 0, "Velloru", kCentre, true));
  makeLabel("StaticText3", LabelDesign(kAboutPage, 249, 248, 138, 18, 12, 1, "The Velloru team", kCentre));
  makeLabel("StaticText4", LabelDesign(kAboutPage, 22, 311, 534, 16, 12, 2,
                                       "Velloru is free to play and share. Enjoy the game!", kCentre));
  makeLabel("StaticText5", LabelDesign(kAboutPage, 510, 319, 52, 15, 9, 3, "v1.3.2", kRight));
  makeLabel("StaticText6", LabelDesign(kContactPage, 22, 197, 60, 16, 12, 0, "E-Mail:", kLeft));
  makeLabel("StaticText7", LabelDesign(kContactPage, 35, 220, 178, 16, 12, 1, "support@velloru.example", kLeft));
  makeLabel("StaticText8", LabelDesign(kContactPage, 22, 278, 60, 16, 12, 2, "Web Site:", kLeft));

  {
    fw::LabelDesign design = LabelDesign(kContactPage, 35, 301, 277, 16, 12, 3, "https://velloru.example", kLeft);
    design.TextColor = fw::RGB(24, 34, 205);
    design.Underline = true;
    fw::Label* web = makeLabel("StaticText9", design);
    web->MouseEnter = [this, web] { StaticText9_MouseEnter(web); };
    web->MouseDown = [this, web](int x, int y) { return StaticText9_MouseDown(web, x, y); };
  }

  {
    AddControl("EditField1", New<fw::TextArea>());
    fw::TextArea* rules = EditField1();
    const fw::TextAreaDesign design = EditField1Design();
    rules->SetTextSize(design.TextSize);
    rules->SetProperties(design);
  }

  makeLabel("StaticText2", LabelDesign(kAboutPage, 249, 229, 138, 18, 12, 4, "Programming", kCentre, true));
  makeLabel("StaticText16", LabelDesign(kAboutPage, 399, 248, 155, 18, 12, 5, "Drawn in code", kCentre));
  makeLabel("StaticText18", LabelDesign(kAboutPage, 399, 229, 155, 18, 12, 6, "Graphics", kCentre, true));
  makeLabel("StaticText19", LabelDesign(kAboutPage, 399, 267, 155, 18, 12, 7, "by the Velloru team", kCentre));

  {
    AddControl("Canvas1", New<fw::Canvas>());
    fw::Canvas* logo = Canvas1();
    // A missing logo file leaves the canvas without a picture.
    logo->SetBackdrop(YrkLogo3x2());
    logo->SetEraseBackground(true);
    logo->SetProperties(Canvas1Design());
  }
}

fw::TabPanel* frmAboutBox::TabPanel1() const { return ControlAs<fw::TabPanel>("TabPanel1"); }
fw::Label* frmAboutBox::StaticText1() const { return ControlAs<fw::Label>("StaticText1"); }
fw::Label* frmAboutBox::StaticText3() const { return ControlAs<fw::Label>("StaticText3"); }
fw::Label* frmAboutBox::StaticText4() const { return ControlAs<fw::Label>("StaticText4"); }
fw::Label* frmAboutBox::StaticText5() const { return ControlAs<fw::Label>("StaticText5"); }
fw::Label* frmAboutBox::StaticText6() const { return ControlAs<fw::Label>("StaticText6"); }
fw::Label* frmAboutBox::StaticText7() const { return ControlAs<fw::Label>("StaticText7"); }
fw::Label* frmAboutBox::StaticText8() const { return ControlAs<fw::Label>("StaticText8"); }
fw::Label* frmAboutBox::StaticText9() const { return ControlAs<fw::Label>("StaticText9"); }
fw::TextArea* frmAboutBox::EditField1() const { return ControlAs<fw::TextArea>("EditField1"); }
fw::Label* frmAboutBox::StaticText2() const { return ControlAs<fw::Label>("StaticText2"); }
fw::Label* frmAboutBox::StaticText16() const { return ControlAs<fw::Label>("StaticText16"); }
fw::Label* frmAboutBox::StaticText18() const { return ControlAs<fw::Label>("StaticText18"); }
fw::Label* frmAboutBox::StaticText19() const { return ControlAs<fw::Label>("StaticText19"); }
fw::Canvas* frmAboutBox::Canvas1() const { return ControlAs<fw::Canvas>("Canvas1"); }

void frmAboutBox::StaticText9_MouseEnter(fw::Label* label) {
  fw::NotNil(label)->SetMouseCursor(fw::System::Cursors::FingerPointer);
}

bool frmAboutBox::StaticText9_MouseDown(fw::Label* label, int /*x*/, int /*y*/) {
  fw::ShowURL(fw::NotNil(label)->Caption());
  return false;
}

void frmAboutBox::Event_Close() { Module1::AboutIsUp = false; }

void frmAboutBox::Event_Open() {
  SetBackdrop(Module1::AboutBox);

  std::string rules;
  for (const char* paragraph : kRules) rules += paragraph + fw::EndOfLine::Macintosh + fw::EndOfLine::Macintosh;
  EditField1()->SetText(rules);

  Module1::AboutIsUp = true;
}
