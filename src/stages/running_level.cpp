// Setting up a level from the current player's level number, paying out earned money, and
// the end of a passed level.

#include "board/stage_param.h"
#include "frame/paths.h"
#include "players/players.h"
#include "stages/clearup_stage.h"
#include "stages/level_rules.h"
#include "stages/running_stage.h"
#include "frame/errors.h"

void TGmStage_Running::SetupLevel() {
  if (trial_) {
    PresentLevel(LoadTrialLevel());
    return;
  }
  const TPlayer* player = Players.Current();
  if (!player) return;
  const int32_t level = player->Level();
  const std::string paramError =
      LoadLevelParamFile(LevelPath(LevelParamFileName(LevelParamNumber(level))), *Board, *StageParam);
  StageParam->AutoDropSec = AutoDropSecForLevel(level);
  StageParam->PassRows = PassRowsForLevel(level);
  Board->ClearCells();
  const std::string layoutError = LoadLayoutFile(LevelPath(LayoutFileName(LayoutNumber(level))), *Board);
  std::string errors = paramError;
  AppendLine(errors, layoutError);
  PresentLevel(errors);
}

void TGmStage_Running::PresentLevel(const std::string& errors) {
  DropTimer->Interval = Owner->Clock->SecondsToTicks(static_cast<float>(StageParam->AutoDropSec));
  OnPassRows(StageParam->PassRows);
  TDSP& dsp = *Owner->DSP;
  dsp.ReloadBackground();
  DrawArrows();
  dsp.SaveBackground();
  RedrawBoard();
  // The level is still played with what could be read; the player learns what is wrong.
  if (!errors.empty()) OnLevelError(errors);
}

void TGmStage_Running::CoinTick() {
  if (PendingMoney > 0)
    PayChunk();
  else if (LevelPassed && !RowFlash)
    // A row still clearing brings more money: the level ends once that is paid too.
    FinishPassedLevel();
}

void TGmStage_Running::PayChunk() {
  const int32_t chunk = CoinChunk(PendingMoney);
  if (TPlayer* player = ReportedPlayer()) player->SetMoney(GrownFigure(player->Money(), chunk));
  PendingMoney -= chunk;
  Restart(*SoundCoin);
}

void TGmStage_Running::FinishPassedLevel() {
  if (trial_) {
    EndTrial();
    return;
  }
  RecordLevelPassed();
  if (TPlayer* player = Players.Current()) {
    if (player->Level() > 0 && player->Level() % MapPointCount == 0)
      if (auto* map = Owner->Find<TGmStage_Clearup>())
        map->ShowConstellation = true;
    player->SetLevel(GrownFigure(player->Level(), 1));
    Owner->Autosave->Request();
  }
  Owner->SwitchTo<TGmStage_Clearup>();
}
