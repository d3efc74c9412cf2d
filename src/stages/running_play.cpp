// Holding, turning and dropping the hex set; row clears and their chain; the countdown with its
// automatic drop; sparkles.

#include <algorithm>
#include <string>

#include "board/cell_codes.h"
#include "frame/paths.h"
#include "frame/random.h"
#include "frame/rounding.h"
#include "frame/saturating.h"
#include "players/players.h"
#include "stages/hex_shapes.h"
#include "stages/level_rules.h"
#include "stages/running_stage.h"

namespace {
const TARGB OutlineFree = MakeARGB(100, 255, 255, 0);
const TARGB OutlineBlocked = MakeARGB(150, 255, 0, 0);
constexpr int32_t TurnsPerCircle = 6;
}  // namespace

void TGmStage_Running::NewHexSet() {
  ClearHeldSet();
  BuildHexSet(Owner->NextHexSet);
  Owner->SetNextHexSet(Random(DealtShapeCount));
  const int32_t turns = 1 + Random(TurnsPerCircle - 1);
  for (int32_t i = 0; i < turns; ++i) RotateStep();
}

void TGmStage_Running::ClearHeldSet() {
  HexSet->ClearSet();
  Outlines.clear();
}

void TGmStage_Running::BuildHexSet(int32_t Shape) {
  TDSP* dsp = Owner->DSP.get();
  for (const THexShapeCell& cell : HexShape(Shape)) {
    std::unique_ptr<TDSPElem> sprite(
        TDSPE_Static::CreateMasked(dsp, 10, GemPictureFile(cell.Code), HexagonMaskFile(cell.Code), 0, 0));
    sprite->Visible = HexSet->Visible;
    HexSet->AddCell(cell.Row, cell.Col, std::move(sprite));
    Outlines.push_back(std::make_unique<TDSPE_Flash>(dsp, 3, OutlineFree, Owner->Clock->SecondsToTicks(0.2f)));
  }
}

TGmPoint TGmStage_Running::CellUnderElement(int32_t Index) const {
  const TDSPElem* sprite = HexSet->Sprite(Index);
  TGmPoint cell;
  Geometry->PixelToCell(sprite->X, sprite->Y, cell.Row, cell.Col);
  return cell;
}

void TGmStage_Running::UpdateOutlines() {
  const auto count = std::min<size_t>(Outlines.size(), HexSet->Count());
  for (size_t i = 0; i < count; ++i) {
    const TGmPoint cell = CellUnderElement(static_cast<int32_t>(i));
    const TPointF p = Geometry->CellToPixel(cell.Row, cell.Col);
    TDSPE_Flash& outline = *Outlines[i];
    outline.SetColor(Board->IsBlocked(cell.Row, cell.Col) ? OutlineBlocked : OutlineFree);
    outline.X = p.X + 18;
    outline.Y = p.Y + 18;
    outline.Visible = HexSet->Visible;
  }
  UpdatePreview();
}

void TGmStage_Running::RotateStep() {
  HexSet->Rotate(0, 0);
  UpdateOutlines();
}

void TGmStage_Running::PlayMouse(uint8_t Kind, TShiftState, int32_t Button, float X, float Y) {
  if (Kind == MouseMove) {
    MouseX = X;
    MouseY = Y;
    HexSet->SetOrigin(HeldSetOrigin(X, Y));
    UpdateOutlines();
  } else if (Button == mbLeft) {
    if (CanDrop())
      DropHexSet();
    else
      Restart(*SoundCannotDrop);
  } else if (Button == mbRight) {
    // Five steps one way are one step the other way.
    const int32_t steps = Owner->RotateMode != 0 ? 1 : TurnsPerCircle - 1;
    for (int32_t i = 0; i < steps; ++i) RotateStep();
    Restart(*SoundRotate);
  }
}

bool TGmStage_Running::CanDrop() const {
  if (Busy || Paused) return false;
  for (int32_t i = 0; i < HexSet->Count(); ++i) {
    const TGmPoint cell = CellUnderElement(i);
    if (Board->IsBlocked(cell.Row, cell.Col)) return false;
  }
  return true;
}

void TGmStage_Running::DropHexSet() {
  if (Paused) return;
  Restart(*SoundDrop);
  for (int32_t i = 0; i < HexSet->Count(); ++i) {
    const TGmPoint cell = CellUnderElement(i);
    if (!IsOnBoard(cell)) continue;
    const auto* sprite = static_cast<const TDSPE_Static*>(HexSet->Sprite(i));
    const uint8_t code = CodeFromBitmapFile(sprite->FileName());
    Board->SetCell(cell.Row, cell.Col, code);
    const TPointF p = Geometry->CellToPixel(cell.Row, cell.Col);
    ShowCell(code, p.X, p.Y);
  }
  StartRowClear(Board->FindFullRow());
  NewHexSet();
  DropTimer->Restart();
}

void TGmStage_Running::StartRowClear(int32_t Row) {
  if (Row < 0 || Row >= BoardRows) return;
  Busy = true;
  DropTimer->SetEnabled(false);
  Board->RemoveRow(Row);
  for (int32_t row = 0; row < BoardRows; ++row)
    for (int32_t col = 0; col < BoardCols; ++col) {
      const uint8_t code = Board->GetCell(row, col);
      if (IsChipGem(code)) Board->SetCell(row, col, Downgrade(code));
    }
  const TPointF p = Geometry->CellToPixel(Row, 0);
  // Appended: g++ 12 warns falsely (-Wrestrict) about "literal" + std::to_string.
  std::string multiplier(1, '*');
  multiplier += std::to_string(ChainMultiplier(Chain));
  ChainText->Text = std::move(multiplier);
  ChainText->X = p.X + 10;
  ChainText->Y = p.Y;
  ChainText->Visible = true;
  RowFlash = new TDSPE_FlashBmp(Owner->DSP.get(), 5, GamePath("dat/y01"), p.X + 2, p.Y + 1, Row, true, 0.5f);
  RowFlash->OnFinish = [this](int32_t row) {
    RowFlash = nullptr;
    RowClearDone(row);
  };
  Restart(*SoundClearLine);
}

void TGmStage_Running::RowClearDone(int32_t Row) {
  ChainText->Visible = false;
  PendingMoney = GrownFigure(PendingMoney, RowPayout(Chain));
  CountOne(Chain);
  RecordRowCleared();
  SetRowsCleared(RowsCleared + 1);
  if (TPlayer* player = ReportedPlayer()) player->SetClearCount(GrownFigure(player->ClearCount(), 1));
  Busy = false;
  Board->RefillRemoved();
  RedrawBoard();
  DropTimer->Restart();
  const int32_t next = Board->FindFullRow();
  if (next >= 0) {
    StartRowClear(next);
    return;
  }
  Chain = 0;
  if (RowsCleared < StageParam->PassRows)
    SpawnBox(Row);
  else
    LevelPassed = true;
}

void TGmStage_Running::DropProgress(float Fraction) {
  if (RelaxedPace()) return;
  PreviewRing->Remaining = 1 - Fraction;
  const float percent = Fraction * 100;
  const bool onBeat = RoundHalfEven(percent) % 10 == 0;
  if (percent >= 50 && percent < 100 && onBeat && HurryArmed) {
    HurryArmed = false;
    Restart(*SoundHurryUp);
    CountdownRing->Alpha = 80;
  } else if (!onBeat || percent < 50) {
    HurryArmed = true;
    CountdownRing->Alpha = 30;
  }
  CountdownRing->Percent = 100 - percent;
}

void TGmStage_Running::OnDropTimer() {
  if (!Busy && !LevelPassed && !RelaxedPace()) AutoDrop();
}

void TGmStage_Running::AutoDrop() {
  if (CanDrop()) {
    DropHexSet();
    ShowTimeout(HexSet->Origin);
    return;
  }
  const TPointF mouseOrigin = HexSet->Origin;
  searched_.assign(BoardCellCount, false);
  bool dropped = false;
  for (const TGmPoint& end : Board->MoveMatrix.EndCells())
    if ((dropped = SearchDrop(end))) break;
  ShowTimeout(HexSet->Origin);
  HexSet->SetOrigin(mouseOrigin);
  UpdateOutlines();
  if (!dropped) GameOver();
}

bool TGmStage_Running::SearchDrop(const TGmPoint& Cell) {
  if (!IsOnBoard(Cell) || searched_.size() != static_cast<size_t>(BoardCellCount) || searched_[CellIndex(Cell)])
    return false;
  searched_[CellIndex(Cell)] = true;
  if (Board->GetCell(Cell.Row, Cell.Col) == CellEmpty) {
    HexSet->SetOrigin(Geometry->CellToPixel(Cell.Row, Cell.Col));
    for (int32_t turn = 0; turn < TurnsPerCircle; ++turn) {
      if (CanDrop()) {
        DropHexSet();
        return true;
      }
      RotateStep();
    }
  }
  const TMoveMatrix& flow = Board->MoveMatrix;
  for (int32_t k = 0; k < flow.SourceCount(Cell.Row, Cell.Col); ++k)
    if (SearchDrop(flow.SourceAt(Cell.Row, Cell.Col, k))) return true;
  return false;
}

void TGmStage_Running::ShowTimeout(TPointF P) {
  // Ends by itself; nobody needs to hear of it.
  auto* stamp = new TDSPE_FlashBmp(Owner->DSP.get(), 49, GamePath("bmp/Timeout.bmp"), P.X - 20, P.Y, 0, false, 2);
  KeepInsideField(*stamp);
}

void TGmStage_Running::KeepInsideField(TDSPE_Static& Picture) const {
  // A set dropped by the edge would otherwise show only part of its stamp.
  const TDSP& field = *Owner->DSP;
  Picture.X = std::clamp(Picture.X, 0.0f, std::max(0.0f, float(field.Width() - Picture.Width())));
  Picture.Y = std::clamp(Picture.Y, 0.0f, std::max(0.0f, float(field.Height() - Picture.Height())));
}

void TGmStage_Running::Sparkle() {
  int32_t row = 0, col = 0;
  if (!Board->FindFilled(Random(Board->FilledCount), row, col)) return;
  const TPointF p = Geometry->CellToPixel(row, col);
  new TDSPE_Startlight(Owner->DSP.get(), 5, GamePath("bmp/starlight.bmp"), QPointF(p.X, p.Y));
}
