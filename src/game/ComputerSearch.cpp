#include "game/ComputerSearch.h"

#include <climits>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <utility>

#include "framework/BackgroundTask.h"

// How the search runs fast.
//
// A position lives in two 64-bit words, one byte per hole: `lo` holds holes 0
// to 7 (byte h is hole h; hole 0 stays empty) and `hi` holes 8 to 14 (byte
// h - 8 is hole h; its byte 7 is no hole and is never read). A board holds at
// most 255 gems, so every count fits its byte, and sowing a pit is one table
// lookup and two additions: for every mover, pit and gem count the table holds
// the change of each hole, the emptied pit and the laps included, and where
// the last gem falls. Positions are passed by value in two registers; nothing
// is allocated and no array is copied per simulated move.
//
// The search step is a template on the mover, on the level-4 rule (an extra
// turn keeps the ply) and on "Leave Capturing Gem", with the six pits
// unrolled; the step at the depth limit, where most moves are played, has its
// own nearly branch-free code. Moves and scores are summed in 64-bit integers
// and added to the window's arrays once per line root, which gives exactly
// the values that adding one move at a time to the Double arrays gives (every
// partial sum is a whole number far below 2^53).
//
// Every simulated move is still played out and counted; the only work left
// out is the call that would return at once at the depth limit.

#if defined(__GNUC__) || defined(__clang__)
#define VELLORU_ALWAYS_INLINE [[gnu::always_inline]] inline
#define VELLORU_NOINLINE [[gnu::noinline]]
#else
#define VELLORU_ALWAYS_INLINE inline
#define VELLORU_NOINLINE
#endif

namespace {

using u64 = std::uint64_t;

constexpr int kMaxGems = 255;

// Kept in the top byte of a table entry: the last gem falls into the mover's
// own store, which earns an extra turn.
constexpr unsigned kLandsInOwnStore = 0x80;

// Bytes 0 to 6 of the high word: holes 8 to 14.
constexpr u64 kHolesOfHighWord = 0x00FFFFFFFFFFFFFFULL;

struct alignas(32) SowStep {
  u64 lo;  // what the sowing adds to the low word (holes 1..7)
  u64 hi;  // what it adds to the high word (holes 8..14); byte 7: kLandsInOwnStore or 0
  // When the last gem falls into one of the mover's own pits: masks of that
  // pit's byte in the mover's word and of the opposite pit's byte in the
  // other word; otherwise 0 and 0, which rules a capture out.
  u64 landingPit;
  u64 oppositePit;
};

struct SowTable {
  SowStep step[2][6][kMaxGems + 1];  // [mover - 1][pit index][gems sown]
};

// The hole after h on the mover's sowing path: the mover's own store receives
// gems, the opponent's is skipped.
constexpr int NextSowHole(int mover, int h) {
  int n = h + 1;
  if (mover == 2) {
    if (n == 15) n = 1;
    if (n == 7) n = 8;
  } else {
    if (n == 14) n = 1;
  }
  return n;
}

// Byte of hole h within its word.
constexpr unsigned ByteOf(int h) { return static_cast<unsigned>(h < 8 ? h : h - 8); }

constexpr SowTable MakeSowTable() {
  SowTable t{};
  for (int mover = 1; mover <= 2; ++mover) {
    const int first = mover == 2 ? 8 : 1;
    const int store = mover == 2 ? 14 : 7;
    for (int i = 0; i < 6; ++i) {
      const int p = first + i;
      int added[16] = {};
      int pos = p;
      for (int n = 1; n <= kMaxGems; ++n) {
        pos = NextSowHole(mover, pos);
        ++added[pos];
        // The change of every hole, the emptied pit included, as one
        // number per word: adding it to a position's word is exact because
        // the result holds only counts of 0 to 255.
        u64 lo = 0;
        u64 hi = 0;
        for (int h = 1; h <= 14; ++h) {
          const std::int64_t change = added[h] - (h == p ? n : 0);
          const u64 term = static_cast<u64>(change) * (1ULL << (8 * ByteOf(h)));
          (h <= 7 ? lo : hi) += term;
        }
        const unsigned leadsTo = pos == store ? kLandsInOwnStore : 0;
        u64 landingPit = 0;
        u64 oppositePit = 0;
        if (pos >= first && pos < first + 6) {
          landingPit = 0xFFULL << (8 * ByteOf(pos));
          oppositePit = 0xFFULL << (8 * ByteOf(14 - pos));
        }
        // Byte 7 of the high word (hole 15) is not a hole: there the entry
        // keeps whether the sowing earns an extra turn, and in a position it
        // holds whatever the additions leave.
        t.step[mover - 1][i][n] =
            SowStep{lo, (hi & kHolesOfHighWord) | (static_cast<u64>(leadsTo) << 56), landingPit, oppositePit};
      }
      // Entry 0 (an empty pit) adds nothing and leads nowhere.
    }
  }
  return t;
}

constexpr SowTable kSow = MakeSowTable();

constexpr u64 kRow1Mask = 0x00FFFFFFFFFFFF00ULL;  // holes 1..6 in lo
constexpr u64 kRow2Mask = 0x0000FFFFFFFFFFFFULL;  // holes 8..13 in hi

// Sum of the bytes of x; exact while the sum is below 256.
constexpr unsigned ByteSum(u64 x) {
  return static_cast<unsigned>((x * 0x0101010101010101ULL) >> 56);
}

struct Tally {
  int decidedAbove;  // a store holding more gems than this decides the line
  std::int64_t moves = 0;
  std::int64_t score = 0;
};

template <int Mover, bool FreeExtraTurn, bool LeaveGem>
struct Kernel {
  static_assert(Mover == 1 || Mover == 2);
  using Other = Kernel<3 - Mover, FreeExtraTurn, LeaveGem>;

  // Byte of own pit i in the mover's own word (hi for player 2, lo for player 1).
  static constexpr int OwnPitShift(int i) { return Mover == 2 ? 8 * i : 8 * (i + 1); }
  static constexpr int kOwnStoreShift = Mover == 2 ? 48 : 56;

  // Sows own pit I (holding n gems; none leaves the board as it is) and
  // applies a capture; returns kLandsInOwnStore for an extra turn, else 0.
  // The capture is tested with a branch, or worked out without one where
  // that measured faster.
  template <int I, bool Branchless>
  VELLORU_ALWAYS_INLINE static unsigned Sow(u64& lo, u64& hi, unsigned n) {
    const SowStep& s = kSow.step[Mover - 1][I][n];
    const auto leadsTo = static_cast<unsigned>(s.hi >> 56);
    u64& own = Mover == 2 ? hi : lo;
    u64& opp = Mover == 2 ? lo : hi;
    lo += s.lo;
    hi += s.hi;
    // Capture: the last gem fell into a pit of the mover's row that was
    // empty, and the opposite pit holds gems.
    const u64 landed = own & s.landingPit;
    const u64 opposite = opp & s.oppositePit;
    const u64 oneGem = s.landingPit & 0x0101010101010101ULL;
    if constexpr (Branchless) {
      const u64 all = 0 - static_cast<u64>((landed == oneGem) & (opposite != 0));
      const u64 captured = ByteSum(opposite);
      opp -= opposite & all;
      if constexpr (LeaveGem) {
        own += (captured << kOwnStoreShift) & all;
      } else {
        own += (((captured + 1) << kOwnStoreShift) - oneGem) & all;
      }
    } else if (landed == oneGem && opposite != 0) {
      const u64 captured = ByteSum(opposite);
      opp -= opposite;
      if constexpr (LeaveGem) {
        own += captured << kOwnStoreShift;
      } else {
        own += ((captured + 1) << kOwnStoreShift) - oneGem;
      }
    }
    return leadsTo;
  }

  // One search step at `plies` plies left (at least 1): tries the six pits.
  VELLORU_ALWAYS_INLINE static void AnyStep(u64 lo, u64 hi, int plies, Tally& t) {
    if (plies == 1) {
      LastPly(lo, hi, t);
    } else {
      Step(lo, hi, plies, t);
    }
  }

  // A step with at least 2 plies left.
  VELLORU_NOINLINE static void Step(u64 lo, u64 hi, int plies, Tally& t) {
    bool decided = false;
    [&]<int... I>(std::integer_sequence<int, I...>) {
      ((fw::RuntimeBackgroundTask(), decided = TryPit<I>(lo, hi, plies, decided, t)), ...);
    }(std::make_integer_sequence<int, 6>{});
  }

  // Plays own pit I of the position, with the lines that follow it, and
  // returns whether the step's line is decided after it.
  template <int I>
  VELLORU_ALWAYS_INLINE static bool TryPit(u64 lo, u64 hi, int plies, bool decided, Tally& t) {
    const auto n = static_cast<unsigned>(((Mover == 2 ? hi : lo) >> OwnPitShift(I)) & 0xFF);
    if (n == 0) return decided;
    ++t.moves;
    const unsigned leadsTo = Sow<I, false>(lo, hi, n);
    if (leadsTo & kLandsInOwnStore) {
      // Extra turn: the mover moves again from this position; the opponent's
      // replies to it follow below all the same.
      AnyStep(lo, hi, FreeExtraTurn ? plies : plies - 1, t);
    }
    const u64 row1 = lo & kRow1Mask;
    const u64 row2 = hi & kRow2Mask;
    int store7 = static_cast<int>(lo >> 56);
    int store14 = static_cast<int>((hi >> 48) & 0xFF);
    if (row1 == 0 || row2 == 0) {
      // A side is empty: each row goes to its own store, the line ends here
      // and is scored.
      store7 += static_cast<int>(ByteSum(row1));
      store14 += static_cast<int>(ByteSum(row2));
      t.score += store14 - store7;
      return true;
    }
    decided = decided || store7 > t.decidedAbove || store14 > t.decidedAbove;
    if (decided) t.score += store14 - store7;
    Other::AnyStep(lo, hi, plies - 1, t);
    return decided;
  }

  // The step at the depth limit: no reply follows any move and, below
  // Level 4, no extra turn either. An empty pit runs through the same code
  // (its table entry changes nothing) but neither counts nor scores.
  VELLORU_NOINLINE static void LastPly(u64 lo, u64 hi, Tally& t) {
    bool decided = false;
    [&]<int... I>(std::integer_sequence<int, I...>) {
      ((fw::RuntimeBackgroundTask(), decided = LastPlyPit<I>(lo, hi, decided, t)), ...);
    }(std::make_integer_sequence<int, 6>{});
  }

  template <int I>
  VELLORU_ALWAYS_INLINE static bool LastPlyPit(u64 lo, u64 hi, bool decided, Tally& t) {
    const auto n = static_cast<unsigned>(((Mover == 2 ? hi : lo) >> OwnPitShift(I)) & 0xFF);
    const bool played = n != 0;
    const unsigned leadsTo = Sow<I, !FreeExtraTurn>(lo, hi, n);
    if constexpr (FreeExtraTurn) {
      if (leadsTo & kLandsInOwnStore) LastPly(lo, hi, t);
    }
    const u64 row1 = lo & kRow1Mask;
    const u64 row2 = hi & kRow2Mask;
    const int store7 = static_cast<int>(lo >> 56);
    const int store14 = static_cast<int>((hi >> 48) & 0xFF);
    const bool sideEmpty = (row1 == 0) | (row2 == 0);
    const int swept = (store14 + static_cast<int>(ByteSum(row2))) - (store7 + static_cast<int>(ByteSum(row1)));
    const int score = sideEmpty ? swept : store14 - store7;
    const bool nowDecided = decided | sideEmpty | (store7 > t.decidedAbove) | (store14 > t.decidedAbove);
    decided = played ? nowDecided : decided;
    t.moves += played;
    t.score += (played & decided) ? score : 0;
    return decided;
  }

  // The pits one at a time, for the top call.
  using TryPitFn = bool (*)(u64, u64, int, bool, Tally&);
  static constexpr TryPitFn kTryPit[6] = {&TryPit<0>, &TryPit<1>, &TryPit<2>,
                                          &TryPit<3>, &TryPit<4>, &TryPit<5>};
  template <int I>
  static bool LastPlyTopPit(u64 lo, u64 hi, int /*plies*/, bool decided, Tally& t) {
    return LastPlyPit<I>(lo, hi, decided, t);
  }
  static constexpr TryPitFn kLastPlyPit[6] = {&LastPlyTopPit<0>, &LastPlyTopPit<1>, &LastPlyTopPit<2>,
                                              &LastPlyTopPit<3>, &LastPlyTopPit<4>, &LastPlyTopPit<5>};
};

struct PackedBoard {
  u64 lo;
  u64 hi;
};

PackedBoard Pack(const std::array<int, 16>& holes) {
  PackedBoard b{0, 0};
  int total = 0;
  for (int h = 1; h <= 14; ++h) {
    const int n = holes[static_cast<std::size_t>(h)];
    if (n < 0 || n > kMaxGems || (total += n) > kMaxGems) {
      throw std::invalid_argument("ComputerSearch: a hole count is negative or the board holds more than 255 gems");
    }
    if (h <= 7) {
      b.lo |= static_cast<u64>(n) << (8 * h);
    } else {
      b.hi |= static_cast<u64>(n) << (8 * (h - 8));
    }
  }
  return b;
}

}  // namespace

ComputerSearch::ComputerSearch(std::array<double, 16>& pitScore, std::array<double, 16>& playCounts,
                               int& currentDepth)
    : pitScore_(pitScore), playCounts_(playCounts), currentDepth_(currentDepth) {}

void ComputerSearch::SetSettings(const Settings& settings) { settings_ = settings; }

void ComputerSearch::SetProgressCallback(std::function<void()> cb) { progress_ = std::move(cb); }

void ComputerSearch::DoP2(const std::array<int, 16>& holes, int rootPit) {
  if (rootPit != 0 && (rootPit < 8 || rootPit > 13)) {
    throw std::invalid_argument("ComputerSearch::DoP2: rootPit must be 0 or 8 to 13");
  }
  Search(2, holes, rootPit);
}

void ComputerSearch::DoP1(const std::array<int, 16>& holes, int rootPit) {
  if (rootPit < 8 || rootPit > 13) {
    throw std::invalid_argument("ComputerSearch::DoP1: rootPit must be 8 to 13");
  }
  Search(1, holes, rootPit);
}

namespace {

template <bool FreeExtraTurn, bool LeaveGem>
struct Runner {
  template <int Mover>
  using K = Kernel<Mover, FreeExtraTurn, LeaveGem>;

  // The top call: each computer pit begins its own line, the progress
  // callback runs before each pit, and the results of a pit are in the arrays
  // before the next pit's callback.
  static void Top(const PackedBoard& b, int plies, int decidedAbove, std::array<double, 16>& pitScore,
                  std::array<double, 16>& playCounts, const std::function<void()>& progress) {
    bool decided = false;
    for (int i = 0; i < 6; ++i) {
      fw::RuntimeBackgroundTask();
      if (progress) progress();
      Tally t{decidedAbove};
      decided = plies == 1 ? K<2>::kLastPlyPit[i](b.lo, b.hi, plies, decided, t)
                           : K<2>::kTryPit[i](b.lo, b.hi, plies, decided, t);
      if (t.moves > 0) {
        const auto r = static_cast<std::size_t>(8 + i);
        playCounts[r] += static_cast<double>(t.moves);
        pitScore[r] += static_cast<double>(t.score);
      }
    }
  }

  static Tally Line(int mover, const PackedBoard& b, int plies, int decidedAbove) {
    Tally t{decidedAbove};
    if (mover == 2) {
      K<2>::AnyStep(b.lo, b.hi, plies, t);
    } else {
      K<1>::AnyStep(b.lo, b.hi, plies, t);
    }
    return t;
  }
};

}  // namespace

void ComputerSearch::Search(int mover, const std::array<int, 16>& holes, int rootPit) {
  const PackedBoard board = Pack(holes);
  const int entryDepth = currentDepth_;
  const long long ply = static_cast<long long>(entryDepth) + 1;  // the ply this step runs at
  if (ply > settings_.clevel) return;
  const long long pliesLeft = static_cast<long long>(settings_.clevel) - ply + 1;
  const int plies = pliesLeft > INT_MAX ? INT_MAX : static_cast<int>(pliesLeft);

  // A store holding more than 6 x GemCount - 1 gems decides the line; stores
  // hold 0 to 255, so the bound is clamped to that range.
  long long above = 6LL * settings_.GemCount - 1;
  if (above < -1) above = -1;
  if (above > kMaxGems) above = kMaxGems;
  const int decidedAbove = static_cast<int>(above);

  const bool freeExtraTurn = settings_.myLevel > 3;
  const bool leave = settings_.LeaveGem;

  if (mover == 2 && rootPit == 0) {
    // The top call runs at its ply while the progress callback is told.
    struct RestoreDepth {
      int& depth;
      int value;
      ~RestoreDepth() { depth = value; }
    } restore{currentDepth_, entryDepth};
    currentDepth_ = static_cast<int>(ply);
    if (freeExtraTurn) {
      if (leave) {
        Runner<true, true>::Top(board, plies, decidedAbove, pitScore_, playCounts_, progress_);
      } else {
        Runner<true, false>::Top(board, plies, decidedAbove, pitScore_, playCounts_, progress_);
      }
    } else {
      if (leave) {
        Runner<false, true>::Top(board, plies, decidedAbove, pitScore_, playCounts_, progress_);
      } else {
        Runner<false, false>::Top(board, plies, decidedAbove, pitScore_, playCounts_, progress_);
      }
    }
    return;
  }

  Tally t{decidedAbove};
  if (freeExtraTurn) {
    t = leave ? Runner<true, true>::Line(mover, board, plies, decidedAbove)
              : Runner<true, false>::Line(mover, board, plies, decidedAbove);
  } else {
    t = leave ? Runner<false, true>::Line(mover, board, plies, decidedAbove)
              : Runner<false, false>::Line(mover, board, plies, decidedAbove);
  }
  if (t.moves > 0) {
    const auto r = static_cast<std::size_t>(rootPit);
    playCounts_[r] += static_cast<double>(t.moves);
    pitScore_[r] += static_cast<double>(t.score);
  }
}

int ComputerSearch::ChoosePit(const std::array<int, 16>& pitsCount) {
  Pack(pitsCount);  // refuse an impossible board before anything changes
  for (std::size_t i = 8; i <= 13; ++i) {
    pitScore_[i] = 0;
    playCounts_[i] = 0;
  }
  currentDepth_ = 0;
  DoP2(pitsCount, 0);

  // Ratings: the sum over the count, truncated toward zero. A pit without a
  // simulated move is empty and keeps no rating.
  for (std::size_t i = 8; i <= 13; ++i) {
    if (playCounts_[i] > 0) {
      const auto sum = static_cast<std::int64_t>(pitScore_[i]);
      const auto count = static_cast<std::int64_t>(playCounts_[i]);
      pitScore_[i] = static_cast<double>(sum / count);
    }
  }

  // The highest rating of a non-empty pit, the lower pit on equal ratings.
  int chosen = 0;
  pitScore_[0] = -200000;
  for (int i = 8; i <= 13; ++i) {
    const auto h = static_cast<std::size_t>(i);
    if (pitScore_[static_cast<std::size_t>(chosen)] < pitScore_[h] && pitsCount[h] > 0) chosen = i;
  }
  return chosen;
}
