// The countdown's hurry-up beats, and the stretch around them where no frame may be skipped.

#include <gtest/gtest.h>

#include <vector>

#include "play/hurry_beat.h"

namespace {

TEST(HurryBeat, StrikesOnceAtEachTenthOfTheSecondHalf) {
  // The countdown as it runs, and what each step gives.
  const std::vector<std::pair<float, THurry>> run = {
      {0.10f, THurry::Calm},   {0.40f, THurry::Calm},   {0.497f, THurry::Calm},  // the first half has none
      {0.499f, THurry::Calm},  {0.5f, THurry::Struck},  {0.503f, THurry::Lit},   // rounds to 50
      {0.504f, THurry::Lit},   {0.506f, THurry::Calm},  {0.598f, THurry::Struck}, {0.596f, THurry::Lit},
      {0.61f, THurry::Calm},   {0.90f, THurry::Struck}, {0.95f, THurry::Calm},    {0.997f, THurry::Struck},
      {1.0f, THurry::Lit},  // the drop is due: no beat of its own
      {0.0f, THurry::Calm},    {0.55f, THurry::Calm},   {0.70f, THurry::Struck},  // after the drop, anew
  };
  THurryBeat beat;
  for (const auto& [fraction, expected] : run) EXPECT_EQ(beat.Follow(fraction), expected) << fraction;
}

TEST(HurryBeat, NearCoversTheLeadBeforeEachBeatAndTheBeatItself) {
  const double lead = 0.02;  // two percent of the countdown
  const std::vector<std::pair<float, bool>> points = {
      {0.30f, false}, {0.47f, false}, {0.477f, true},  {0.495f, true},  {0.50f, true}, {0.504f, true},
      {0.506f, false}, {0.57f, false}, {0.585f, true},  {0.905f, false}, {0.99f, true}, {0.38f, false},
  };
  for (const auto& [fraction, near] : points) EXPECT_EQ(THurryBeat::Near(fraction, lead), near) << fraction;
}

}  // namespace
