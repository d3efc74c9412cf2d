#include "stages/held_set_view.h"

#include <algorithm>

#include "board/cell_codes.h"
#include "display/picture_elements.h"
#include "stages/play_layers.h"

namespace {
const TARGB OutlineFree = MakeARGB(100, 255, 255, 0);
const TARGB OutlineBlocked = MakeARGB(150, 255, 0, 0);
}  // namespace

THeldSetView::THeldSetView(TDSP* dsp, int64_t outlinePulse)
    : Set(FieldHexSize, FieldOrigin), dsp_(dsp), outlinePulse_(outlinePulse) {}

void THeldSetView::Rebuild(const THeldSet& Held, bool NewSet, bool Symbols) {
  // New pictures are placed under the set's origin as they are added.
  Set.ClearSet();
  if (NewSet) Outlines.clear();
  for (const THeldGem& gem : Held.Gems) {
    std::unique_ptr<TDSPElem> sprite(TDSPE_Static::CreateMasked(dsp_, LayerHeldSet, GemPictureFile(gem.Code, Symbols),
                                                                HexagonMaskFile(gem.Code), 0, 0));
    sprite->Visible = Set.Visible;
    Set.AddCell(gem.Cell.Row, gem.Cell.Col, std::move(sprite));
    if (NewSet) Outlines.push_back(std::make_unique<TDSPE_Flash>(dsp_, LayerOutline, OutlineFree, outlinePulse_));
  }
}

void THeldSetView::Place(const THeldSet& Held) {
  for (int32_t i = 0; i < Held.Count(); ++i) Set.MoveCell(i, Held.Gems[i].Cell.Row, Held.Gems[i].Cell.Col);
}

void THeldSetView::Outline(const THeldSet& Held, const TGmCells& Board) {
  const THexGeometry field = FieldGeometry();
  const auto count = std::min<size_t>(Outlines.size(), Held.Gems.size());
  for (size_t i = 0; i < count; ++i) {
    const TGmPoint cell = Held.CellOf(static_cast<int32_t>(i));
    const TPointF p = field.CellToPixel(cell.Row, cell.Col);
    TDSPE_Flash& outline = *Outlines[i];
    outline.SetColor(Board.IsBlocked(cell.Row, cell.Col) ? OutlineBlocked : OutlineFree);
    outline.X = p.X + 18;
    outline.Y = p.Y + 18;
    outline.Visible = Set.Visible;
  }
}
