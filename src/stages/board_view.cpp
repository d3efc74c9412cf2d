#include "stages/board_view.h"

#include "board/cell_codes.h"
#include "board/hex_grid.h"
#include "frame/asset_names.h"
#include "frame/paths.h"
#include "stages/gem_stamps.h"
#include "stages/play_layers.h"

void TBoardView::LoadPictures(bool symbols) {
  symbols_ = symbols;
  pictures_.clear();
  for (uint8_t code : GemStampCodes) {
    pictures_.emplace_back(
        TDSPE_Static::CreateMasked(dsp_, LayerCells, GemPictureFile(code, symbols), HexagonMaskFile(code), 0, 0));
    pictures_.back()->Visible = false;
  }
}

void TBoardView::ShowCell(uint8_t Code, TPointF At) {
  TDSPE_Static* picture = pictures_[GemStampIndex(Code)].get();
  picture->X = At.X;
  picture->Y = At.Y;
  picture->Visible = true;
  dsp_->DrawElemOnBackground(picture);
  picture->Visible = false;
}

void TBoardView::Redraw(const TGmCells& Board) {
  dsp_->BlendSavedBackground(1);
  const THexGeometry field = FieldGeometry();
  for (int32_t row = 0; row < BoardRows; ++row)
    for (int32_t col = 0; col < BoardCols; ++col) {
      const uint8_t code = Board.GetCell(row, col);
      if (code != CellEmpty) ShowCell(code, field.CellToPixel(row, col));
    }
}

void TBoardView::DrawLevel(const TMoveMatrix& Flow) {
  dsp_->ReloadBackground();
  DrawArrows(Flow);
  dsp_->SaveBackground();
}

void TBoardView::GreyOut(float ColourLeft) {
  dsp_->SaveBackground();
  dsp_->GrayBackground();
  dsp_->BlendSavedBackground(ColourLeft);
}

void TBoardView::DrawArrows(const TMoveMatrix& Flow) {
  const THexGeometry field = FieldGeometry();
  auto stamp = [&](const std::string& file, const TGmPoint& at) {
    const TPointF p = field.CellToPixel(at.Row, at.Col);
    dsp_->DrawMaskedOnBackground(file, file, QRectF(p.X + 9, p.Y + 9, 24, 24));
  };
  for (int32_t row = 0; row < BoardRows; ++row)
    for (int32_t col = 0; col < BoardCols; ++col)
      for (int32_t k = 0; k < Flow.SourceCount(row, col); ++k) {
        const TGmPoint source = Flow.SourceAt(row, col, k);
        const std::string arrow = ArrowFile(source, MakeGmPoint(row, col));
        if (!arrow.empty()) stamp(arrow, source);
      }
  const std::string endMarker = GamePath(Asset::EndMarker);
  for (const TGmPoint& end : Flow.EndCells()) stamp(endMarker, end);
}
