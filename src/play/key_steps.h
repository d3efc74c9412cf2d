#pragma once
// Steering the held set from the keyboard: where one press of an arrow key takes the set's
// anchor, and when the pointer takes the set back.
//
// Left and right step along the row; up and down go to the row above or below at the same
// column index, so that repeated presses keep to the column, zigzagging by half a cell as the
// odd rows are shifted. The anchor stays on the board, and a step that would leave more of the
// set's gems off the board than before is not taken: up or down, the other neighbour in that
// row is tried instead, so that a set at the side of the board goes on zigzagging along it. A
// set that hangs partly off the board (turned at the edge, or brought there by the pointer) can
// still step back in or along.

#include <cstdint>

#include "board/gm_point.h"
#include "board/hex_geometry.h"
#include "play/held_set.h"

enum class TKeyStep : uint8_t { Left, Right, Up, Down };

// The anchor after one step of the set; where the anchor lies off the board, the nearest cell
// of the board is taken first.
TGmPoint SteppedAnchor(const THeldSet& Set, TKeyStep Step);

// Keys take the set away from the pointer until the pointer really moves: window systems also
// report the pointer where it already was (a window shown or raised, a stage changed).
class TPointerHold {
 public:
  void KeysSteered() { steering_ = true; }
  // The pointer reported at At; true when the set follows it. While keys steer, the first
  // report only tells where the pointer is.
  bool Follows(TPointF At);

 private:
  bool steering_ = false;
  bool known_ = false;
  TPointF last_;
};
