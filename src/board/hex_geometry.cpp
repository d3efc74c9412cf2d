#include "board/hex_geometry.h"

#include <algorithm>
#include <cmath>

#include "frame/rounding.h"

namespace {
// The grid's own value of sqrt(3)/2; level data and pointer mapping are tuned to it.
constexpr double HalfRoot3 = 0.8660254;
constexpr double ThirdOfPi = 1.04719755119659774613;

int32_t RowParity(int32_t Row) { return Row % 2; }

// Rounds a grid coordinate; a degenerate set (HexSize 0) or a wild pointer position gives a
// bounded value instead of an undefined conversion.
int32_t NearestIndex(double value) {
  if (std::isnan(value)) return 0;
  return RoundHalfEven32(std::clamp(value, -1e9, 1e9));
}
}  // namespace

TPointF THexGeometry::CellToPixel(int32_t Row, int32_t Col) const {
  const double x = Origin.X + (2.0 * Col + RowParity(Row)) * HalfRoot3 * HexSize;
  const double y = Origin.Y + Row * 1.5 * HexSize;
  return TPointF{static_cast<float>(x), static_cast<float>(y)};
}

void THexGeometry::PixelToCell(TPointF Point, int32_t& Row, int32_t& Col) const {
  Row = NearestIndex((double{Point.Y} - Origin.Y) / (1.5 * HexSize));
  const double columns = (double{Point.X} - Origin.X) / (HalfRoot3 * HexSize);
  Col = NearestIndex((columns - RowParity(Row)) / 2);
}

void THexGeometry::RotateCell(int32_t PivotRow, int32_t PivotCol, int32_t& Row, int32_t& Col) const {
  const TPointF pivot = CellToPixel(PivotRow, PivotCol);
  const TPointF cell = CellToPixel(Row, Col);
  const double dx = double{cell.X} - pivot.X;
  const double dy = double{cell.Y} - pivot.Y;
  const double angle = std::atan2(dy, dx) - ThirdOfPi;
  const double distance = std::sqrt(dx * dx + dy * dy);
  const TPointF turned{static_cast<float>(pivot.X + distance * std::cos(angle)),
                       static_cast<float>(pivot.Y + distance * std::sin(angle))};
  PixelToCell(turned, Row, Col);
}

