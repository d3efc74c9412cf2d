#pragma once
// The three pictures that show what a drop would do (play/drop_forecast.h): the rows the held
// set would complete, the money they would pay beside the set, and a small countdown ring
// around the set that brightens as the time runs out.

#include <cstdint>
#include <memory>
#include <vector>

#include <QPointF>
#include <QString>

#include "display/dsp.h"
#include "play/drop_forecast.h"
#include "stages/hexa_set.h"

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

// The preview of the held set's drop on the field.
class TDropPreview {
 public:
  void Create(TDSP* dsp);
  // Shows the forecast of dropping the set's gems (landing) when it can be dropped; the ring
  // shows while active and ringShown. Placed by the set's pictures.
  void Update(bool active, bool canDrop, bool ringShown, const TGmCells& board, const std::vector<THeldGem>& landing,
              int32_t chain, const THexaSet& set);
  bool Made() const { return Rows != nullptr; }

  TDropForecast Forecast;
  std::unique_ptr<TDSPE_RowGlow> Rows;
  std::unique_ptr<TDSPE_Caption> Money;
  std::unique_ptr<TDSPE_SetRing> Ring;

 private:
  void PlaceCaption(const THexaSet& set);
  void PlaceRing(const THexaSet& set);
};
