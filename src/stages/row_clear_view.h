#pragma once
// A clearing row on the field: the chain's multiplier over its left end ("*2") and the flash
// that fades in over it while it clears. The flash ends by itself; Cancel takes it away early.

#include <cstdint>
#include <memory>

#include "display/picture_elements.h"

class TRowClearView {
 public:
  explicit TRowClearView(TDSP* dsp);
  ~TRowClearView();
  TRowClearView(const TRowClearView&) = delete;
  TRowClearView& operator=(const TRowClearView&) = delete;

  void Show(int32_t Row, int32_t Multiplier);
  void Done() { ChainText->Visible = false; }
  void Cancel();

  std::unique_ptr<TDSPE_String> ChainText;

 private:
  TDSP* dsp_;
  TDSPE_FlashBmp* flash_ = nullptr;
};
