// The "More..." options as the running stage plays them: the gem picture set with symbols, the
// relaxed pace and the drop preview, all changed while the game is paused.

#include "stages/running_stage.h"

void TGmStage_Running::ApplyMoreOptions() {
  const bool changed = Owner->More.Symbols != BoardView->Symbols();
  ApplyGemPictures();
  // A lost game keeps its greyed board until the next level is entered.
  if (changed && playing_) {
    RedrawBoard();
    HeldView->Rebuild(false, BoardView->Symbols());
  }
  ApplyPace();
  // Turned on or off in a pause, the preview places the set at once, not at the next move.
  if (playing_ && !Round->Busy())
    Controls->FollowHand();
  else
    HeldView->MoveTo(HeldView->Set.Origin);
}

void TGmStage_Running::ApplyGemPictures() {
  if (Owner->More.Symbols != BoardView->Symbols()) BoardView->LoadPictures(Owner->More.Symbols);
}

void TGmStage_Running::ApplyPace() {
  const bool relaxed = RelaxedPace();
  Round->SetRelaxed(relaxed);
  if (relaxed && playing_) record_.PlayedRelaxed();
  CountdownRing->Visible = playing_ && !relaxed;
  // The small ring of the preview follows the pace too.
  HeldView->UpdatePreview();
}
