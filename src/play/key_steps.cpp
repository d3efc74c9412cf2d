#include "play/key_steps.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

#include "board/hex_grid.h"

namespace {
// Where a cell's reference point lies across the field, in half cells: odd rows sit half a cell
// to the right (row -1 to the left, as the grid draws it).
int32_t HalfCellsAcross(TGmPoint At) { return 2 * At.Col + At.Row % 2; }

// The rightmost reference point of the board (an odd row's last cell), in half cells: the
// board's middle lies half way to it.
constexpr int32_t BoardAcross = 2 * (BoardCols - 1) + 1;

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

// Whether the set could drop with the anchor At: the anchor on the board, every gem on a free
// cell.
bool LandsFree(THeldSet& Set, TGmPoint At, const TGmCells& Board) {
  if (!IsOnBoard(At)) return false;
  Set.Anchor = At;
  for (int32_t i = 0; i < Set.Count(); ++i) {
    const TGmPoint cell = Set.CellOf(i);
    if (Board.IsBlocked(cell.Row, cell.Col)) return false;
  }
  return true;
}

// How far the set's middle lies from the board's, with the set where WholeOnBoard or
// LandsFree left it (in units that only compare).
int32_t OffMiddle(const THeldSet& Set) {
  int32_t across = 0;
  for (int32_t i = 0; i < Set.Count(); ++i) across += HalfCellsAcross(Set.CellOf(i));
  return std::abs(2 * across - BoardAcross * Set.Count());
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

namespace {
// Where a set partly off the board comes whole onto it from From: by the smallest move, and of
// moves as small, by the one that goes furthest Way (the first in reading order without one).
TGmPoint NearestWholeAnchor(THeldSet Set, TGmPoint From, std::optional<TKeyStep> Way) {
  const auto nearer = [&](TGmPoint a, TGmPoint b) {
    const int32_t da = DistanceSquared(a, From), db = DistanceSquared(b, From);
    return da != db ? da < db : Way && Progress(a, From, *Way) > Progress(b, From, *Way);
  };
  std::optional<TGmPoint> best;
  for (int32_t row = 0; row < BoardRows; ++row)
    for (int32_t col = 0; col < BoardCols; ++col) {
      const TGmPoint at{row, col};
      if (WholeOnBoard(Set, at) && (!best || nearer(at, *best))) best = at;
    }
  return best.value_or(From);
}

TGmPoint ClampedAnchor(const THeldSet& Set) {
  return {std::clamp(Set.Anchor.Row, 0, BoardRows - 1), std::clamp(Set.Anchor.Col, 0, BoardCols - 1)};
}
}  // namespace

TGmPoint SteppedAnchor(const THeldSet& Set, TKeyStep Step) {
  THeldSet placed = Set;
  const TGmPoint from = ClampedAnchor(Set);
  for (bool other : {false, true}) {
    const TGmPoint to = Neighbour(from, Step, other);
    if (WholeOnBoard(placed, to)) return to;
  }
  if (WholeOnBoard(placed, from)) return from;
  return NearestWholeAnchor(placed, from, Step);
}

TGmPoint WholeAnchor(const THeldSet& Set) {
  THeldSet placed = Set;
  if (WholeOnBoard(placed, Set.Anchor)) return Set.Anchor;
  return NearestWholeAnchor(placed, ClampedAnchor(Set), std::nullopt);
}

TGmPoint StartAnchor(const THeldSet& Set, const TGmCells& Board) {
  THeldSet placed = Set;
  for (bool mustDrop : {true, false})
    for (int32_t row = 0; row < BoardRows; ++row) {
      std::optional<TGmPoint> best;
      int32_t bestOff = 0;
      for (int32_t col = 0; col < BoardCols; ++col) {
        const TGmPoint at{row, col};
        if (!(mustDrop ? LandsFree(placed, at, Board) : WholeOnBoard(placed, at))) continue;
        const int32_t off = OffMiddle(placed);
        if (!best || off < bestOff) {
          best = at;
          bestOff = off;
        }
      }
      if (best) return *best;
    }
  return Set.Anchor;
}

bool TPointerHold::Follows(TPointF At) {
  const bool moved = known_ && At != last_;
  known_ = true;
  last_ = At;
  if (moved) steering_ = false;
  return !steering_;
}
