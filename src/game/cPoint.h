#pragma once

#include <cstdint>

// The top-left corner, in a store canvas's pixels, at which one gem picture
// is drawn inside that store.
class cPoint {
 public:
  std::int32_t X = 0;
  std::int32_t Y = 0;
};
