#pragma once
// The held set on the field, kept in step with the round's held set: a gem picture per gem,
// placed about an origin that follows the pointer; a pulsing outline per gem over the board
// cell it would land in, yellow where it fits and red where it does not; and the preview of
// what dropping it would do.

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "display/line_effects.h"
#include "play/play_round.h"
#include "stages/drop_preview.h"
#include "stages/hexa_set.h"

class THeldSetView {
 public:
  THeldSetView(TDSP* dsp, int64_t outlinePulse, TPlayRound& round);

  // Whether the preview may show (the option is on and a level is being played), and whether
  // its small countdown ring may; asked on each update.
  std::function<bool()> PreviewWanted = [] { return false; };
  std::function<bool()> RingWanted = [] { return true; };

  // New pictures for the gems (a new set also gets new outlines), in the picture set chosen.
  void Rebuild(bool newSet, bool symbols);
  // The pictures follow the gems' offsets (after a turn).
  void Place();
  // The pictures go to origin, and the round's set to the cell under it.
  void MoveTo(TPointF origin);
  void Show(bool visible);
  bool Visible() const { return Set.Visible; }
  // Where the set goes for a pointer at (x, y): snapped, its gems sit on the cells they would
  // land in.
  static TPointF OriginFor(float x, float y, bool snapped);
  // Outlines and preview after the set moved or the board changed.
  void UpdateOutlines();
  // Hidden while not wanted, the set cannot be dropped, or nothing is held.
  void UpdatePreview();

  THexaSet Set;
  std::vector<std::unique_ptr<TDSPE_Flash>> Outlines;
  TDropPreview Preview;

 private:
  TDSP* dsp_;
  int64_t outlinePulse_;
  TPlayRound& round_;
};
