#pragma once
// The running stage's sound effects. One that cannot be loaded stays silent, so play goes on.

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "audio/dxs.h"

enum class TPlaySound : uint8_t {
  Rotate, Drop, CannotDrop, ClearLine, Start, HurryUp, Breakup, Laser, LaserBreakout, Box, Boom, Coin, Count
};

class TPlaySounds {
 public:
  // Loads every effect on the device (none: all silent); returns the failures, one line each.
  std::string Load(TDXS* device);
  TDXSElem& operator[](TPlaySound Which) const { return *sounds_[static_cast<size_t>(Which)]; }
  // Stops (and so rewinds) the effect first, so it starts again from its beginning.
  void Restart(TPlaySound Which) const;

 private:
  std::array<std::unique_ptr<TDXSElem>, static_cast<size_t>(TPlaySound::Count)> sounds_;
};
