// Pandora's boxes on the field (the round moves them and tells when the pointer catches one;
// each frame their pictures follow), what their outcomes look like, and the laser's guns, beam
// and bolt.

#include "board/cell_codes.h"
#include "stages/running_stage.h"

namespace {
constexpr float BoxFrameSeconds = 0.07f;
}  // namespace

void TGmStage_Running::ConnectBoxEvents() {
  TPlayRound& round = *Round;
  round.OnBoxReleased = [this](TBox& box, int32_t row) { ReleaseBox(box, row); };
  round.OnBoxCaught = [this](const TBox&) {
    new TDSPE_Spark(Owner->DSP.get(), LayerSparks, MakeARGB(255, 255, 100, 100), Controls->X, Controls->Y, 100, 0, 0,
                    100, 2, false);
  };
  round.OnBoxesGone = [this] { Boxes->Clear(); };
  round.OnGemsBlasted = [this](const std::vector<THeldGem>& cells) { ShowBlast(cells); };
  round.OnChipsDropped = [this] {
    Restart(TPlaySound::Breakup);
    RedrawBoard();
  };
  round.OnLaserReady = [this] {
    Laser->Ready();
    HeldView->Show(false);
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
    HeldView->Show(true);
  };
}

void TGmStage_Running::ReleaseBox(TBox& Box, int32_t Row) {
  // The box comes in at the end of the row away from the pointer.
  const TPointF p = FieldGeometry().CellToPixel(Row, Owner->DSP->Width() / 2 >= Controls->X ? BoardCols : 0);
  Box.Motion.X = p.X;
  Box.Motion.Y = p.Y;
  Boxes->Show(Box);
  Restart(TPlaySound::Box);
}

void TGmStage_Running::CreateBoxViews() {
  Boxes = std::make_unique<TBoxViews>(Owner->DSP.get(), Owner->Clock->SecondsToTicks(BoxFrameSeconds), *Round);
  Boxes->OnMove = [this](TDSPE_Bounce* box, bool hitEdge) {
    if (hitEdge) Restart(TPlaySound::Box);
    if (HeldView->Visible() && Round->CatchBoxNear(box->Tag, Controls->X, Controls->Y)) Boxes->Remove(box);
  };
}

void TGmStage_Running::ShowBlast(const std::vector<THeldGem>& Cells) {
  for (const THeldGem& cell : Cells) {
    const TPointF p = FieldGeometry().CellToPixel(cell.Cell.Row, cell.Cell.Col);
    new TDSPE_Spark(Owner->DSP.get(), LayerSparks, GemColor(cell.Code, 255), p.X, p.Y, 100, -50, 150, 20, 3, false);
  }
  RedrawBoard();
  Restart(TPlaySound::Boom);
}
