// Level data. Flows are built from a few characters; whichever link would close a loop is left
// out, so every flow ends. Starting gems are dropped one by one and slid along the flow with the
// board's own SlideDown, so they lie where play would have put them.

#include "levels.h"

#include <array>
#include <sstream>
#include <vector>

#include "content_random.h"
#include "shipped_files.h"
#include "frame/rounding.h"

namespace {
// The neighbour of (row, col) in direction d (odd rows sit half a cell to the right).
TGmPoint Neighbour(int row, int col, THexDirection d) {
  const bool odd = IsOddRow(row);
  switch (d) {
    case DirLeft: return {row, col - 1};
    case DirRight: return {row, col + 1};
    case DirUpperLeft: return {row - 1, odd ? col : col - 1};
    case DirUpperRight: return {row - 1, odd ? col + 1 : col};
    case DirLowerLeft: return {row + 1, odd ? col : col - 1};
    case DirLowerRight: return {row + 1, odd ? col + 1 : col};
    default: return {-1, -1};
  }
}

using TDirections = std::vector<THexDirection>;

// Where a cell takes its gem from, first choice first, under one character.
TDirections SourceDirections(TFlowKind kind, int row, int col) {
  const bool leftHalf = col < BoardCols / 2;
  // Alternating the first choice row by row keeps a plain fall straight instead of slanted.
  const TDirections fall = row % 2 ? TDirections{DirUpperLeft, DirUpperRight} : TDirections{DirUpperRight, DirUpperLeft};
  const TDirections rise = row % 2 ? TDirections{DirLowerLeft, DirLowerRight} : TDirections{DirLowerRight, DirLowerLeft};
  switch (kind) {
    case TFlowKind::Down: return {fall[0]};  // one source: columns fall straight, one arrow a cell
    case TFlowKind::Up: return rise;
    case TFlowKind::DriftLeft: return {DirUpperRight, DirRight};
    case TFlowKind::DriftRight: return {DirUpperLeft, DirLeft};
    case TFlowKind::FunnelCentre:
      return leftHalf ? TDirections{DirUpperLeft, DirLeft} : TDirections{DirUpperRight, DirRight};
    case TFlowKind::FunnelLeft:
      return row >= BoardRows - 3 ? TDirections{DirRight, DirUpperRight} : fall;
    case TFlowKind::FunnelRight:
      return row >= BoardRows - 3 ? TDirections{DirLeft, DirUpperLeft} : fall;
    case TFlowKind::SplitSides:
      return leftHalf ? TDirections{DirUpperRight, DirRight} : TDirections{DirUpperLeft, DirLeft};
    case TFlowKind::SplitMiddle: return row < BoardRows / 2 ? fall : rise;
    case TFlowKind::Mixed: return fall;  // resolved per zone by the caller
  }
  return {};
}

// Sources as a list per cell, plus the reachability test that keeps the flow free of loops.
class TFlowBuilder {
 public:
  // Adds the link source -> cell unless it would close a loop or leave the board.
  void Link(TGmPoint cell, TGmPoint source) {
    if (!IsOnBoard(source) || Reaches(cell, source)) return;
    sources_[size_t(CellIndex(cell))].push_back(source);
    targets_[size_t(CellIndex(source))].push_back(cell);
  }
  TMoveMatrix Matrix() const {
    TMoveMatrix matrix;
    for (int row = 0; row < BoardRows; ++row)
      for (int col = 0; col < BoardCols; ++col) {
        const auto& list = sources_[size_t(CellIndex(row, col))];
        matrix.SetSourceCount(row, col, int32_t(list.size()));
        for (size_t k = 0; k < list.size(); ++k) matrix.SetSourceAt(row, col, int32_t(k), list[k]);
      }
    return matrix;
  }

 private:
  // Whether gems can already flow from `from` to `to`.
  bool Reaches(TGmPoint from, TGmPoint to) const {
    std::array<bool, BoardCellCount> seen{};
    std::vector<TGmPoint> pending{from};
    while (!pending.empty()) {
      const TGmPoint p = pending.back();
      pending.pop_back();
      if (p == to) return true;
      if (seen[size_t(CellIndex(p))]) continue;
      seen[size_t(CellIndex(p))] = true;
      for (const TGmPoint& next : targets_[size_t(CellIndex(p))]) pending.push_back(next);
    }
    return false;
  }
  std::array<TGmPointDynAry, BoardCellCount> sources_;
  std::array<TGmPointDynAry, BoardCellCount> targets_;
};

// Mixed flows: the board in six zones (three bands of rows, two halves), each with its own
// character drawn from the level's generator.
TFlowKind ZoneKind(int number, int row, int col) {
  static const TFlowKind choices[] = {TFlowKind::Down, TFlowKind::DriftLeft, TFlowKind::DriftRight,
                                      TFlowKind::FunnelCentre, TFlowKind::Up, TFlowKind::Down};
  TContentRandom random(0x3000 + uint64_t(number));
  TFlowKind zones[6];
  for (TFlowKind& zone : zones) zone = choices[random.Below(6)];
  return zones[(row / 6) * 2 + (col < BoardCols / 2 ? 0 : 1)];
}

std::string RecordBytes(const TMoveMatrix& flow, const TStageParam* params) {
  std::ostringstream out(std::ios::binary);
  flow.SaveToStream(out);
  if (params) params->SaveToStream(out);
  return out.str();
}

// The flow as the game sees it after loading: targets and end cells derived.
void LoadFlowInto(TGmCells& board, const TMoveMatrix& flow) {
  std::istringstream in(RecordBytes(flow, nullptr), std::ios::binary);
  board.MoveMatrix.LoadFromStream(in);
}

int FirstLevelUsingLayout(int layout) { return layout == LayoutCount - 1 ? 1 : layout + 2; }

// Number of starting gems, chips and second-tier chips of a layout, growing with difficulty.
struct TLayoutRecipe {
  int gems, chips, secondTier;
};
TLayoutRecipe RecipeOf(int layout) {
  if (layout == LayoutCount - 1) return {10, 0, 0};  // level 1: a gentle start
  return {18 + 4 * layout, layout * layout / 8, layout >= 15 ? 2 * (layout - 14) : 0};
}
}  // namespace

TFlowKind FlowKindOf(int number) {
  static const TFlowKind opening[10] = {
      TFlowKind::Down,        TFlowKind::Down,       TFlowKind::DriftLeft,  TFlowKind::DriftRight,
      TFlowKind::FunnelCentre, TFlowKind::SplitSides, TFlowKind::FunnelLeft, TFlowKind::FunnelRight,
      TFlowKind::SplitMiddle, TFlowKind::Up};
  static const TFlowKind middle[10] = {
      TFlowKind::Down,       TFlowKind::DriftLeft,   TFlowKind::FunnelCentre, TFlowKind::DriftRight,
      TFlowKind::SplitSides, TFlowKind::FunnelLeft,  TFlowKind::SplitMiddle,  TFlowKind::FunnelRight,
      TFlowKind::Up,         TFlowKind::Mixed};
  // Later levels lean on the awkward flows: rising gems and mixed zones.
  static const TFlowKind late[10] = {
      TFlowKind::Mixed,      TFlowKind::Up,    TFlowKind::SplitMiddle, TFlowKind::Mixed,
      TFlowKind::FunnelLeft, TFlowKind::Mixed, TFlowKind::DriftRight,  TFlowKind::Up,
      TFlowKind::Mixed,      TFlowKind::SplitSides};
  if (number < 10) return opening[number];
  if (number < 40) return middle[number % 10];
  return late[number % 10];
}

TMoveMatrix BuildFlow(int number) {
  const TFlowKind kind = FlowKindOf(number);
  TFlowBuilder builder;
  for (int row = 0; row < BoardRows; ++row)
    for (int col = 0; col < BoardCols; ++col) {
      const TFlowKind cellKind = kind == TFlowKind::Mixed ? ZoneKind(number, row, col) : kind;
      for (THexDirection d : SourceDirections(cellKind, row, col))
        builder.Link({row, col}, Neighbour(row, col, d));
    }
  return builder.Matrix();
}

TStageParam BuildStageParam(int number) {
  const int level = number + 1;
  TStageParam params;
  // The values the game computes for the level, so the file tells the truth about it.
  params.PassRows = level <= 5 ? 3 * level + 2 : 20;
  params.AutoDropSec = std::max<int32_t>(10, 20 - RoundHalfEven32(level * 0.5));
  params.BreakgrdCnt = 4 + (level - 1) * 16 / (LevelCount - 1);
  // Box weights {clear gems, breakground, laser}: each outcome leads in some levels.
  static const int weights[6][3] = {{10, 10, 10}, {20, 6, 8}, {6, 20, 8}, {8, 6, 20}, {14, 14, 4}, {4, 12, 16}};
  const int* w = weights[number % 6];
  params.ClearGemsPower = w[0];
  params.BreakgroundPower = level <= 2 ? 0 : w[1];  // no chips thrown in the first two levels
  params.LaserPower = w[2];
  return params;
}

std::unique_ptr<TGmCells> BuildLayout(int number) {
  auto board = std::make_unique<TGmCells>();
  LoadFlowInto(*board, BuildFlow(FirstLevelUsingLayout(number) - 1));
  const TLayoutRecipe recipe = RecipeOf(number);
  TContentRandom random(0xD000 + uint64_t(number));
  int placed = 0;
  for (int attempt = 0; placed < recipe.gems && attempt < 20 * recipe.gems; ++attempt) {
    int32_t row = 0, col = 0;
    if (!board->FindEmpty(random.Below(BoardCellCount - board->FilledCount), row, col)) break;
    uint8_t code = uint8_t(random.Below(5));
    if (placed < recipe.secondTier) code += 20;
    else if (placed < recipe.secondTier + recipe.chips) code += 10;
    board->SetCell(row, col, code);
    TGmPoint at{row, col};
    board->SlideDown(at);
    if (board->FindFullRow() >= 0) {  // a starting board never hands out a free row
      board->SetCell(at.Row, at.Col, CellEmpty);
      continue;
    }
    ++placed;
  }
  return board;
}

void WriteLevels(const TContentFolder& game) {
  TShippedFiles shipped(game, ShippedLevelsRecord);
  for (int number = 0; number < LevelCount; ++number) {
    const TStageParam params = BuildStageParam(number);
    shipped.Ship(LevelParamFileName(number), RecordBytes(BuildFlow(number), &params));
  }
  for (int number = 0; number < LayoutCount; ++number) {
    std::ostringstream out(std::ios::binary);
    BuildLayout(number)->SaveToStream(out);
    shipped.Ship(LayoutFileName(number), out.str());
  }
  shipped.SaveRecord();
}
