#pragma once
// What a drop would do, worked out before it is made, and the three pictures that show it: the
// rows the held set would complete, the money they would pay beside the set, and a small
// countdown ring around the set that brightens as the time runs out.

#include <cstdint>
#include <vector>

#include <QPointF>
#include <QString>

#include "board/gm_cells.h"
#include "display/dsp.h"

struct THeldGem {
  TGmPoint Cell;
  uint8_t Code;
};

struct TDropForecast {
  // Rows complete right after the drop, top to bottom.
  std::vector<int32_t> Rows;
  // Their payout as they clear one after another, the first at the chain multiplier given.
  int64_t Money = 0;
  int32_t FirstMultiplier = 1;
};

// Gems off the board or over an occupied cell are left out (such a drop is refused anyway).
TDropForecast ForecastDrop(const TGmCells& board, const std::vector<THeldGem>& held, int32_t chain);

// "+$300 x1": the payout and the first row's multiplier.
QString ForecastCaption(const TDropForecast& forecast);

// Hexagon cells lit in gold, each given by the top-left corner of its gem picture.
class TDSPE_RowGlow : public TDSPElem {
 public:
  TDSPE_RowGlow(TDSP* dsp, int32_t layer);
  void Update(int64_t) override {}
  void Draw() override;

  std::vector<QPointF> Cells;
};

// A short text on a dark rounded plate; X, Y is the plate's top-left corner.
class TDSPE_Caption : public TDSPElem {
 public:
  TDSPE_Caption(TDSP* dsp, int32_t layer);
  void Update(int64_t) override {}
  void Draw() override;
  // The plate's size for the current text.
  QSizeF Size() const;

  QString Text;
};

// A thin ring about (X, Y): the part left of the countdown, from twelve o'clock, growing
// brighter and thicker as Remaining falls from 1 to 0.
class TDSPE_SetRing : public TDSPElem {
 public:
  TDSPE_SetRing(TDSP* dsp, int32_t layer);
  void Update(int64_t) override {}
  void Draw() override;
  // Opacity 0..255 for the time left.
  static int Brightness(float remaining);

  float Radius = 40;
  float Remaining = 1;
};
