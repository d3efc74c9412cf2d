#include "play/hurry_beat.h"

#include <cmath>

#include "frame/rounding.h"

namespace {
constexpr float FirstBeatPercent = 50;
constexpr float BeatEvery = 10;
}  // namespace

THurry THurryBeat::Follow(float Fraction) {
  const float percent = Fraction * 100;
  const bool onBeat = RoundHalfEven(percent) % static_cast<int>(BeatEvery) == 0;
  if (percent < FirstBeatPercent || !onBeat) {
    armed_ = true;
    return THurry::Calm;
  }
  // A run-out countdown (the drop is due) strikes no beat of its own.
  if (!armed_ || percent >= 100) return THurry::Lit;
  armed_ = false;
  return THurry::Struck;
}

bool THurryBeat::Near(float Fraction, double Lead) {
  const float percent = Fraction * 100;
  if (percent < FirstBeatPercent - BeatEvery) return false;
  // How far into the tenth that begins at a beat's window the countdown is.
  const double past = std::fmod(percent + 0.5, BeatEvery);
  return past < 1.0 || past > BeatEvery - 100 * Lead;
}
