// The game window's construction, its window events and the new-board
// operations.
#include "game/Window1.h"

#include "app/Menu.h"
#include "framework/BackgroundTask.h"
#include "framework/Graphics.h"
#include "framework/Runtime.h"
#include "framework/Text.h"
#include "game/Board.h"
#include "game/Module1.h"
#include "net/SocketMod.h"

namespace {

const fw::WindowDesign kWindowDesign{
    .Title = "Velloru",
    .Width = 600,
    .Height = 300,
    .MinWidth = 64,
    .MinHeight = 64,
    .MaxWidth = 600,
    .MaxHeight = 300,
    .Resizeable = false,
    .LiveResize = false,
    .Frame = 0,
    .Placement = 0,
    .CloseButton = true,
    .MinimizeButton = true,
    .MaximizeButton = false,
    .FullScreen = false,
    .MenuBarVisible = true,
    .Visible = true,
    .HasBackColor = false,
};

// The templates of the two control arrays.
const fw::ControlDesign kCanvas1Template{.Left = 111, .Top = 207, .Width = 65, .Height = 65, .Visible = false, .TabIndex = 0};
const fw::ControlDesign kCanvas4Template{.Left = 9, .Top = 280, .Width = 15, .Height = 15, .Visible = false, .TabIndex = 6};

const fw::ControlDesign kLeftTurn{.Left = 452, .Top = 131, .Width = 30, .Height = 30, .Visible = true, .TabIndex = 1};
const fw::ControlDesign kRightTurn{.Left = 116, .Top = 131, .Width = 30, .Height = 30, .Visible = false, .TabIndex = 2};
const fw::ControlDesign kCanvas6{.Left = 427, .Top = 207, .Width = 65, .Height = 65, .Visible = false, .TabIndex = 3};
const fw::ControlDesign kStore7{.Left = 495, .Top = 20, .Width = 96, .Height = 259, .Visible = true, .TabIndex = 4};
const fw::ControlDesign kStore14{.Left = 9, .Top = 20, .Width = 96, .Height = 259, .Visible = true, .TabIndex = 5};
const fw::ControlDesign kProgressBar1{.Left = 105, .Top = 197, .Width = 390, .Height = 12, .Visible = false};

// Run-time positions of the pits and the move dots, by hole.
int PitLeft(int hole) { return hole < 7 ? 65 * hole + 40 : 65 * (14 - hole) + 40; }
int PitTop(int hole) { return hole < 7 ? 20 : 214; }
int DotLeft(int hole) {
  if (hole == 7) return 474;
  if (hole == 14) return 114;
  return hole < 7 ? 65 * hole + 67 : 65 * (14 - hole) + 67;
}
int DotTop(int hole) {
  if (hole == 7) return 112;
  if (hole == 14) return 165;
  return hole < 7 ? 87 : 196;
}

void ApplyCanvasDefaults(fw::Canvas* canvas) {
  canvas->SetEraseBackground(true);
}

void BindHoleHandlers(Window1* window, fw::Canvas* canvas) {
  canvas->MouseDown = [window, canvas](int x, int y) { return window->Canvas1_MouseDown(canvas, x, y); };
  canvas->Paint = [window, canvas](fw::Graphics* g) { window->Canvas1_Paint(canvas, g); };
}

// A new picture of the given picture's size with that picture drawn on it.
fw::PicturePtr CopyOf(const fw::PicturePtr& source) {
  const fw::PicturePtr& from = fw::NotNil(source);
  fw::PicturePtr copy = fw::Picture::NewPicture(from->Width(), from->Height(), 32);
  copy->Graphics()->DrawPicture(from, 0, 0);
  return copy;
}

}  // namespace

Window1::Canvas1Member::Canvas1Member(fw::Window* window) : fw::Canvas(window) {
  SetProperties(kCanvas1Template);
  ApplyCanvasDefaults(this);
  auto* owner = fw::NotNil(dynamic_cast<Window1*>(window));
  BindHoleHandlers(owner, this);
  SetIndex(0);
  window->AddControl("Canvas1", this);
}

Window1::Canvas1Member::Canvas1Member(fw::Window* window, int index) : fw::Canvas(window) { SetIndex(index); }

Window1::Canvas4Member::Canvas4Member(fw::Window* window) : fw::Canvas(window) {
  SetProperties(kCanvas4Template);
  ApplyCanvasDefaults(this);
  SetIndex(0);
  window->AddControl("Canvas4", this);
}

Window1::Canvas4Member::Canvas4Member(fw::Window* window, int index) : fw::Canvas(window) { SetIndex(index); }

Window1::Window1() = default;
Window1::~Window1() = default;

Window1* Window1::Instance() { return fw::ImplicitInstance<Window1>("Window1.Window1"); }

void Window1::Layout() {
  SetMenuBar(Menu::Instance());
  SetProperties(kWindowDesign);
}

void Window1::CreateControls() { CreateControls0(); }

void Window1::CreateControls0() {
  auto makeHole = [this](int index, const fw::ControlDesign& design) {
    auto* canvas = New<Canvas1Member>(index);
    AddControl("Canvas1", canvas);
    fw::Canvas* hole = Canvas1(index);
    hole->SetProperties(design);
    ApplyCanvasDefaults(hole);
    BindHoleHandlers(this, hole);
  };
  auto makeCanvas = [this](const char* name, const fw::ControlDesign& design) {
    auto* canvas = New<fw::Canvas>();
    AddControl(name, canvas);
    fw::Canvas* made = ControlAs<fw::Canvas>(name);
    made->SetProperties(design);
    ApplyCanvasDefaults(made);
    return made;
  };

  makeHole(0, kCanvas1Template);
  fw::Canvas* left = makeCanvas("LeftTurn", kLeftTurn);
  left->Paint = [this, left](fw::Graphics* g) { LeftTurn_Paint(left, g); };
  fw::Canvas* right = makeCanvas("RightTurn", kRightTurn);
  right->MouseDown = [this, right](int x, int y) { return RightTurn_MouseDown(right, x, y); };
  right->Paint = [this, right](fw::Graphics* g) { RightTurn_Paint(right, g); };
  makeCanvas("Canvas6", kCanvas6);
  makeHole(7, kStore7);
  makeHole(14, kStore14);

  auto* dot = New<Canvas4Member>(0);
  AddControl("Canvas4", dot);
  Canvas4(0)->SetProperties(kCanvas4Template);
  ApplyCanvasDefaults(Canvas4(0));

  auto* bar = New<fw::ProgressBar>();
  AddControl("ProgressBar1", bar);
  fw::ProgressBar* progress = ProgressBar1();
  progress->SetProperties(kProgressBar1);
  progress->SetValue(0);
  progress->SetMaximum(6);
}

fw::Canvas* Window1::Canvas1(int index) const { return ControlAs<fw::Canvas>("Canvas1", index); }
fw::Canvas* Window1::LeftTurn() const { return ControlAs<fw::Canvas>("LeftTurn"); }
fw::Canvas* Window1::RightTurn() const { return ControlAs<fw::Canvas>("RightTurn"); }
fw::Canvas* Window1::Canvas6() const { return ControlAs<fw::Canvas>("Canvas6"); }
fw::Canvas* Window1::Canvas4(int index) const { return ControlAs<fw::Canvas>("Canvas4", index); }
fw::ProgressBar* Window1::ProgressBar1() const { return ControlAs<fw::ProgressBar>("ProgressBar1"); }

void Window1::Event_Open() {
  SetBackdrop(Module1::board);

  for (int i = 1; i <= 13; ++i) {
    if (i == 7) continue;
    fw::Canvas* pit = New<Canvas1Member>();
    Pits[static_cast<std::size_t>(i)] = pit;
    pit->SetTop(PitTop(i));
    pit->SetLeft(PitLeft(i));
    gPitHoles[static_cast<std::size_t>(i)] = CopyOf(Module1::pit);
    pit->SetVisible(true);
  }

  Canvas4(0)->SetBackdrop(Module1::Moves);
  for (int i = 1; i <= 14; ++i) {
    fw::Canvas* dot = New<Canvas4Member>();
    Dots[static_cast<std::size_t>(i)] = dot;
    dot->SetBackdrop(Module1::Moves);
    dot->SetTop(DotTop(i));
    dot->SetLeft(DotLeft(i));
  }

  PlayersTurn = 1;
  IsComputer = false;
  GameStarted = false;
  GemCount = 4;
  myLevel = 3;
  clevel = 8;
  ShowMoves = true;
  UseSounds = true;

  Initialize();

  gPitHoles[7] = CopyOf(Module1::bigPit);
  gPitHoles[14] = CopyOf(Module1::bigPit);

  RightTurn()->SetBackdrop(Module1::turnIndicator);
  LeftTurn()->SetBackdrop(Module1::turnIndicator);
  Canvas6()->SetBackdrop(Module1::hilitePict);

  fw::NotNil(mnuThemePicker(1))->SetChecked(true);

  Module1::LoadGraphics(2);
  ResetGraphics();
}

void Window1::Event_Activate() { Refresh(true); }

void Window1::Event_Close() { fw::Quit(0); }

void Window1::ShowTurnMarkers() {
  LeftTurn()->SetVisible(PlayersTurn == 1);
  RightTurn()->SetVisible(PlayersTurn != 1);
}

void Window1::Initialize() {
  for (auto* places : {&pitPlace7, &pitPlace14}) {
    const std::size_t upper = places->size() - 1;
    for (std::size_t i = 0; i < upper; ++i) {
      places->erase(places->begin() + 1);
      fw::RuntimeBackgroundTask();
    }
  }
  for (int h = 1; h <= 14; ++h) {
    PitsCount[static_cast<std::size_t>(h)] = GemCount;
    fw::RuntimeBackgroundTask();
  }
  PitsCount[7] = 0;
  PitsCount[14] = 0;
  ShowTurnMarkers();
  Refresh(true);
  GameOver = false;
}

void Window1::ResetGame() {
  Initialize();
  GameStarted = false;
  GameOver = false;
  if (isNetworkGame) SendStartGame();
}

void Window1::SendStartGame() const {
  SocketMod::SendData("StartGame" + Module1::sep + fw::Str(GemCount) + Module1::sep + fw::Chr(13));
}

int Window1::NextHole(int h) const { return Board::NextHole(h, PlayersTurn); }
