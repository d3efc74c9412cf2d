#include "players/player.h"

#include <algorithm>
#include <limits>

#include "frame/saturating.h"

void TPlayer::SetName(const std::string& Value) {
  if (Value == name_) return;
  name_ = Value;
  OnNameChange(name_);
}

void TPlayer::SetLevel(int32_t Value) {
  if (Value == level_) return;
  level_ = Value;
  OnLevelChange(level_);
}

void TPlayer::SetMoney(int32_t Value) {
  if (Value == money_) return;
  money_ = Value;
  OnMoneyChange(money_);
  OnUnitPriceChange(UnitPrice());
}

void TPlayer::SetClearCount(int32_t Value) {
  if (Value == clearCount_) return;
  clearCount_ = Value;
  OnUnitPriceChange(UnitPrice());
}

void TPlayer::SetPlaySeconds(int32_t Value) {
  if (Value == playSeconds_) return;
  playSeconds_ = Value;
  OnEfficiencyChange(Efficiency());
}

void TPlayer::AddPlaySecond() {
  SetPlaySeconds(SaturatingAdd(playSeconds_, 1));
  CountOne(Record.SecondsPlayed);
}

int32_t TPlayer::UnitPrice() const { return clearCount_ > 0 ? money_ / clearCount_ : 0; }

int32_t TPlayer::Efficiency() const {
  if (playSeconds_ <= 0) return 0;
  // Many rows in few seconds would not fit 32 bits; the top of the range beats wrapping round
  // to a negative score.
  const int64_t quotient = int64_t{clearCount_} * 1000000 / playSeconds_;
  return static_cast<int32_t>(std::clamp<int64_t>(quotient, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}

int32_t TPlayer::CategoryValue(int32_t Category) const {
  switch (Category) {
    case ScoreLevel: return level_;
    case ScoreMoney: return money_;
    case ScoreUnitPrice: return UnitPrice();
    case ScoreEfficiency: return Efficiency();
    default: return 0;
  }
}
