// Random boards under random acyclic flows: whatever the sequence of operations, FilledCount
// matches the cells, and refill agrees with the plain recursive walk up the sources.

#include <array>
#include <numeric>
#include <random>

#include <gtest/gtest.h>

#include "board_test_helpers.h"

namespace {
using TCellArray = std::array<uint8_t, BoardCellCount>;

// Sources only come from cells ranked earlier, so the flow has no cycle; some repeat.
std::vector<TFlowLink> RandomAcyclicFlow(std::mt19937& random) {
  std::vector<int32_t> rank(BoardCellCount);
  std::iota(rank.begin(), rank.end(), 0);
  std::shuffle(rank.begin(), rank.end(), random);
  std::vector<TFlowLink> flow;
  for (int32_t i = 0; i < BoardCellCount; ++i) {
    TFlowLink link{{i / BoardCols, i % BoardCols}, {}};
    for (int32_t j = 0; j < BoardCellCount; ++j)
      if (rank[j] < rank[i] && AreNeighbours(link.Cell, {j / BoardCols, j % BoardCols}) && random() % 3)
        link.Sources.push_back({j / BoardCols, j % BoardCols});
    std::shuffle(link.Sources.begin(), link.Sources.end(), random);
    if (!link.Sources.empty() && random() % 8 == 0) link.Sources.push_back(link.Sources.front());
    flow.push_back(link);
  }
  return flow;
}

uint8_t RandomCode(std::mt19937& random) {
  static const uint8_t codes[] = {CellEmpty, CellEmpty, CellEmpty, 0, 1, 2, 3, 4, 10, 13, 21, 60};
  return codes[random() % std::size(codes)];
}

TCellArray CellsOf(const TGmCells& board) {
  TCellArray cells;
  for (int32_t i = 0; i < BoardCellCount; ++i) cells[i] = board.GetCell(i / BoardCols, i % BoardCols);
  return cells;
}

// The walk written the direct way, recursively.
void ReferenceRefill(TCellArray& cells, const TMoveMatrix& flow, const TGmPoint& p) {
  const int32_t count = flow.SourceCount(p.Row, p.Col);
  for (int32_t k = 0; k < count; ++k) {
    const TGmPoint s = flow.SourceAt(p.Row, p.Col, k);
    if (cells[CellIndex(s)] != CellEmpty) {
      cells[CellIndex(p)] = cells[CellIndex(s)];
      return ReferenceRefill(cells, flow, s);
    }
  }
  cells[CellIndex(p)] = CellEmpty;
  if (count > 0) ReferenceRefill(cells, flow, flow.SourceAt(p.Row, p.Col, 0));
}
}  // namespace

TEST(FlowProperty, RandomOperationsKeepTheBoardConsistent) {
  std::mt19937 random(20261207);
  for (int round = 0; round < 40; ++round) {
    TGmCells board;
    LoadFlow(board.MoveMatrix, RandomAcyclicFlow(random));
    for (int32_t i = 0; i < BoardCellCount; ++i) board.SetCell(i / BoardCols, i % BoardCols, RandomCode(random));
    for (int step = 0; step < 300; ++step) {
      const TGmPoint cell{static_cast<int32_t>(random() % BoardRows), static_cast<int32_t>(random() % BoardCols)};
      const int32_t gems = board.FilledCount;
      switch (random() % 7) {
        case 0: board.SetCell(cell.Row, cell.Col, RandomCode(random)); break;
        case 1: board.RemoveRow(cell.Row); break;
        case 2: board.RefillRemoved(); break;
        case 3: {
          TCellArray expected = CellsOf(board);
          ReferenceRefill(expected, board.MoveMatrix, cell);
          board.Refill(cell);
          ASSERT_EQ(CellsOf(board), expected) << "round " << round << " step " << step;
          break;
        }
        case 4: {
          TGmPoint gem = cell;
          const uint8_t code = board.GetCell(cell.Row, cell.Col);
          board.SlideDown(gem);
          ASSERT_EQ(board.GetCell(gem.Row, gem.Col), code);
          ASSERT_EQ(board.FilledCount, gems);
          break;
        }
        case 5: if (random() % 10 == 0) board.ClearCells(); break;
        default: {
          std::string layout(random() % 217, '\0');
          for (char& byte : layout) byte = static_cast<char>(RandomCode(random));
          std::istringstream in(layout);
          board.LoadFromStream(in);
        }
      }
      ASSERT_EQ(board.FilledCount, CountOccupied(board)) << "round " << round << " step " << step;
    }
  }
}
