// The flow record: loading derives targets and end cells; bad records change nothing.

#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "board/move_matrix.h"
#include "board_test_helpers.h"
#include "frame/errors.h"

namespace {
std::string Saved(const TMoveMatrix& matrix) {
  std::ostringstream out;
  matrix.SaveToStream(out);
  return out.str();
}

// A record whose cells all have no source, except the one written at cell index `at`.
std::string RecordWithCell(int32_t at, const std::string& cellBytes) {
  std::string bytes;
  for (int32_t i = 0; i < BoardCellCount; ++i) bytes += i == at ? cellBytes : Int32Bytes(0);
  return bytes;
}

std::string Entry(int32_t row, int32_t col) { return Int32Bytes(row) + Int32Bytes(col); }
}  // namespace

TEST(MoveMatrix, ZerosGiveNoSourcesAndEveryCellAnEndCell) {
  TMoveMatrix matrix;
  std::istringstream in(std::string(864, '\0'));
  matrix.LoadFromStream(in);
  ASSERT_EQ(matrix.EndCells().size(), 216u);
  EXPECT_EQ(matrix.EndCells()[0], MakeGmPoint(0, 0));
  EXPECT_EQ(matrix.EndCells()[13], MakeGmPoint(1, 1));
  EXPECT_EQ(matrix.EndCells()[215], MakeGmPoint(17, 11));
  EXPECT_EQ(matrix.SourceCount(9, 9), 0);
  EXPECT_EQ(matrix.TargetCount(9, 9), 0);
  EXPECT_EQ(in.tellg(), 864);
}

TEST(MoveMatrix, TargetsAndEndCellsAreDerivedInRowMajorOrder) {
  TMoveMatrix matrix;
  // (0,0) feeds (1,0) and (0,1); (1,0) feeds (2,0) and (1,1). Listed out of order on purpose.
  LoadFlow(matrix, {{{1, 0}, {{0, 0}}}, {{2, 0}, {{1, 0}}}, {{1, 1}, {{1, 0}}}, {{0, 1}, {{0, 0}}}});
  ASSERT_EQ(matrix.TargetCount(0, 0), 2);
  EXPECT_EQ(matrix.TargetAt(0, 0, 0), MakeGmPoint(0, 1));
  EXPECT_EQ(matrix.TargetAt(0, 0, 1), MakeGmPoint(1, 0));
  ASSERT_EQ(matrix.TargetCount(1, 0), 2);
  EXPECT_EQ(matrix.TargetAt(1, 0, 0), MakeGmPoint(1, 1));
  EXPECT_EQ(matrix.TargetAt(1, 0, 1), MakeGmPoint(2, 0));
  ASSERT_EQ(matrix.EndCells().size(), 214u);
  EXPECT_EQ(matrix.EndCells()[0], MakeGmPoint(0, 1));
  EXPECT_EQ(matrix.EndCells()[10], MakeGmPoint(0, 11));
  EXPECT_EQ(matrix.EndCells()[11], MakeGmPoint(1, 1));
}

TEST(MoveMatrix, OneSourceMakesOneTarget) {
  TMoveMatrix matrix;
  std::istringstream in(RecordWithCell(12, Int32Bytes(1) + Entry(0, 0)));
  matrix.LoadFromStream(in);
  ASSERT_EQ(matrix.TargetCount(0, 0), 1);
  EXPECT_EQ(matrix.TargetAt(0, 0, 0), MakeGmPoint(1, 0));
  ASSERT_EQ(matrix.EndCells().size(), 215u);
  EXPECT_EQ(matrix.EndCells()[0], MakeGmPoint(0, 1));
}

TEST(MoveMatrix, SavesAndReloadsByteForByteWithDuplicatesInOrder) {
  TMoveMatrix matrix;
  LoadFlow(matrix, {{{5, 5}, {{4, 5}, {4, 6}, {4, 5}, {5, 4}}}, {{17, 11}, {{17, 10}, {17, 10}}}, {{0, 3}, {{0, 2}}}});
  const std::string bytes = Saved(matrix);
  EXPECT_EQ(bytes.size(), 864u + 8 * 7);
  // Cell (0,3) is the fourth record: count 1, then row 0, column 2.
  EXPECT_EQ(bytes.substr(12, 12), Int32Bytes(1) + Entry(0, 2));
  TMoveMatrix reloaded;
  std::istringstream in(bytes);
  reloaded.LoadFromStream(in);
  EXPECT_EQ(Saved(reloaded), bytes);
  ASSERT_EQ(reloaded.SourceCount(5, 5), 4);
  EXPECT_EQ(reloaded.SourceAt(5, 5, 2), MakeGmPoint(4, 5));
  EXPECT_EQ(reloaded.SourceAt(5, 5, 3), MakeGmPoint(5, 4));
  EXPECT_EQ(reloaded.TargetCount(17, 10), 2);
}

TEST(MoveMatrix, EditingSourcesLeavesTargetsAsLastLoaded) {
  TMoveMatrix matrix;
  LoadFlow(matrix, {{{1, 0}, {{0, 0}}}});
  matrix.ClearSources(1, 0);
  matrix.SetSourceCount(3, 3, 2);
  EXPECT_EQ(matrix.SourceAt(3, 3, 1), MakeGmPoint(0, 0));
  matrix.SetSourceRow(3, 3, 1, 2);
  matrix.SetSourceCol(3, 3, 1, 3);
  EXPECT_EQ(matrix.SourceAt(3, 3, 1), MakeGmPoint(2, 3));
  EXPECT_EQ(matrix.SourceCount(1, 0), 0);
  EXPECT_EQ(matrix.TargetCount(0, 0), 1);
  EXPECT_EQ(matrix.EndCells().size(), 215u);
  // Growing keeps the entries that were there.
  matrix.SetSourceCount(3, 3, 3);
  EXPECT_EQ(matrix.SourceAt(3, 3, 1), MakeGmPoint(2, 3));
}

TEST(MoveMatrix, OutOfRangeAccessReadsNothingAndWritesNothing) {
  TMoveMatrix matrix;
  matrix.SetSourceCount(18, 0, 3);
  matrix.SetSourceCount(2, 2, -4);
  matrix.SetSourceAt(2, 2, 0, {1, 1});
  EXPECT_EQ(matrix.SourceCount(18, 0), 0);
  EXPECT_EQ(matrix.SourceCount(2, 2), 0);
  EXPECT_EQ(matrix.SourceAt(2, 2, 5), MakeGmPoint(0, 0));
  EXPECT_EQ(matrix.TargetAt(-1, 0, 0), MakeGmPoint(0, 0));
  EXPECT_EQ(Saved(matrix), std::string(864, '\0'));
}

TEST(MoveMatrix, ACycleLoads) {
  TMoveMatrix matrix;
  LoadFlow(matrix, {{{5, 5}, {{5, 6}}}, {{5, 6}, {{4, 6}}}, {{4, 6}, {{5, 5}}}});
  EXPECT_EQ(matrix.SourceCount(4, 6), 1);
  EXPECT_EQ(matrix.TargetAt(5, 5, 0), MakeGmPoint(4, 6));
}

// Each bad record leaves the matrix and the stream exactly as they were.
class BadFlowRecord : public ::testing::Test {
 protected:
  TMoveMatrix matrix;
  std::string before;

  void SetUp() override {
    LoadFlow(matrix, {{{1, 0}, {{0, 0}}}, {{9, 9}, {{8, 9}, {8, 10}}}});
    before = Saved(matrix);
  }

  // Loads `record` placed after a 3-byte prefix and returns the error text.
  std::string LoadFails(const std::string& record) {
    std::istringstream in("abc" + record);
    in.seekg(3);
    std::string message;
    try {
      matrix.LoadFromStream(in);
    } catch (const EGameError& error) {
      message = error.what();
    }
    EXPECT_EQ(in.tellg(), 3);
    EXPECT_EQ(Saved(matrix), before);
    EXPECT_EQ(matrix.TargetCount(0, 0), 1);
    EXPECT_EQ(matrix.EndCells().size(), 213u);
    return message;
  }
};

TEST_F(BadFlowRecord, NegativeCount) {
  const std::string message = LoadFails(RecordWithCell(30, Int32Bytes(-1)));
  EXPECT_NE(message.find("negative"), std::string::npos) << message;
  EXPECT_NE(message.find("(2, 6)"), std::string::npos) << message;
}

TEST_F(BadFlowRecord, MoreEntriesThanTheStreamHolds) {
  // A huge count must fail before anything is sized for it.
  std::string message = LoadFails(RecordWithCell(0, Int32Bytes(0x7FFFFFFF)));
  EXPECT_NE(message.find("ends"), std::string::npos) << message;
  message = LoadFails(RecordWithCell(215, Int32Bytes(2) + Entry(17, 10)));
  EXPECT_NE(message.find("ends"), std::string::npos) << message;
  // Long enough to pass the size check, but the counts run past the end.
  std::string longFirstCell = Int32Bytes(100);
  for (int i = 0; i < 100; ++i) longFirstCell += Entry(0, 1);
  message = LoadFails(longFirstCell + std::string(60, '\0'));
  EXPECT_NE(message.find("ends"), std::string::npos) << message;
}

TEST_F(BadFlowRecord, SourceOffTheBoard) {
  std::string message = LoadFails(RecordWithCell(0, Int32Bytes(1) + Entry(-1, 0)));
  EXPECT_NE(message.find("off the board"), std::string::npos) << message;
  message = LoadFails(RecordWithCell(11, Int32Bytes(1) + Entry(0, 12)));
  EXPECT_NE(message.find("(0, 12)"), std::string::npos) << message;
}

TEST_F(BadFlowRecord, SourceThatIsNotANeighbour) {
  std::string message = LoadFails(RecordWithCell(CellIndex(4, 3), Int32Bytes(1) + Entry(4, 5)));
  EXPECT_NE(message.find("not its neighbour"), std::string::npos) << message;
  message = LoadFails(RecordWithCell(CellIndex(4, 3), Int32Bytes(1) + Entry(4, 3)));
  EXPECT_NE(message.find("not its neighbour"), std::string::npos) << message;
}

TEST_F(BadFlowRecord, FewerThan864BytesChangeNothingSilently) {
  std::istringstream in(std::string(863, '\0'));
  EXPECT_NO_THROW(matrix.LoadFromStream(in));
  EXPECT_EQ(in.tellg(), 0);
  EXPECT_EQ(Saved(matrix), before);
  EXPECT_EQ(matrix.EndCells().size(), 213u);
  std::istringstream empty;
  EXPECT_NO_THROW(matrix.LoadFromStream(empty));
  EXPECT_EQ(Saved(matrix), before);
}
