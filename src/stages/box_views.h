#pragma once
// The pictures of Pandora's boxes on the field, one for each box of the round. On every frame a
// picture moves its box in the round, within the field, and shows it where the round has it.

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "display/picture_elements.h"
#include "play/play_round.h"

class TBoxViews {
 public:
  TBoxViews(TDSP* dsp, int64_t frameTicks, TPlayRound& round) : dsp_(dsp), frameTicks_(frameTicks), round_(round) {}

  // After each move of a box's picture; hitEdge when the box bounced off the field's edge. The
  // picture may be removed from here.
  std::function<void(TDSPE_Bounce* picture, bool hitEdge)> OnMove;

  void Show(const TBox& box);
  void Remove(const TDSPE_Bounce* picture);
  void Clear() { pictures_.clear(); }
  // Paused pictures keep still; a new one comes paused while the round is.
  void SetPaused(bool paused);

  size_t size() const { return pictures_.size(); }
  bool empty() const { return pictures_.empty(); }
  TDSPE_Bounce* operator[](size_t i) const { return pictures_[i].get(); }

 private:
  TDSP* dsp_;
  int64_t frameTicks_;
  TPlayRound& round_;
  std::vector<std::unique_ptr<TDSPE_Bounce>> pictures_;
};
