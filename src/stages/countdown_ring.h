#pragma once
// The level's countdown ring in the middle of the field: the share of the countdown left, dim,
// and bright for each hurry-up beat in its second half.

#include "display/line_effects.h"
#include "frame/clock.h"
#include "play/hurry_beat.h"

class TCountdownRing : public TDSPE_Arc {
 public:
  explicit TCountdownRing(TDSP* dsp);

  // Shows where the countdown stands (0 = just started, 1 = run out); true as a beat strikes.
  bool Follow(float fraction);
  // From two slow frames before each beat until it has passed: frames must not be skipped then.
  static bool NearBeat(const TTTimer& countdown, int64_t clockFrequency);

 private:
  THurryBeat hurry_;
};
