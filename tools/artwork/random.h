#pragma once

#include <cmath>
#include <cstdint>

namespace artwork {

// A small generator of our own (SplitMix64), so that every picture and every
// sound comes out the same on every build and every machine: the standard
// library's distributions are free to differ between implementations.
class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed) {}

  std::uint64_t next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }

  // Uniform in [0, 1), from the top 53 bits.
  double unit() { return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0); }

  // Uniform in [lo, hi).
  double range(double lo, double hi) { return lo + (hi - lo) * unit(); }

  // Uniform integer in [lo, hi], both ends included.
  int between(int lo, int hi) {
    const std::uint64_t span = static_cast<std::uint64_t>(hi - lo) + 1u;
    return lo + static_cast<int>(next() % span);
  }

  bool chance(double p) { return unit() < p; }

 private:
  std::uint64_t state_;
};

// Hash of a lattice point, the ground of the value noise below.
inline std::uint32_t hashPoint(std::int32_t x, std::int32_t y, std::uint32_t seed) {
  std::uint32_t h = seed * 0x27D4EB2Du;
  h ^= static_cast<std::uint32_t>(x) * 0x85EBCA6Bu;
  h = (h << 13) | (h >> 19);
  h ^= static_cast<std::uint32_t>(y) * 0xC2B2AE35u;
  h ^= h >> 16;
  h *= 0x7FEB352Du;
  h ^= h >> 15;
  h *= 0x846CA68Bu;
  h ^= h >> 16;
  return h;
}

inline double latticeValue(std::int32_t x, std::int32_t y, std::uint32_t seed) {
  return static_cast<double>(hashPoint(x, y, seed) >> 8) * (1.0 / 16777216.0);
}

// Smooth value noise in [0, 1].
inline double valueNoise(double x, double y, std::uint32_t seed) {
  const double fx = std::floor(x);
  const double fy = std::floor(y);
  const auto ix = static_cast<std::int32_t>(fx);
  const auto iy = static_cast<std::int32_t>(fy);
  double tx = x - fx;
  double ty = y - fy;
  tx = tx * tx * tx * (tx * (tx * 6.0 - 15.0) + 10.0);
  ty = ty * ty * ty * (ty * (ty * 6.0 - 15.0) + 10.0);
  const double a = latticeValue(ix, iy, seed);
  const double b = latticeValue(ix + 1, iy, seed);
  const double c = latticeValue(ix, iy + 1, seed);
  const double d = latticeValue(ix + 1, iy + 1, seed);
  const double top = a + (b - a) * tx;
  const double bottom = c + (d - c) * tx;
  return top + (bottom - top) * ty;
}

// Fractal sum of value noise, normalised to [0, 1].
inline double fractalNoise(double x, double y, std::uint32_t seed, int octaves = 4,
                           double gain = 0.5) {
  double sum = 0.0;
  double amplitude = 1.0;
  double total = 0.0;
  for (int i = 0; i < octaves; ++i) {
    sum += amplitude * valueNoise(x, y, seed + static_cast<std::uint32_t>(i) * 1013u);
    total += amplitude;
    amplitude *= gain;
    x = x * 2.03 + 17.1;
    y = y * 2.03 + 5.3;
  }
  return sum / total;
}

}  // namespace artwork
