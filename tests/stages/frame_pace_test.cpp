// The pace of frames in play, on the fake clock with the real frame loop: a level at rest shows
// at most 20 frames a second and wakes little more often, and a move of the mouse shows the
// held set at its new place in the very next frame.

#include <functional>

#include "running_fixture.h"
#include "support/pictures.h"
#include "ui/mouse_routing.h"

namespace {

constexpr uint32_t GemColour = 0xFFE0A020;

class FramePaceTest : public RunningStageTest {
 protected:
  FramePaceTest() {
    // Every gem the held set may deal, in one colour.
    for (uint8_t code = 0; code < 25; ++code) {
      if (HexagonMaskFile(code).empty()) continue;
      SavePicture(SolidPicture(36, 36, GemColour), dir.File(GemPictureFile(code, false)));
      SavePicture(SolidPicture(36, 36, 0xFFFFFFFF), dir.File(HexagonMaskFile(code)));
    }
  }

  // Steps the clock a millisecond at a time for the given time, running each frame when the loop
  // has it due, and after it afterFrame. Returns the frames run.
  int Loop(int milliseconds, const std::function<void()>& afterFrame = nullptr) {
    TIdleLoop& loop = list->IdleLoop();
    int runs = 0;
    for (int ms = 0; ms < milliseconds; ++ms) {
      time.AdvanceTicks(time.Frequency() / 1000);
      if (time.Now() < loop.NextFrameDue()) continue;
      loop.RunFrame();
      ++runs;
      if (afterFrame) afterFrame();
    }
    return runs;
  }
};

TEST_F(FramePaceTest, ALevelAtRestShowsFewFramesAndAMoveOfTheMouseShowsInTheNextFrame) {
  Play(1, {{std::string(12, '.')}});
  RouteMouseMove(*list, BoardLeft + 100, BoardTop + 100);
  Loop(1000);

  // At rest: the countdown ring runs down and the outlines pulse, nothing else.
  const int shownBefore = screen.frames;
  const int runs = Loop(1000);
  const int shown = screen.frames - shownBefore;
  EXPECT_LE(shown, 20);
  EXPECT_GE(shown, 15) << "the ring keeps running down";
  EXPECT_LE(runs, 22) << "the loop wakes little more often than it shows";

  // A move halfway between two resting frames.
  Loop(25);
  const int before = screen.frames;
  RouteMouseMove(*list, BoardLeft + 250, BoardTop + 300);
  const TDSPElem* gem = stage->HeldView->Set.Sprite(0);
  const int centreX = static_cast<int>(gem->X) + 18, centreY = static_cast<int>(gem->Y) + 18;
  EXPECT_NE(PixelARGB(screen.shown, centreX, centreY), GemColour) << "not there before the frame";
  const int64_t movedAt = time.Now();
  for (int ms = 0; ms < 100 && screen.frames == before; ++ms) Loop(1);
  EXPECT_EQ(screen.frames, before + 1);
  EXPECT_LE(time.Now() - movedAt, time.Frequency() / 60 + time.Frequency() / 1000) << "within one full-pace frame";
  EXPECT_EQ(PixelARGB(screen.shown, centreX, centreY), GemColour) << "the set shows at its new place";
}

// The six beats of the countdown's second half (20 s on the first level) each show, though the
// loop rests in between.
TEST_F(FramePaceTest, RestingFramesMissNoHurryUpBeat) {
  Play(1, {{std::string(12, '.')}});
  RouteMouseMove(*list, BoardLeft + 100, BoardTop + 100);
  int beats = 0;
  bool bright = false;
  const int runs = Loop(19950, [&] {
    const bool now = stage->CountdownRing->Alpha == 80;
    beats += now && !bright;
    bright = now;
  });
  EXPECT_EQ(beats, 6);
  EXPECT_LT(runs, 60 * 20 / 2) << "the loop rested most of the time";
}

}  // namespace
