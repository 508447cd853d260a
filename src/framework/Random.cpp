#include "framework/Random.h"

#include <utility>

namespace fw {

Random::Random() : engine_(std::random_device{}()) {}

Random::Random(std::uint32_t seed) : engine_(seed) {}

int Random::InRange(int low, int high) {
  if (high < low) std::swap(low, high);
  return std::uniform_int_distribution<int>(low, high)(engine_);
}

}  // namespace fw
