#pragma once

#include <array>
#include <functional>

// The computer opponent's search. The computer plays player 2 (pits 8 to 13,
// store 14). It rates each of its pits by simulating every line of play up to
// the level's depth on copies of the board: every simulated move, of either
// side, counts once for the computer pit that began its line, and a move that
// reaches a decided position (a side emptied, or a store holding at least half
// of all gems), together with every later move tried from the same position,
// adds store 14 minus store 7 to that pit's sum. A pit's rating is its sum
// divided by its number of simulated moves, truncated toward zero; the highest
// rating is played, ties going to the lower pit.
//
// The search writes its results into the game window's own arrays (indexed by
// hole number, elements 0 and 15 unused) and keeps the window's ply counter,
// so that the window's DoP2, DoP1 and PlayComputer can delegate here.
//
// Boards are given as gem counts of holes 1 to 14 (elements 0 and 15 are
// ignored). Every count must be non-negative and the board must hold at most
// 255 gems in all (the game's boards hold 12 x GemCount, at most 72);
// otherwise the search functions throw std::invalid_argument and change
// nothing.
class ComputerSearch {
 public:
  struct Settings {
    int clevel;    // depth limit in plies: 3, 5, 8 and 6 for levels 1 to 4
    int myLevel;   // level 1 to 4; above 3 an extra turn does not use up a ply
    int GemCount;  // gems per pit at the start; a store of 6 x GemCount decides
    bool LeaveGem; // "Leave Capturing Gem": the capturing gem stays in its pit
  };

  ComputerSearch(std::array<double, 16>& pitScore, std::array<double, 16>& playCounts,
                 int& currentDepth);

  void SetSettings(const Settings& settings);
  const Settings& GetSettings() const { return settings_; }

  // Called once for each computer pit, 8 to 13 in order, in the top call of
  // DoP2 (rootPit 0), before that pit's lines are simulated, empty pits
  // included: six calls per search.
  void SetProgressCallback(std::function<void()> cb);

  // One search step for player 2 on the position holes[1..14]. rootPit is the
  // computer pit (8 to 13) that began the line, or 0 for the top call, in which
  // every pit tried begins its own line. Adds to PitScore and PlayCounts of the
  // line's root and leaves CurrentDepth as it found it; the step runs at ply
  // CurrentDepth + 1 and does nothing beyond the depth limit.
  void DoP2(const std::array<int, 16>& holes, int rootPit);
  // The same for player 1; rootPit must be 8 to 13.
  void DoP1(const std::array<int, 16>& holes, int rootPit);

  // The computer's choice on the live board: clears PitScore and PlayCounts
  // 8..13, sets CurrentDepth to 0, searches, turns each sum into its rating and
  // sets PitScore[0] to the floor -200000 of the choice. Returns the chosen pit
  // 8..13, or 0 (no move) when pits 8..13 are all empty.
  int ChoosePit(const std::array<int, 16>& pitsCount);

 private:
  void Search(int mover, const std::array<int, 16>& holes, int rootPit);

  std::array<double, 16>& pitScore_;
  std::array<double, 16>& playCounts_;
  int& currentDepth_;
  Settings settings_{8, 3, 4, false};  // Level 3 with 4 gems, as a new window starts
  std::function<void()> progress_;
};
