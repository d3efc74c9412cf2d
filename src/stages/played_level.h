#pragma once
// The level a round is played on: the current player's level, or a trial of the level being
// edited, handed over as the bytes of its two files. A trial reports nothing to the player and
// has boxes from the first level on.

#include <optional>
#include <string>

#include "board/gm_cells.h"
#include "board/stage_param.h"

class TPlayer;

// The editor's level for a trial, and the stage play goes back to when it ends.
struct TTrialLevel {
  std::string LevelBytes;
  std::string LayoutBytes;
  std::string ReturnStage;
};

class TPlayedLevel {
 public:
  void StartTrial(const TTrialLevel& level) { trial_ = level; }
  void EndTrial() { trial_.reset(); }
  const TTrialLevel* Trial() const { return trial_ ? &*trial_ : nullptr; }

  // Loads the level into board and param and gives what was wrong with its files ("" when
  // nothing), or nothing at all when there is no level to play (no player).
  std::optional<std::string> Load(TGmCells& board, TStageParam& param) const;
  // The player that play reports to: nobody during a trial.
  TPlayer* ReportedPlayer() const;
  bool BoxesAllowed() const;

 private:
  std::optional<TTrialLevel> trial_;
};
