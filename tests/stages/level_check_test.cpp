// The editor's check of a level: each kind of problem found on a small hand-made flow, and a
// sound level found clean.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "board/gm_cells.h"
#include "board/stage_param.h"
#include "stages/level_check.h"

namespace {

// Every cell below row 0 takes its gems from the cell straight above (the upper left or right
// neighbour by turns, as the rows shift): no cycle, and every walk ends in row 17.
TMoveMatrix GravityFlow() {
  TMoveMatrix flow;
  for (int32_t row = 1; row < BoardRows; ++row)
    for (int32_t col = 0; col < BoardCols; ++col) {
      flow.SetSourceCount(row, col, 1);
      flow.SetSourceAt(row, col, 0, MakeGmPoint(row - 1, col));
    }
  return flow;
}

void Link(TMoveMatrix& flow, TGmPoint from, TGmPoint to) {
  const int32_t n = flow.SourceCount(to.Row, to.Col);
  flow.SetSourceCount(to.Row, to.Col, n + 1);
  flow.SetSourceAt(to.Row, to.Col, n, from);
}

std::string Report(const TMoveMatrix& flow, const TGmCells& layout = TGmCells(), const TStageParam& params = {}) {
  return CheckReport(CheckLevel(flow, layout, params));
}

bool Says(const std::string& report, const std::string& text) { return report.find(text) != std::string::npos; }

TEST(LevelCheck, ASoundLevelHasNoProblems) {
  TGmCells layout;
  for (int32_t col = 0; col < BoardCols - 1; ++col) layout.SetCell(17, col, col % 5);
  EXPECT_EQ(Report(GravityFlow(), layout), "No problems found.");
  EXPECT_EQ(Report(TMoveMatrix()), "No problems found.") << "a flow without links strands nothing";
}

TEST(LevelCheck, ACycleIsListedInFlowOrderAndItsCellsReachNoEnd) {
  TMoveMatrix flow;
  // (0,0) -> (0,1) -> (1,0) -> (0,0): three neighbours feeding each other round.
  Link(flow, MakeGmPoint(0, 0), MakeGmPoint(0, 1));
  Link(flow, MakeGmPoint(0, 1), MakeGmPoint(1, 0));
  Link(flow, MakeGmPoint(1, 0), MakeGmPoint(0, 0));
  // (0,2) feeds into the cycle, so its gems never settle either.
  Link(flow, MakeGmPoint(0, 2), MakeGmPoint(0, 1));
  const std::string report = Report(flow);
  EXPECT_TRUE(Says(report, "Flow cycle: (0,0) -> (0,1) -> (1,0) -> (0,0).")) << report;
  EXPECT_TRUE(Says(report, "No flow path reaches an end cell from (0,0), (0,1), (0,2), (1,0).")) << report;
}

TEST(LevelCheck, ACycleWithAWayOutStrandsNothing) {
  TMoveMatrix flow;
  Link(flow, MakeGmPoint(0, 0), MakeGmPoint(0, 1));
  Link(flow, MakeGmPoint(0, 1), MakeGmPoint(0, 0));
  Link(flow, MakeGmPoint(0, 1), MakeGmPoint(1, 1));
  const std::string report = Report(flow);
  EXPECT_TRUE(Says(report, "Flow cycle")) << report;
  EXPECT_FALSE(Says(report, "No flow path")) << report;
}

TEST(LevelCheck, ManyStrandedCellsAreCutShort) {
  TMoveMatrix flow;
  // Every pair of cells in a row feeds each other: 108 two-cell cycles, no cell can settle.
  for (int32_t row = 0; row < BoardRows; ++row)
    for (int32_t col = 0; col < BoardCols; col += 2) {
      Link(flow, MakeGmPoint(row, col), MakeGmPoint(row, col + 1));
      Link(flow, MakeGmPoint(row, col + 1), MakeGmPoint(row, col));
    }
  const std::vector<std::string> problems = CheckLevel(flow, TGmCells(), TStageParam());
  const std::string report = CheckReport(problems);
  EXPECT_TRUE(Says(report, "and 204 more.")) << report;
  EXPECT_TRUE(Says(report, "... and 103 more flow cycles.")) << report;
  EXPECT_LE(problems.size(), 8u);
}

TEST(LevelCheck, ASourceListedTwiceIsNamedOnce) {
  TMoveMatrix flow = GravityFlow();
  for (int i = 0; i < 2; ++i) Link(flow, MakeGmPoint(4, 3), MakeGmPoint(5, 3));
  const std::string report = Report(flow);
  EXPECT_EQ(report, "Cell (5,3) lists its source (4,3) more than once.");
}

TEST(LevelCheck, CompleteLayoutRowsAreNamedButChipsKeepARowOpen) {
  TGmCells layout;
  for (int32_t col = 0; col < BoardCols; ++col) {
    layout.SetCell(16, col, col % 5);
    layout.SetCell(17, col, col % 5);
    layout.SetCell(15, col, col == 4 ? 14 : col % 5);
  }
  EXPECT_EQ(Report(GravityFlow(), layout), "Layout row 16 is already complete.\nLayout row 17 is already complete.");
}

TEST(LevelCheck, ParametersOutsideSensibleRangesAreNamed) {
  const struct {
    int32_t TStageParam::*field;
    int32_t value;
    const char* says;
  } cases[] = {
      {&TStageParam::PassRows, 0, "PassRows is 0; sensible values are 1 to 100."},
      {&TStageParam::PassRows, 101, "PassRows is 101"},
      {&TStageParam::AutoDropSec, 1, "AutoDropSec is 1"},
      {&TStageParam::AutoDropSec, 121, "AutoDropSec is 121"},
      {&TStageParam::BreakgrdCnt, -1, "BreakgrdCnt is -1"},
      {&TStageParam::BreakgrdCnt, 217, "BreakgrdCnt is 217"},
      {&TStageParam::LaserPower, -5, "LaserPower is -5"},
      {&TStageParam::BreakgroundPower, 1001, "BreakgroundPower is 1001"},
      {&TStageParam::ClearGemsPower, -1, "ClearGemsPower is -1"},
  };
  for (const auto& c : cases) {
    TStageParam params;
    params.*c.field = c.value;
    const std::string report = Report(GravityFlow(), TGmCells(), params);
    EXPECT_TRUE(Says(report, c.says)) << report;
    EXPECT_EQ(CheckLevel(GravityFlow(), TGmCells(), params).size(), 1u) << report;
  }
  for (int32_t edge : {1, 100}) {
    TStageParam params;
    params.PassRows = edge;
    EXPECT_EQ(Report(GravityFlow(), TGmCells(), params), "No problems found.") << edge;
  }
  TStageParam noOutcome;
  noOutcome.LaserPower = noOutcome.BreakgroundPower = noOutcome.ClearGemsPower = 0;
  EXPECT_TRUE(Says(Report(GravityFlow(), TGmCells(), noOutcome), "a box has nothing to give"));
}

}  // namespace
