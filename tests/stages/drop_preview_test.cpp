// The drop preview: the rows a drop would complete and what they would pay, for boards drawn as
// pictures; the held gems sitting on their cells; the small ring that follows the countdown.

#include <limits>

#include "running_fixture.h"

namespace {

const std::string GapAt5 = "01234.123401", FullRow = "012340123401";

TEST_F(RunningStageTest, ThePreviewShowsTheRowsADropWouldCompleteAndTheirPayout) {
  struct Case {
    const char* what;
    std::vector<std::string> rows;  // the last rows of the board
    int32_t shape, row, col;
    std::vector<int32_t> expectedRows;
    int64_t money;
    const char* caption;
  };
  const Case cases[] = {
      {"one gap filled", {GapAt5}, 9, 17, 5, {17}, 100, "+$100 x1"},
      {"two rows clear one after the other", {FullRow, GapAt5}, 9, 17, 5, {16, 17}, 300, "+$300 x1"},
      {"a line of four closes the gap", {"0....0123401"}, 0, 17, 2, {17}, 100, "+$100 x1"},
      {"a row with a chip does not clear", {"01234.1234a1"}, 9, 17, 5, {}, 0, ""},
      {"nothing completed", {GapAt5}, 9, 10, 5, {}, 0, ""},
      {"over a taken cell no drop, no preview", {GapAt5}, 9, 17, 4, {}, 0, ""},
      {"two gaps, one filled", {"01234.1234.1"}, 9, 17, 5, {}, 0, ""},
  };
  list->More.DropPreview = true;
  for (const Case& c : cases) {
    Play(1, {c.rows});
    Hold(c.shape);
    MoveTo(c.row, c.col);
    EXPECT_EQ(stage->HeldView->Preview.Forecast.Rows, c.expectedRows) << c.what;
    EXPECT_EQ(stage->HeldView->Preview.Forecast.Money, c.money) << c.what;
    EXPECT_EQ(stage->HeldView->Preview.Rows->Visible, !c.expectedRows.empty()) << c.what;
    EXPECT_EQ(stage->HeldView->Preview.Money->Visible, !c.expectedRows.empty()) << c.what;
    EXPECT_EQ(stage->HeldView->Preview.Rows->Cells.size(), c.expectedRows.size() * BoardCols) << c.what;
    if (*c.caption) {
      EXPECT_EQ(stage->HeldView->Preview.Money->Text.toStdString(), c.caption) << c.what;
    }
    list->SetCurrentStage(title);
  }
}

TEST_F(RunningStageTest, ThePreviewMatchesWhatTheDropThenPays) {
  list->More.DropPreview = true;
  Play(1, {{FullRow, GapAt5}});
  Hold(9);
  MoveTo(17, 5);
  const int64_t forecast = stage->HeldView->Preview.Forecast.Money;
  Click(mbLeft);
  EXPECT_FALSE(stage->HeldView->Preview.Rows->Visible) << "gone while the rows clear";
  EXPECT_FALSE(stage->HeldView->Preview.Ring->Visible);
  RunFor(1.5);
  EXPECT_EQ(Earned(), forecast);
}

TEST_F(RunningStageTest, WithThePreviewOffNothingIsShownAndTheSetFollowsThePointerExactly) {
  for (const bool preview : {false, true}) {
    list->More.DropPreview = preview;
    Play(1, {{GapAt5}});
    Hold(9);
    const TPointF cell = FieldGeometry().CellToPixel(17, 5);
    // Nearer (17, 5) than any other cell, but not on it.
    stage->OnMouse(MouseMove, mbLeft, cell.X + 6, cell.Y - 5);
    const TDSPElem& gem = *stage->HeldView->Set.Sprite(0);
    EXPECT_EQ(gem.X, preview ? cell.X : cell.X + 6) << preview;
    EXPECT_EQ(gem.Y, preview ? cell.Y : cell.Y - 5) << preview;
    EXPECT_EQ(stage->HeldView->Preview.Rows->Visible, preview);
    EXPECT_EQ(stage->HeldView->Preview.Ring->Visible, preview);
    list->SetCurrentStage(title);
  }
}

TEST_F(RunningStageTest, ThePreviewTurnedOnInAPauseSeatsTheSetAndShowsAtOnce) {
  Play(1, {{GapAt5}});
  Hold(9);
  const TPointF cell = FieldGeometry().CellToPixel(17, 5);
  stage->OnMouse(MouseMove, mbLeft, cell.X + 6, cell.Y - 5);
  EXPECT_FALSE(stage->HeldView->Preview.Rows->Visible);
  list->Pause();
  list->More.DropPreview = true;
  list->Resume();
  EXPECT_EQ(stage->HeldView->Set.Sprite(0)->X, cell.X);
  EXPECT_EQ(stage->HeldView->Set.Sprite(0)->Y, cell.Y);
  EXPECT_TRUE(stage->HeldView->Preview.Rows->Visible);
  EXPECT_EQ(stage->HeldView->Preview.Forecast.Money, 100);
}

TEST_F(RunningStageTest, TheSmallRingFollowsTheCountdownBrighteningAndIsAbsentInRelaxedPlay) {
  list->More.DropPreview = true;
  Play(1, {});
  Hold(9);
  MoveTo(8, 5);
  RunFor(1);
  const float early = stage->HeldView->Preview.Ring->Remaining;
  RunFor(10);
  const float late = stage->HeldView->Preview.Ring->Remaining;
  EXPECT_LT(late, early);
  EXPECT_GT(TDSPE_SetRing::Brightness(late), TDSPE_SetRing::Brightness(early));
  const TPointF cell = FieldGeometry().CellToPixel(8, 5);
  EXPECT_EQ(stage->HeldView->Preview.Ring->X, cell.X + 18) << "centred on a one-gem set";
  EXPECT_EQ(stage->HeldView->Preview.Ring->Y, cell.Y + 18);
  list->Pause();
  list->More.RelaxedPace = true;
  list->Resume();
  EXPECT_FALSE(stage->HeldView->Preview.Ring->Visible);
  EXPECT_FALSE(stage->CountdownRing->Visible);
}

TEST_F(RunningStageTest, TheStageAndThePreviewPayTheSameAtAnyChainLength) {
  constexpr int32_t Top = std::numeric_limits<int32_t>::max();
  list->More.DropPreview = true;
  // The chain the row clears at, and what it pays.
  const std::pair<int32_t, int32_t> cases[] = {{0, 100},   {1, 200},   {4, 1600}, {24, 1677721600}, {25, Top},
                                               {31, Top},  {32, Top},  {70, Top}, {Top - 1, Top}};
  for (const auto& [chain, payout] : cases) {
    Play(1, {{GapAt5}});
    player->SetMoney(0);
    stage->Round->PendingMoney = 0;
    Hold(9);
    stage->Round->Chain = chain;
    MoveTo(17, 5);
    const TDropForecast forecast = stage->HeldView->Preview.Forecast;
    EXPECT_EQ(forecast.Money, payout) << chain;
    Click(mbLeft);
    EXPECT_EQ(stage->RowClear->ChainText->Text, "*" + std::to_string(forecast.FirstMultiplier)) << chain;
    RunFor(0.6);
    ASSERT_EQ(stage->Round->RowsCleared, 1) << chain;
    EXPECT_EQ(int64_t{stage->Round->PendingMoney} + player->Money(), payout) << chain;
    EXPECT_EQ(player->Record.BestLevelMoney, payout) << chain;
    player->Record = TPlayerRecord();
    list->SetCurrentStage(title);
  }
}

TEST(DropForecast, RowsPayDoublingFromTheChainMultiplier) {
  TGmCells board;
  for (int32_t row : {15, 16, 17})
    for (int32_t col = 0; col < BoardCols; ++col)
      if (!(row == 17 && col == 3)) board.SetCell(row, col, static_cast<uint8_t>(col % 5));
  const TDropForecast forecast = ForecastDrop(board, {{MakeGmPoint(17, 3), 1}}, 2);
  EXPECT_EQ(forecast.Rows, (std::vector<int32_t>{15, 16, 17}));
  EXPECT_EQ(forecast.FirstMultiplier, 4);
  EXPECT_EQ(forecast.Money, 400 + 800 + 1600);
  EXPECT_EQ(ForecastDrop(board, {{MakeGmPoint(17, 3), 14}}, 0).Rows, (std::vector<int32_t>{15, 16}))
      << "a chip does not complete a row";
  EXPECT_EQ(ForecastDrop(board, {{MakeGmPoint(-1, 3), 1}, {MakeGmPoint(17, 4), 1}}, 0).Rows.size(), 2u)
      << "gems off the board or over taken cells change nothing";
}

}  // namespace
