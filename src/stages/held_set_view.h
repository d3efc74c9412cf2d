#pragma once
// The held set on the field: a gem picture per gem of the round's held set, placed about an
// origin that follows the pointer, and a pulsing outline per gem over the board cell it would
// land in, yellow where it fits and red where it does not.

#include <cstdint>
#include <memory>
#include <vector>

#include "board/gm_cells.h"
#include "display/line_effects.h"
#include "play/held_set.h"
#include "stages/hexa_set.h"

class THeldSetView {
 public:
  THeldSetView(TDSP* dsp, int64_t outlinePulse);

  // New pictures for the gems (a new set also gets new outlines), in the picture set chosen.
  void Rebuild(const THeldSet& Held, bool NewSet, bool Symbols);
  // The pictures follow the gems' offsets (after a turn).
  void Place(const THeldSet& Held);
  void Outline(const THeldSet& Held, const TGmCells& Board);
  bool Visible() const { return Set.Visible; }

  THexaSet Set;
  std::vector<std::unique_ptr<TDSPE_Flash>> Outlines;

 private:
  TDSP* dsp_;
  int64_t outlinePulse_;
};
