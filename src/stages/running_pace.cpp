// The pace of frames the playing stage asks for. A hurry-up beat shows while the countdown stands
// within half a percent of a tenth of its period, which slow frames could step over: the
// frames run at the full pace from two slow frames before each beat until it has passed.

#include <cmath>

#include "frame/frame_pace.h"
#include "stages/running_stage.h"

bool TGmStage_Running::WantsFullRate() const {
  if (!Round) return false;
  const TTTimer& countdown = *Round->DropTimer;
  if (!countdown.Enabled() || RelaxedPace() || countdown.Interval <= 0) return false;
  const float percent = countdown.Fraction * 100;
  if (percent < 40) return false;
  // Percent of the countdown two slow frames take.
  const double lead = 100.0 * 2 / SlowFrameRate * static_cast<double>(Owner->Clock->Frequency) /
                      static_cast<double>(countdown.Interval);
  // How far into the tenth that begins at the beat's window the countdown is.
  const double past = std::fmod(percent + 0.5, 10.0);
  return past < 1.0 || past > 10.0 - lead;
}
