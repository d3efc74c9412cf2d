#pragma once
// The level's gem flow: for every board cell the ordered list of neighbouring cells (sources)
// a gem comes from when the cell is emptied. Loading also derives the reverse lists (targets:
// where a gem may move on) and the end cells (cells that feed no other). Only loading derives
// them; the editor changes sources and saves sources only.
//
// Record: for each of the 216 cells in row-major order an int32 count N, then N (row, col)
// int32 pairs, little-endian.

#include <array>
#include <cstdint>
#include <istream>
#include <ostream>

#include "board/gm_point.h"
#include "board/hex_grid.h"

class TMoveMatrix {
 public:
  // Off-board coordinates or an index past the list read as an empty list / (0, 0) and are
  // ignored when written, so a bad caller cannot reach outside the board.
  int32_t SourceCount(int32_t Row, int32_t Col) const;
  // Keeps the first entries; new entries are (0, 0). A negative count empties the list.
  void SetSourceCount(int32_t Row, int32_t Col, int32_t N);
  TGmPoint SourceAt(int32_t Row, int32_t Col, int32_t K) const;
  int32_t SourceRow(int32_t Row, int32_t Col, int32_t K) const { return SourceAt(Row, Col, K).Row; }
  int32_t SourceCol(int32_t Row, int32_t Col, int32_t K) const { return SourceAt(Row, Col, K).Col; }
  void SetSourceAt(int32_t Row, int32_t Col, int32_t K, const TGmPoint& Point);
  void ClearSources(int32_t Row, int32_t Col);

  int32_t TargetCount(int32_t Row, int32_t Col) const;
  TGmPoint TargetAt(int32_t Row, int32_t Col, int32_t K) const;
  // Cells whose target list is empty, row-major, as of the last load.
  const TGmPointDynAry& EndCells() const { return endCells_; }

  // Reads the record at the stream's position and derives targets and end cells; the stream is
  // left just after the record. With fewer than 864 bytes left it returns at once and changes
  // nothing (the editor opens new, empty files this way). A record with a negative count, more
  // entries than the stream holds, or a source that is off the board or not a neighbour of its
  // cell throws EGameError naming the problem; the matrix and the stream position stay as they
  // were. A cycle is accepted: the editor can link one and must be able to open what it saved.
  void LoadFromStream(std::istream& Stream);
  void SaveToStream(std::ostream& Stream) const;

  // Smallest record: one zero count per cell.
  static constexpr int64_t EmptyRecordSize = 4 * BoardCellCount;

 private:
  using TCellLists = std::array<TGmPointDynAry, BoardCellCount>;

  static TCellLists ReadSources(std::istream& Stream);
  void DeriveTargets();
  TGmPointDynAry* SourceList(int32_t Row, int32_t Col);
  const TGmPointDynAry* SourceList(int32_t Row, int32_t Col) const;
  TGmPoint* SourceEntry(int32_t Row, int32_t Col, int32_t K);

  TCellLists sources_;
  TCellLists targets_;
  TGmPointDynAry endCells_;
};
