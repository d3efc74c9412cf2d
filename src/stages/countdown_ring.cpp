#include "stages/countdown_ring.h"

#include "frame/frame_pace.h"
#include "stages/play_layers.h"

namespace {
constexpr float Centre = 100;
constexpr uint8_t CalmAlpha = 30;
constexpr uint8_t BeatAlpha = 80;
}  // namespace

TCountdownRing::TCountdownRing(TDSP* dsp) : TDSPE_Arc(dsp, LayerCountdown, 100) {
  X = Y = Centre;
  Visible = false;
}

bool TCountdownRing::Follow(float fraction) {
  const THurry hurry = hurry_.Follow(fraction);
  // A beat keeps the ring as bright as its strike left it while it lasts.
  if (hurry != THurry::Lit) Alpha = hurry == THurry::Struck ? BeatAlpha : CalmAlpha;
  Percent = 100 - fraction * 100;
  return hurry == THurry::Struck;
}

bool TCountdownRing::NearBeat(const TTTimer& countdown, int64_t clockFrequency) {
  if (!countdown.Enabled() || countdown.Interval <= 0) return false;
  // Two slow frames, as a share of the countdown.
  const double lead =
      2.0 / SlowFrameRate * static_cast<double>(clockFrequency) / static_cast<double>(countdown.Interval);
  return THurryBeat::Near(countdown.Fraction, lead);
}
