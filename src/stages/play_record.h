#pragma once
// The current player's record of play as the running stage keeps it: a game begins on the
// first level after a lost one (or the start), and a level played relaxed at any moment counts
// as a relaxed level.

#include <cstdint>

class TPlayRecordKeeper {
 public:
  void LevelStarted();
  // Play goes on with a level begun earlier (kept in a round file): its money and pace so far,
  // and no new game.
  void LevelResumed(int64_t Money, bool Relaxed);
  int64_t LevelMoney() const { return levelMoney_; }
  bool LevelRelaxed() const { return levelRelaxed_; }
  void PlayedRelaxed() { levelRelaxed_ = true; }
  // A row of the chain, paying Payout; Chain counts it already.
  void RowCleared(int32_t Payout, int32_t Chain);
  void LevelPassed();
  void GameLost() { newGame_ = true; }

 private:
  bool newGame_ = true;
  bool levelRelaxed_ = false;
  int64_t levelMoney_ = 0;
};
