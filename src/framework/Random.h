#pragma once

#include <cstdint>
#include <random>

namespace fw {

// A random number generator; a new one is seeded from the system's entropy.
class Random {
 public:
  Random();
  explicit Random(std::uint32_t seed);
  // A whole number from low to high, both included.
  int InRange(int low, int high);

 private:
  std::mt19937 engine_;
};

}  // namespace fw
