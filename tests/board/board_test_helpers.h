#pragma once
// Shared by the board suites: flows written through the real record (so targets and end cells
// are derived as in the game), a stand-in sprite, and a count of occupied cells.

#include <cstdint>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "board/gm_cells.h"
#include "board/move_matrix.h"
#include "display/dsp.h"

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
    for (int32_t col = 0; col < BoardCols; ++col)
      if (board.GetCell(row, col) != CellEmpty) ++count;
  return count;
}

inline std::string Int32Bytes(int32_t value) {
  std::ostringstream out;
  const auto bits = static_cast<uint32_t>(value);
  for (int shift = 0; shift < 32; shift += 8) out.put(static_cast<char>((bits >> shift) & 0xFF));
  return out.str();
}

// A display element that draws nothing: enough to follow a hex set's sprites around.
class TTestSprite : public TDSPElem {
 public:
  explicit TTestSprite(TDSP* dsp) : TDSPElem(dsp, 10) {}
  void Update(int64_t) override {}
  void Draw() override {}
};
