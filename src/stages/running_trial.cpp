// Trial play of a level from the editor: the level comes from the editor instead of the player's
// files, and the game reports nothing to the player.

#include <algorithm>

#include "players/players.h"
#include "stages/level_rules.h"
#include "stages/running_stage.h"
#include "frame/errors.h"

namespace {
// What a trial's messages call the level being edited.
constexpr const char* TrialName = "(level being edited)";
}  // namespace

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

std::string TGmStage_Running::LoadTrialLevel() {
  std::string errors = LoadLevelParamBytes(TrialName, trial_->LevelBytes, *Board, *StageParam);
  // A countdown of no time would drop a piece every frame, and a level of no rows would pass
  // before it begins.
  StageParam->AutoDropSec = std::max(StageParam->AutoDropSec, 1);
  StageParam->PassRows = std::max(StageParam->PassRows, 1);
  Board->ClearCells();
  const std::string layoutError = LoadLayoutBytes(TrialName, trial_->LayoutBytes, *Board);
  AppendLine(errors, layoutError);
  return errors;
}

TPlayer* TGmStage_Running::ReportedPlayer() const { return trial_ ? nullptr : Players.Current(); }

bool TGmStage_Running::BoxesAllowed() const {
  if (trial_) return true;
  const TPlayer* player = Players.Current();
  return player && player->Level() > 1;
}
