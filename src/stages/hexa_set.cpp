#include "stages/hexa_set.h"


THexaElem* THexaElemList::Add(int32_t Row, int32_t Col) {
  items_.push_back(std::make_unique<THexaElem>(Row, Col));
  return items_.back().get();
}

THexaSet::THexaSet(int32_t hexSize, TPointF origin) : THexGeometry(hexSize, origin) {}

THexaSet::~THexaSet() { ClearSet(); }

void THexaSet::Rotate(int32_t PivotRow, int32_t PivotCol) {
  for (int32_t i = 0; i < Count(); ++i) {
    THexaElem* elem = Elems.Items(i);
    RotateCell(PivotRow, PivotCol, elem->Row, elem->Col);
    PlaceSprite(i);
  }
}

void THexaSet::MoveCell(int32_t Index, int32_t Row, int32_t Col) {
  THexaElem* elem = Elems.Items(Index);
  if (!elem) return;
  elem->Row = Row;
  elem->Col = Col;
  PlaceSprite(Index);
}

void THexaSet::SetOrigin(TPointF Point) {
  if (Point == Origin) return;
  Origin = Point;
  for (int32_t i = 0; i < Count(); ++i) PlaceSprite(i);
}

bool THexaSet::AddCell(int32_t Row, int32_t Col, std::unique_ptr<TDSPElem>&& Sprite) {
  if (ContainsCell(Row, Col)) return false;
  Elems.Add(Row, Col);
  sprites_.push_back(std::move(Sprite));
  PlaceSprite(Count() - 1);
  return true;
}

THexaElem* THexaSet::FindCell(int32_t Row, int32_t Col) const {
  for (int32_t i = 0; i < Count(); ++i) {
    THexaElem* elem = Elems.Items(i);
    if (elem->Row == Row && elem->Col == Col) return elem;
  }
  return nullptr;
}

void THexaSet::ClearSet() {
  Elems.Clear();
  while (!sprites_.empty()) sprites_.pop_back();
}

void THexaSet::SetVisible(bool Value) {
  Visible = Value;
  for (const auto& sprite : sprites_)
    if (sprite) sprite->Visible = Value;
}

void THexaSet::PlaceSprite(int32_t Index) {
  TDSPElem* sprite = sprites_[Index].get();
  if (!sprite) return;
  const THexaElem* elem = Elems.Items(Index);
  const TPointF point = CellToPixel(elem->Row, elem->Col);
  sprite->X = point.X;
  sprite->Y = point.Y;
}
