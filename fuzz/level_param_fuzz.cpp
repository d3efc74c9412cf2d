// A level's parameter file (the flow, then the game parameters): any bytes load without harm,
// and what was loaded saves and loads back to the same bytes.

#include <sstream>

#include "board/gm_cells.h"
#include "board/stage_param.h"
#include "fuzz_support.h"
#include "play/level_rules.h"

namespace {
std::string Saved(const TGmCells& board, const TStageParam& param) {
  std::ostringstream out;
  board.MoveMatrix.SaveToStream(out);
  param.SaveToStream(out);
  return out.str();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TGmCells board;
  TStageParam param;
  LoadLevelParamFile(WriteFuzzFile("dat/a00", FuzzBytes(data, size)), board, param);
  const std::string saved = Saved(board, param);
  TGmCells again;
  TStageParam againParam;
  const std::string problem = LoadLevelParamFile(WriteFuzzFile("dat/a01", saved), again, againParam);
  FuzzCheck(problem.empty(), "a saved level parameter file does not load");
  FuzzCheck(Saved(again, againParam) == saved, "the level parameters do not save back to the same bytes");
  return 0;
}
