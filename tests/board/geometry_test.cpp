// Cell <-> pixel mapping, neighbour directions and the 60-degree turn of hex sets.

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <set>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "board/hex_grid.h"
#include "board/hexa_set.h"
#include "frame/paths.h"
#include "support/temp_dir.h"

namespace {
using TCells = std::vector<std::pair<int32_t, int32_t>>;

const THexaSet BoardGrid(18, TPointF{4, 0});

std::pair<int32_t, int32_t> Turned(const THexaSet& grid, int32_t pivotRow, int32_t pivotCol, int32_t row,
                                   int32_t col) {
  grid.RotateCell(pivotRow, pivotCol, row, col);
  return {row, col};
}

std::pair<int32_t, int32_t> CellAt(const THexaSet& grid, float x, float y) {
  int32_t row = 0, col = 0;
  grid.PixelToCell(x, y, row, col);
  return {row, col};
}

// The held-set shapes the game hands out (and the two it keeps in reserve).
const std::vector<TCells> Shapes = {
    {{0, 0}, {0, -1}, {0, 1}, {0, 2}},          {{0, 0}, {-1, 0}, {1, 0}, {0, 1}},
    {{0, 0}, {0, 1}, {-1, 1}, {1, 0}},          {{0, 0}, {0, 1}, {-1, 2}, {-2, 1}},
    {{0, 0}, {-1, 0}, {1, 0}, {1, -1}},         {{0, 0}, {-1, 0}, {0, 1}, {1, 1}},
    {{0, 0}, {-1, 0}, {1, 0}, {2, 0}},          {{0, 0}, {-1, 0}, {1, 0}, {1, 1}},
    {{0, 0}, {1, 0}, {2, 0}, {3, 0}},           {{0, 0}},
    {{0, 0}, {0, 1}, {-1, 2}, {-2, 1}, {-1, 0}},
};

TCells CellsOf(const THexaSet& set) {
  TCells cells;
  for (int32_t i = 0; i < set.Count(); ++i) cells.emplace_back(set.Elems.Items(i)->Row, set.Elems.Items(i)->Col);
  return cells;
}
}  // namespace

TEST(CellToPixel, UsesTheGridConstantAndShiftsOddRows) {
  EXPECT_FLOAT_EQ(BoardGrid.CellToPixel(0, 0).X, 4.0f);
  EXPECT_FLOAT_EQ(BoardGrid.CellToPixel(0, 0).Y, 0.0f);
  EXPECT_FLOAT_EQ(BoardGrid.CellToPixel(1, 0).X, 19.588457f);
  EXPECT_FLOAT_EQ(BoardGrid.CellToPixel(1, 0).Y, 27.0f);
  // 0.8660254 * 18 * 2, not the exact square root.
  EXPECT_FLOAT_EQ(BoardGrid.CellToPixel(0, 1).X - BoardGrid.CellToPixel(0, 0).X, 31.176914f);
  EXPECT_FLOAT_EQ(BoardGrid.CellToPixel(17, 11).X, 4.0f + 23 * 15.588457f);
  EXPECT_FLOAT_EQ(BoardGrid.CellToPixel(17, 11).Y, 459.0f);
  // Row -1 keeps the sign of its remainder: shifted left by half a cell.
  EXPECT_FLOAT_EQ(BoardGrid.CellToPixel(-1, 0).X, 4.0f - 15.588457f);
}

TEST(PixelToCell, InvertsCellToPixelEverywhereOnTheBoard) {
  for (int32_t row = -2; row < BoardRows + 2; ++row)
    for (int32_t col = -2; col < BoardCols + 2; ++col) {
      const TPointF p = BoardGrid.CellToPixel(row, col);
      EXPECT_EQ(CellAt(BoardGrid, p.X, p.Y), std::make_pair(row, col));
      // A few pixels off still finds the same cell.
      EXPECT_EQ(CellAt(BoardGrid, p.X + 6, p.Y - 6), std::make_pair(row, col));
    }
  EXPECT_EQ(CellAt(BoardGrid, 19.5f, 27.0f), std::make_pair(1, 0));
}

TEST(PixelToCell, SendsHalvesToTheEvenNeighbour) {
  const THexaSet grid(18, TPointF{0, 0});
  EXPECT_EQ(CellAt(grid, 0, 13.5f).first, 0);  // row 0.5
  EXPECT_EQ(CellAt(grid, 0, 40.5f).first, 2);  // row 1.5
  EXPECT_EQ(CellAt(grid, 0, -13.5f).first, 0);
  // In an odd row the column works out at exactly -0.5 (and +0.5 for row -1).
  EXPECT_EQ(CellAt(grid, 0, 27), std::make_pair(1, 0));
  EXPECT_EQ(CellAt(grid, 0, -27), std::make_pair(-1, 0));
}

TEST(PixelToCell, DegenerateSetGivesABoundedCell) {
  const THexaSet flat(0, TPointF{0, 0});
  int32_t row = 7, col = 7;
  flat.PixelToCell(10, 10, row, col);
  EXPECT_LE(std::abs(row), 1000000000);
  EXPECT_LE(std::abs(col), 1000000000);
}

TEST(NeighbourDirection, FollowsRowParity) {
  EXPECT_EQ(NeighbourDirection({5, 3}, {5, 2}), DirLeft);
  EXPECT_EQ(NeighbourDirection({5, 3}, {5, 4}), DirRight);
  // Odd row: the cells above and below are in columns c and c + 1.
  EXPECT_EQ(NeighbourDirection({5, 3}, {4, 3}), DirUpperLeft);
  EXPECT_EQ(NeighbourDirection({5, 3}, {4, 4}), DirUpperRight);
  EXPECT_EQ(NeighbourDirection({5, 3}, {6, 3}), DirLowerLeft);
  EXPECT_EQ(NeighbourDirection({5, 3}, {6, 4}), DirLowerRight);
  // Even row: columns c - 1 and c.
  EXPECT_EQ(NeighbourDirection({4, 3}, {3, 2}), DirUpperLeft);
  EXPECT_EQ(NeighbourDirection({4, 3}, {3, 3}), DirUpperRight);
  EXPECT_EQ(NeighbourDirection({4, 3}, {5, 2}), DirLowerLeft);
  EXPECT_EQ(NeighbourDirection({4, 3}, {5, 3}), DirLowerRight);
  // Row -1 is odd.
  EXPECT_EQ(NeighbourDirection({-1, 0}, {0, 1}), DirLowerRight);
  for (TGmPoint far : {TGmPoint{4, 3}, TGmPoint{4, 5}, TGmPoint{4, 1}, TGmPoint{3, 4}, TGmPoint{5, 4},
                       TGmPoint{2, 3}, TGmPoint{6, 3}})
    EXPECT_EQ(NeighbourDirection({4, 3}, far), DirNone) << far.Row << "," << far.Col;
}

TEST(NeighbourDirection, AgreesWithPixelDistance) {
  // On the board, neighbours are exactly the cells one hexagon width away.
  for (int32_t row = 1; row < 5; ++row)
    for (int32_t dRow = -2; dRow <= 2; ++dRow)
      for (int32_t dCol = -2; dCol <= 2; ++dCol) {
        const TPointF a = BoardGrid.CellToPixel(row, 5);
        const TPointF b = BoardGrid.CellToPixel(row + dRow, 5 + dCol);
        const bool near = std::hypot(b.X - a.X, b.Y - a.Y) < 32.0f && (dRow || dCol);
        EXPECT_EQ(AreNeighbours({row, 5}, {row + dRow, 5 + dCol}), near) << row << " " << dRow << " " << dCol;
      }
}

TEST(ArrowFile, NamesThePictureOfTheDirection) {
  TTempProgramDir dir;
  EXPECT_EQ(ArrowFile({5, 3}, {4, 3}), GamePath("dat/c06"));
  EXPECT_EQ(ArrowFile({4, 3}, {3, 3}), GamePath("dat/c04"));
  EXPECT_EQ(ArrowFile({4, 3}, {4, 2}), GamePath("dat/c02"));
  EXPECT_EQ(ArrowFile({4, 3}, {5, 3}), GamePath("dat/c07"));
  EXPECT_EQ(ArrowFile({4, 3}, {4, 5}), "");
  EXPECT_EQ(ArrowFile({4, 3}, {4, 3}), "");
}

TEST(RotateCell, TurnsAnticlockwiseOnScreen) {
  EXPECT_EQ(Turned(BoardGrid, 5, 5, 5, 6), std::make_pair(4, 6));
  EXPECT_EQ(Turned(BoardGrid, 5, 5, 4, 6), std::make_pair(4, 5));
  EXPECT_EQ(Turned(BoardGrid, 5, 5, 5, 7), std::make_pair(3, 6));
  EXPECT_EQ(Turned(BoardGrid, 5, 5, 5, 4), std::make_pair(6, 5));
  EXPECT_EQ(Turned(BoardGrid, 5, 5, 5, 5), std::make_pair(5, 5));
  // Above row 0 the turn follows the pixels: row -1 lies half a cell to the left.
  EXPECT_EQ(Turned(BoardGrid, 0, 0, 0, 1), std::make_pair(-1, 1));
  EXPECT_EQ(Turned(BoardGrid, 0, 0, -1, 1), std::make_pair(-1, 0));
  EXPECT_EQ(Turned(BoardGrid, 0, 0, -1, 0), std::make_pair(0, -1));
}

TEST(Rotate, SixTurnsRestoreEveryShapeAtAnyOrigin) {
  for (TPointF origin : {TPointF{4, 0}, TPointF{0, 0}, TPointF{123.25f, 87.5f}, TPointF{-50.5f, 300.75f},
                         TPointF{399.9f, 499.9f}}) {
    for (size_t shape = 0; shape < Shapes.size(); ++shape) {
      THexaSet set(18, origin);
      for (auto [row, col] : Shapes[shape]) set.AddCell(row, col, nullptr);
      for (int turn = 1; turn <= 6; ++turn) {
        set.Rotate(0, 0);
        const TCells cells = CellsOf(set);
        // A turn never folds two hexagons onto one cell, and the pivot stays.
        const std::set<std::pair<int32_t, int32_t>> distinct(cells.begin(), cells.end());
        EXPECT_EQ(distinct.size(), cells.size())
            << "shape " << shape << " turn " << turn;
        EXPECT_EQ(cells[0], std::make_pair(0, 0));
      }
      EXPECT_EQ(CellsOf(set), Shapes[shape]) << "shape " << shape << " origin " << origin.X << "," << origin.Y;
    }
  }
}

TEST(Rotate, OneTurnOfTheLineStandsItOnTheDiagonal) {
  THexaSet set(18, TPointF{200, 200});
  for (auto [row, col] : Shapes[0]) set.AddCell(row, col, nullptr);
  set.Rotate(0, 0);
  EXPECT_EQ(CellsOf(set), (TCells{{0, 0}, {1, -1}, {-1, 1}, {-2, 1}}));
}
