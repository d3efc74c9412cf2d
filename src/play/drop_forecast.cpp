#include "play/drop_forecast.h"

#include "board/cell_codes.h"
#include "frame/saturating.h"
#include "play/level_rules.h"

TDropForecast ForecastDrop(const TGmCells& board, const std::vector<THeldGem>& held, int32_t chain) {
  auto codeAt = [&](int32_t row, int32_t col) {
    for (const THeldGem& gem : held)
      if (gem.Cell.Row == row && gem.Cell.Col == col && board.GetCell(row, col) == CellEmpty) return gem.Code;
    return board.GetCell(row, col);
  };
  TDropForecast forecast;
  forecast.FirstMultiplier = ChainMultiplier(chain);
  for (int32_t row = 0; row < BoardRows; ++row) {
    bool full = true;
    for (int32_t col = 0; col < BoardCols && full; ++col) full = IsPlainGem(codeAt(row, col));
    if (!full) continue;
    forecast.Money += RowPayout(SaturatingAdd(chain, static_cast<int32_t>(forecast.Rows.size())));
    forecast.Rows.push_back(row);
  }
  return forecast;
}
