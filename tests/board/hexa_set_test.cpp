// A hex set keeps its sprites on its cells and takes them off the display when cleared.

#include <algorithm>
#include <memory>

#include <gtest/gtest.h>

#include "board/hexa_set.h"
#include "board_test_helpers.h"

namespace {
class HexaSetTest : public ::testing::Test {
 protected:
  TDSP dsp{nullptr, 400, 500, 0, 0, "", 1'000'000};

  TTestSprite* AddSprite(THexaSet& set, int32_t row, int32_t col) {
    auto sprite = std::make_unique<TTestSprite>(&dsp);
    TTestSprite* raw = sprite.get();
    EXPECT_TRUE(set.AddCell(row, col, std::move(sprite)));
    return raw;
  }

  bool OnDisplay(const TDSPElem* sprite) const {
    return std::find(dsp.Elems().begin(), dsp.Elems().end(), sprite) != dsp.Elems().end();
  }

  static void ExpectAt(const TDSPElem* sprite, TPointF point) {
    EXPECT_FLOAT_EQ(sprite->X, point.X);
    EXPECT_FLOAT_EQ(sprite->Y, point.Y);
  }
};
}  // namespace

TEST_F(HexaSetTest, SpritesFollowTheirCellsThroughMovesAndTurns) {
  THexaSet set(18, TPointF{4, 0});
  TTestSprite* centre = AddSprite(set, 0, 0);
  TTestSprite* right = AddSprite(set, 0, 1);
  ExpectAt(right, set.CellToPixel(0, 1));

  set.SetOrigin(TPointF{100.5f, 50});
  ExpectAt(centre, TPointF{100.5f, 50});
  ExpectAt(right, set.CellToPixel(0, 1));

  set.Rotate(0, 0);
  EXPECT_EQ(set.Elems.Items(1)->Row, -1);
  EXPECT_EQ(set.Elems.Items(1)->Col, 1);
  ExpectAt(right, set.CellToPixel(-1, 1));
  ExpectAt(centre, TPointF{100.5f, 50});
}

TEST_F(HexaSetTest, TheSameOriginLeavesACallersOwnMoveAlone) {
  THexaSet set(18, TPointF{4, 0});
  TTestSprite* sprite = AddSprite(set, 2, 3);
  sprite->X = 1;
  sprite->Y = 2;
  set.SetOrigin(TPointF{4, 0});
  ExpectAt(sprite, TPointF{1, 2});
  set.SetOrigin(TPointF{4, 0.5f});
  ExpectAt(sprite, set.CellToPixel(2, 3));
}

TEST_F(HexaSetTest, ADuplicateCellIsRefusedAndTheCallerKeepsTheSprite) {
  THexaSet set(18, TPointF{4, 0});
  AddSprite(set, 1, 1);
  auto spare = std::make_unique<TTestSprite>(&dsp);
  spare->X = 7;
  std::unique_ptr<TDSPElem> held = std::move(spare);
  EXPECT_FALSE(set.AddCell(1, 1, std::move(held)));
  ASSERT_NE(held, nullptr);
  EXPECT_FLOAT_EQ(held->X, 7);
  EXPECT_EQ(set.Count(), 1);
  EXPECT_TRUE(set.ContainsCell(1, 1));
  EXPECT_FALSE(set.ContainsCell(1, 2));
  EXPECT_EQ(set.FindCell(1, 1), set.Elems.Items(0));
}

TEST_F(HexaSetTest, ClearingTakesEverySpriteOffTheDisplay) {
  THexaSet set(18, TPointF{4, 0});
  AddSprite(set, 0, 0);
  AddSprite(set, 0, 1);
  AddSprite(set, 1, 0);
  EXPECT_EQ(dsp.Elems().size(), 3u);
  set.ClearSet();
  EXPECT_EQ(set.Count(), 0);
  EXPECT_TRUE(dsp.Elems().empty());
  // The set is usable again afterwards.
  TTestSprite* again = AddSprite(set, 0, 0);
  EXPECT_TRUE(OnDisplay(again));
}

TEST_F(HexaSetTest, DestroyingTheSetFreesItsSprites) {
  {
    THexaSet set(18, TPointF{4, 0});
    AddSprite(set, 0, 0);
    AddSprite(set, 5, 5);
  }
  EXPECT_TRUE(dsp.Elems().empty());
}

TEST_F(HexaSetTest, VisibilityReachesEverySprite) {
  THexaSet set(18, TPointF{4, 0});
  TTestSprite* a = AddSprite(set, 0, 0);
  TTestSprite* b = AddSprite(set, 0, 1);
  set.AddCell(3, 3, nullptr);  // a cell without a sprite is fine too
  set.SetVisible(false);
  EXPECT_FALSE(set.Visible);
  EXPECT_FALSE(a->Visible);
  EXPECT_FALSE(b->Visible);
  set.SetVisible(true);
  EXPECT_TRUE(a->Visible && b->Visible);
}
