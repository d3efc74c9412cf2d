#pragma once
// The pixel geometry of a hexagon grid: pointy-topped, odd rows shifted right by half a cell.
// The reference point of cell (Row, Col) is Origin + ((2 Col + Row mod 2) * 0.8660254 * HexSize,
// Row * 1.5 * HexSize); a gem picture is drawn with its top-left corner there. The remainder
// keeps the sign of the row, so row -1 shifts left.

#include <cstdint>

struct TPointF {
  float X = 0;
  float Y = 0;
  friend bool operator==(const TPointF&, const TPointF&) = default;
};

class THexGeometry {
 public:
  THexGeometry(int32_t hexSize, TPointF origin) : HexSize(hexSize), Origin(origin) {}

  TPointF CellToPixel(int32_t Row, int32_t Col) const;
  // The cell whose reference point is nearest in the grid's own sense (rows first, then
  // columns; halves go to the even neighbour).
  void PixelToCell(TPointF Point, int32_t& Row, int32_t& Col) const;
  void PixelToCell(float X, float Y, int32_t& Row, int32_t& Col) const { PixelToCell(TPointF{X, Y}, Row, Col); }
  // Turns (Row, Col) 60 degrees about the pivot: anticlockwise on screen, since Y grows down.
  void RotateCell(int32_t PivotRow, int32_t PivotCol, int32_t& Row, int32_t& Col) const;

  int32_t HexSize;
  TPointF Origin;
};

// The play field's own grid: hexagons of 18 pixels, cell (0, 0) at (4, 0).
inline constexpr int32_t FieldHexSize = 18;
inline constexpr TPointF FieldOrigin{4, 0};
inline THexGeometry FieldGeometry() { return {FieldHexSize, FieldOrigin}; }
