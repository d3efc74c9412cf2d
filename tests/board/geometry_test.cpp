// Cell <-> pixel mapping, neighbour directions and turns.

#include <set>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "board/hex_geometry.h"
#include "board_test_helpers.h"
#include "frame/paths.h"
#include "support/temp_dir.h"

namespace {
using TCell = std::pair<int32_t, int32_t>;
using TCells = std::vector<TCell>;

const THexGeometry Grid(18, TPointF{4, 0});

TCell CellAt(const THexGeometry& grid, float x, float y) {
  TCell cell;
  grid.PixelToCell(x, y, cell.first, cell.second);
  return cell;
}

TCell Turned(int32_t pivotRow, int32_t pivotCol, TCell cell) {
  Grid.RotateCell(pivotRow, pivotCol, cell.first, cell.second);
  return cell;
}

// Every cell of the shape turned once about (0, 0) by the geometry at that origin.
TCells TurnedOnce(const THexGeometry& geometry, TCells cells) {
  for (auto& [row, col] : cells) geometry.RotateCell(0, 0, row, col);
  return cells;
}
}  // namespace

TEST(Geometry, CellsMapToPixelsAndBack) {
  EXPECT_FLOAT_EQ(Grid.CellToPixel(0, 0).X, 4.0f);
  EXPECT_FLOAT_EQ(Grid.CellToPixel(1, 0).X, 19.588457f);  // 0.8660254 * 18, not the exact root
  EXPECT_FLOAT_EQ(Grid.CellToPixel(1, 0).Y, 27.0f);
  EXPECT_FLOAT_EQ(Grid.CellToPixel(0, 1).X, 35.176914f);
  EXPECT_FLOAT_EQ(Grid.CellToPixel(-1, 0).X, 4.0f - 15.588457f);  // row -1 shifts left
  EXPECT_EQ(CellAt(Grid, 19.5f, 27), TCell(1, 0));
  for (int32_t row = -1; row <= BoardRows; ++row)
    for (int32_t col = -1; col <= BoardCols; ++col)
      EXPECT_EQ(CellAt(Grid, Grid.CellToPixel(row, col).X + 6, Grid.CellToPixel(row, col).Y - 6), TCell(row, col));
  // Halves go to the even neighbour: rows 0.5 and 1.5, then columns -0.5 and 0.5.
  const THexGeometry zero(18, TPointF{0, 0});
  EXPECT_EQ(CellAt(zero, 0, 13.5f).first, 0);
  EXPECT_EQ(CellAt(zero, 0, 40.5f).first, 2);
  EXPECT_EQ(CellAt(zero, 0, 27), TCell(1, 0));
  EXPECT_EQ(CellAt(zero, 0, -27), TCell(-1, 0));
}

TEST(Geometry, NeighbourDirectionsFollowRowParity) {
  TTempProgramDir dir;
  EXPECT_EQ(ArrowFile({5, 3}, {4, 3}), GamePath("dat/c06"));  // odd row: upper left
  EXPECT_EQ(ArrowFile({4, 3}, {3, 3}), GamePath("dat/c04"));  // even row: upper right
  EXPECT_EQ(ArrowFile({4, 3}, {4, 2}), GamePath("dat/c02"));
  EXPECT_EQ(ArrowFile({4, 3}, {4, 5}), "");
  EXPECT_EQ(ArrowFile({4, 3}, {4, 3}), "");
  EXPECT_EQ(ArrowFile({4, 3}, {5, 4}), "");
  EXPECT_EQ(NeighbourDirection({-1, 0}, {0, 1}), DirLowerRight);  // row -1 is odd
}

TEST(Geometry, RotateCellTurnsAnticlockwiseOnScreen) {
  EXPECT_EQ(Turned(5, 5, {5, 6}), TCell(4, 6));
  EXPECT_EQ(Turned(5, 5, {4, 6}), TCell(4, 5));
  EXPECT_EQ(Turned(5, 5, {5, 7}), TCell(3, 6));
  EXPECT_EQ(Turned(5, 5, {5, 4}), TCell(6, 5));
  EXPECT_EQ(Turned(5, 5, {5, 5}), TCell(5, 5));
  // Above row 0 the turn follows the pixels, where row -1 lies half a cell to the left.
  EXPECT_EQ(Turned(0, 0, {0, 1}), TCell(-1, 1));
  EXPECT_EQ(Turned(0, 0, {-1, 0}), TCell(0, -1));
}

TEST(Geometry, SixTurnsRestoreEveryShapeAtAnyOrigin) {
  const std::vector<TCells> shapes = {
      {{0, 0}, {0, -1}, {0, 1}, {0, 2}},  {{0, 0}, {-1, 0}, {1, 0}, {0, 1}}, {{0, 0}, {0, 1}, {-1, 1}, {1, 0}},
      {{0, 0}, {0, 1}, {-1, 2}, {-2, 1}}, {{0, 0}, {-1, 0}, {1, 0}, {1, -1}}, {{0, 0}, {-1, 0}, {0, 1}, {1, 1}},
      {{0, 0}, {-1, 0}, {1, 0}, {2, 0}},  {{0, 0}, {-1, 0}, {1, 0}, {1, 1}}, {{0, 0}, {1, 0}, {2, 0}, {3, 0}},
      {{0, 0}},                           {{0, 0}, {0, 1}, {-1, 2}, {-2, 1}, {-1, 0}}};
  for (TPointF origin : {TPointF{4, 0}, TPointF{123.25f, 87.5f}, TPointF{-50.5f, 300.75f}, TPointF{399.9f, 499.9f}})
    for (const TCells& shape : shapes) {
      const THexGeometry geometry(18, origin);
      TCells cells = shape;
      for (int turn = 0; turn < 6; ++turn) {
        cells = TurnedOnce(geometry, cells);
        EXPECT_EQ(std::set<TCell>(cells.begin(), cells.end()).size(), shape.size());  // nothing folds
      }
      EXPECT_EQ(cells, shape) << origin.X << "," << origin.Y;
    }
  EXPECT_EQ(TurnedOnce(THexGeometry(18, TPointF{200, 200}), shapes[0]), (TCells{{0, 0}, {1, -1}, {-1, 1}, {-2, 1}}));
}
