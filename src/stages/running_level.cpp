// Setting up a level from the current player's level number, or from the editor's bytes for a
// trial, which reports nothing to the player.

#include "play/level_rules.h"
#include "players/players.h"
#include "stages/running_stage.h"

namespace {
// What a trial's messages call the level being edited.
constexpr const char* TrialName = "(level being edited)";
}  // namespace

void TGmStage_Running::SetupLevel() {
  if (trial_) {
    PresentLevel(LoadEditedLevel(TrialName, trial_->LevelBytes, trial_->LayoutBytes, Round->Board, Round->Param));
    return;
  }
  if (const TPlayer* player = Players.Current())
    PresentLevel(LoadPlayerLevel(player->Level(), Round->Board, Round->Param));
}

void TGmStage_Running::PresentLevel(const std::string& errors) {
  Round->LevelLoaded();
  OnPassRows(Round->Param.PassRows);
  TDSP& dsp = *Owner->DSP;
  dsp.ReloadBackground();
  BoardView->DrawArrows(Round->Board.MoveMatrix);
  dsp.SaveBackground();
  RedrawBoard();
  // The level is still played with what could be read; the player learns what is wrong.
  if (!errors.empty()) OnLevelError(errors);
}

void TGmStage_Running::StartTrial(const TTrialLevel& Level) {
  trial_ = std::make_unique<TTrialLevel>(Level);
  Owner->SetCurrentStage(this);
}

void TGmStage_Running::EndTrial() {
  if (!trial_) return;
  // Leaving ends the trial, so the way back is taken first.
  const std::string back = trial_->ReturnStage;
  Owner->SwitchToStage(back);
}

TPlayer* TGmStage_Running::ReportedPlayer() const { return trial_ ? nullptr : Players.Current(); }

bool TGmStage_Running::BoxesAllowed() const {
  if (trial_) return true;
  const TPlayer* player = Players.Current();
  return player && player->Level() > 1;
}
