#pragma once
// A player's career: name, level reached, money, rows cleared, seconds played, and the two
// values derived from them. Every setter does nothing when the value is unchanged and otherwise
// fires its change events (only those assigned), so the main window's labels follow.

#include <cstdint>
#include <string>

#include "frame/events.h"
#include "players/player_records.h"

// The four ranking categories, in the order of the high-score tables.
enum TScoreCategory : int32_t { ScoreLevel = 0, ScoreMoney = 1, ScoreUnitPrice = 2, ScoreEfficiency = 3 };

// The change events of a player. The roster keeps one set of its own and hands a copy to
// whichever player becomes current.
struct TPlayerEvents {
  TEvent<int32_t> OnLevelChange;
  TEvent<int32_t> OnMoneyChange;
  TEvent<int32_t> OnUnitPriceChange;
  TEvent<int32_t> OnEfficiencyChange;
  TEvent<const std::string&> OnNameChange;
};

class TPlayer : public TPlayerEvents {
 public:
  const std::string& Name() const { return name_; }
  int32_t Level() const { return level_; }
  int32_t Money() const { return money_; }
  int32_t ClearCount() const { return clearCount_; }
  int32_t PlaySeconds() const { return playSeconds_; }

  // Fires OnNameChange.
  void SetName(const std::string& Value);
  // Fires OnLevelChange.
  void SetLevel(int32_t Value);
  // Fires OnMoneyChange, then OnUnitPriceChange.
  void SetMoney(int32_t Value);
  // Fires OnUnitPriceChange only; the efficiency shown catches up at the next second of play.
  void SetClearCount(int32_t Value);
  // Fires OnEfficiencyChange.
  void SetPlaySeconds(int32_t Value);
  // One more second of play, in the roster and in the record; each stays at the top of its range.
  void AddPlaySecond();

  // Money per cleared row (truncated); 0 before the first row.
  int32_t UnitPrice() const;
  // Cleared rows per million seconds of play (truncated, at most the int32 range); 0 before
  // the first second.
  int32_t Efficiency() const;
  // The value a category ranks by; 0 for an unknown category.
  int32_t CategoryValue(int32_t Category) const;

  // The player's own record of play; kept in a file of its own (player_records.h).
  TPlayerRecord Record;

 private:
  std::string name_;
  int32_t level_ = 1;
  int32_t money_ = 0;
  int32_t clearCount_ = 0;
  int32_t playSeconds_ = 0;
};
