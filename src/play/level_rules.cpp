#include "play/level_rules.h"

#include <algorithm>
#include <limits>
#include <sstream>

#include "board/gm_cells.h"
#include "board/stage_param.h"
#include "frame/errors.h"
#include "frame/paths.h"
#include "frame/rounding.h"
#include "frame/safe_file.h"
#include "frame/saturating.h"
#include "frame/translated.h"

namespace {
int32_t PlayedLevel(int32_t Level) { return std::max(Level, 1); }

std::string Problem(const std::string& path, const std::string& what) {
  return FailureText(QT_TRANSLATE_NOOP("Failures", "Level file %1: %2"), {path, what});
}
}  // namespace

int32_t AutoDropSecForLevel(int32_t Level) {
  return std::max(10, 20 - RoundHalfEven32(PlayedLevel(Level) * 0.5));
}

int32_t PassRowsForLevel(int32_t Level) {
  const int32_t played = PlayedLevel(Level);
  return played <= 5 ? 3 * played + 2 : 20;
}

int32_t LevelParamNumber(int32_t Level) { return (PlayedLevel(Level) - 1) % LevelParamFileCount; }

int32_t LayoutNumber(int32_t Level) {
  const int32_t played = PlayedLevel(Level);
  return played > 1 ? (played - 2) % (LayoutFileCount - 1) : LayoutFileCount - 1;
}

int32_t RowPayout(int32_t Chain) {
  // From 25 rows on the payout is at the top already; 100 << 31 still fits 64 bits.
  const int64_t payout = int64_t{100} << std::clamp(Chain, 0, 31);
  return static_cast<int32_t>(std::min<int64_t>(payout, std::numeric_limits<int32_t>::max()));
}

int32_t ChainMultiplier(int32_t Chain) { return RowPayout(Chain) / 100; }

int32_t CoinChunk(int32_t Pending) {
  for (int32_t chunk : {10000, 1000, 100, 50})
    if (Pending > chunk) return chunk;
  return Pending;
}

int32_t GrownFigure(int32_t Value, int32_t Add) { return SaturatingAdd(Value, Add); }

std::string LoadLevelParamFile(const std::string& path, TGmCells& board, TStageParam& param) {
  std::string bytes;
  if (!ReadWholeFile(path, bytes))
    return Problem(path, FailureText(QT_TRANSLATE_NOOP("Failures", "cannot be opened.")));
  return LoadLevelParamBytes(path, bytes, board, param);
}

std::string LoadLevelParamBytes(const std::string& path, const std::string& bytes, TGmCells& board,
                                TStageParam& param) {
  // The flow reader quietly ignores a record too short to hold one count per cell.
  if (static_cast<int64_t>(bytes.size()) < TMoveMatrix::EmptyRecordSize)
    return Problem(path, FailureText(QT_TRANSLATE_NOOP("Failures", "is too short to hold a flow.")));
  std::istringstream stream(bytes);
  try {
    board.MoveMatrix.LoadFromStream(stream);
  } catch (const std::exception& error) {
    return Problem(path, error.what());
  }
  const int64_t paramBytes = static_cast<int64_t>(bytes.size()) - static_cast<int64_t>(stream.tellg());
  // A short record still gives the fields it holds; the rest keep their values.
  param.LoadFromStream(stream);
  if (paramBytes < TStageParam::RecordSize)
    return Problem(path, FailureText(QT_TRANSLATE_NOOP("Failures", "holds %1 of %2 bytes of level parameters."),
                                     {std::to_string(paramBytes), std::to_string(TStageParam::RecordSize)}));
  return {};
}

std::string LoadLayoutFile(const std::string& path, TGmCells& board) {
  std::string bytes;
  if (!ReadWholeFile(path, bytes))
    return Problem(path, FailureText(QT_TRANSLATE_NOOP("Failures", "cannot be opened.")));
  return LoadLayoutBytes(path, bytes, board);
}

std::string LoadLayoutBytes(const std::string& path, const std::string& bytes, TGmCells& board) {
  std::istringstream stream(bytes);
  board.LoadFromStream(stream);
  if (static_cast<int32_t>(bytes.size()) < BoardCellCount)
    return Problem(path, "holds " + std::to_string(bytes.size()) + " of " + std::to_string(BoardCellCount) +
                             " cells.");
  return {};
}

std::string LoadPlayerLevel(int32_t Level, TGmCells& board, TStageParam& param) {
  std::string errors = LoadLevelParamFile(LevelPath(LevelParamFileName(LevelParamNumber(Level))), board, param);
  param.AutoDropSec = AutoDropSecForLevel(Level);
  param.PassRows = PassRowsForLevel(Level);
  board.ClearCells();
  AppendLine(errors, LoadLayoutFile(LevelPath(LayoutFileName(LayoutNumber(Level))), board));
  return errors;
}

std::string LoadEditedLevel(const std::string& name, const std::string& levelBytes, const std::string& layoutBytes,
                            TGmCells& board, TStageParam& param) {
  std::string errors = LoadLevelParamBytes(name, levelBytes, board, param);
  // A countdown of no time would drop a piece every frame, and a level of no rows would pass
  // before it begins.
  param.AutoDropSec = std::max(param.AutoDropSec, 1);
  param.PassRows = std::max(param.PassRows, 1);
  board.ClearCells();
  AppendLine(errors, LoadLayoutBytes(name, layoutBytes, board));
  return errors;
}
