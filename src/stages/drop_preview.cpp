#include "stages/drop_preview.h"

#include <algorithm>
#include <cmath>

#include <QFont>
#include <QFontMetricsF>
#include <QPainterPath>

#include "board/cell_codes.h"
#include "board/hex_grid.h"
#include "frame/saturating.h"
#include "stages/level_rules.h"

namespace {
constexpr float GemHalf = 18;
constexpr float HexRadius = 18;

QPolygonF Hexagon(QPointF centre, double radius) {
  QPolygonF polygon;
  for (int k = 0; k < 6; ++k) {
    const double a = (90 + 60.0 * k) * 3.14159265358979 / 180.0;
    polygon << centre + QPointF(radius * std::cos(a), radius * std::sin(a));
  }
  return polygon;
}

QFont CaptionFont() {
  QFont font(QStringLiteral("Tahoma"));
  font.setPixelSize(14);
  font.setBold(true);
  return font;
}
}  // namespace

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

QString ForecastCaption(const TDropForecast& forecast) {
  return QStringLiteral("+$%1 x%2").arg(forecast.Money).arg(forecast.FirstMultiplier);
}

// ---- TDSPE_RowGlow ----

TDSPE_RowGlow::TDSPE_RowGlow(TDSP* dsp, int32_t layer) : TDSPElem(dsp, layer, false) {}

void TDSPE_RowGlow::Draw() {
  QPainter& canvas = DSP->Canvas();
  canvas.save();
  canvas.setRenderHint(QPainter::Antialiasing, true);
  canvas.setPen(QPen(QColor(255, 236, 120, 230), 2));
  canvas.setBrush(QColor(255, 210, 60, 70));
  for (const QPointF& cell : Cells) canvas.drawPolygon(Hexagon(cell + QPointF(GemHalf, GemHalf), HexRadius - 1.5));
  canvas.restore();
}

// ---- TDSPE_Caption ----

TDSPE_Caption::TDSPE_Caption(TDSP* dsp, int32_t layer) : TDSPElem(dsp, layer, false) {}

QSizeF TDSPE_Caption::Size() const {
  const QFontMetricsF metrics(CaptionFont());
  return {metrics.horizontalAdvance(Text) + 12, metrics.height() + 6};
}

void TDSPE_Caption::Draw() {
  QPainter& canvas = DSP->Canvas();
  canvas.save();
  canvas.setRenderHint(QPainter::Antialiasing, true);
  const QRectF plate(QPointF(X, Y), Size());
  canvas.setPen(QPen(QColor(255, 220, 90), 1.5));
  canvas.setBrush(QColor(20, 14, 6, 215));
  canvas.drawRoundedRect(plate, 6, 6);
  canvas.setFont(CaptionFont());
  canvas.setPen(QColor(255, 230, 120));
  canvas.drawText(plate, Qt::AlignCenter, Text);
  canvas.restore();
}

// ---- TDSPE_SetRing ----

TDSPE_SetRing::TDSPE_SetRing(TDSP* dsp, int32_t layer) : TDSPElem(dsp, layer, false) {}

int TDSPE_SetRing::Brightness(float remaining) {
  if (std::isnan(remaining)) return 255;
  return static_cast<int>(std::lround(255 - 165 * std::clamp(remaining, 0.0f, 1.0f)));
}

void TDSPE_SetRing::Draw() {
  const float left = std::isnan(Remaining) ? 0 : std::clamp(Remaining, 0.0f, 1.0f);
  QPainter& canvas = DSP->Canvas();
  canvas.save();
  canvas.setRenderHint(QPainter::Antialiasing, true);
  const QRectF box(X - Radius, Y - Radius, 2 * Radius, 2 * Radius);
  // A faint full track, so the ring is seen as a clock, and the time left over it.
  canvas.setPen(QPen(QColor(255, 255, 255, 40), 3));
  canvas.drawEllipse(box);
  const int alpha = Brightness(left);
  const QColor tint = left > 0.25f ? QColor(255, 255, 255, alpha) : QColor(255, 120, 80, alpha);
  canvas.setPen(QPen(tint, 3 + 3 * (1 - left), Qt::SolidLine, Qt::RoundCap));
  canvas.drawArc(box, 90 * 16, static_cast<int>(std::lround(left * 360 * 16)));
  canvas.restore();
}
