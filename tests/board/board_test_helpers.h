#pragma once
// Shared by the board suites: flows written through the real record (so targets and end cells
// are derived as in the game), a stand-in sprite, and little-endian bytes.

#include <sstream>
#include <string>
#include <vector>

#include "board/gm_cells.h"

// One cell and the sources that feed it, in priority order.
struct TFlowLink {
  TGmPoint Cell;
  TGmPointDynAry Sources;
};

inline std::string FlowRecord(const std::vector<TFlowLink>& links) {
  TMoveMatrix matrix;
  for (const TFlowLink& link : links) {
    matrix.SetSourceCount(link.Cell.Row, link.Cell.Col, static_cast<int32_t>(link.Sources.size()));
    for (size_t k = 0; k < link.Sources.size(); ++k)
      matrix.SetSourceAt(link.Cell.Row, link.Cell.Col, static_cast<int32_t>(k), link.Sources[k]);
  }
  std::ostringstream out;
  matrix.SaveToStream(out);
  return out.str();
}

inline void LoadFlow(TMoveMatrix& matrix, const std::vector<TFlowLink>& links) {
  std::istringstream in(FlowRecord(links));
  matrix.LoadFromStream(in);
}

inline int32_t CountOccupied(const TGmCells& board) {
  int32_t count = 0;
  for (int32_t row = 0; row < BoardRows; ++row)
    for (int32_t col = 0; col < BoardCols; ++col) count += board.GetCell(row, col) != CellEmpty;
  return count;
}

inline std::string Ints(std::initializer_list<int32_t> values) {
  std::string bytes;
  for (int32_t v : values)
    for (int shift = 0; shift < 32; shift += 8) bytes += static_cast<char>((static_cast<uint32_t>(v) >> shift) & 0xFF);
  return bytes;
}
