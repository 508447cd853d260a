#include "framework/Microseconds.h"

#include <chrono>
#include <utility>

#include "framework/BackgroundTask.h"

namespace fw {
namespace {
std::function<double()>& TestClock() {
  static std::function<double()> clock;
  return clock;
}
}  // namespace

namespace detail {
bool clockPolled = false;
}

double Microseconds() {
  // A loop that reads the clock is waiting: let the next background task
  // call serve the window system, and sleep a little, instead of spinning.
  detail::clockPolled = true;
  detail::backgroundCountdown = 0;
  if (TestClock()) return TestClock()();
  using namespace std::chrono;
  return static_cast<double>(
      duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count());
}

void SetClockForTesting(std::function<double()> clock) { TestClock() = std::move(clock); }

bool UsingTestClock() { return static_cast<bool>(TestClock()); }

}  // namespace fw
