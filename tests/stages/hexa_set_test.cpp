// A hex set's sprites follow its cells and leave the display with the set.

#include <memory>

#include <gtest/gtest.h>

#include "display/dsp.h"
#include "stages/hexa_set.h"

namespace {
// A display element that draws nothing: enough to follow a hex set's sprites around.
class TTestSprite : public TDSPElem {
 public:
  explicit TTestSprite(TDSP* dsp) : TDSPElem(dsp, 10) {}
  void Update(int64_t) override {}
  void Draw() override {}
};

const THexGeometry Grid(18, TPointF{4, 0});
}  // namespace

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
