#pragma once
// The set the player holds: a few gems, each at an offset from the set's anchor, and the board
// cell the anchor lies over. Offsets follow the set's own grid (board/hex_geometry.h), so the
// cell under a gem is where the gem's picture lands when the anchor's picture sits on its cell.

#include <cstdint>
#include <vector>

#include "board/gm_point.h"

// Turns of 60 degrees that go once round.
inline constexpr int32_t TurnsPerCircle = 6;

struct THeldGem {
  TGmPoint Cell;
  uint8_t Code;
};

class THeldSet {
 public:
  // The gems of a shape of the table, unturned; no gems for an index outside the table.
  static THeldSet FromShape(int32_t Shape);

  // One step of 60 degrees anticlockwise on screen about the anchor; six steps go round.
  void Turn();
  // The board cell under gem Index with the anchor over Anchor.
  TGmPoint CellOf(int32_t Index) const;
  // The gems where they would land: board cells and codes, in the set's order.
  std::vector<THeldGem> Landing() const;
  int32_t Count() const { return static_cast<int32_t>(Gems.size()); }

  // Offsets from the anchor (in Cell) and codes.
  std::vector<THeldGem> Gems;
  TGmPoint Anchor{0, 0};
  // Steps turned since the set was dealt, 0..5.
  int32_t Turns = 0;
};
