#include "play/held_set.h"

#include "board/hex_geometry.h"
#include "play/hex_shapes.h"

THeldSet THeldSet::FromShape(int32_t Shape) {
  THeldSet set;
  for (const THexShapeCell& cell : HexShape(Shape)) set.Gems.push_back({{cell.Row, cell.Col}, cell.Code});
  return set;
}

void THeldSet::Turn() {
  const THexGeometry own(FieldHexSize, TPointF{0, 0});
  for (THeldGem& gem : Gems) own.RotateCell(0, 0, gem.Cell.Row, gem.Cell.Col);
  Turns = (Turns + 1) % TurnsPerCircle;
}

TGmPoint THeldSet::CellOf(int32_t Index) const {
  // The gem's picture sits at its offset from the anchor's picture; the board cell under it is
  // the one its reference point rounds to.
  const THexGeometry field = FieldGeometry();
  const THexGeometry own(FieldHexSize, field.CellToPixel(Anchor.Row, Anchor.Col));
  const TGmPoint& offset = Gems[Index].Cell;
  TGmPoint cell;
  field.PixelToCell(own.CellToPixel(offset.Row, offset.Col), cell.Row, cell.Col);
  return cell;
}

std::vector<THeldGem> THeldSet::Landing() const {
  std::vector<THeldGem> landing;
  for (int32_t i = 0; i < Count(); ++i) landing.push_back({CellOf(i), Gems[i].Code});
  return landing;
}
