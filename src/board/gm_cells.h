#pragma once
// The board: 18 x 12 cell codes (row-major), the count of occupied cells, the level's flow
// (owned) and the queue of cells emptied by RemoveRow that wait to be refilled.
// Every write goes through SetCell, so FilledCount always equals the number of occupied cells.
//
// Layout record: 216 bytes, one cell code each, row-major from row 0.

#include <array>
#include <cstdint>
#include <istream>
#include <optional>
#include <ostream>

#include "board/cell_codes.h"
#include "board/gm_point.h"
#include "board/hex_grid.h"
#include "board/move_matrix.h"

class TGmCells {
 public:
  TGmCells();

  // Off-board coordinates read as empty and are never written: callers test first, and a slip
  // must not reach outside the board.
  uint8_t GetCell(int32_t Row, int32_t Col) const;
  void SetCell(int32_t Row, int32_t Col, uint8_t Code);
  // Off the board, or occupied.
  bool IsBlocked(int32_t Row, int32_t Col) const;

  // The lowest row index whose twelve cells all hold plain gems; -1 when none.
  int32_t FindFullRow() const;
  // Empties the row and queues its cells, column 0 first. Rows off the board are ignored.
  void RemoveRow(int32_t Row);
  // Refills every queued cell in queue order, then empties the queue.
  void RefillRemoved();
  // Pulls a gem into Point from its sources; every gem up the chain moves one cell on.
  void Refill(const TGmPoint& Point);
  // Moves the gem at Point into the first empty target, again and again; Point ends at the
  // gem's final cell.
  void SlideDown(TGmPoint& Point);
  // Empties every cell and the queue; the flow stays.
  void ClearCells();

  // The Index-th occupied (or empty) cell in row-major order, counting from 0.
  bool FindFilled(int32_t Index, int32_t& Row, int32_t& Col) const;
  bool FindEmpty(int32_t Index, int32_t& Row, int32_t& Col) const;

  // Reads up to 216 bytes (a short stream leaves the rest as it was) and recounts FilledCount.
  // The flow and the queue are not touched.
  void LoadFromStream(std::istream& Stream);
  void SaveToStream(std::ostream& Stream) const;

  int32_t FilledCount = 0;
  TMoveMatrix MoveMatrix;
  TGmPointDynAry RemovedCells;

 private:
  std::optional<TGmPoint> FirstOccupiedSource(const TGmPoint& Point) const;
  // The first target that is on the board and empty.
  std::optional<TGmPoint> FirstEmptyTarget(const TGmPoint& Point) const;
  bool FindNth(bool occupied, int32_t Index, int32_t& Row, int32_t& Col) const;

  std::array<uint8_t, BoardCellCount> cells_;
};
