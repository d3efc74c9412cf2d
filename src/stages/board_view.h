#pragma once
// The board as the running stage draws it: gems and flow arrows are painted into the display's
// background when they change, so a frame costs one background copy however full the board is.

#include <cstdint>
#include <memory>
#include <vector>

#include "board/gm_cells.h"
#include "board/hex_geometry.h"
#include "display/picture_elements.h"

class TBoardView {
 public:
  explicit TBoardView(TDSP* dsp) : dsp_(dsp) {}

  // The gem pictures of the set chosen (with symbols or without).
  void LoadPictures(bool symbols);
  bool Symbols() const { return symbols_; }
  // Paints one gem into the background with its picture's top-left corner at At.
  void ShowCell(uint8_t Code, TPointF At);
  // The saved background (the level's backdrop and arrows) and every gem on it.
  void Redraw(const TGmCells& Board);
  // A new level: the backdrop afresh with the flow's arrows and end markers, kept as the
  // background the gems are painted over.
  void DrawLevel(const TMoveMatrix& Flow);
  // The board turns grey, with ColourLeft (0..1) of its colour left.
  void GreyOut(float ColourLeft);

 private:
  void DrawArrows(const TMoveMatrix& Flow);

  TDSP* dsp_;
  bool symbols_ = false;
  // Templates, one per entry of GemStampCodes.
  std::vector<std::unique_ptr<TDSPE_Static>> pictures_;
};
