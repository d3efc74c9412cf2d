#pragma once
// Steering the held set from the keyboard: where a set starts when no pointer leads it, where
// one press of an arrow key takes the set's anchor, and when the pointer takes the set back.
//
// Left and right step along the row; up and down go to the row above or below at the same
// column index, so that repeated presses keep to the column, zigzagging by half a cell as the
// odd rows are shifted. A step is taken only where every gem of the set lies on the board: up
// or down, the row's other neighbour is tried instead, so that a set at the side of the board
// goes on zigzagging along it; otherwise the set stays. A set that hangs partly off the board
// (turned at the edge, brought there by the pointer, or a new shape dealt there) goes to the
// neighbour pressed if it lies whole there; otherwise any arrow brings it whole onto the board
// by the smallest move, and of moves as small, by the one that goes furthest the way pressed.
// A set the keys hold and turn over an edge comes whole onto the board the same way.

#include <cstdint>

#include "board/gm_cells.h"
#include "board/gm_point.h"
#include "board/hex_geometry.h"
#include "play/held_set.h"

enum class TKeyStep : uint8_t { Left, Right, Up, Down };

// The anchor after one step of the set; where the anchor lies off the board, the nearest cell
// of the board is taken first.
TGmPoint SteppedAnchor(const THeldSet& Set, TKeyStep Step);

// The anchor itself where the whole set lies on the board; else the nearest anchor where it
// does (of anchors as near, the first in reading order).
TGmPoint WholeAnchor(const THeldSet& Set);

// Where a set starts when the pointer does not lead it (a level begun from the keys): as high
// as it can drop, that is in the topmost row of anchors where every gem lands on a free cell,
// and within that row with the set's middle nearest the middle of the board (the left place of
// two as near). Where it can drop nowhere, the same search asks only that it lie whole on the
// board.
TGmPoint StartAnchor(const THeldSet& Set, const TGmCells& Board);

// Keys take the set away from the pointer until the pointer really moves: window systems also
// report the pointer where it already was (a window shown or raised, a stage changed).
class TPointerHold {
 public:
  void KeysSteered() { steering_ = true; }
  bool Steering() const { return steering_; }
  // The pointer reported at At; true when the set follows it. While keys steer, the first
  // report only tells where the pointer is.
  bool Follows(TPointF At);

 private:
  bool steering_ = false;
  bool known_ = false;
  TPointF last_;
};
