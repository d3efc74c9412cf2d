#include "stages/play_record.h"

#include <algorithm>

#include "frame/saturating.h"
#include "players/players.h"

void TPlayRecordKeeper::LevelStarted() {
  levelMoney_ = 0;
  levelRelaxed_ = false;
  if (!newGame_) return;
  newGame_ = false;
  if (TPlayer* player = Players.Current()) CountOne(player->Record.GamesPlayed);
}

void TPlayRecordKeeper::LevelResumed(int64_t Money, bool Relaxed) {
  levelMoney_ = Money;
  levelRelaxed_ = Relaxed;
  newGame_ = false;
}

void TPlayRecordKeeper::RowCleared(int32_t Payout, int32_t Chain) {
  levelMoney_ = SaturatingAdd<int64_t>(levelMoney_, Payout);
  TPlayer* player = Players.Current();
  if (!player) return;
  TPlayerRecord& record = player->Record;
  CountOne(record.RowsCleared);
  record.LongestChain = std::max<int64_t>(record.LongestChain, Chain);
  record.BestLevelMoney = std::max(record.BestLevelMoney, levelMoney_);
}

void TPlayRecordKeeper::LevelPassed() {
  if (TPlayer* player = Players.Current())
    CountOne(levelRelaxed_ ? player->Record.RelaxedLevelsPassed : player->Record.LevelsPassed);
}
