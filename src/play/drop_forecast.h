#pragma once
// What a drop would do, worked out before it is made: the rows the held set would complete and
// the money they would pay as they clear one after another.

#include <cstdint>
#include <vector>

#include "board/gm_cells.h"
#include "play/held_set.h"

struct TDropForecast {
  // Rows complete right after the drop, top to bottom.
  std::vector<int32_t> Rows;
  // Their payout as they clear one after another, the first at the chain multiplier given.
  int64_t Money = 0;
  int32_t FirstMultiplier = 1;
};

// Gems off the board or over an occupied cell are left out (such a drop is refused anyway).
TDropForecast ForecastDrop(const TGmCells& board, const std::vector<THeldGem>& held, int32_t chain);
