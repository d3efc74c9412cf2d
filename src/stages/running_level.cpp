// Setting up the level played (stages/played_level.h), and the editor's trials.

#include "stages/running_stage.h"

void TGmStage_Running::SetupLevel() {
  if (const std::optional<std::string> errors = level_.Load(Round->Board, Round->Param)) PresentLevel(*errors);
}

void TGmStage_Running::PresentLevel(const std::string& errors) {
  Round->LevelLoaded();
  OnPassRows(Round->Param.PassRows);
  BoardView->DrawLevel(Round->Board.MoveMatrix);
  RedrawBoard();
  // The level is still played with what could be read; the player learns what is wrong.
  if (!errors.empty()) OnLevelError(errors);
}

void TGmStage_Running::StartTrial(const TTrialLevel& Level) {
  level_.StartTrial(Level);
  Owner->SetCurrentStage(this);
}

void TGmStage_Running::EndTrial() {
  if (!InTrial()) return;
  // Leaving ends the trial, so the way back is taken first.
  const std::string back = level_.Trial()->ReturnStage;
  Owner->SwitchToStage(back);
}
