// Pandora's boxes on the field (when one is caught is a matter of where the pointer is), what
// their outcomes look like, and the laser's guns, beam and bolt.

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "board/cell_codes.h"
#include "frame/asset_names.h"
#include "frame/paths.h"
#include "stages/running_stage.h"

namespace {
constexpr float CatchDistance = 50;

std::string BoxPictureFile(TBoxKind kind) { return GamePath(Asset::BoxPicture(static_cast<int>(kind))); }
}  // namespace

void TGmStage_Running::ConnectBoxEvents() {
  TPlayRound& round = *Round;
  round.OnBoxReleased = [this](const TBox& box, int32_t row) { ReleaseBox(box, row); };
  round.OnBoxCaught = [this](const TBox&) {
    new TDSPE_Spark(Owner->DSP.get(), LayerSparks, MakeARGB(255, 255, 100, 100), MouseX, MouseY, 100, 0, 0, 100, 2,
                    false);
  };
  round.OnBoxesGone = [this] { Boxes.clear(); };
  round.OnGemsBlasted = [this](const std::vector<THeldGem>& cells) { ShowBlast(cells); };
  round.OnChipsDropped = [this] {
    Restart(TPlaySound::Breakup);
    RedrawBoard();
  };
  round.OnLaserReady = [this] {
    Laser->Ready();
    ShowHeldSet(false);
    Sound(TPlaySound::Laser).Play();
  };
  round.OnLaserFired = [this] {
    RedrawBoard();
    Sound(TPlaySound::Laser).Stop();
    Sound(TPlaySound::LaserBreakout).Play();
    Laser->Fire();
  };
  round.OnLaserDone = [this] {
    RedrawBoard();
    Laser->Done();
    ShowHeldSet(true);
  };
}

void TGmStage_Running::ReleaseBox(const TBox& Box, int32_t Row) {
  TDSP* dsp = Owner->DSP.get();
  // The box comes in at the end of the row away from the pointer.
  const TPointF p = FieldGeometry().CellToPixel(Row, dsp->Width() / 2 >= MouseX ? BoardCols : 0);
  auto sprite = std::make_unique<TDSPE_Bounce>(dsp, LayerBoxes, BoxPictureFile(Box.Kind), p.X, p.Y, 6,
                                               Owner->Clock->SecondsToTicks(0.07f), 80);
  sprite->Tag = Box.Id;
  sprite->OnMove = [this](TDSPE_Bounce* moved, bool hitEdge) { BoxMoved(moved, hitEdge); };
  if (Round->Paused) sprite->Pause();
  Boxes.push_back(std::move(sprite));
  Restart(TPlaySound::Box);
}

void TGmStage_Running::BoxMoved(TDSPE_Bounce* Box, bool HitEdge) {
  if (HitEdge) Restart(TPlaySound::Box);
  if (!HeldView->Visible() || !Round->CanCatch()) return;
  // Caught when it comes near the pointer.
  if (std::hypot(MouseX - Box->X, MouseY - Box->Y) >= CatchDistance) return;
  Round->CatchBox(Box->Tag);
  // Freed from inside its own move: the box notices and touches nothing of itself after this.
  std::erase_if(Boxes, [Box](const auto& box) { return box.get() == Box; });
}

void TGmStage_Running::ShowBlast(const std::vector<THeldGem>& Cells) {
  for (const THeldGem& cell : Cells) {
    const TPointF p = FieldGeometry().CellToPixel(cell.Cell.Row, cell.Cell.Col);
    new TDSPE_Spark(Owner->DSP.get(), LayerSparks, GemColor(cell.Code, 255), p.X, p.Y, 100, -50, 150, 20, 3, false);
  }
  RedrawBoard();
  Restart(TPlaySound::Boom);
}
