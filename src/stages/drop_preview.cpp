#include "stages/drop_preview.h"

#include <algorithm>
#include <cmath>

#include <QFont>
#include <QFontMetricsF>
#include <QPainterPath>

#include "board/hex_grid.h"
#include "stages/play_layers.h"

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

// ---- TDropPreview ----

void TDropPreview::Create(TDSP* dsp) {
  Rows = std::make_unique<TDSPE_RowGlow>(dsp, LayerPreviewRows);
  Ring = std::make_unique<TDSPE_SetRing>(dsp, LayerPreviewText);
  Money = std::make_unique<TDSPE_Caption>(dsp, LayerPreviewText);
}

void TDropPreview::Update(bool active, bool canDrop, bool ringShown, const TGmCells& board,
                          const std::vector<THeldGem>& landing, int32_t chain, const THexaSet& set) {
  Forecast = active && canDrop ? ForecastDrop(board, landing, chain) : TDropForecast();
  const THexGeometry field = FieldGeometry();
  Rows->Cells.clear();
  for (int32_t row : Forecast.Rows)
    for (int32_t col = 0; col < BoardCols; ++col) {
      const TPointF p = field.CellToPixel(row, col);
      Rows->Cells.emplace_back(p.X, p.Y);
    }
  Rows->Visible = Money->Visible = !Forecast.Rows.empty();
  // Writing and measuring the caption's text costs more than the rest of a mouse move: only
  // when shown.
  if (Money->Visible) {
    Money->Text = ForecastCaption(Forecast);
    PlaceCaption(set);
  }
  Ring->Visible = active && ringShown;
  PlaceRing(set);
}

void TDropPreview::PlaceCaption(const THexaSet& set) {
  // Centred over the set, or under it when there is no room above; always inside the field.
  float left = 1e9f, right = -1e9f, top = 1e9f, bottom = -1e9f;
  for (int32_t i = 0; i < set.Count(); ++i) {
    const TDSPElem* sprite = set.Sprite(i);
    left = std::min(left, sprite->X);
    right = std::max(right, sprite->X + 36);
    top = std::min(top, sprite->Y);
    bottom = std::max(bottom, sprite->Y + 36);
  }
  if (set.Count() == 0) return;
  const QSizeF size = Money->Size();
  const float width = static_cast<float>(size.width()), height = static_cast<float>(size.height());
  const float field = static_cast<float>(Money->DSP->Width());
  Money->X = std::clamp((left + right - width) / 2, 0.0f, std::max(0.0f, field - width));
  Money->Y = top - height - 14 >= 0 ? top - height - 14 : bottom + 14;
}

void TDropPreview::PlaceRing(const THexaSet& set) {
  if (set.Count() == 0) return;
  float x = 0, y = 0;
  for (int32_t i = 0; i < set.Count(); ++i) {
    x += set.Sprite(i)->X + 18;
    y += set.Sprite(i)->Y + 18;
  }
  x /= static_cast<float>(set.Count());
  y /= static_cast<float>(set.Count());
  float reach = 0;
  for (int32_t i = 0; i < set.Count(); ++i)
    reach = std::max(reach, std::hypot(set.Sprite(i)->X + 18 - x, set.Sprite(i)->Y + 18 - y));
  Ring->X = x;
  Ring->Y = y;
  Ring->Radius = reach + 16;
}
