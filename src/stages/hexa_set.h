#pragma once
// A hex set: hexagon cells moved and drawn as one (the held piece, the editor's brush). Each
// cell has a sprite on the display surface whose position is the cell's pixel reference point
// under the set's Origin and HexSize.
//
// Geometry (pointy-topped, odd rows shifted right by half a cell): the reference point of cell
// (Row, Col) is Origin + ((2 Col + Row mod 2) * 0.8660254 * HexSize, Row * 1.5 * HexSize). A
// sprite is drawn with its top-left corner there.
//
// The set owns its sprites: ClearSet and the destructor free them, which takes them off their
// surface. A set must therefore go before the surface its sprites were made on.

#include <cstdint>
#include <memory>
#include <vector>

#include "board/hex_geometry.h"
#include "display/dsp.h"

struct THexaElem {
  THexaElem(int32_t row, int32_t col) : Row(row), Col(col) {}
  int32_t Row;
  int32_t Col;
};

// Owns its elements; pointers to them stay valid until Clear.
class THexaElemList {
 public:
  THexaElem* Add(int32_t Row, int32_t Col);
  // Null outside 0..Count-1.
  THexaElem* Items(int32_t Index) const { return Index >= 0 && Index < Count() ? items_[Index].get() : nullptr; }
  int32_t Count() const { return static_cast<int32_t>(items_.size()); }
  void Clear() { items_.clear(); }

 private:
  std::vector<std::unique_ptr<THexaElem>> items_;
};

class THexaSet : public THexGeometry {
 public:
  THexaSet(int32_t HexSize, TPointF Origin);
  ~THexaSet();
  THexaSet(const THexaSet&) = delete;
  THexaSet& operator=(const THexaSet&) = delete;

  // Turns every cell about the pivot and moves its sprite along.
  void Rotate(int32_t PivotRow, int32_t PivotCol);
  // A new origin places every sprite again; the same origin leaves them alone.
  void SetOrigin(TPointF Point);

  int32_t Count() const { return Elems.Count(); }
  // Adds the cell and takes the sprite (which may be null), placing it at the cell. A cell that
  // is already in the set is refused and the caller keeps the sprite: Sprite is moved from
  // only when this returns true. The sprite's visibility stays the caller's.
  bool AddCell(int32_t Row, int32_t Col, std::unique_ptr<TDSPElem>&& Sprite);
  THexaElem* FindCell(int32_t Row, int32_t Col) const;
  // Moves element Index to the cell and its sprite along.
  void MoveCell(int32_t Index, int32_t Row, int32_t Col);
  bool ContainsCell(int32_t Row, int32_t Col) const { return FindCell(Row, Col) != nullptr; }
  // The sprite of element Index; null outside 0..Count-1 or for a cell added without one.
  TDSPElem* Sprite(int32_t Index) const { return Index >= 0 && Index < Count() ? sprites_[Index].get() : nullptr; }
  // Frees the elements and the sprites (last sprite first), which leave the display.
  void ClearSet();
  void SetVisible(bool Value);

  THexaElemList Elems;
  bool Visible = true;

 private:
  void PlaceSprite(int32_t Index);

  std::vector<std::unique_ptr<TDSPElem>> sprites_;
};
