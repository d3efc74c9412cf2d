// Random boards under random acyclic flows: whatever the sequence of operations, FilledCount
// matches the cells, gems are neither made nor lost by a refill into a hole or a slide, and the
// refill agrees with the plain recursive walk up the sources.

#include <array>
#include <numeric>
#include <random>
#include <sstream>
#include <vector>

#include <gtest/gtest.h>

#include "board/gm_cells.h"
#include "board_test_helpers.h"

namespace {
using TCellArray = std::array<uint8_t, BoardCellCount>;

TGmPointDynAry Neighbours(const TGmPoint& cell) {
  TGmPointDynAry result;
  for (int32_t dRow = -1; dRow <= 1; ++dRow)
    for (int32_t dCol = -1; dCol <= 1; ++dCol) {
      const TGmPoint other{cell.Row + dRow, cell.Col + dCol};
      if (IsOnBoard(other) && AreNeighbours(cell, other)) result.push_back(other);
    }
  return result;
}

// Sources only ever come from cells earlier in a random ranking, so the flow has no cycle.
// Some lists repeat a source, as the editor allows.
std::vector<TFlowLink> RandomAcyclicFlow(std::mt19937& random) {
  std::vector<int32_t> rank(BoardCellCount);
  std::iota(rank.begin(), rank.end(), 0);
  std::shuffle(rank.begin(), rank.end(), random);
  std::vector<TFlowLink> flow;
  for (int32_t row = 0; row < BoardRows; ++row)
    for (int32_t col = 0; col < BoardCols; ++col) {
      TFlowLink link{{row, col}, {}};
      for (const TGmPoint& n : Neighbours(link.Cell))
        if (rank[CellIndex(n)] < rank[CellIndex(row, col)] && random() % 3 != 0) link.Sources.push_back(n);
      std::shuffle(link.Sources.begin(), link.Sources.end(), random);
      if (!link.Sources.empty() && random() % 8 == 0) link.Sources.push_back(link.Sources.front());
      if (!link.Sources.empty()) flow.push_back(link);
    }
  return flow;
}

uint8_t RandomCode(std::mt19937& random) {
  static const uint8_t codes[] = {CellEmpty, CellEmpty, CellEmpty, 0, 1, 2, 3, 4, 10, 13, 21, 60};
  return codes[random() % std::size(codes)];
}

TCellArray CellsOf(const TGmCells& board) {
  TCellArray cells;
  for (int32_t row = 0; row < BoardRows; ++row)
    for (int32_t col = 0; col < BoardCols; ++col) cells[CellIndex(row, col)] = board.GetCell(row, col);
  return cells;
}

// The walk written the direct way: take the first occupied source's gem and refill that source;
// with every source empty, empty the cell and refill the first source.
void ReferenceRefill(TCellArray& cells, const TMoveMatrix& flow, const TGmPoint& p) {
  const int32_t count = flow.SourceCount(p.Row, p.Col);
  if (count == 0) {
    cells[CellIndex(p)] = CellEmpty;
    return;
  }
  for (int32_t k = 0; k < count; ++k) {
    const TGmPoint s = flow.SourceAt(p.Row, p.Col, k);
    if (cells[CellIndex(s)] != CellEmpty) {
      cells[CellIndex(p)] = cells[CellIndex(s)];
      ReferenceRefill(cells, flow, s);
      return;
    }
  }
  cells[CellIndex(p)] = CellEmpty;
  ReferenceRefill(cells, flow, flow.SourceAt(p.Row, p.Col, 0));
}

int32_t Occupied(const TCellArray& cells) {
  return static_cast<int32_t>(std::count_if(cells.begin(), cells.end(), [](uint8_t c) { return c != CellEmpty; }));
}
}  // namespace

TEST(FlowProperty, RandomOperationsKeepTheBoardConsistent) {
  std::mt19937 random(20261207);
  for (int round = 0; round < 40; ++round) {
    TGmCells board;
    LoadFlow(board.MoveMatrix, RandomAcyclicFlow(random));
    for (int32_t row = 0; row < BoardRows; ++row)
      for (int32_t col = 0; col < BoardCols; ++col) board.SetCell(row, col, RandomCode(random));

    for (int step = 0; step < 300; ++step) {
      const TGmPoint cell{static_cast<int32_t>(random() % BoardRows), static_cast<int32_t>(random() % BoardCols)};
      const TCellArray before = CellsOf(board);
      switch (random() % 8) {
        case 0:
          board.SetCell(cell.Row, cell.Col, RandomCode(random));
          break;
        case 1:
          board.RemoveRow(cell.Row);
          if (random() % 2) board.RemoveRow(static_cast<int32_t>(random() % BoardRows));
          break;
        case 2:
          board.RefillRemoved();
          break;
        case 3: {
          TCellArray expected = before;
          ReferenceRefill(expected, board.MoveMatrix, cell);
          board.Refill(cell);
          ASSERT_EQ(CellsOf(board), expected) << "round " << round << " step " << step;
          break;
        }
        case 4: {
          // A hole refilled: the gem count stays.
          board.SetCell(cell.Row, cell.Col, CellEmpty);
          const int32_t gems = board.FilledCount;
          board.Refill(cell);
          ASSERT_EQ(board.FilledCount, gems);
          break;
        }
        case 5: {
          TGmPoint gem = cell;
          const uint8_t code = board.GetCell(cell.Row, cell.Col);
          board.SlideDown(gem);
          ASSERT_EQ(Occupied(CellsOf(board)), Occupied(before));
          ASSERT_EQ(board.GetCell(gem.Row, gem.Col), code);
          break;
        }
        case 6: {
          if (random() % 10 == 0) board.ClearCells();
          break;
        }
        default: {
          std::string layout(random() % 217, '\0');
          for (char& byte : layout) byte = static_cast<char>(RandomCode(random));
          std::istringstream in(layout);
          board.LoadFromStream(in);
          break;
        }
      }
      ASSERT_EQ(board.FilledCount, CountOccupied(board)) << "round " << round << " step " << step;
    }
  }
}
