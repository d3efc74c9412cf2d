// The "More..." options as the running stage plays them (the gem picture set with symbols, the
// relaxed pace, the drop preview) and the player's record of play.

#include <algorithm>
#include <cmath>
#include <tuple>

#include "board/cell_codes.h"
#include "frame/saturating.h"
#include "players/players.h"
#include "stages/level_rules.h"
#include "stages/running_stage.h"

void TGmStage_Running::ApplyMoreOptions() {
  const bool changed = Owner->More.Symbols != symbolsShown_;
  ApplyGemPictures();
  // A lost game keeps its greyed board until the next level is entered.
  if (changed && playing_) {
    RedrawBoard();
    RepaintHeldSet();
  }
  ApplyPace();
  // Turned on or off in a pause, the preview places the set at once, not at the next move.
  if (playing_ && !Busy) HexSet->SetOrigin(HeldSetOrigin(MouseX, MouseY));
  UpdateOutlines();
}

std::string TGmStage_Running::GemPictureFile(uint8_t Code) const {
  return ::GemPictureFile(Code, symbolsShown_);
}

void TGmStage_Running::ApplyGemPictures() {
  if (Owner->More.Symbols == symbolsShown_) return;
  symbolsShown_ = Owner->More.Symbols;
  LoadCellPictures();
}

void TGmStage_Running::RepaintHeldSet() {
  std::vector<std::tuple<int32_t, int32_t, uint8_t>> cells;
  for (int32_t i = 0; i < HexSet->Count(); ++i) {
    const auto* sprite = static_cast<const TDSPE_Static*>(HexSet->Sprite(i));
    const THexaElem* elem = HexSet->Elems.Items(i);
    cells.emplace_back(elem->Row, elem->Col, CodeFromBitmapFile(sprite->FileName()));
  }
  // New sprites are placed under the set's origin as they are added.
  HexSet->ClearSet();
  for (const auto& [row, col, code] : cells) {
    std::unique_ptr<TDSPElem> sprite(
        TDSPE_Static::CreateMasked(Owner->DSP.get(), 10, GemPictureFile(code), HexagonMaskFile(code), 0, 0));
    sprite->Visible = HexSet->Visible;
    HexSet->AddCell(row, col, std::move(sprite));
  }
  UpdateOutlines();
}

void TGmStage_Running::ApplyPace() {
  const bool relaxed = RelaxedPace();
  // Back from relaxed play the countdown starts a full period, not wherever it had run to.
  if (relaxedApplied_ && !relaxed && !Busy) DropTimer->Restart();
  relaxedApplied_ = relaxed;
  levelRelaxed_ = levelRelaxed_ || (relaxed && playing_);
  CountdownRing->Visible = playing_ && !relaxed;
  // The small ring of the preview follows the pace too.
  UpdatePreview();
}

void TGmStage_Running::RecordLevelStart() {
  levelMoney_ = 0;
  levelRelaxed_ = false;
  if (!newGame_) return;
  newGame_ = false;
  if (TPlayer* player = Players.Current()) CountOne(player->Record.GamesPlayed);
}

void TGmStage_Running::RecordRowCleared() {
  // Chain has just counted this row.
  levelMoney_ = SaturatingAdd<int64_t>(levelMoney_, RowPayout(Chain - 1));
  TPlayer* player = Players.Current();
  if (!player) return;
  TPlayerRecord& record = player->Record;
  CountOne(record.RowsCleared);
  record.LongestChain = std::max<int64_t>(record.LongestChain, Chain);
  record.BestLevelMoney = std::max(record.BestLevelMoney, levelMoney_);
}

void TGmStage_Running::RecordLevelPassed() {
  if (TPlayer* player = Players.Current()) CountOne(levelRelaxed_ ? player->Record.RelaxedLevelsPassed : player->Record.LevelsPassed);
}

void TGmStage_Running::RecordGameOver() { newGame_ = true; }

// ---- The drop preview ----

void TGmStage_Running::CreatePreviewElements() {
  TDSP* dsp = Owner->DSP.get();
  PreviewRows = std::make_unique<TDSPE_RowGlow>(dsp, 4);
  PreviewRing = std::make_unique<TDSPE_SetRing>(dsp, 11);
  PreviewMoney = std::make_unique<TDSPE_Caption>(dsp, 11);
}

TPointF TGmStage_Running::HeldSetOrigin(float X, float Y) const {
  if (!Owner->More.DropPreview) return {X, Y};
  int32_t row = 0, col = 0;
  Geometry->PixelToCell(X, Y, row, col);
  return Geometry->CellToPixel(row, col);
}

std::vector<THeldGem> TGmStage_Running::HeldGems() const {
  std::vector<THeldGem> gems;
  for (int32_t i = 0; i < HexSet->Count(); ++i) {
    const auto* sprite = static_cast<const TDSPE_Static*>(HexSet->Sprite(i));
    gems.push_back({CellUnderElement(i), CodeFromBitmapFile(sprite->FileName())});
  }
  return gems;
}

void TGmStage_Running::UpdatePreview() {
  // The stage calls here while it is still being made.
  if (!PreviewRows || !HexSet || !Board) return;
  const bool active = Owner->More.DropPreview && playing_ && HexSet->Visible && HexSet->Count() > 0 && !Busy;
  Forecast = active && CanDrop() ? ForecastDrop(*Board, HeldGems(), Chain) : TDropForecast();
  PreviewRows->Cells.clear();
  for (int32_t row : Forecast.Rows)
    for (int32_t col = 0; col < BoardCols; ++col) {
      const TPointF p = Geometry->CellToPixel(row, col);
      PreviewRows->Cells.emplace_back(p.X, p.Y);
    }
  PreviewRows->Visible = PreviewMoney->Visible = !Forecast.Rows.empty();
  PreviewMoney->Text = ForecastCaption(Forecast);
  // Measuring the caption's text costs more than the rest of a mouse move: only when shown.
  if (PreviewMoney->Visible) PlacePreviewCaption();
  PreviewRing->Visible = active && !RelaxedPace();
  PlacePreviewRing();
}

void TGmStage_Running::PlacePreviewCaption() {
  // Centred over the set, or under it when there is no room above; always inside the field.
  float left = 1e9f, right = -1e9f, top = 1e9f, bottom = -1e9f;
  for (int32_t i = 0; i < HexSet->Count(); ++i) {
    const TDSPElem* sprite = HexSet->Sprite(i);
    left = std::min(left, sprite->X);
    right = std::max(right, sprite->X + 36);
    top = std::min(top, sprite->Y);
    bottom = std::max(bottom, sprite->Y + 36);
  }
  if (HexSet->Count() == 0) return;
  const QSizeF size = PreviewMoney->Size();
  const float width = static_cast<float>(size.width()), height = static_cast<float>(size.height());
  const float field = static_cast<float>(Owner->DSP->Width());
  PreviewMoney->X = std::clamp((left + right - width) / 2, 0.0f, std::max(0.0f, field - width));
  PreviewMoney->Y = top - height - 14 >= 0 ? top - height - 14 : bottom + 14;
}

void TGmStage_Running::PlacePreviewRing() {
  if (HexSet->Count() == 0) return;
  float x = 0, y = 0;
  for (int32_t i = 0; i < HexSet->Count(); ++i) {
    x += HexSet->Sprite(i)->X + 18;
    y += HexSet->Sprite(i)->Y + 18;
  }
  x /= static_cast<float>(HexSet->Count());
  y /= static_cast<float>(HexSet->Count());
  float reach = 0;
  for (int32_t i = 0; i < HexSet->Count(); ++i)
    reach = std::max(reach, std::hypot(HexSet->Sprite(i)->X + 18 - x, HexSet->Sprite(i)->Y + 18 - y));
  PreviewRing->X = x;
  PreviewRing->Y = y;
  PreviewRing->Radius = reach + 16;
}
