// A move on the real clock: its length and what it costs the processor.
// Slow, so it runs only when asked for:
//   VELLORU_SLOW_TESTS=1 ./bin/velloru_tests --gtest_filter='SlowTiming.*'
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <chrono>
#include <cstdlib>

#include "GameTestSupport.h"

namespace {

double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

class SlowTiming : public GameTest {
 protected:
  void SetUp() override {
    if (std::getenv("VELLORU_SLOW_TESTS") == nullptr) GTEST_SKIP() << "set VELLORU_SLOW_TESTS=1 to run";
    GameTest::SetUp();
    fw::SetClockForTesting(nullptr);
  }
};

}  // namespace

TEST_F(SlowTiming, AFourGemMoveLastsTwoSecondsAndBarelyUsesTheProcessor) {
  const auto start = std::chrono::steady_clock::now();
  const double cpuStart = CpuSeconds();
  W().DoPlay(2, false);
  const double cpu = CpuSeconds() - cpuStart;
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("move: %.3f s wall, %.3f s processor (%.1f%% of one core)\n", seconds, cpu, 100 * cpu / seconds);
  EXPECT_GE(seconds, 2.0);
  EXPECT_LT(seconds, 2.3);
  EXPECT_LT(cpu / seconds, 0.05);
}
