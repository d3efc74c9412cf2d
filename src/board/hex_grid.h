#pragma once
// The 18 x 12 board of pointy-topped hexagons: its size, the neighbour rule (odd rows sit half
// a cell to the right) and the six directions between neighbours that the flow arrows show.

#include <cstdint>
#include <string>

#include "board/gm_point.h"

inline constexpr int32_t BoardRows = 18;
inline constexpr int32_t BoardCols = 12;
inline constexpr int32_t BoardCellCount = BoardRows * BoardCols;

inline bool IsOnBoard(int32_t Row, int32_t Col) {
  return Row >= 0 && Row < BoardRows && Col >= 0 && Col < BoardCols;
}
inline bool IsOnBoard(const TGmPoint& P) { return IsOnBoard(P.Row, P.Col); }

// Row-major index of an on-board cell.
inline int32_t CellIndex(int32_t Row, int32_t Col) { return Row * BoardCols + Col; }
inline int32_t CellIndex(const TGmPoint& P) { return CellIndex(P.Row, P.Col); }

// Row -1 counts as odd: the remainder keeps the sign of the row.
inline bool IsOddRow(int32_t Row) { return Row % 2 != 0; }

enum THexDirection : int32_t {
  DirLeft = 0,
  DirRight = 1,
  DirUpperRight = 2,
  DirLowerLeft = 3,
  DirUpperLeft = 4,
  DirLowerRight = 5,
  DirNone = -1,
};

// Where To lies seen from From; DirNone when the cells are not adjacent (or the same).
THexDirection NeighbourDirection(const TGmPoint& From, const TGmPoint& To);
inline bool AreNeighbours(const TGmPoint& A, const TGmPoint& B) { return NeighbourDirection(A, B) != DirNone; }

// The flow-arrow picture pointing from From to To ("dat/c02".."dat/c07" in the program
// directory); empty when the cells are not adjacent.
std::string ArrowFile(const TGmPoint& From, const TGmPoint& To);
