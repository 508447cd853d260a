#pragma once

// The board: holes 1 to 14. Holes 1-6 are player 1's pits and 7 its store;
// holes 8-13 are player 2's pits and 14 its store. On screen they run
// clockwise: pits 1-6 along the top from the left, store 7 on the right,
// pits 8-13 along the bottom from the right, store 14 on the left.
namespace Board {

constexpr int kHoles = 14;
constexpr int kStore1 = 7;
constexpr int kStore2 = 14;

// The pit facing pit h across the board.
constexpr int Opposite(int h) { return 14 - h; }

// The hole that receives the next gem after hole h when mover sows: the
// mover's own store is included, the opponent's store is skipped.
constexpr int NextHole(int h, int mover) {
  int n = h + 1;
  if (n == 7 && mover == 2) n = 8;
  if (n == 14 && mover == 1) n = 15;
  if (n > 14) n = 1;
  return n;
}

constexpr bool IsPit(int h) { return (h >= 1 && h <= 6) || (h >= 8 && h <= 13); }
constexpr bool IsHole(int h) { return h >= 1 && h <= 14; }

}  // namespace Board
