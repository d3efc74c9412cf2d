#include "play/key_steps.h"

#include <algorithm>

#include "board/hex_grid.h"

namespace {
int32_t GemsOffBoard(THeldSet Set, TGmPoint Anchor) {
  Set.Anchor = Anchor;
  int32_t off = 0;
  for (int32_t i = 0; i < Set.Count(); ++i)
    if (!IsOnBoard(Set.CellOf(i))) ++off;
  return off;
}

// The cell a step goes to: along the row, or the neighbour at the same column index in the
// row above or below. Other is that row's other neighbour (or At itself along the row).
TGmPoint Neighbour(TGmPoint At, TKeyStep Step, bool Other = false) {
  const int32_t otherCol = IsOddRow(At.Row) ? At.Col + 1 : At.Col - 1;
  const int32_t col = Other ? otherCol : At.Col;
  switch (Step) {
    case TKeyStep::Left: return Other ? At : TGmPoint{At.Row, At.Col - 1};
    case TKeyStep::Right: return Other ? At : TGmPoint{At.Row, At.Col + 1};
    case TKeyStep::Up: return {At.Row - 1, col};
    case TKeyStep::Down: return {At.Row + 1, col};
  }
  return At;
}
}  // namespace

TGmPoint SteppedAnchor(const THeldSet& Set, TKeyStep Step) {
  const TGmPoint from{std::clamp(Set.Anchor.Row, 0, BoardRows - 1), std::clamp(Set.Anchor.Col, 0, BoardCols - 1)};
  const int32_t offNow = GemsOffBoard(Set, from);
  for (bool other : {false, true}) {
    const TGmPoint to = Neighbour(from, Step, other);
    if (IsOnBoard(to) && GemsOffBoard(Set, to) <= offNow) return to;
  }
  return from;
}

bool TPointerHold::Follows(TPointF At) {
  const bool moved = known_ && At != last_;
  known_ = true;
  last_ = At;
  if (moved) steering_ = false;
  return !steering_;
}
