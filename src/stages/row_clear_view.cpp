#include "stages/row_clear_view.h"

#include <string>

#include "board/hex_geometry.h"
#include "frame/asset_names.h"
#include "frame/paths.h"
#include "play/effect_clocks.h"
#include "stages/play_layers.h"

TRowClearView::TRowClearView(TDSP* dsp) : dsp_(dsp) {
  ChainText.reset(TDSPE_String::CreateMasked(dsp, LayerChainText, GamePath(Asset::ChainDigits),
                                             GamePath(Asset::ChainDigitsMask), 0, 0, 25));
  ChainText->Visible = false;
}

TRowClearView::~TRowClearView() { Cancel(); }

void TRowClearView::Show(int32_t Row, int32_t Multiplier) {
  const TPointF p = FieldGeometry().CellToPixel(Row, 0);
  // Appended: g++ 12 warns falsely (-Wrestrict) about "literal" + std::to_string.
  std::string text(1, '*');
  text += std::to_string(Multiplier);
  ChainText->Text = std::move(text);
  ChainText->X = p.X + 10;
  ChainText->Y = p.Y;
  ChainText->Visible = true;
  // The flash fades in while the row clears; the round keeps the time.
  flash_ = new TDSPE_FlashBmp(dsp_, LayerEffects, GamePath(Asset::RowFlash), p.X + 2, p.Y + 1, Row, true, RowClearSeconds);
  flash_->OnFinish = [this](int32_t) { flash_ = nullptr; };
}

void TRowClearView::Cancel() {
  Done();
  if (!flash_) return;
  flash_->OnFinish = nullptr;
  delete flash_;
  flash_ = nullptr;
}
