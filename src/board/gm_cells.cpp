#include "board/gm_cells.h"

#include <bitset>
#include <optional>

TGmCells::TGmCells() { cells_.fill(CellEmpty); }

uint8_t TGmCells::GetCell(int32_t Row, int32_t Col) const {
  return IsOnBoard(Row, Col) ? cells_[CellIndex(Row, Col)] : CellEmpty;
}

void TGmCells::SetCell(int32_t Row, int32_t Col, uint8_t Code) {
  if (!IsOnBoard(Row, Col)) return;
  uint8_t& cell = cells_[CellIndex(Row, Col)];
  if (cell == CellEmpty && Code != CellEmpty) ++FilledCount;
  if (cell != CellEmpty && Code == CellEmpty) --FilledCount;
  cell = Code;
}

bool TGmCells::IsBlocked(int32_t Row, int32_t Col) const {
  return !IsOnBoard(Row, Col) || cells_[CellIndex(Row, Col)] != CellEmpty;
}

int32_t TGmCells::FindFullRow() const {
  for (int32_t row = 0; row < BoardRows; ++row) {
    int32_t col = 0;
    while (col < BoardCols && IsPlainGem(cells_[CellIndex(row, col)])) ++col;
    if (col == BoardCols) return row;
  }
  return -1;
}

void TGmCells::RemoveRow(int32_t Row) {
  if (Row < 0 || Row >= BoardRows) return;
  for (int32_t col = 0; col < BoardCols; ++col) {
    RemovedCells.push_back(MakeGmPoint(Row, col));
    SetCell(Row, col, CellEmpty);
  }
}

void TGmCells::RefillRemoved() {
  for (const TGmPoint& point : RemovedCells) Refill(point);
  RemovedCells.clear();
}

std::optional<TGmPoint> TGmCells::FirstOccupiedSource(const TGmPoint& Point) const {
  for (int32_t k = 0; k < MoveMatrix.SourceCount(Point.Row, Point.Col); ++k) {
    const TGmPoint source = MoveMatrix.SourceAt(Point.Row, Point.Col, k);
    if (GetCell(source.Row, source.Col) != CellEmpty) return source;
  }
  return std::nullopt;
}

std::optional<TGmPoint> TGmCells::FirstEmptyTarget(const TGmPoint& Point) const {
  for (int32_t k = 0; k < MoveMatrix.TargetCount(Point.Row, Point.Col); ++k) {
    const TGmPoint target = MoveMatrix.TargetAt(Point.Row, Point.Col, k);
    if (IsOnBoard(target) && GetCell(target.Row, target.Col) == CellEmpty) return target;
  }
  return std::nullopt;
}

// The hole walks up the chain of sources: each cell takes the gem of its first occupied
// source, and the hole moves there. When every source is empty the cell stays empty and the
// hole moves to the first source anyway, so gems further up still shift by one.
// On a cycle in the flow the hole would go round for ever; instead a cell the hole reaches a
// second time is treated like a cell without sources: it is emptied and the walk ends. No gem
// is made or lost by this, and the walk takes at most 216 steps on any flow.
void TGmCells::Refill(const TGmPoint& Point) {
  std::bitset<BoardCellCount> visited;
  TGmPoint hole = Point;
  while (IsOnBoard(hole) && !visited.test(CellIndex(hole)) && MoveMatrix.SourceCount(hole.Row, hole.Col) > 0) {
    visited.set(CellIndex(hole));
    const TGmPoint next = FirstOccupiedSource(hole).value_or(MoveMatrix.SourceAt(hole.Row, hole.Col, 0));
    SetCell(hole.Row, hole.Col, GetCell(next.Row, next.Col));
    hole = next;
  }
  SetCell(hole.Row, hole.Col, CellEmpty);
}

// On a cycle of targets the gem would circle for ever through empty cells; it never enters a
// cell it has already left during this slide and stops where it is instead.
void TGmCells::SlideDown(TGmPoint& Point) {
  if (!IsOnBoard(Point)) return;
  std::bitset<BoardCellCount> visited;
  visited.set(CellIndex(Point));
  while (const std::optional<TGmPoint> target = FirstEmptyTarget(Point)) {
    if (visited.test(CellIndex(*target))) break;
    SetCell(target->Row, target->Col, GetCell(Point.Row, Point.Col));
    SetCell(Point.Row, Point.Col, CellEmpty);
    Point = *target;
    visited.set(CellIndex(Point));
  }
}

void TGmCells::ClearCells() {
  for (int32_t row = 0; row < BoardRows; ++row)
    for (int32_t col = 0; col < BoardCols; ++col) SetCell(row, col, CellEmpty);
  RemovedCells.clear();
}

bool TGmCells::FindNth(bool occupied, int32_t Index, int32_t& Row, int32_t& Col) const {
  int32_t seen = 0;
  for (int32_t row = 0; row < BoardRows; ++row) {
    for (int32_t col = 0; col < BoardCols; ++col) {
      if ((cells_[CellIndex(row, col)] != CellEmpty) != occupied) continue;
      if (seen == Index) {
        Row = row;
        Col = col;
        return true;
      }
      ++seen;
    }
  }
  return false;
}

bool TGmCells::FindFilled(int32_t Index, int32_t& Row, int32_t& Col) const {
  if (Index > FilledCount - 1) return false;
  return FindNth(true, Index, Row, Col);
}

bool TGmCells::FindEmpty(int32_t Index, int32_t& Row, int32_t& Col) const {
  if (Index > BoardCellCount - 1 - FilledCount) return false;
  return FindNth(false, Index, Row, Col);
}

void TGmCells::LoadFromStream(std::istream& Stream) {
  for (uint8_t& cell : cells_) {
    char byte;
    if (!Stream.get(byte)) break;
    cell = static_cast<uint8_t>(byte);
  }
  FilledCount = 0;
  for (uint8_t cell : cells_)
    if (cell != CellEmpty) ++FilledCount;
}

void TGmCells::SaveToStream(std::ostream& Stream) const {
  Stream.write(reinterpret_cast<const char*>(cells_.data()), static_cast<std::streamsize>(cells_.size()));
}
