#pragma once

#include <functional>

namespace fw {

// Microseconds since an arbitrary start, from a monotonic clock.
double Microseconds();

// Replaces the clock for tests; an empty function restores the real clock.
// A replacement clock never makes the background task sleep, so a test that
// advances its clock on every reading plays a whole animated game in
// milliseconds.
void SetClockForTesting(std::function<double()> clock);
bool UsingTestClock();

}  // namespace fw
