#pragma once
// The shipped levels: 80 parameter files (flow and stage parameters) and 21 board layouts,
// written through the board's own records.

#include <memory>
#include <string>

#include "board/gm_cells.h"
#include "board/move_matrix.h"
#include "board/stage_param.h"
#include "content_folder.h"

// The characters a level's flow can have.
enum class TFlowKind {
  Down,          // plain gravity
  DriftLeft,     // falling and sliding towards the left wall
  DriftRight,
  FunnelCentre,  // both halves lean towards the middle
  FunnelLeft,    // falling, then a conveyor along the bottom rows towards one wall
  FunnelRight,
  SplitSides,    // the halves part towards the walls
  SplitMiddle,   // top half falls, bottom half rises: gems meet in the middle rows
  Up,            // gravity reversed
  Mixed,         // six zones with characters of their own
};

inline constexpr int LevelCount = 80;   // parameter files a00..a79, for levels 1..80
inline constexpr int LayoutCount = 21;  // d00..d19 for levels 2.., d20 for level 1

// The flow of parameter file `number` (level number + 1 in the first round).
TFlowKind FlowKindOf(int number);
// The flow's sources; acyclic, every source an on-board neighbour of its cell.
TMoveMatrix BuildFlow(int number);
// Stage parameters of parameter file `number`.
TStageParam BuildStageParam(int number);
// Starting gems of layout `number`, settled along the flow of the first level that uses it.
std::unique_ptr<TGmCells> BuildLayout(int number);

// Level files saved over by the editor are kept unless the shipped level itself changed since
// the last run (the record of what was shipped is "dat/shipped_levels").
inline const std::string ShippedLevelsRecord = "dat/shipped_levels";
void WriteLevels(const TContentFolder& game);
