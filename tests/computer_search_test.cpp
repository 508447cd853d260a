// Tests of the computer opponent's search: the ratings and choices on known
// boards, the numbers of simulated moves from the openings, and the fast
// search against a plain one-move-at-a-time search on many positions.

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <cstdint>
#include <random>
#include <stdexcept>
#include <vector>

#include "framework/BackgroundTask.h"
#include "game/ComputerSearch.h"

namespace {

using Holes = std::array<int, 16>;  // index = hole number 1..14
using Values = std::array<double, 16>;

Holes Board(const std::array<int, 14>& h1to14) {
  Holes b{};
  for (int h = 1; h <= 14; ++h) b[h] = h1to14[h - 1];
  return b;
}

Holes Opening(int gems) {
  Holes b{};
  for (int h = 1; h <= 14; ++h) b[h] = (h == 7 || h == 14) ? 0 : gems;
  return b;
}

ComputerSearch::Settings AtLevel(int level, int gems, bool leaveGem) {
  static constexpr int kDepth[5] = {0, 3, 5, 8, 6};
  return {kDepth[level], level, gems, leaveGem};
}

// The search step as plainly as it can be written: every call has its own
// board array, refilled for every pit, and every simulated move adds to the
// Double arrays one at a time.
class PlainSearch {
 public:
  Values PitScore{};
  Values PlayCounts{};
  int CurrentDepth = 0;
  ComputerSearch::Settings settings{8, 3, 4, false};
  long long pitsTried = 0;  // loop passes, each a yield to the background task
  int progressCalls = 0;

  void DoP2(const Holes& args, int rootPit) { Step(2, args, rootPit); }
  void DoP1(const Holes& args, int rootPit) { Step(1, args, rootPit); }

  int ChoosePit(const Holes& pitsCount) {
    for (int i = 8; i <= 13; ++i) PitScore[i] = PlayCounts[i] = 0;
    CurrentDepth = 0;
    DoP2(pitsCount, 0);
    for (int i = 8; i <= 13; ++i) {
      if (PlayCounts[i] > 0) {
        PitScore[i] = static_cast<int>(PitScore[i]) / static_cast<int>(PlayCounts[i]);
      }
    }
    int chosen = 0;
    PitScore[0] = -200000;
    for (int i = 8; i <= 13; ++i) {
      if (PitScore[chosen] < PitScore[i] && pitsCount[i] > 0) chosen = i;
    }
    return chosen;
  }

 private:
  void Step(int mover, const Holes& args, int rootPit) {
    CurrentDepth += 1;
    if (CurrentDepth > settings.clevel) {
      CurrentDepth -= 1;
      return;
    }
    const int first = mover == 2 ? 8 : 1;
    const int store = mover == 2 ? 14 : 7;
    Holes simBoard{};
    bool lineDecided = false;
    for (int p = first; p < first + 6; ++p) {
      ++pitsTried;
      if (mover == 2 && rootPit == 0) ++progressCalls;
      for (int h = 1; h <= 14; ++h) simBoard[h] = args[h];
      if (simBoard[p] == 0) continue;
      bool sideEmptied = false;
      const int r = (mover == 2 && rootPit == 0) ? p : rootPit;
      PlayCounts[r] += 1;

      int n = simBoard[p];
      simBoard[p] = 0;
      int pos = p;
      for (; n > 0; --n) {
        pos += 1;
        if (mover == 2) {
          if (pos == 15) pos = 1;
          if (pos == 7) pos = 8;
        } else {
          if (pos == 14) pos = 1;
        }
        simBoard[pos] += 1;
      }

      if (pos == store) {
        if (settings.myLevel > 3) CurrentDepth -= 1;
        Step(mover, simBoard, r);
        if (settings.myLevel > 3) CurrentDepth += 1;
      }
      if (pos >= first && pos < first + 6 && simBoard[pos] == 1 && simBoard[14 - pos] > 0) {
        if (!settings.LeaveGem) {
          simBoard[pos] = 0;
          simBoard[store] += 1;
        }
        simBoard[store] += simBoard[14 - pos];
        simBoard[14 - pos] = 0;
      }
      int row1 = 0;
      int row2 = 0;
      for (int k = 1; k <= 6; ++k) {
        row1 += simBoard[k];
        row2 += simBoard[k + 7];
      }
      if (row1 == 0 || row2 == 0) {
        lineDecided = true;
        sideEmptied = true;
        for (int k = 1; k <= 6; ++k) {
          simBoard[7] += simBoard[k];
          simBoard[14] += simBoard[k + 7];
          simBoard[k] = 0;
          simBoard[k + 7] = 0;
        }
      }
      if (simBoard[7] > 6 * settings.GemCount - 1 || simBoard[14] > 6 * settings.GemCount - 1) {
        lineDecided = true;
      }
      if (lineDecided) {
        PitScore[r] += simBoard[14];
        PitScore[r] -= simBoard[7];
      }
      if (!sideEmptied) Step(3 - mover, simBoard, r);
    }
    CurrentDepth -= 1;
  }
};

// The window's arrays with a search working on them.
struct Searcher {
  Values PitScore{};
  Values PlayCounts{};
  int CurrentDepth = 0;
  ComputerSearch search{PitScore, PlayCounts, CurrentDepth};

  explicit Searcher(const ComputerSearch::Settings& s) { search.SetSettings(s); }

  // The search's sums before they become ratings.
  void Sums(const Holes& board) {
    for (int i = 8; i <= 13; ++i) PitScore[i] = PlayCounts[i] = 0;
    CurrentDepth = 0;
    search.DoP2(board, 0);
  }
  double TotalMoves() const {
    double n = 0;
    for (int i = 8; i <= 13; ++i) n += PlayCounts[i];
    return n;
  }
};

// A real move of the game on a live board; returns whether the mover keeps
// the turn. Used only to reach positions by playing.
bool PlayMove(Holes& b, int mover, int pit, bool leaveGem, bool& gameOver) {
  int n = b[pit];
  b[pit] = 0;
  int h = pit;
  for (; n > 0; --n) {
    h += 1;
    if (h == 7 && mover == 2) h = 8;
    if (h == 14 && mover == 1) h = 15;
    if (h > 14) h = 1;
    b[h] += 1;
  }
  const int first = mover == 2 ? 8 : 1;
  const int store = mover == 2 ? 14 : 7;
  if (h >= first && h < first + 6 && b[h] == 1 && b[14 - h] > 0) {
    b[store] += b[14 - h];
    b[14 - h] = 0;
    if (!leaveGem) {
      b[h] = 0;
      b[store] += 1;
    }
  }
  int row1 = 0;
  int row2 = 0;
  for (int k = 1; k <= 6; ++k) {
    row1 += b[k];
    row2 += b[k + 7];
  }
  gameOver = row1 == 0 || row2 == 0;
  if (gameOver) {
    for (int k = 1; k <= 6; ++k) {
      b[7] += b[k];
      b[14] += b[k + 7];
      b[k] = b[k + 7] = 0;
    }
  }
  return h == store;
}

// Sets the background task's countdown so high that it does not run during
// a test, so that the number of yields can be read from it.
class CountYields {
 public:
  CountYields() : saved_(fw::detail::backgroundCountdown) { fw::detail::backgroundCountdown = kStart; }
  ~CountYields() { fw::detail::backgroundCountdown = saved_; }
  long long SoFar() const { return static_cast<long long>(kStart) - fw::detail::backgroundCountdown; }

 private:
  static constexpr int kStart = INT_MAX;
  int saved_;
};

}  // namespace

// From the opening every rating is 0 at every level, gem count and setting,
// so the lowest pit is played; the number of simulated moves is fixed by the
// rules alone.
TEST(ComputerSearch, OpeningRatesEveryPitZeroAndPlaysPit8) {
  // Simulated moves from the opening with "Leave Capturing Gem" off,
  // [level - 1][gems - 3].
  static constexpr double kMoves[4][4] = {
      {289, 298, 302, 277},
      {8767, 10093, 10785, 8778},
      {1172151, 1813427, 1923233, 1604613},
      {1244608, 2116788, 562733, 121936},
  };
  for (int level = 1; level <= 4; ++level) {
    for (int gems = 3; gems <= 6; ++gems) {
      for (bool leave : {false, true}) {
        SCOPED_TRACE(testing::Message() << "level " << level << ", gems " << gems << ", leave " << leave);
        Searcher w(AtLevel(level, gems, leave));
        EXPECT_EQ(w.search.ChoosePit(Opening(gems)), 8);
        for (int i = 8; i <= 13; ++i) EXPECT_EQ(w.PitScore[i], 0) << "pit " << i;
        EXPECT_EQ(w.PitScore[0], -200000);
        EXPECT_EQ(w.CurrentDepth, 0);
        if (!leave) {
          EXPECT_EQ(w.TotalMoves(), kMoves[level - 1][gems - 3]);
        }
      }
    }
  }
}

// With 4 gems, Level 3 scores nothing from the opening; Level 4 scores some
// lines, too few to move any rating off 0.
TEST(ComputerSearch, OpeningSumsWithFourGems) {
  Searcher level3(AtLevel(3, 4, false));
  level3.Sums(Opening(4));
  for (int i = 8; i <= 13; ++i) EXPECT_EQ(level3.PitScore[i], 0) << "pit " << i;

  Searcher level4(AtLevel(4, 4, false));
  level4.Sums(Opening(4));
  const Values expectedSums{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1981, -1844, -162, 0, 0, 0};
  const Values expectedCounts{0, 0, 0, 0, 0, 0, 0, 0, 61361, 62615, 764733, 384955, 502653, 340471, 0, 0};
  EXPECT_EQ(level4.PitScore, expectedSums);
  EXPECT_EQ(level4.PlayCounts, expectedCounts);
  for (int i = 8; i <= 13; ++i) EXPECT_LT(-level4.PitScore[i], level4.PlayCounts[i]) << "pit " << i;
}

// Pit 8's capture decides its line (store 14 reaches 26 of 48), and player 1's
// only reply empties both rows. In the same call pit 12 is then scored though
// its own move decides nothing.
TEST(ComputerSearch, DecidedMoveScoresTheLaterPitsOfItsCall) {
  const Holes board = Board({1, 0, 0, 0, 5, 0, 18, 1, 0, 0, 0, 3, 0, 20});
  {
    Searcher w(AtLevel(1, 4, false));
    w.Sums(board);
    EXPECT_EQ(w.PitScore[8], 12);
    EXPECT_EQ(w.PlayCounts[8], 2);
    EXPECT_EQ(w.PitScore[12], 16);
    EXPECT_EQ(w.PlayCounts[12], 9);
    EXPECT_EQ(w.search.ChoosePit(board), 8);
    EXPECT_EQ(w.PitScore[8], 6);
    EXPECT_EQ(w.PitScore[12], 1);
  }
  {
    Searcher w(AtLevel(1, 4, true));
    w.Sums(board);
    EXPECT_EQ(w.PitScore[8], 15);
    EXPECT_EQ(w.PlayCounts[8], 3);
    EXPECT_EQ(w.PitScore[12], 15);
    EXPECT_EQ(w.PlayCounts[12], 9);
    EXPECT_EQ(w.search.ChoosePit(board), 8);
    EXPECT_EQ(w.PitScore[8], 5);
    EXPECT_EQ(w.PitScore[12], 1);
  }
}

// Pits 11 and 13 at each level: equal ratings go to the lower pit.
TEST(ComputerSearch, EqualRatingsGoToTheLowerPit) {
  const Holes board = Board({0, 0, 0, 0, 5, 1, 18, 0, 0, 0, 3, 0, 1, 20});
  struct Expected {
    double sum11, count11, sum13, count13, rating11, rating13;
    int chosen;
  };
  const Expected expected[4] = {
      {2, 18, 0, 14, 0, 0, 11},
      {103, 87, 134, 100, 1, 1, 11},
      {511, 378, 778, 306, 1, 2, 13},
      {355, 287, 854, 324, 1, 2, 13},
  };
  for (int level = 1; level <= 4; ++level) {
    SCOPED_TRACE(testing::Message() << "level " << level);
    const Expected& e = expected[level - 1];
    Searcher w(AtLevel(level, 4, false));
    w.Sums(board);
    EXPECT_EQ(w.PitScore[11], e.sum11);
    EXPECT_EQ(w.PlayCounts[11], e.count11);
    EXPECT_EQ(w.PitScore[13], e.sum13);
    EXPECT_EQ(w.PlayCounts[13], e.count13);
    EXPECT_EQ(w.TotalMoves(), e.count11 + e.count13);
    EXPECT_EQ(w.search.ChoosePit(board), e.chosen);
    EXPECT_EQ(w.PitScore[11], e.rating11);
    EXPECT_EQ(w.PitScore[13], e.rating13);
  }
}

// Pit 13's move empties the computer's row: scored at once (stores 25 and 23
// after the sweep) in a call where nothing was decided before, with no reply.
// It is the only move, so it is played at a rating of -2.
TEST(ComputerSearch, OnlyNonEmptyPitIsPlayedEvenAtANegativeRating) {
  const Holes board = Board({0, 1, 0, 0, 0, 0, 20, 0, 0, 0, 0, 0, 5, 22});
  for (int level = 1; level <= 4; ++level) {
    SCOPED_TRACE(testing::Message() << "level " << level);
    Searcher w(AtLevel(level, 4, false));
    w.Sums(board);
    EXPECT_EQ(w.PitScore[13], -2);
    EXPECT_EQ(w.PlayCounts[13], 1);
    EXPECT_EQ(w.search.ChoosePit(board), 13);
    EXPECT_EQ(w.PitScore[13], -2);
  }
}

// A store of exactly 6 x GemCount gems decides the line; one gem fewer does
// not. One ply, for either mover; the extra turn earned is beyond the limit.
TEST(ComputerSearch, StoreHoldingHalfTheGemsDecides) {
  Searcher w({1, 1, 4, false});
  // Player 1: pit 5 sows into pit 6, then pit 6 into store 7.
  w.search.DoP1(Board({0, 0, 0, 0, 1, 1, 23, 3, 3, 3, 3, 3, 3, 5}), 9);
  EXPECT_EQ(w.PlayCounts[9], 2);
  EXPECT_EQ(w.PitScore[9], 5 - 24);
  w.search.DoP1(Board({0, 0, 0, 0, 1, 1, 22, 3, 3, 3, 3, 3, 3, 6}), 10);
  EXPECT_EQ(w.PlayCounts[10], 2);
  EXPECT_EQ(w.PitScore[10], 0);
  // Player 2: pit 12 into pit 13, then pit 13 into store 14.
  w.search.DoP2(Board({3, 3, 3, 3, 3, 3, 5, 0, 0, 0, 0, 1, 1, 23}), 11);
  EXPECT_EQ(w.PlayCounts[11], 2);
  EXPECT_EQ(w.PitScore[11], 24 - 5);
  w.search.DoP2(Board({3, 3, 3, 3, 3, 3, 6, 0, 0, 0, 0, 1, 1, 22}), 12);
  EXPECT_EQ(w.PlayCounts[12], 2);
  EXPECT_EQ(w.PitScore[12], 0);
  EXPECT_EQ(w.CurrentDepth, 0);
}

// 13 gems from pit 8 lap the board back into the emptied pit 8, which then
// holds 1 gem and captures pit 6 (7 gems): store 14 goes from 15 to 24 and
// decides the line. With the capturing gem left in its pit it reaches only 23.
TEST(ComputerSearch, LastGemOfALapCapturesFromTheEmptiedPit) {
  const Holes board = Board({2, 2, 2, 2, 2, 6, 4, 13, 0, 0, 0, 0, 0, 15});
  Searcher off({1, 1, 4, false});
  EXPECT_EQ(off.search.ChoosePit(board), 8);
  EXPECT_EQ(off.PlayCounts[8], 1);
  EXPECT_EQ(off.PitScore[8], 24 - 4);
  Searcher on({1, 1, 4, true});
  EXPECT_EQ(on.search.ChoosePit(board), 8);
  EXPECT_EQ(on.PlayCounts[8], 1);
  EXPECT_EQ(on.PitScore[8], 0);
}

// Player 2's pits 12 (2 gems) and 13 (1 gem) both end in store 14, and pits 8
// to 11 are empty. With one ply, Levels 1 to 3 play just the two moves; Level 4
// follows the extra turns at the same ply: 12 then 13 (which empties the row:
// stores 35 and 13), and 13, 12, 13 (the row empty again: stores 34 and 14).
TEST(ComputerSearch, LevelFourFollowsExtraTurnsAtTheSamePly) {
  const Holes board = Board({4, 4, 4, 4, 4, 4, 10, 0, 0, 0, 0, 2, 1, 11});
  Searcher level3({1, 3, 4, false});
  level3.search.DoP2(board, 10);
  EXPECT_EQ(level3.PlayCounts[10], 2);
  EXPECT_EQ(level3.PitScore[10], 0);
  Searcher level4({1, 4, 4, false});
  level4.search.DoP2(board, 10);
  EXPECT_EQ(level4.PlayCounts[10], 5);
  EXPECT_EQ(level4.PitScore[10], (13 - 35) + (14 - 34));
  EXPECT_EQ(level4.CurrentDepth, 0);
}

// The progress callback runs six times per search, once before each computer
// pit's lines, empty pits and an empty row included, while the top step runs
// at ply 1.
TEST(ComputerSearch, ProgressIsToldOncePerComputerPit) {
  const Holes board = Board({0, 0, 0, 0, 5, 1, 18, 0, 0, 0, 3, 0, 1, 20});
  Searcher w(AtLevel(2, 4, false));
  std::vector<double> countsSeen;
  std::vector<int> depthsSeen;
  w.search.SetProgressCallback([&] {
    const int pit = 8 + static_cast<int>(countsSeen.size());
    countsSeen.push_back(pit <= 13 ? w.PlayCounts[pit] : -1);
    depthsSeen.push_back(w.CurrentDepth);
  });
  w.search.ChoosePit(board);
  EXPECT_EQ(countsSeen, std::vector<double>(6, 0));
  EXPECT_EQ(depthsSeen, std::vector<int>(6, 1));
  EXPECT_EQ(w.PlayCounts[11], 87);  // pit 11's lines were all in before pit 12's call

  countsSeen.clear();
  depthsSeen.clear();
  EXPECT_EQ(w.search.ChoosePit(Board({4, 4, 4, 4, 4, 4, 24, 0, 0, 0, 0, 0, 0, 0})), 0);
  EXPECT_EQ(countsSeen.size(), 6u);
}

// With pits 8 to 13 all empty nothing is simulated and no pit is chosen.
TEST(ComputerSearch, NoComputerGemsNoMove) {
  for (int level = 1; level <= 4; ++level) {
    Searcher w(AtLevel(level, 4, false));
    w.PitScore.fill(7);
    w.PlayCounts.fill(7);
    EXPECT_EQ(w.search.ChoosePit(Board({4, 4, 4, 4, 4, 4, 10, 0, 0, 0, 0, 0, 0, 14})), 0);
    for (int i = 8; i <= 13; ++i) {
      EXPECT_EQ(w.PitScore[i], 0);
      EXPECT_EQ(w.PlayCounts[i], 0);
    }
    EXPECT_EQ(w.PitScore[0], -200000);
    EXPECT_EQ(w.PlayCounts[0], 7);  // elements outside 8..13 are not the search's
    EXPECT_EQ(w.CurrentDepth, 0);
  }
}

// Each step leaves CurrentDepth as it found it, and runs one ply deeper than
// it: at the depth limit it simulates nothing.
TEST(ComputerSearch, StepsLeaveCurrentDepthAsTheyFoundIt) {
  const Holes board = Board({3, 5, 0, 6, 5, 1, 5, 4, 0, 5, 5, 1, 6, 2});
  for (int level = 1; level <= 4; ++level) {
    SCOPED_TRACE(testing::Message() << "level " << level);
    const ComputerSearch::Settings s = AtLevel(level, 4, false);
    Searcher w(s);
    w.CurrentDepth = 5;
    w.search.ChoosePit(board);
    EXPECT_EQ(w.CurrentDepth, 0);
    for (int start : {1, s.clevel - 1, s.clevel}) {
      w.CurrentDepth = start;
      w.PlayCounts.fill(0);
      w.search.DoP2(board, 9);
      w.search.DoP1(board, 9);
      w.search.DoP2(board, 0);
      EXPECT_EQ(w.CurrentDepth, start);
      if (start == s.clevel) {
        EXPECT_EQ(w.TotalMoves(), 0);
      } else {
        EXPECT_GT(w.TotalMoves(), 0);
      }
    }
  }
}

// The same board and settings always give the same sums, counts and pit,
// whether the search object is new or has searched before.
TEST(ComputerSearch, SameBoardSameResult) {
  const Holes board = Board({3, 5, 0, 6, 5, 1, 5, 4, 0, 5, 5, 1, 6, 2});
  Searcher first(AtLevel(3, 4, false));
  const int chosen = first.search.ChoosePit(board);
  first.search.ChoosePit(Opening(4));
  EXPECT_EQ(first.search.ChoosePit(board), chosen);
  Searcher fresh(AtLevel(3, 4, false));
  EXPECT_EQ(fresh.search.ChoosePit(board), chosen);
  EXPECT_EQ(first.PitScore, fresh.PitScore);
  EXPECT_EQ(first.PlayCounts, fresh.PlayCounts);
}

// The fast search gives exactly the plain search's sums, counts, yields and
// progress calls, and leaves CurrentDepth alike, on positions reached by
// seeded random games and on boards with piles big enough to lap the board.
TEST(ComputerSearch, FastSearchMatchesThePlainSearch) {
  std::mt19937 rng(20240611);
  auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };

  // A position after a random number of random moves, not yet over.
  auto played = [&](int gems, bool leave, int& mover) {
    for (;;) {
      Holes b = Opening(gems);
      mover = pick(1, 2);
      const int moves = pick(0, 40);
      bool over = false;
      for (int m = 0; m < moves && !over; ++m) {
        std::vector<int> legal;
        for (int p = mover == 2 ? 8 : 1, k = 0; k < 6; ++k, ++p) {
          if (b[p] > 0) legal.push_back(p);
        }
        const int pit = legal[pick(0, static_cast<int>(legal.size()) - 1)];
        if (!PlayMove(b, mover, pit, leave, over)) mover = 3 - mover;
      }
      if (!over) return b;
    }
  };
  // All 12 x gems gems thrown at random into holes, a few pits heaped up.
  auto heaped = [&](int gems) {
    Holes b{};
    for (int g = 0; g < 12 * gems; ++g) {
      const int h = pick(0, 3) == 0 ? pick(1, 14) : (pick(0, 1) ? 13 : 6);
      b[h] += 1;
    }
    return b;
  };

  long long plainMovesLeft = 25'000'000;  // keeps the test quick
  int compared = 0;
  for (int round = 0; round < 400 && plainMovesLeft > 0; ++round) {
    const int gems = pick(3, 6);
    const bool leave = pick(0, 1) == 1;
    const int level = round < 300 ? pick(1, 2) : pick(3, 4);
    const ComputerSearch::Settings s = AtLevel(level, gems, leave);
    int mover = 2;
    const Holes b = round % 5 == 4 ? heaped(gems) : played(gems, leave, mover);
    // The top call, or a step of a line begun by some pit at some ply.
    const int kind = pick(0, 2);
    const int root = kind == 0 ? 0 : pick(8, 13);
    const int depth = kind == 0 ? pick(0, 1) : pick(0, 2);
    SCOPED_TRACE(testing::Message() << "round " << round << ", level " << level << ", gems " << gems
                                    << ", leave " << leave << ", kind " << kind << ", root " << root
                                    << ", depth " << depth);

    Searcher fast(s);
    int progress = 0;
    fast.search.SetProgressCallback([&] { ++progress; });
    fast.CurrentDepth = depth;
    CountYields yields;
    if (kind == 1) {
      fast.search.DoP1(b, root);
    } else {
      fast.search.DoP2(b, root);
    }
    const long long fastYields = yields.SoFar();
    if (fast.TotalMoves() > 2'000'000) continue;  // too long for the plain search

    PlainSearch plain;
    plain.settings = s;
    plain.CurrentDepth = depth;
    if (kind == 1) {
      plain.DoP1(b, root);
    } else {
      plain.DoP2(b, root);
    }
    EXPECT_EQ(fast.PitScore, plain.PitScore);
    EXPECT_EQ(fast.PlayCounts, plain.PlayCounts);
    EXPECT_EQ(fast.CurrentDepth, plain.CurrentDepth);
    EXPECT_EQ(fastYields, plain.pitsTried);
    EXPECT_EQ(progress, plain.progressCalls);
    plainMovesLeft -= static_cast<long long>(fast.TotalMoves());
    ++compared;

    if (kind == 0 && depth == 0) {
      Searcher choice(s);
      PlainSearch plainChoice;
      plainChoice.settings = s;
      EXPECT_EQ(choice.search.ChoosePit(b), plainChoice.ChoosePit(b));
      EXPECT_EQ(choice.PitScore, plainChoice.PitScore);
    }
  }
  EXPECT_GT(compared, 300);
}

// A board the rules cannot produce is refused before anything is changed.
TEST(ComputerSearch, RefusesImpossibleBoards) {
  Searcher w(AtLevel(1, 4, false));
  Holes negative = Opening(4);
  negative[9] = -1;
  Holes tooMany = Opening(4);
  tooMany[7] = 250;
  EXPECT_THROW(w.search.ChoosePit(negative), std::invalid_argument);
  EXPECT_THROW(w.search.DoP2(tooMany, 0), std::invalid_argument);
  EXPECT_THROW(w.search.DoP1(Opening(4), 0), std::invalid_argument);
  EXPECT_THROW(w.search.DoP2(Opening(4), 7), std::invalid_argument);
  EXPECT_EQ(w.PlayCounts, Values{});
  EXPECT_EQ(w.CurrentDepth, 0);
}
