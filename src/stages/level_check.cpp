#include "stages/level_check.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <deque>

#include "board/gm_cells.h"
#include "board/hex_grid.h"
#include "board/move_matrix.h"
#include "board/stage_param.h"
#include "frame/errors.h"
#include "frame/translated.h"

namespace {
constexpr size_t MaxListed = 12;
constexpr size_t MaxCyclesListed = 5;

using TCellLinks = std::array<std::vector<int32_t>, BoardCellCount>;

constexpr const char* Context = "LevelCheck";
std::string Told(const char* text, std::initializer_list<std::string> values = {}) {
  return Translated(Context, text, values);
}

std::string CellName(int32_t Index) {
  char name[32];
  std::snprintf(name, sizeof name, "(%d,%d)", static_cast<int>(Index / BoardCols), static_cast<int>(Index % BoardCols));
  return name;
}

std::string CellList(const std::vector<int32_t>& Cells, const char* Separator) {
  std::string text;
  for (size_t i = 0; i < Cells.size() && i < MaxListed; ++i) text += (i ? Separator : "") + CellName(Cells[i]);
  if (Cells.size() > MaxListed) text += Told(QT_TRANSLATE_NOOP("LevelCheck", " and %1 more"), {std::to_string(Cells.size() - MaxListed)});
  return text;
}

// Every on-board source of each cell, in list order.
TCellLinks SourcesOf(const TMoveMatrix& Flow) {
  TCellLinks sources;
  for (int32_t cell = 0; cell < BoardCellCount; ++cell) {
    const int32_t row = cell / BoardCols, col = cell % BoardCols;
    for (int32_t k = 0; k < Flow.SourceCount(row, col); ++k) {
      const TGmPoint source = Flow.SourceAt(row, col, k);
      if (IsOnBoard(source)) sources[cell].push_back(CellIndex(source));
    }
  }
  return sources;
}

// Where a gem in each cell may move on: the reverse of the sources.
TCellLinks TargetsOf(const TCellLinks& Sources) {
  TCellLinks targets;
  for (int32_t cell = 0; cell < BoardCellCount; ++cell)
    for (int32_t source : Sources[cell]) targets[source].push_back(cell);
  return targets;
}

// One cycle per back edge of a depth-first walk along the flow, each as its cells in flow order.
std::vector<std::vector<int32_t>> FlowCycles(const TCellLinks& Targets) {
  enum : uint8_t { Unseen, OnPath, Done };
  std::array<uint8_t, BoardCellCount> state{};
  std::vector<std::vector<int32_t>> cycles;
  for (int32_t start = 0; start < BoardCellCount; ++start) {
    if (state[start] != Unseen) continue;
    // The path walked so far, with the next target to try at each step.
    std::vector<std::pair<int32_t, size_t>> path{{start, 0}};
    state[start] = OnPath;
    while (!path.empty()) {
      auto& [cell, next] = path.back();
      if (next == Targets[cell].size()) {
        state[cell] = Done;
        path.pop_back();
        continue;
      }
      const int32_t target = Targets[cell][next++];
      if (state[target] == OnPath) {
        std::vector<int32_t> cycle;
        auto from = std::find_if(path.begin(), path.end(), [&](const auto& step) { return step.first == target; });
        for (; from != path.end(); ++from) cycle.push_back(from->first);
        cycle.push_back(target);
        cycles.push_back(std::move(cycle));
      } else if (state[target] == Unseen) {
        state[target] = OnPath;
        path.emplace_back(target, 0);
      }
    }
  }
  return cycles;
}

// Cells from which no walk along the flow ends in a cell that feeds no other.
std::vector<int32_t> CellsWithoutEnd(const TCellLinks& Sources, const TCellLinks& Targets) {
  std::array<bool, BoardCellCount> reaches{};
  std::deque<int32_t> queue;
  for (int32_t cell = 0; cell < BoardCellCount; ++cell)
    if (Targets[cell].empty()) {
      reaches[cell] = true;
      queue.push_back(cell);
    }
  while (!queue.empty()) {
    const int32_t cell = queue.front();
    queue.pop_front();
    for (int32_t source : Sources[cell])
      if (!reaches[source]) {
        reaches[source] = true;
        queue.push_back(source);
      }
  }
  std::vector<int32_t> stuck;
  for (int32_t cell = 0; cell < BoardCellCount; ++cell)
    if (!reaches[cell]) stuck.push_back(cell);
  return stuck;
}

void CheckCycles(const TCellLinks& Targets, std::vector<std::string>& Problems) {
  const auto cycles = FlowCycles(Targets);
  for (size_t i = 0; i < cycles.size() && i < MaxCyclesListed; ++i)
    Problems.push_back(Told(QT_TRANSLATE_NOOP("LevelCheck", "Flow cycle: %1."), {CellList(cycles[i], " -> ")}));
  if (cycles.size() > MaxCyclesListed)
    Problems.push_back(Told(QT_TRANSLATE_NOOP("LevelCheck", "... and %1 more flow cycles."), {std::to_string(cycles.size() - MaxCyclesListed)}));
}

void CheckDuplicates(const TCellLinks& Sources, std::vector<std::string>& Problems) {
  for (int32_t cell = 0; cell < BoardCellCount; ++cell) {
    std::vector<int32_t> seen, repeated;
    for (int32_t source : Sources[cell]) {
      if (std::find(seen.begin(), seen.end(), source) == seen.end())
        seen.push_back(source);
      else if (std::find(repeated.begin(), repeated.end(), source) == repeated.end())
        repeated.push_back(source);
    }
    for (int32_t source : repeated)
      Problems.push_back(Told(QT_TRANSLATE_NOOP("LevelCheck", "Cell %1 lists its source %2 more than once."), {CellName(cell), CellName(source)}));
  }
}

void CheckLayout(const TGmCells& Layout, std::vector<std::string>& Problems) {
  for (int32_t row = 0; row < BoardRows; ++row) {
    bool complete = true;
    for (int32_t col = 0; col < BoardCols && complete; ++col) complete = IsPlainGem(Layout.GetCell(row, col));
    if (complete) Problems.push_back(Told(QT_TRANSLATE_NOOP("LevelCheck", "Layout row %1 is already complete."), {std::to_string(row)}));
  }
}

void CheckRange(const char* Name, int32_t Value, int32_t Low, int32_t High, std::vector<std::string>& Problems) {
  if (Value < Low || Value > High)
    Problems.push_back(Told(QT_TRANSLATE_NOOP("LevelCheck", "%1 is %2; sensible values are %3 to %4."),
                            {Name, std::to_string(Value), std::to_string(Low), std::to_string(High)}));
}

void CheckParams(const TStageParam& Params, std::vector<std::string>& Problems) {
  CheckRange("PassRows", Params.PassRows, MinPassRows, MaxPassRows, Problems);
  CheckRange("AutoDropSec", Params.AutoDropSec, MinAutoDropSec, MaxAutoDropSec, Problems);
  CheckRange("BreakgrdCnt", Params.BreakgrdCnt, 0, MaxBreakgrdCnt, Problems);
  CheckRange("LaserPower", Params.LaserPower, 0, MaxBoxPower, Problems);
  CheckRange("BreakgroundPower", Params.BreakgroundPower, 0, MaxBoxPower, Problems);
  CheckRange("ClearGemsPower", Params.ClearGemsPower, 0, MaxBoxPower, Problems);
  if (Params.LaserPower <= 0 && Params.BreakgroundPower <= 0 && Params.ClearGemsPower <= 0)
    Problems.push_back(
        Told(QT_TRANSLATE_NOOP("LevelCheck", "LaserPower, BreakgroundPower and ClearGemsPower are all 0 or less: a box has nothing to give.")));
}
}  // namespace

std::vector<std::string> CheckLevel(const TMoveMatrix& Flow, const TGmCells& Layout, const TStageParam& Params) {
  const TCellLinks sources = SourcesOf(Flow);
  const TCellLinks targets = TargetsOf(sources);
  std::vector<std::string> problems;
  CheckCycles(targets, problems);
  const std::vector<int32_t> stuck = CellsWithoutEnd(sources, targets);
  if (!stuck.empty()) problems.push_back(Told(QT_TRANSLATE_NOOP("LevelCheck", "No flow path reaches an end cell from %1."), {CellList(stuck, ", ")}));
  CheckDuplicates(sources, problems);
  CheckLayout(Layout, problems);
  CheckParams(Params, problems);
  return problems;
}

std::string CheckReport(const std::vector<std::string>& Problems) {
  if (Problems.empty()) return Told(QT_TRANSLATE_NOOP("LevelCheck", "No problems found."));
  std::string text;
  for (const std::string& line : Problems) AppendLine(text, line);
  return text;
}
