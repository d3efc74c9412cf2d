#include "stages/held_set_view.h"

#include <algorithm>

#include "board/cell_codes.h"
#include "display/picture_elements.h"
#include "stages/play_layers.h"

namespace {
const TARGB OutlineFree = MakeARGB(100, 255, 255, 0);
const TARGB OutlineBlocked = MakeARGB(150, 255, 0, 0);
}  // namespace

THeldSetView::THeldSetView(TDSP* dsp, int64_t outlinePulse, TPlayRound& round)
    : Set(FieldHexSize, FieldOrigin), dsp_(dsp), outlinePulse_(outlinePulse), round_(round) {
  Preview.Create(dsp);
}

void THeldSetView::Rebuild(bool newSet, bool symbols) {
  // New pictures are placed under the set's origin as they are added.
  Set.ClearSet();
  if (newSet) Outlines.clear();
  for (const THeldGem& gem : round_.Held.Gems) {
    std::unique_ptr<TDSPElem> sprite(TDSPE_Static::CreateMasked(dsp_, LayerHeldSet, GemPictureFile(gem.Code, symbols),
                                                                HexagonMaskFile(gem.Code), 0, 0));
    sprite->Visible = Set.Visible;
    Set.AddCell(gem.Cell.Row, gem.Cell.Col, std::move(sprite));
    if (newSet) Outlines.push_back(std::make_unique<TDSPE_Flash>(dsp_, LayerOutline, OutlineFree, outlinePulse_));
  }
  UpdateOutlines();
}

void THeldSetView::Place() {
  const THeldSet& held = round_.Held;
  for (int32_t i = 0; i < held.Count(); ++i) Set.MoveCell(i, held.Gems[i].Cell.Row, held.Gems[i].Cell.Col);
  UpdateOutlines();
}

void THeldSetView::MoveTo(TPointF origin) {
  Set.SetOrigin(origin);
  TGmPoint anchor;
  FieldGeometry().PixelToCell(origin, anchor.Row, anchor.Col);
  round_.MoveTo(anchor);
  UpdateOutlines();
}

void THeldSetView::Show(bool visible) {
  Set.SetVisible(visible);
  UpdateOutlines();
}

TPointF THeldSetView::OriginFor(float x, float y, bool snapped) {
  if (!snapped) return {x, y};
  const THexGeometry field = FieldGeometry();
  int32_t row = 0, col = 0;
  field.PixelToCell(x, y, row, col);
  return field.CellToPixel(row, col);
}

void THeldSetView::UpdateOutlines() {
  const THeldSet& held = round_.Held;
  const THexGeometry field = FieldGeometry();
  const auto count = std::min<size_t>(Outlines.size(), held.Gems.size());
  for (size_t i = 0; i < count; ++i) {
    const TGmPoint cell = held.CellOf(static_cast<int32_t>(i));
    const TPointF p = field.CellToPixel(cell.Row, cell.Col);
    TDSPE_Flash& outline = *Outlines[i];
    outline.SetColor(round_.Board.IsBlocked(cell.Row, cell.Col) ? OutlineBlocked : OutlineFree);
    outline.X = p.X + 18;
    outline.Y = p.Y + 18;
    outline.Visible = Set.Visible;
  }
  UpdatePreview();
}

void THeldSetView::UpdatePreview() {
  const bool active = PreviewWanted() && Set.Visible && Set.Count() > 0 && !round_.Busy();
  Preview.Update(active, round_.CanDrop(), RingWanted(), round_.Board, round_.Held.Landing(), round_.Chain, Set);
}
