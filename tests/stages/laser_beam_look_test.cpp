// The laser's aiming beam as the player sees it, on the generated play field: it must stand out
// over empty cells as it does over gems.

#include <algorithm>
#include <string>
#include <iostream>
#include <vector>

#include "running_fixture.h"
#include "support/pictures.h"

#ifdef BRILLOR_WITH_CONTENT
#include "pictures.h"
#endif

namespace {

constexpr int32_t EmptyRow = 6, GemRow = 17;

// Over a stretch of the field: for each column, the strongest contrast the beam makes against
// what was there without it (rows within its spread); the share of columns reaching 3 : 1.
double VisibleShare(const QImage& with, const QImage& without, int y, int left, int right) {
  int visible = 0;
  for (int x = left; x < right; ++x) {
    double strongest = 1;
    for (int dy = -12; dy <= 12; ++dy)
      strongest = std::max(strongest, ContrastRatio(RelativeLuminance(with.pixel(x, y + dy)),
                                                    RelativeLuminance(without.pixel(x, y + dy))));
    visible += strongest >= 3;
  }
  return static_cast<double>(visible) / (right - left);
}

TEST_F(RunningStageTest, TheAimingBeamStandsOutOverEmptyCellsAsOverGems) {
#ifndef BRILLOR_WITH_CONTENT
  GTEST_SKIP() << "built without the content generator";
#else
  WriteGeneratedPictures();
  list->More.Symbols = true;  // the generated gems, with their symbols
  Play(2, {{"012340123401", "123401234012"}});
  stage->Round->StartLaser();
  double worstEmpty = 1, worstGems = 1;
  for (int32_t frame = 0; frame < 12; ++frame) {
    const std::pair<int32_t, double*> rows[] = {{EmptyRow, &worstEmpty}, {GemRow, &worstGems}};
    for (const auto& [row, worst] : rows) {
      const float y = FieldGeometry().CellToPixel(row, 0).Y + 18;
      stage->OnMouse(MouseMove, mbLeft, 200, y);
      stage->Laser->AimBeam->Visible = false;
      RunFor(0.05);
      const QImage without = list->DSP->BackBuffer().convertToFormat(QImage::Format_RGB32);
      stage->Laser->AimBeam->Visible = true;
      RunFor(0.05);
      const QImage with = list->DSP->BackBuffer().convertToFormat(QImage::Format_RGB32);
      if (frame == 0) SaveShot(with, "aiming_beam_row" + std::to_string(row));
      *worst = std::min(*worst, VisibleShare(with, without, static_cast<int>(y), 30, 370));
    }
  }
  std::cout << "aiming beam: visible over " << worstEmpty * 100 << " % of an empty row, " << worstGems * 100
            << " % of a row of gems (worst of 12 frames)\n";
  for (int32_t col = 0; col < BoardCols; ++col) ASSERT_EQ(stage->Round->Board.GetCell(EmptyRow, col), CellEmpty);
  EXPECT_GE(worstEmpty, 0.9) << "over empty cells";
  EXPECT_GE(worstGems, 0.9) << "over gems";
#endif
}

}  // namespace
