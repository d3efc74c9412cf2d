// Pandora's boxes on the field (the round moves them and tells when the pointer catches one;
// each frame their pictures follow), what their outcomes look like, and the laser's guns, beam
// and bolt.

#include <algorithm>

#include "board/cell_codes.h"
#include "frame/asset_names.h"
#include "frame/paths.h"
#include "stages/running_stage.h"

namespace {
constexpr float BoxFrameSeconds = 0.07f;
constexpr int32_t BoxFrames = 6;

std::string BoxPictureFile(TBoxKind kind) { return GamePath(Asset::BoxPicture(static_cast<int>(kind))); }

// A box's picture: on every frame it moves its box in the round, within the surface, and shows
// it where the round has it.
class TFieldBox : public TDSPE_Bounce {
 public:
  TFieldBox(TDSP* dsp, int64_t frameTicks, TPlayRound& round, const TBox& box)
      : TDSPE_Bounce(dsp, LayerBoxes, BoxPictureFile(box.Kind), BoxFrames, frameTicks, box.Motion), round_(round) {
    Tag = box.Id;
  }

 protected:
  bool Advance(double seconds) override {
    const bool hitEdge = round_.MoveBox(Tag, seconds, Rightmost(), Lowest());
    if (const TBox* box = round_.FindBox(Tag)) {
      X = box->Motion.X;
      Y = box->Motion.Y;
    }
    return hitEdge;
  }

 private:
  TPlayRound& round_;
};
}  // namespace

void TGmStage_Running::ConnectBoxEvents() {
  TPlayRound& round = *Round;
  round.OnBoxReleased = [this](TBox& box, int32_t row) { ReleaseBox(box, row); };
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

void TGmStage_Running::ReleaseBox(TBox& Box, int32_t Row) {
  // The box comes in at the end of the row away from the pointer.
  const TPointF p = FieldGeometry().CellToPixel(Row, Owner->DSP->Width() / 2 >= MouseX ? BoardCols : 0);
  Box.Motion.X = p.X;
  Box.Motion.Y = p.Y;
  ShowBox(Box);
  Restart(TPlaySound::Box);
}

void TGmStage_Running::ShowBox(const TBox& Box) {
  auto sprite = std::make_unique<TFieldBox>(Owner->DSP.get(), Owner->Clock->SecondsToTicks(BoxFrameSeconds), *Round, Box);
  sprite->OnMove = [this](TDSPE_Bounce* moved, bool hitEdge) { BoxMoved(moved, hitEdge); };
  if (Round->Paused) sprite->Pause();
  Boxes.push_back(std::move(sprite));
}

void TGmStage_Running::BoxMoved(TDSPE_Bounce* Box, bool HitEdge) {
  if (HitEdge) Restart(TPlaySound::Box);
  if (!HeldView->Visible() || !Round->CatchBoxNear(Box->Tag, MouseX, MouseY)) return;
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
