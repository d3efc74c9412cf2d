// Cell <-> pixel mapping, neighbour directions, and hex sets turning and moving their sprites.

#include <memory>
#include <set>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "board/hexa_set.h"
#include "board_test_helpers.h"
#include "frame/paths.h"
#include "support/temp_dir.h"

namespace {
using TCell = std::pair<int32_t, int32_t>;
using TCells = std::vector<TCell>;

const THexaSet Grid(18, TPointF{4, 0});

TCell CellAt(const THexaSet& grid, float x, float y) {
  TCell cell;
  grid.PixelToCell(x, y, cell.first, cell.second);
  return cell;
}

TCell Turned(int32_t pivotRow, int32_t pivotCol, TCell cell) {
  Grid.RotateCell(pivotRow, pivotCol, cell.first, cell.second);
  return cell;
}

TCells CellsOf(const THexaSet& set) {
  TCells cells;
  for (int32_t i = 0; i < set.Count(); ++i) cells.emplace_back(set.Elems.Items(i)->Row, set.Elems.Items(i)->Col);
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
  const THexaSet zero(18, TPointF{0, 0});
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
      THexaSet set(18, origin);
      for (auto [row, col] : shape) set.AddCell(row, col, nullptr);
      for (int turn = 0; turn < 6; ++turn) {
        set.Rotate(0, 0);
        const TCells cells = CellsOf(set);
        EXPECT_EQ(std::set<TCell>(cells.begin(), cells.end()).size(), shape.size());  // nothing folds
      }
      EXPECT_EQ(CellsOf(set), shape) << origin.X << "," << origin.Y;
    }
  THexaSet line(18, TPointF{200, 200});
  for (auto [row, col] : shapes[0]) line.AddCell(row, col, nullptr);
  line.Rotate(0, 0);
  EXPECT_EQ(CellsOf(line), (TCells{{0, 0}, {1, -1}, {-1, 1}, {-2, 1}}));
}

TEST(HexaSet, SpritesFollowTheirCellsAndLeaveTheDisplayWithTheSet) {
  TDSP dsp(nullptr, 400, 500, 0, 0, "", 1'000'000);
  {
    THexaSet set(18, TPointF{4, 0});
    auto owned = std::make_unique<TTestSprite>(&dsp);
    TTestSprite* sprite = owned.get();
    ASSERT_TRUE(set.AddCell(0, 1, std::move(owned)));
    EXPECT_FLOAT_EQ(sprite->X, Grid.CellToPixel(0, 1).X);
    // A duplicate cell is refused and the caller keeps its sprite.
    std::unique_ptr<TDSPElem> spare = std::make_unique<TTestSprite>(&dsp);
    EXPECT_FALSE(set.AddCell(0, 1, std::move(spare)));
    EXPECT_NE(spare, nullptr);
    EXPECT_EQ(set.Count(), 1);

    set.Rotate(0, 0);
    EXPECT_FLOAT_EQ(sprite->Y, Grid.CellToPixel(-1, 1).Y);
    sprite->X = 1;
    set.SetOrigin(TPointF{4, 0});  // same origin: a caller's own move survives
    EXPECT_FLOAT_EQ(sprite->X, 1);
    set.SetOrigin(TPointF{10, 20});
    EXPECT_FLOAT_EQ(sprite->X, set.CellToPixel(-1, 1).X);
    set.SetVisible(false);
    EXPECT_FALSE(sprite->Visible);

    set.ClearSet();
    EXPECT_EQ(set.Count(), 0);
    EXPECT_EQ(dsp.Elems().size(), 1u);  // only the refused spare is left
    set.AddCell(2, 2, std::make_unique<TTestSprite>(&dsp));
  }
  EXPECT_EQ(dsp.Elems().size(), 0u);
}
