#include "ui/game_stages.h"

#include "frame/errors.h"
#include "stages/clearup_stage.h"
#include "stages/editor_stage.h"
#include "stages/running_stage.h"
#include "stages/start_stage.h"

std::string CreateGameStages(TGmStageList& stages, const TGameStageHooks& hooks) {
  new TGmStage_Start(&stages);
  auto* running = new TGmStage_Running(&stages);
  running->OnLevelError = hooks.LevelError;
  running->OnRowsCleared = [progress = hooks.ProgressChanged](int32_t) { progress(); };
  running->OnPassRows = [progress = hooks.ProgressChanged](int32_t) { progress(); };
  running->OnLeave = hooks.ProgressChanged;
  new TGmStage_Clearup(&stages);
  new TGmStage_Editor(&stages);
  std::string failures;
  for (int32_t index = 0; index < stages.Count(); ++index) {
    try {
      stages.Stage(index)->Init();
    } catch (const std::exception& error) {
      AppendLine(failures, error.what());
    }
  }
  return failures;
}
