// A board layout (216 cell codes) on a level's flow (the rest of the input, as a parameter
// file): the filled count always matches the occupied cells through row removal, refill and
// slide-down; removing a full row takes its twelve gems, refilling makes none and sliding keeps
// every gem.

#include <algorithm>
#include <string_view>

#include "board/gm_cells.h"
#include "board/stage_param.h"
#include "fuzz_support.h"
#include "play/level_rules.h"

namespace {
int32_t Occupied(const TGmCells& board) {
  int32_t count = 0;
  for (int32_t row = 0; row < BoardRows; ++row)
    for (int32_t col = 0; col < BoardCols; ++col) count += board.GetCell(row, col) != CellEmpty;
  return count;
}

void CheckCount(const TGmCells& board, const char* after) {
  if (board.FilledCount != Occupied(board)) FuzzFailure(after);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input = FuzzBytes(data, size);
  const std::string_view layout = input.substr(0, std::min<size_t>(size, BoardCellCount));
  TGmCells board;
  TStageParam param;
  if (size > BoardCellCount) LoadLevelParamFile(WriteFuzzFile("dat/a00", input.substr(BoardCellCount)), board, param);
  board.ClearCells();
  LoadLayoutFile(WriteFuzzFile("dat/d00", layout), board);
  CheckCount(board, "filled count wrong after loading the layout");
  for (int32_t rows = 0; rows < BoardRows; ++rows) {
    const int32_t full = board.FindFullRow();
    if (full < 0) break;
    const int32_t before = board.FilledCount;
    board.RemoveRow(full);
    CheckCount(board, "filled count wrong after removing a row");
    FuzzCheck(board.FilledCount == before - BoardCols, "removing a full row did not take twelve gems");
    const int32_t removed = board.FilledCount;
    board.RefillRemoved();
    CheckCount(board, "filled count wrong after the refill");
    FuzzCheck(board.FilledCount <= removed, "the refill made gems");
  }
  for (int32_t cell = 0; cell < BoardCellCount; ++cell) {
    TGmPoint point = MakeGmPoint(cell / BoardCols, cell % BoardCols);
    if (board.GetCell(point.Row, point.Col) == CellEmpty) continue;
    const int32_t before = board.FilledCount;
    board.SlideDown(point);
    CheckCount(board, "filled count wrong after a slide");
    FuzzCheck(board.FilledCount == before, "a slide lost or made a gem");
  }
  return 0;
}
