#include "round_fixture.h"

#include <sstream>

namespace {
const std::string Letters = "01234.....abcde.....ABCDE";
}  // namespace

std::vector<std::string> BoardRowsOf(const TGmCells& board) {
  std::vector<std::string> rows;
  for (int32_t row = 0; row < BoardRows; ++row) {
    std::string text;
    for (int32_t col = 0; col < BoardCols; ++col) {
      const uint8_t code = board.GetCell(row, col);
      text += code < Letters.size() ? Letters[code] : '.';
    }
    rows.push_back(text);
  }
  return rows;
}

void SetBottomRows(TGmCells& board, const std::vector<std::string>& rows) {
  const auto top = BoardRows - static_cast<int32_t>(rows.size());
  for (int32_t row = top; row < BoardRows; ++row)
    for (int32_t col = 0; col < BoardCols; ++col) {
      const size_t code = Letters.find(rows[row - top][col]);
      board.SetCell(row, col, code == std::string::npos || Letters[code] == '.' ? CellEmpty : code);
    }
}

void StraightDownFlow(TGmCells& board, bool topCycle) {
  TMoveMatrix flow;
  for (int32_t cell = BoardCols; cell < BoardCellCount; ++cell) {
    flow.SetSourceCount(cell / BoardCols, cell % BoardCols, 1);
    flow.SetSourceAt(cell / BoardCols, cell % BoardCols, 0, MakeGmPoint(cell / BoardCols - 1, cell % BoardCols));
  }
  if (topCycle) {
    flow.SetSourceCount(0, 0, 1);
    flow.SetSourceAt(0, 0, 0, MakeGmPoint(0, 1));
    flow.SetSourceCount(0, 1, 1);
    flow.SetSourceAt(0, 1, 0, MakeGmPoint(0, 0));
  }
  // Loading derives the targets and the end cells.
  std::stringstream record;
  flow.SaveToStream(record);
  board.MoveMatrix.LoadFromStream(record);
}
