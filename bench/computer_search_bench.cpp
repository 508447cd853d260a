// Times the computer's whole search (ChoosePit) from the opening, for every
// level and every gem count, "Leave Capturing Gem" off. The counter
// "moves/s" is the number of simulated moves (the sum of PlayCounts 8..13)
// per second of search; "moves" is that number for one search.

#include <benchmark/benchmark.h>

#include <array>

#include "game/ComputerSearch.h"

namespace {

void BM_ChoosePitFromOpening(benchmark::State& state) {
  static constexpr int kDepth[5] = {0, 3, 5, 8, 6};
  const int level = static_cast<int>(state.range(0));
  const int gems = static_cast<int>(state.range(1));

  std::array<int, 16> board{};
  for (int h = 1; h <= 14; ++h) board[h] = (h == 7 || h == 14) ? 0 : gems;

  std::array<double, 16> pitScore{};
  std::array<double, 16> playCounts{};
  int currentDepth = 0;
  ComputerSearch search(pitScore, playCounts, currentDepth);
  search.SetSettings({kDepth[level], level, gems, false});

  double moves = 0;
  for (auto _ : state) {
    int pit = search.ChoosePit(board);
    benchmark::DoNotOptimize(pit);
    moves = 0;
    for (int i = 8; i <= 13; ++i) moves += playCounts[i];
  }
  state.counters["moves"] = moves;
  state.counters["moves/s"] = benchmark::Counter(moves, benchmark::Counter::kIsIterationInvariantRate);
}

BENCHMARK(BM_ChoosePitFromOpening)
    ->ArgNames({"level", "gems"})
    ->ArgsProduct({{1, 2, 3, 4}, {3, 4, 5, 6}})
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
