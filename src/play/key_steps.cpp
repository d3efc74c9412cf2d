#include "play/key_steps.h"

#include <algorithm>
#include <optional>

#include "board/hex_grid.h"

namespace {
// Where a cell's reference point lies across the field, in half cells: odd rows sit half a cell
// to the right (row -1 to the left, as the grid draws it).
int32_t HalfCellsAcross(TGmPoint At) { return 2 * At.Col + At.Row % 2; }

// How far apart two cells' reference points lie, squared, in quarters of the hexagon size
// squared: half a cell across is sqrt(3)/2 of the size and a row is 3/2, so neighbours all
// lie 12 apart.
int32_t DistanceSquared(TGmPoint A, TGmPoint B) {
  const int32_t across = HalfCellsAcross(A) - HalfCellsAcross(B);
  const int32_t down = A.Row - B.Row;
  return 3 * across * across + 9 * down * down;
}

// How far To lies from From the way of the step (in half cells across, rows up or down).
int32_t Progress(TGmPoint To, TGmPoint From, TKeyStep Step) {
  const int32_t across = HalfCellsAcross(To) - HalfCellsAcross(From);
  const int32_t down = To.Row - From.Row;
  switch (Step) {
    case TKeyStep::Left: return -across;
    case TKeyStep::Right: return across;
    case TKeyStep::Up: return -down;
    case TKeyStep::Down: return down;
  }
  return 0;
}

// Whether the anchor and every gem lie on the board with the anchor At; leaves Set there.
bool WholeOnBoard(THeldSet& Set, TGmPoint At) {
  if (!IsOnBoard(At)) return false;
  Set.Anchor = At;
  for (int32_t i = 0; i < Set.Count(); ++i)
    if (!IsOnBoard(Set.CellOf(i))) return false;
  return true;
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
  THeldSet placed = Set;
  const TGmPoint from{std::clamp(Set.Anchor.Row, 0, BoardRows - 1), std::clamp(Set.Anchor.Col, 0, BoardCols - 1)};
  for (bool other : {false, true}) {
    const TGmPoint to = Neighbour(from, Step, other);
    if (WholeOnBoard(placed, to)) return to;
  }
  if (WholeOnBoard(placed, from)) return from;
  // Partly off the board: in by the smallest move, and of moves as small, the one that goes
  // furthest the way pressed.
  const auto nearer = [&](TGmPoint a, TGmPoint b) {
    const int32_t da = DistanceSquared(a, from), db = DistanceSquared(b, from);
    return da != db ? da < db : Progress(a, from, Step) > Progress(b, from, Step);
  };
  std::optional<TGmPoint> best;
  for (int32_t row = 0; row < BoardRows; ++row)
    for (int32_t col = 0; col < BoardCols; ++col) {
      const TGmPoint at{row, col};
      if (WholeOnBoard(placed, at) && (!best || nearer(at, *best))) best = at;
    }
  return best.value_or(from);
}

bool TPointerHold::Follows(TPointF At) {
  const bool moved = known_ && At != last_;
  known_ = true;
  last_ = At;
  if (moved) steering_ = false;
  return !steering_;
}
