// Pandora's boxes: when they come, how they are caught, and their three outcomes (a colour
// blast, falling chip gems, the laser).

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "board/cell_codes.h"
#include "board/weighted_random.h"
#include "frame/paths.h"
#include "frame/random.h"
#include "players/players.h"
#include "stages/running_stage.h"

namespace {
constexpr size_t MaxBoxes = 5;
constexpr float CatchDistance = 50;
// Half the width of a hexagon of size 18, and how far a row's reference lies above its middle.
constexpr float HalfHexWidth = 15.5884572f;
constexpr float RowReferenceOffset = 10;

std::string BoxPictureFile(int32_t kind) {
  char name[48];
  // The box of no kind has a picture of its own, named with its plain number ("PandorasBox-1").
  std::snprintf(name, sizeof name, kind < 0 ? "bmp/PandorasBox%d.bmp" : "bmp/PandorasBox%2.2d.bmp",
                static_cast<int>(kind));
  return GamePath(name);
}
}  // namespace

void TGmStage_Running::SpawnBox(int32_t Row) {
  if (!BoxesAllowed()) return;
  const size_t onScreen = Boxes.size();
  if (onScreen >= MaxBoxes || Random(static_cast<int32_t>(onScreen)) != 0) return;
  TDSP* dsp = Owner->DSP.get();
  // The box comes in at the end of the row away from the mouse.
  const TPointF p = Geometry->CellToPixel(Row, dsp->Width() / 2 >= MouseX ? BoardCols : 0);
  const int32_t kind = WeightedRandom(
      {StageParam->ClearGemsPower, StageParam->BreakgroundPower, StageParam->LaserPower}, 2);
  auto box = std::make_unique<TDSPE_Bounce>(dsp, 7, BoxPictureFile(kind), p.X, p.Y, 6,
                                            Owner->Clock->SecondsToTicks(0.07f), 80);
  box->Tag = kind;
  box->OnMove = [this](TDSPE_Bounce* moved, bool hitEdge) { BoxMoved(moved, hitEdge); };
  if (Paused) box->Pause();
  Boxes.push_back(std::move(box));
  Restart(*SoundBox);
}

void TGmStage_Running::BoxMoved(TDSPE_Bounce* Box, bool HitEdge) {
  if (HitEdge) Restart(*SoundBox);
  if (!HexSet->Visible || Busy) return;
  if (std::hypot(MouseX - Box->X, MouseY - Box->Y) >= CatchDistance) return;
  new TDSPE_Spark(Owner->DSP.get(), 6, MakeARGB(255, 255, 100, 100), MouseX, MouseY, 100, 0, 0, 100, 2, false);
  switch (Box->Tag) {
    case 0: ClearGems(); break;
    case 1: Breakground(StageParam->BreakgrdCnt); break;
    case 2: StartLaser(); break;
    default: break;
  }
  // Freed from inside its own move: the box notices and touches nothing of itself after this.
  const auto caught = std::find_if(Boxes.begin(), Boxes.end(), [Box](const auto& box) { return box.get() == Box; });
  if (caught != Boxes.end()) Boxes.erase(caught);
}

void TGmStage_Running::DestroyBoxes() { Boxes.clear(); }

void TGmStage_Running::ClearGems() {
  const int32_t colour = Random(5);
  for (int32_t row = 0; row < BoardRows; ++row)
    for (int32_t col = 0; col < BoardCols; ++col) {
      const uint8_t code = Board->GetCell(row, col);
      // Read as a signed byte, an empty cell (-1) never matches a colour.
      if (static_cast<int8_t>(code) % 10 != colour) continue;
      const TPointF p = Geometry->CellToPixel(row, col);
      new TDSPE_Spark(Owner->DSP.get(), 6, GemColor(code, 255), p.X, p.Y, 100, -50, 150, 20, 3, false);
      Board->SetCell(row, col, CellEmpty);
    }
  RedrawBoard();
  Restart(*SoundBoom);
}

void TGmStage_Running::Breakground(int32_t N) {
  Restart(*SoundBreakup);
  for (int32_t i = 0; i < N && Board->FilledCount < BoardCellCount; ++i) {
    TGmPoint cell;
    if (!Board->FindEmpty(Random(BoardCellCount - Board->FilledCount), cell.Row, cell.Col)) continue;
    Board->SetCell(cell.Row, cell.Col, static_cast<uint8_t>(ChipTier + Random(5)));
    Board->SlideDown(cell);
  }
  RedrawBoard();
}

void TGmStage_Running::StartLaser() {
  DropTimer->SetEnabled(false);
  OnMouse = [this](uint8_t kind, TShiftState shift, int32_t button, float x, float y) {
    LaserMouse(kind, shift, button, x, y);
  };
  LaserGunLeft->Visible = LaserGunRight->Visible = true;
  AimBeam->Visible = true;
  AimBeam->Y = AimBeam->TargetY = LaserGunLeft->Y + 15;
  ShowHeldSet(false);
  SoundLaser->Play();
  Busy = true;
}

void TGmStage_Running::LaserMouse(uint8_t Kind, TShiftState, int32_t Button, float, float Y) {
  if (Kind == MouseMove) {
    const float y = std::clamp(Y, 0.0f, static_cast<float>(Owner->DSP->Height()));
    LaserGunLeft->Y = LaserGunRight->Y = y - 15;
    AimBeam->Y = AimBeam->TargetY = y;
  } else if (Button == mbLeft) {
    FireLaser(Y);
  }
}

void TGmStage_Running::FireLaser(float Y) {
  AimBeam->Visible = false;
  int32_t rowA = 0, rowB = 0, col = 0;
  Geometry->PixelToCell(0, Y - HalfHexWidth - RowReferenceOffset, rowA, col);
  Geometry->PixelToCell(0, Y + HalfHexWidth - RowReferenceOffset, rowB, col);
  Board->RemoveRow(rowA);
  Board->RemoveRow(rowB);
  RedrawBoard();
  SoundLaser->Stop();
  SoundLaserBreakout->Play();
  LaserBolt = new TDSPE_Lightning(Owner->DSP.get(), 5, LaserColor, AimBeam->X, AimBeam->Y, AimBeam->EndX,
                                  AimBeam->TargetY, 1, 2, 1, 7, 20, nullptr, true);
  LaserBolt->OnFinish = [this](float) {
    LaserBolt = nullptr;
    LaserDone();
  };
  DropTimer->SetEnabled(false);
  Busy = true;
  OnMouse = [this](uint8_t kind, TShiftState shift, int32_t button, float x, float y) {
    PlayMouse(kind, shift, button, x, y);
  };
}

void TGmStage_Running::LaserDone() {
  Board->RefillRemoved();
  RedrawBoard();
  Busy = false;
  DropTimer->Restart();
  EndLaser();
}

void TGmStage_Running::EndLaser() {
  LaserGunLeft->Visible = LaserGunRight->Visible = false;
  ShowHeldSet(true);
}

void TGmStage_Running::HideLaser() {
  LaserGunLeft->Visible = LaserGunRight->Visible = false;
  AimBeam->Visible = false;
  SoundLaser->Stop();
}
