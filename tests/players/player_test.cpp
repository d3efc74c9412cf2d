// A player's derived values and the events each setter fires.

#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "players/player.h"

namespace {
// Binds every event of a player (or roster) to a log line "event value".
template <typename Events>
void Record(Events& events, std::vector<std::string>& log) {
  events.OnLevelChange = [&log](int32_t v) { log.push_back("level " + std::to_string(v)); };
  events.OnMoneyChange = [&log](int32_t v) { log.push_back("money " + std::to_string(v)); };
  events.OnUnitPriceChange = [&log](int32_t v) { log.push_back("unit " + std::to_string(v)); };
  events.OnEfficiencyChange = [&log](int32_t v) { log.push_back("efficiency " + std::to_string(v)); };
  events.OnNameChange = [&log](const std::string& v) { log.push_back("name " + v); };
}

using TLog = std::vector<std::string>;
}  // namespace

TEST(Player, StartsAtLevelOneWithNothingElse) {
  const TPlayer player;
  EXPECT_EQ(player.Name(), "");
  EXPECT_EQ(player.Level(), 1);
  EXPECT_EQ(player.Money(), 0);
  EXPECT_EQ(player.ClearCount(), 0);
  EXPECT_EQ(player.PlaySeconds(), 0);
  EXPECT_EQ(player.UnitPrice(), 0);
  EXPECT_EQ(player.Efficiency(), 0);
}

TEST(Player, DerivedValuesTruncate) {
  TPlayer player;
  player.SetMoney(250);
  EXPECT_EQ(player.UnitPrice(), 0);
  player.SetClearCount(3);
  EXPECT_EQ(player.UnitPrice(), 83);
  player.SetMoney(-250);
  EXPECT_EQ(player.UnitPrice(), -83);
  player.SetClearCount(3000);
  player.SetPlaySeconds(7);
  EXPECT_EQ(player.Efficiency(), 428571428);
  player.SetPlaySeconds(-7);
  EXPECT_EQ(player.Efficiency(), 0);
}

TEST(Player, EfficiencyNeverWrapsRound) {
  TPlayer player;
  player.SetClearCount(5000);  // 5e9 per million seconds: beyond 32 bits
  player.SetPlaySeconds(1);
  EXPECT_EQ(player.Efficiency(), std::numeric_limits<int32_t>::max());
}

TEST(Player, CategoryValues) {
  TPlayer player;
  player.SetLevel(4);
  player.SetMoney(900);
  player.SetClearCount(4);
  player.SetPlaySeconds(8);
  EXPECT_EQ(player.CategoryValue(ScoreLevel), 4);
  EXPECT_EQ(player.CategoryValue(ScoreMoney), 900);
  EXPECT_EQ(player.CategoryValue(ScoreUnitPrice), 225);
  EXPECT_EQ(player.CategoryValue(ScoreEfficiency), 500000);
  EXPECT_EQ(player.CategoryValue(4), 0);
  EXPECT_EQ(player.CategoryValue(-1), 0);
}

TEST(PlayerEvents, EachSetterFiresItsEventsInOrder) {
  TPlayer player;
  TLog log;
  Record(player, log);
  player.SetClearCount(2);
  EXPECT_EQ(log, (TLog{"unit 0"}));
  log.clear();
  player.SetMoney(250);
  EXPECT_EQ(log, (TLog{"money 250", "unit 125"}));
  log.clear();
  player.SetClearCount(5);  // no efficiency event until the next second
  EXPECT_EQ(log, (TLog{"unit 50"}));
  log.clear();
  player.SetPlaySeconds(10);
  EXPECT_EQ(log, (TLog{"efficiency 500000"}));
  log.clear();
  player.SetLevel(2);
  player.SetName("Ann");
  EXPECT_EQ(log, (TLog{"level 2", "name Ann"}));
}

TEST(PlayerEvents, AnUnchangedValueFiresNothing) {
  TPlayer player;
  player.SetName("Ann");
  player.SetMoney(10);
  TLog log;
  Record(player, log);
  player.SetName("Ann");
  player.SetLevel(1);
  player.SetMoney(10);
  player.SetClearCount(0);
  player.SetPlaySeconds(0);
  EXPECT_TRUE(log.empty());
  player.SetName("ann");  // names compare case-sensitively
  EXPECT_EQ(log, (TLog{"name ann"}));
}

TEST(PlayerEvents, UnassignedEventsAreSkipped) {
  TPlayer player;
  TLog log;
  player.OnUnitPriceChange = [&log](int32_t v) { log.push_back("unit " + std::to_string(v)); };
  player.SetMoney(30);
  player.SetPlaySeconds(3);
  EXPECT_EQ(log, (TLog{"unit 0"}));
}
