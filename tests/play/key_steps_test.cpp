// Steering the held set from the keyboard: the step of each arrow key, kept whole on the board,
// where a set starts without the pointer, and the pointer taking the set back only once it
// really moves.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "play/key_steps.h"

namespace {

THeldSet SetOf(std::vector<TGmPoint> Offsets, TGmPoint Anchor) {
  THeldSet set;
  for (const TGmPoint& offset : Offsets) set.Gems.push_back({offset, 1});
  set.Anchor = Anchor;
  return set;
}

TEST(KeySteps, AnArrowStepsTheAnchorOneCellAndKeepsTheSetOnTheBoard) {
  const std::vector<TGmPoint> single{{0, 0}};
  const std::vector<TGmPoint> wide{{0, 0}, {0, 1}};
  const std::vector<TGmPoint> tall{{0, 0}, {-1, 0}};
  const std::vector<TGmPoint> leaning{{0, 0}, {1, -1}};
  struct TCase {
    std::vector<TGmPoint> Offsets;
    TGmPoint Anchor;
    TKeyStep Step;
    TGmPoint Expected;
  };
  const TCase cases[] = {
      // Along the row, and to the rows above and below at the same column, odd rows or even.
      {single, {5, 5}, TKeyStep::Left, {5, 4}},
      {single, {5, 5}, TKeyStep::Right, {5, 6}},
      {single, {5, 5}, TKeyStep::Up, {4, 5}},
      {single, {4, 5}, TKeyStep::Down, {5, 5}},
      // The board's four edges hold the anchor.
      {single, {5, 11}, TKeyStep::Right, {5, 11}},
      {single, {3, 0}, TKeyStep::Left, {3, 0}},
      {single, {0, 3}, TKeyStep::Up, {0, 3}},
      {single, {17, 0}, TKeyStep::Down, {17, 0}},
      // An anchor the pointer left off the board starts from the nearest board cell.
      {single, {-1, 13}, TKeyStep::Down, {1, 11}},
      {single, {20, -4}, TKeyStep::Up, {16, 0}},
      // A gem of the set would leave the board: no step.
      {wide, {5, 10}, TKeyStep::Right, {5, 10}},
      {wide, {5, 10}, TKeyStep::Left, {5, 9}},
      {tall, {1, 4}, TKeyStep::Up, {1, 4}},
      {tall, {1, 4}, TKeyStep::Down, {2, 4}},
      // Up or down at the side: the row's other neighbour when the same column would not do.
      {leaning, {1, 0}, TKeyStep::Down, {2, 1}},
      {leaning, {3, 0}, TKeyStep::Up, {2, 1}},
      {leaning, {2, 1}, TKeyStep::Down, {3, 1}},
      {single, {16, 11}, TKeyStep::Up, {15, 11}},
      // Hanging partly off the board: whole onto it by the smallest move, whichever arrow; of
      // moves as small, the one the way pressed.
      {wide, {5, 11}, TKeyStep::Left, {5, 10}},
      {wide, {5, 11}, TKeyStep::Right, {5, 10}},
      {wide, {5, 11}, TKeyStep::Up, {5, 10}},
      {tall, {0, 4}, TKeyStep::Down, {1, 4}},
      {tall, {0, 4}, TKeyStep::Left, {1, 3}},
      {tall, {0, 4}, TKeyStep::Right, {1, 4}},
      {tall, {0, 0}, TKeyStep::Right, {1, 0}},
      {leaning, {17, 0}, TKeyStep::Left, {16, 1}},
  };
  for (const TCase& c : cases) {
    const TGmPoint got = SteppedAnchor(SetOf(c.Offsets, c.Anchor), c.Step);
    EXPECT_EQ(got, c.Expected) << "from (" << c.Anchor.Row << ", " << c.Anchor.Col << ") step "
                               << static_cast<int>(c.Step) << ", " << c.Offsets.size() << " gems: got ("
                               << got.Row << ", " << got.Col << ")";
  }
}

TEST(KeySteps, ASetBegunFromTheKeysStartsAsHighAsItCanDropNearTheMiddle) {
  const std::vector<TGmPoint> single{{0, 0}};
  const std::vector<TGmPoint> wide{{0, 0}, {0, 1}};
  const std::vector<TGmPoint> tall{{0, 0}, {-1, 0}};
  const std::vector<std::string> gapsAtTheEnds{".aaaaaaaaaa."};
  const std::vector<std::string> full(BoardRows, "aaaaaaaaaaaa");
  struct TCase {
    std::vector<TGmPoint> Offsets;
    // The top rows of the board: '.' free, anything else a gem.
    std::vector<std::string> Top;
    TGmPoint Expected;
  };
  const TCase cases[] = {
      // The set's middle nearest the board's, odd rows shifted; of two as near, the left.
      {single, {}, {0, 6}},
      {wide, {}, {0, 5}},
      {tall, {}, {1, 5}},
      // Only where every gem lands on a free cell, even far from the middle.
      {single, gapsAtTheEnds, {0, 11}},
      {wide, gapsAtTheEnds, {1, 5}},
      // Nowhere free: whole on the board all the same.
      {wide, full, {0, 5}},
      {tall, full, {1, 5}},
  };
  for (const TCase& c : cases) {
    TGmCells board;
    for (int32_t row = 0; row < static_cast<int32_t>(c.Top.size()); ++row)
      for (int32_t col = 0; col < BoardCols; ++col)
        if (c.Top[row][col] != '.') board.SetCell(row, col, Red);
    const TGmPoint got = StartAnchor(SetOf(c.Offsets, {9, 9}), board);
    EXPECT_EQ(got, c.Expected) << c.Offsets.size() << " gems under " << c.Top.size() << " rows: got (" << got.Row
                               << ", " << got.Col << ")";
  }
}

TEST(KeySteps, ThePointerTakesTheSetBackOnlyWhenItReallyMoves) {
  // Each line: keys steer first (or not), then the pointer is reported at (X, Y); does the
  // set follow?
  struct TLine {
    bool Keys;
    TPointF At;
    bool Follows;
  };
  const std::vector<std::vector<TLine>> runs = {
      {{false, {10, 10}, true}, {true, {10, 10}, false}, {false, {10, 10}, false}, {false, {11, 10}, true},
       {false, {11, 10}, true}, {true, {11, 10}, false}, {false, {11, 12}, true}},
      // Keys before the pointer was ever reported: its first report is where it already was.
      {{true, {3, 3}, false}, {false, {3, 3}, false}, {false, {4, 3}, true}},
      {{false, {7, 7}, true}, {false, {7, 7}, true}},
  };
  for (size_t run = 0; run < runs.size(); ++run) {
    TPointerHold hold;
    for (size_t line = 0; line < runs[run].size(); ++line) {
      const TLine& l = runs[run][line];
      if (l.Keys) hold.KeysSteered();
      EXPECT_EQ(hold.Follows(l.At), l.Follows) << "run " << run << " line " << line;
    }
  }
}

}  // namespace
