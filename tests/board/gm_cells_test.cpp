// The board: counting, full rows, searching, and the flow of gems into holes and down slopes.

#include <gtest/gtest.h>

#include "board/gm_cells.h"
#include "board_test_helpers.h"

namespace {
void FillRow(TGmCells& board, int32_t row, uint8_t code) {
  for (int32_t col = 0; col < BoardCols; ++col) board.SetCell(row, col, code);
}

// (5,5) <- (5,6) <- (4,6) <- (5,5): three neighbours feeding each other in a ring.
const std::vector<TFlowLink> Ring = {{{5, 5}, {{5, 6}}}, {{5, 6}, {{4, 6}}}, {{4, 6}, {{5, 5}}}};

class BoardTest : public ::testing::Test {
 protected:
  TGmCells board;

  void ExpectCells(std::initializer_list<std::pair<TGmPoint, uint8_t>> expected) {
    for (const auto& [cell, code] : expected)
      EXPECT_EQ(board.GetCell(cell.Row, cell.Col), code) << "(" << cell.Row << ", " << cell.Col << ")";
    EXPECT_EQ(board.FilledCount, CountOccupied(board));
  }
};
}  // namespace

TEST_F(BoardTest, CountsAndSearchesCells) {
  int32_t row = -1, col = -1;
  EXPECT_FALSE(board.FindEmpty(216, row, col) || board.FindFilled(0, row, col));
  for (uint8_t code : {CellEmpty, uint8_t{Red}, uint8_t{14}}) board.SetCell(3, 3, code);
  board.SetCell(17, 0, 77);  // a byte of no kind still occupies its cell
  board.SetCell(18, 0, Blue);
  EXPECT_EQ(board.FilledCount, 2);
  ASSERT_TRUE(board.FindFilled(1, row, col));
  EXPECT_EQ(MakeGmPoint(row, col), MakeGmPoint(17, 0));
  ASSERT_TRUE(board.FindEmpty(39, row, col));  // (3,3) is skipped
  EXPECT_EQ(MakeGmPoint(row, col), MakeGmPoint(3, 4));
  EXPECT_TRUE(board.IsBlocked(-1, 0) && board.IsBlocked(0, 12) && board.IsBlocked(3, 3));
  EXPECT_FALSE(board.IsBlocked(3, 4));
}

TEST_F(BoardTest, TheLowestCompleteRowOfPlainGemsIsFound) {
  EXPECT_EQ(board.FindFullRow(), -1);
  for (int32_t col = 0; col < BoardCols; ++col) board.SetCell(9, col, static_cast<uint8_t>(col % 5));
  FillRow(board, 15, Green);
  EXPECT_EQ(board.FindFullRow(), 9);
  board.SetCell(9, 11, 12);  // a chip keeps the row incomplete
  EXPECT_EQ(board.FindFullRow(), 15);
  board.SetCell(15, 0, 20);
  EXPECT_EQ(board.FindFullRow(), -1);
  board.SetCell(15, 0, Downgrade(Downgrade(20)));
  EXPECT_EQ(board.FindFullRow(), 15);
}

TEST_F(BoardTest, RemovedRowsAreQueuedAndRefilledInOrder) {
  // Row 17 feeds from the row above; (17,1) takes from its left neighbour first.
  std::vector<TFlowLink> flow;
  for (int32_t col = 0; col < BoardCols; ++col) flow.push_back({{17, col}, {{16, col}}});
  flow[1].Sources = {{17, 0}, {16, 1}};
  LoadFlow(board.MoveMatrix, flow);
  FillRow(board, 16, Blue);
  board.SetCell(16, 0, Red);
  FillRow(board, 17, Green);
  board.RemoveRow(18);
  board.RemoveRow(-1);
  EXPECT_TRUE(board.RemovedCells.empty());
  board.RemoveRow(17);
  ASSERT_EQ(board.RemovedCells.size(), 12u);
  EXPECT_EQ(board.RemovedCells[11], MakeGmPoint(17, 11));
  board.RefillRemoved();
  // (17,0) took the red gem, then (17,1) took it from (17,0), which stays empty.
  ExpectCells({{{17, 0}, CellEmpty}, {{17, 1}, Red}, {{16, 0}, CellEmpty}, {{16, 1}, Blue}, {{17, 2}, Blue}});
  EXPECT_EQ(board.FilledCount, 12);
  EXPECT_TRUE(board.RemovedCells.empty());
  board.ClearCells();
  EXPECT_EQ(board.FilledCount, 0);
  EXPECT_EQ(board.MoveMatrix.SourceCount(17, 1), 2);
}

TEST_F(BoardTest, RefillMovesEveryGemOfTheChainAndTheHoleStopsAtACellWithoutSources) {
  LoadFlow(board.MoveMatrix, {{{17, 0}, {{16, 0}}}, {{16, 0}, {{15, 0}}}, {{15, 0}, {{14, 0}}}});
  board.SetCell(16, 0, Green);
  board.SetCell(15, 0, Blue);
  board.SetCell(14, 0, Red);
  board.Refill({17, 0});
  ExpectCells({{{17, 0}, Green}, {{16, 0}, Blue}, {{15, 0}, Red}, {{14, 0}, CellEmpty}});
  board.Refill({14, 0});
  ExpectCells({{{14, 0}, CellEmpty}});
}

TEST_F(BoardTest, RefillPassesOverAnEmptyFirstSource) {
  LoadFlow(board.MoveMatrix, {{{10, 5}, {{9, 4}, {9, 5}}}, {{9, 5}, {{8, 5}}}, {{9, 4}, {{8, 4}}}});
  board.SetCell(9, 5, Purple);
  board.SetCell(8, 5, White);
  board.Refill({10, 5});
  ExpectCells({{{10, 5}, Purple}, {{9, 5}, White}, {{8, 5}, CellEmpty}, {{9, 4}, CellEmpty}});
  // Now both sources are empty: the cell stays empty, yet the first source's chain shifts.
  board.SetCell(10, 5, CellEmpty);
  board.SetCell(9, 5, CellEmpty);
  board.SetCell(8, 4, Red);
  board.Refill({10, 5});
  ExpectCells({{{10, 5}, CellEmpty}, {{9, 4}, Red}, {{8, 4}, CellEmpty}});
}

TEST_F(BoardTest, RefillAndSlideEndOnACycle) {
  LoadFlow(board.MoveMatrix, Ring);
  board.SetCell(5, 6, Blue);
  board.SetCell(4, 6, Red);
  board.Refill({5, 5});
  // The hole went once round the ring and stopped where it started; no gem was lost.
  ExpectCells({{{5, 5}, CellEmpty}, {{5, 6}, Red}, {{4, 6}, Blue}});
  board.ClearCells();
  board.Refill({5, 6});
  board.SetCell(5, 5, Purple);
  TGmPoint gem{5, 5};
  board.SlideDown(gem);
  // (5,5) -> (4,6) -> (5,6); the next step would come back to (5,5).
  EXPECT_EQ(gem, MakeGmPoint(5, 6));
  ExpectCells({{{5, 6}, Purple}, {{5, 5}, CellEmpty}, {{4, 6}, CellEmpty}});
}

TEST_F(BoardTest, SlideDownTakesTheFirstEmptyTargetUntilNoneIsLeft) {
  // (16,0) feeds (16,1) and (17,0), in that order; (17,0) feeds (17,1).
  LoadFlow(board.MoveMatrix, {{{16, 1}, {{16, 0}}}, {{17, 0}, {{16, 0}}}, {{17, 1}, {{17, 0}}}});
  board.SetCell(16, 1, White);
  board.SetCell(16, 0, Red);
  TGmPoint gem{16, 0};
  board.SlideDown(gem);
  EXPECT_EQ(gem, MakeGmPoint(17, 1));
  ExpectCells({{{16, 0}, CellEmpty}, {{17, 0}, CellEmpty}, {{17, 1}, Red}, {{16, 1}, White}});
}
