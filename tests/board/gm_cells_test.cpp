// The board: counting, full rows, searching, layout records, and the flow of gems into holes.

#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "board/gm_cells.h"
#include "board_test_helpers.h"

namespace {
void FillRow(TGmCells& board, int32_t row, uint8_t code) {
  for (int32_t col = 0; col < BoardCols; ++col) board.SetCell(row, col, code);
}

std::string LayoutBytes(const TGmCells& board) {
  std::ostringstream out;
  board.SaveToStream(out);
  return out.str();
}
}  // namespace

TEST(GmCells, NewBoardIsEmpty) {
  TGmCells board;
  EXPECT_EQ(board.FilledCount, 0);
  EXPECT_EQ(CountOccupied(board), 0);
  EXPECT_EQ(board.FindFullRow(), -1);
  int32_t row = -1, col = -1;
  EXPECT_TRUE(board.FindEmpty(215, row, col));
  EXPECT_EQ(row, 17);
  EXPECT_EQ(col, 11);
  EXPECT_FALSE(board.FindEmpty(216, row, col));
  EXPECT_FALSE(board.FindFilled(0, row, col));
  EXPECT_TRUE(board.MoveMatrix.EndCells().empty());
}

TEST(GmCells, FilledCountChangesOnlyBetweenEmptyAndOccupied) {
  TGmCells board;
  board.SetCell(3, 3, CellEmpty);
  EXPECT_EQ(board.FilledCount, 0);
  board.SetCell(3, 3, Red);
  board.SetCell(3, 3, 14);
  EXPECT_EQ(board.FilledCount, 1);
  board.SetCell(3, 4, 77);  // a byte of no kind still occupies the cell
  EXPECT_EQ(board.FilledCount, 2);
  board.SetCell(3, 3, CellEmpty);
  EXPECT_EQ(board.FilledCount, 1);
}

TEST(GmCells, OffBoardCellsAreBlockedAndNeverWritten) {
  TGmCells board;
  EXPECT_TRUE(board.IsBlocked(-1, 0));
  EXPECT_TRUE(board.IsBlocked(0, 12));
  EXPECT_TRUE(board.IsBlocked(18, 0));
  EXPECT_FALSE(board.IsBlocked(17, 11));
  board.SetCell(17, 11, Blue);
  EXPECT_TRUE(board.IsBlocked(17, 11));
  board.SetCell(18, 0, Blue);
  board.SetCell(0, -1, Blue);
  EXPECT_EQ(board.FilledCount, 1);
  EXPECT_EQ(board.GetCell(18, 0), CellEmpty);
  EXPECT_EQ(board.GetCell(1, 0), CellEmpty);  // not the byte after row 0
}

TEST(GmCells, FullRowIsTheLowestIndexOfPlainGemsOnly) {
  TGmCells board;
  for (int32_t col = 0; col < BoardCols; ++col) board.SetCell(9, col, static_cast<uint8_t>(col % 5));
  FillRow(board, 15, Green);
  EXPECT_EQ(board.FindFullRow(), 9);
  board.SetCell(9, 11, 12);  // a chip keeps the row incomplete
  EXPECT_EQ(board.FindFullRow(), 15);
  board.SetCell(15, 0, 20);
  EXPECT_EQ(board.FindFullRow(), -1);
  board.SetCell(15, 0, Downgrade(Downgrade(20)));
  EXPECT_EQ(board.FindFullRow(), 15);
  board.SetCell(15, 5, CellEmpty);
  board.SetCell(9, 11, 7);  // no kind: not a plain gem either
  EXPECT_EQ(board.FindFullRow(), -1);
}

TEST(GmCells, RemoveRowQueuesItsCellsInOrder) {
  TGmCells board;
  FillRow(board, 4, White);
  FillRow(board, 6, Red);
  board.RemoveRow(18);
  board.RemoveRow(-1);
  EXPECT_TRUE(board.RemovedCells.empty());
  EXPECT_EQ(board.FilledCount, 24);
  board.RemoveRow(6);
  board.RemoveRow(4);
  ASSERT_EQ(board.RemovedCells.size(), 24u);
  EXPECT_EQ(board.RemovedCells[0], MakeGmPoint(6, 0));
  EXPECT_EQ(board.RemovedCells[11], MakeGmPoint(6, 11));
  EXPECT_EQ(board.RemovedCells[12], MakeGmPoint(4, 0));
  EXPECT_EQ(board.FilledCount, 0);
  board.RefillRemoved();
  EXPECT_TRUE(board.RemovedCells.empty());
}

TEST(GmCells, FindFilledAndFindEmptyCountRowMajor) {
  TGmCells board;
  board.SetCell(0, 5, Red);
  board.SetCell(2, 0, Blue);
  board.SetCell(17, 11, Green);
  int32_t row = -1, col = -1;
  ASSERT_TRUE(board.FindFilled(1, row, col));
  EXPECT_EQ(MakeGmPoint(row, col), MakeGmPoint(2, 0));
  ASSERT_TRUE(board.FindFilled(2, row, col));
  EXPECT_EQ(MakeGmPoint(row, col), MakeGmPoint(17, 11));
  EXPECT_FALSE(board.FindFilled(3, row, col));
  EXPECT_FALSE(board.FindFilled(-1, row, col));
  ASSERT_TRUE(board.FindEmpty(5, row, col));
  EXPECT_EQ(MakeGmPoint(row, col), MakeGmPoint(0, 6));
  ASSERT_TRUE(board.FindEmpty(212, row, col));
  EXPECT_EQ(MakeGmPoint(row, col), MakeGmPoint(17, 10));
  EXPECT_FALSE(board.FindEmpty(213, row, col));
}

TEST(GmCells, ClearCellsKeepsTheFlow) {
  TGmCells board;
  LoadFlow(board.MoveMatrix, {{{1, 0}, {{0, 0}}}});
  FillRow(board, 3, Red);
  board.RemoveRow(3);
  board.SetCell(5, 5, Blue);
  board.ClearCells();
  EXPECT_EQ(board.FilledCount, 0);
  EXPECT_EQ(CountOccupied(board), 0);
  EXPECT_TRUE(board.RemovedCells.empty());
  EXPECT_EQ(board.MoveMatrix.SourceCount(1, 0), 1);
}

TEST(GmCellsLayout, RoundTripsByteForByteAndRecounts) {
  std::string bytes(216, static_cast<char>(CellEmpty));
  for (int i = 0; i < 100; ++i) bytes[(i * 7) % 216] = static_cast<char>(i % 3 == 0 ? 20 + i % 5 : i % 5);
  bytes[215] = static_cast<char>(99);
  TGmCells board;
  std::istringstream in(bytes);
  board.LoadFromStream(in);
  EXPECT_EQ(board.FilledCount, 101);
  EXPECT_EQ(CountOccupied(board), 101);
  EXPECT_EQ(board.GetCell(17, 11), 99);
  EXPECT_EQ(LayoutBytes(board), bytes);
}

TEST(GmCellsLayout, AShortStreamLeavesTheRestAsItWas) {
  TGmCells board;
  board.SetCell(0, 0, Red);
  board.SetCell(17, 11, Blue);
  std::istringstream in(std::string(12, static_cast<char>(Green)));
  board.LoadFromStream(in);
  for (int32_t col = 0; col < BoardCols; ++col) EXPECT_EQ(board.GetCell(0, col), Green);
  EXPECT_EQ(board.GetCell(17, 11), Blue);
  EXPECT_EQ(board.FilledCount, 13);
}

// Flows used below, drawn as chains of sources (a <- b means a is refilled from b).
// Column chain:  (17,0) <- (16,0) <- (15,0) <- (14,0)   (14,0) has no source.
class RefillTest : public ::testing::Test {
 protected:
  TGmCells board;

  void ExpectCells(std::initializer_list<std::pair<TGmPoint, uint8_t>> expected) {
    for (const auto& [cell, code] : expected)
      EXPECT_EQ(board.GetCell(cell.Row, cell.Col), code) << "(" << cell.Row << ", " << cell.Col << ")";
    EXPECT_EQ(board.FilledCount, CountOccupied(board));
  }
};

TEST_F(RefillTest, GemsMoveOneCellDownTheChainAndTheHoleStopsAtTheTop) {
  LoadFlow(board.MoveMatrix, {{{17, 0}, {{16, 0}}}, {{16, 0}, {{15, 0}}}, {{15, 0}, {{14, 0}}}});
  board.SetCell(16, 0, Green);
  board.SetCell(15, 0, Blue);
  board.SetCell(14, 0, Red);
  board.Refill({17, 0});
  ExpectCells({{{17, 0}, Green}, {{16, 0}, Blue}, {{15, 0}, Red}, {{14, 0}, CellEmpty}});
}

TEST_F(RefillTest, ACellWithoutSourcesIsLeftEmpty) {
  board.SetCell(8, 8, Red);
  board.Refill({8, 8});
  ExpectCells({{{8, 8}, CellEmpty}});
}

TEST_F(RefillTest, AnEmptyFirstSourceGivesWayToTheNextOccupiedOne) {
  // (10,5) <- [(9,4) empty, (9,5) full]; (9,5) <- (8,5).
  LoadFlow(board.MoveMatrix, {{{10, 5}, {{9, 4}, {9, 5}}}, {{9, 5}, {{8, 5}}}});
  board.SetCell(9, 5, Purple);
  board.SetCell(8, 5, White);
  board.Refill({10, 5});
  ExpectCells({{{10, 5}, Purple}, {{9, 5}, White}, {{8, 5}, CellEmpty}, {{9, 4}, CellEmpty}});
}

TEST_F(RefillTest, AllSourcesEmptyStillShiftsTheFirstSourcesChain) {
  // (10,5) <- [(9,4), (9,5)] both empty; (9,4) <- (8,4) which holds a gem.
  LoadFlow(board.MoveMatrix, {{{10, 5}, {{9, 4}, {9, 5}}}, {{9, 4}, {{8, 4}}}});
  board.SetCell(8, 4, Red);
  board.Refill({10, 5});
  ExpectCells({{{10, 5}, CellEmpty}, {{9, 4}, Red}, {{8, 4}, CellEmpty}});
}

TEST_F(RefillTest, ARemovedRowIsRefilledFromColumnZeroOn) {
  // Row 17 (odd) feeds from row 16 straight above; (17,1) also takes from its left neighbour
  // first, which has just been refilled from above.
  std::vector<TFlowLink> flow;
  for (int32_t col = 0; col < BoardCols; ++col) flow.push_back({{17, col}, {{16, col}}});
  flow[1].Sources = {{17, 0}, {16, 1}};
  LoadFlow(board.MoveMatrix, flow);
  FillRow(board, 16, Blue);
  board.SetCell(16, 0, Red);
  FillRow(board, 17, Green);
  board.RemoveRow(17);
  board.RefillRemoved();
  // (17,0) took the red gem from above; (17,1) then took it from (17,0), which pulled again
  // from the now empty (16,0) and stays empty.
  ExpectCells({{{17, 1}, Red}, {{17, 0}, CellEmpty}, {{16, 0}, CellEmpty}, {{16, 1}, Blue}, {{17, 2}, Blue}});
  EXPECT_EQ(board.FilledCount, 12);
  EXPECT_TRUE(board.RemovedCells.empty());
}

TEST_F(RefillTest, ACycleEndsAndKeepsEveryRemainingGem) {
  // (5,5) <- (5,6) <- (4,6) <- (5,5): three neighbours feeding each other in a ring.
  LoadFlow(board.MoveMatrix, {{{5, 5}, {{5, 6}}}, {{5, 6}, {{4, 6}}}, {{4, 6}, {{5, 5}}}});
  board.SetCell(5, 6, Blue);
  board.SetCell(4, 6, Red);
  board.Refill({5, 5});
  // The hole went once round the ring and stopped where it started.
  ExpectCells({{{5, 5}, CellEmpty}, {{5, 6}, Red}, {{4, 6}, Blue}});
}

TEST_F(RefillTest, ACycleOfEmptyCellsEnds) {
  LoadFlow(board.MoveMatrix, {{{5, 5}, {{5, 6}}}, {{5, 6}, {{4, 6}}}, {{4, 6}, {{5, 5}}}});
  board.Refill({5, 6});
  ExpectCells({{{5, 5}, CellEmpty}, {{5, 6}, CellEmpty}, {{4, 6}, CellEmpty}});
}

TEST_F(RefillTest, SourcesSetOffTheBoardByHandAreIgnored) {
  board.MoveMatrix.SetSourceCount(0, 0, 2);
  board.MoveMatrix.SetSourceAt(0, 0, 0, {-1, 0});
  board.MoveMatrix.SetSourceAt(0, 0, 1, {0, 1});
  board.SetCell(0, 1, Green);
  board.Refill({0, 0});
  ExpectCells({{{0, 0}, Green}, {{0, 1}, CellEmpty}});
  board.Refill({0, 0});
  ExpectCells({{{0, 0}, CellEmpty}});
}

TEST_F(RefillTest, SlideDownFollowsTheFirstEmptyTarget) {
  // (16,0) feeds (16,1) and (17,0), in that order; (17,0) feeds (17,1).
  LoadFlow(board.MoveMatrix, {{{16, 1}, {{16, 0}}}, {{17, 0}, {{16, 0}}}, {{17, 1}, {{17, 0}}}});
  ASSERT_EQ(board.MoveMatrix.TargetAt(16, 0, 0), MakeGmPoint(16, 1));
  board.SetCell(16, 1, White);
  board.SetCell(16, 0, Red);
  TGmPoint gem{16, 0};
  board.SlideDown(gem);
  // (16,1) is taken, so the gem goes to (17,0) and on to (17,1).
  EXPECT_EQ(gem, MakeGmPoint(17, 1));
  ExpectCells({{{16, 0}, CellEmpty}, {{17, 0}, CellEmpty}, {{17, 1}, Red}, {{16, 1}, White}});
  TGmPoint stuck{16, 1};
  board.SlideDown(stuck);
  EXPECT_EQ(stuck, MakeGmPoint(16, 1));
  EXPECT_EQ(board.GetCell(16, 1), White);
}

TEST_F(RefillTest, SlideDownAroundACycleEnds) {
  LoadFlow(board.MoveMatrix, {{{5, 5}, {{5, 6}}}, {{5, 6}, {{4, 6}}}, {{4, 6}, {{5, 5}}}});
  board.SetCell(5, 5, Purple);
  TGmPoint gem{5, 5};
  board.SlideDown(gem);
  // (5,5) -> (4,6) -> (5,6); the next step would come back to (5,5).
  EXPECT_EQ(gem, MakeGmPoint(5, 6));
  ExpectCells({{{5, 6}, Purple}, {{5, 5}, CellEmpty}, {{4, 6}, CellEmpty}});
}
