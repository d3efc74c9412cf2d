#include "stages/played_level.h"

#include "play/level_rules.h"
#include "players/players.h"

namespace {
// What a trial's messages call the level being edited.
constexpr const char* TrialName = "(level being edited)";
}  // namespace

std::optional<std::string> TPlayedLevel::Load(TGmCells& board, TStageParam& param) const {
  if (trial_) return LoadEditedLevel(TrialName, trial_->LevelBytes, trial_->LayoutBytes, board, param);
  if (const TPlayer* player = Players.Current()) return LoadPlayerLevel(player->Level(), board, param);
  return std::nullopt;
}

TPlayer* TPlayedLevel::ReportedPlayer() const { return trial_ ? nullptr : Players.Current(); }

bool TPlayedLevel::BoxesAllowed() const {
  if (trial_) return true;
  const TPlayer* player = Players.Current();
  return player && player->Level() > 1;
}
