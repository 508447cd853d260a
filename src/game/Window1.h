#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/Canvas.h"
#include "framework/Control.h"
#include "framework/MenuItem.h"
#include "framework/ProgressBar.h"
#include "framework/Sound.h"
#include "framework/Window.h"
#include "game/cPoint.h"

// The game window: the board, whose turn it is, every setting, and the
// methods that play, search, draw and carry out the menu commands. One
// instance lives from start-up to quit.
class Window1 : public fw::Window {
 public:
  // The class of every member of the hole-canvas array "Canvas1": the hidden
  // template (index 0), the two stores (7, 14) and the twelve pits.
  class Canvas1Member : public fw::Canvas {
   public:
    // A pit made at run time: takes the template's design values, binds the
    // hole handlers and joins the array under the lowest free index.
    explicit Canvas1Member(fw::Window* window);
    // A design-time member with its index.
    Canvas1Member(fw::Window* window, int index);
  };

  // The class of the move-dot array "Canvas4".
  class Canvas4Member : public fw::Canvas {
   public:
    explicit Canvas4Member(fw::Window* window);
    Canvas4Member(fw::Window* window, int index);
  };

  Window1();
  ~Window1() override;

  // The accessor: the one game window, built on the first call.
  static Window1* Instance();
  std::string ClassName() const override { return "Window1.Window1"; }

  // Construction.
  void Layout() override;
  void CreateControls() override;
  void CreateControls0();

  // Control accessors.
  fw::Canvas* Canvas1(int index) const;
  fw::Canvas* LeftTurn() const;
  fw::Canvas* RightTurn() const;
  fw::Canvas* Canvas6() const;
  fw::Canvas* Canvas4(int index) const;
  fw::ProgressBar* ProgressBar1() const;

  // Board handlers.
  bool Canvas1_MouseDown(fw::Canvas* canvas, int x, int y);
  void Canvas1_Paint(fw::Canvas* canvas, fw::Graphics* g);
  void LeftTurn_Paint(fw::Canvas* canvas, fw::Graphics* g);
  bool RightTurn_MouseDown(fw::Canvas* canvas, int x, int y);
  void RightTurn_Paint(fw::Canvas* canvas, fw::Graphics* g);

  // Menu item accessors.
  fw::MenuItemPtr mnuThemes() const;
  std::shared_ptr<fw::AppleMenuItem> mnuAbout() const;
  fw::MenuItemPtr mnuThemePicker(int index) const;
  fw::MenuItemPtr mnuOptions() const;
  fw::MenuItemPtr mnuSound() const;
  fw::MenuItemPtr mnuLeaveGem() const;
  fw::MenuItemPtr mnuShowMoves() const;
  fw::MenuItemPtr mnuLevel() const;
  fw::MenuItemPtr mnuLevel4() const;
  fw::MenuItemPtr mnuBest() const;
  fw::MenuItemPtr mnuGood() const;
  fw::MenuItemPtr mnuFair() const;
  fw::MenuItemPtr mnuGems() const;
  fw::MenuItemPtr mnuG6() const;
  fw::MenuItemPtr mnuG5() const;
  fw::MenuItemPtr mnuG4() const;
  fw::MenuItemPtr mnuG3() const;
  fw::MenuItemPtr mnuGame() const;
  fw::MenuItemPtr mnuStopNetwork() const;
  fw::MenuItemPtr mnuNetworkGame() const;
  fw::MenuItemPtr mnuHvC() const;
  fw::MenuItemPtr mnuHvH() const;
  fw::MenuItemPtr mnuDash() const;
  fw::MenuItemPtr mnuSwitch() const;
  fw::MenuItemPtr UntitledMenu0() const;
  std::shared_ptr<fw::QuitMenuItem> FileQuit() const;
  fw::MenuItemPtr mnuD2() const;
  fw::MenuItemPtr mnuReset() const;

  void AddMenuHandlers() override;

  // Window events.
  void Event_Activate() override;
  void Event_EnableMenuItems() override;
  void Event_Close() override;
  void Event_Open() override;

  // Menu commands; each returns whether it handled the command.
  bool _mnuSwitch_Action();
  bool _mnuHvH_Action();
  bool _mnuHvC_Action();
  bool _mnuG3_Action();
  bool _mnuG4_Action();
  bool _mnuG5_Action();
  bool _mnuG6_Action();
  bool _mnuFair_Action();
  bool _mnuGood_Action();
  bool _mnuBest_Action();
  bool _mnuShowMoves_Action();
  bool _mnuLeaveGem_Action();
  bool _mnuSound_Action();
  bool _mnuReset_Action();
  bool _mnuAbout_Action();
  bool _mnuThemePicker_Action(int index);
  bool _mnuLevel4_Action();
  bool _mnuNetworkGame_Action();
  bool _mnuStopNetwork_Action();

  // Sets up a new board with GemCount gems a pit.
  void Initialize();
  // Plays one move of the mover from hole, animated; fromNetwork marks a
  // move received from the peer, which is not sent back.
  void DoPlay(std::int32_t hole, bool fromNetwork);
  // Chooses player 2's move and plays it.
  void PlayComputer();
  // The computer's search steps for player 1 and player 2 on a position.
  void DoP1(std::int32_t h1, std::int32_t h2, std::int32_t h3, std::int32_t h4, std::int32_t h5,
            std::int32_t h6, std::int32_t h7, std::int32_t h8, std::int32_t h9, std::int32_t h10,
            std::int32_t h11, std::int32_t h12, std::int32_t h13, std::int32_t h14, std::int32_t rootPit);
  void DoP2(std::int32_t h1, std::int32_t h2, std::int32_t h3, std::int32_t h4, std::int32_t h5,
            std::int32_t h6, std::int32_t h7, std::int32_t h8, std::int32_t h9, std::int32_t h10,
            std::int32_t h11, std::int32_t h12, std::int32_t h13, std::int32_t h14, std::int32_t rootPit);
  // Puts the current picture set to work in the window.
  void ResetGraphics();
  // Draws hole 1..14 on its canvas.
  void DrawHole(std::int32_t hole, bool inPaint);
  // Records count new gem positions in store 7 or 14.
  void AddGems(std::int32_t count, std::int32_t hole);
  // Starts a new game and, in a network game, tells the peer.
  void ResetGame();

  // The hole that receives the next gem after hole h for the mover.
  int NextHole(int h) const;

  // The cached background of a hole's canvas, for tests.
  const fw::PicturePtr& CachedBackground(int hole) const { return gPitHoles[static_cast<std::size_t>(hole)]; }

  // Properties.
  std::array<fw::Canvas*, 16> Pits{};
  std::int32_t PlayersTurn = 0;
  std::array<std::int32_t, 16> PitsCount{};
  bool IsComputer = false;
  std::array<double, 16> PitScore{};
  std::int32_t CurrentDepth = 0;
  bool GameStarted = false;
  std::int32_t GemCount = 0;
  bool ShowMoves = false;
  std::array<fw::Canvas*, 15> Dots{};
  bool LeaveGem = false;
  bool UseSounds = false;
  bool GameOver = false;
  std::array<double, 16> PlayCounts{};

 protected:
  std::array<fw::PicturePtr, 15> gPitHoles{};

 public:
  std::int32_t myLevel = 0;
  std::int32_t clevel = 0;
  std::vector<std::shared_ptr<cPoint>> pitPlace7{nullptr};
  std::vector<std::shared_ptr<cPoint>> pitPlace14{nullptr};
  bool isNetworkGame = false;

 private:
  fw::MenuItemPtr Item(const char* name) const;
  // Waits t microseconds, keeping the windows painted.
  static void Wait(double microseconds);
  // Plays the sound the accessor gives when sounds are on; with sounds off
  // the accessor is not called, so its file is not read.
  void PlaySound(fw::SoundPtr (*accessor)()) const;
  void ShowTurnMarkers();
  // Tells the peer of a network game to start a new game with GemCount gems
  // a pit.
  void SendStartGame() const;
  // Before a command acts on the board of a network game: applies what the
  // peer has already sent, then tells whether item is still enabled on the
  // board as it now stands. Outside a network game, true.
  bool CaughtUp(const fw::MenuItemPtr& item);
  // The gem-count commands: a new board with that many gems a pit, and in a
  // network game the peer's too.
  bool ChooseGemCount(std::int32_t gems, const fw::MenuItemPtr& item);
};
