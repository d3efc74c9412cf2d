// Players' derived values and events; choosing the current player; ranking.

#include <limits>

#include <gtest/gtest.h>

#include "roster_test_helpers.h"

TEST(Player, DerivedValuesTruncateAndNeverWrap) {
  TPlayer player;
  player.SetMoney(250);
  EXPECT_EQ(player.UnitPrice(), 0);
  EXPECT_EQ(player.Efficiency(), 0);
  player.SetClearCount(3);
  EXPECT_EQ(player.UnitPrice(), 83);
  player.SetClearCount(3000);
  player.SetPlaySeconds(7);
  EXPECT_EQ(player.Efficiency(), 428571428);
  player.SetClearCount(5000);  // 5e9 rows per million seconds does not fit 32 bits
  player.SetPlaySeconds(1);
  EXPECT_EQ(player.Efficiency(), std::numeric_limits<int32_t>::max());
}

TEST(Player, EachSetterFiresItsEventsInOrderAndOnlyOnAChange) {
  TPlayer player;
  TLog log;
  Record(player, log);
  player.SetMoney(250);
  player.SetClearCount(5);  // unit price only: efficiency waits for the next second
  player.SetPlaySeconds(10);
  player.SetLevel(2);
  player.SetName("Ann");
  EXPECT_EQ(log, (TLog{"money 250", "unit 0", "unit 50", "efficiency 500000", "level 2", "name Ann"}));
  log.clear();
  player.SetMoney(250);
  player.SetClearCount(5);
  player.SetPlaySeconds(10);
  player.SetLevel(2);
  player.SetName("Ann");
  EXPECT_TRUE(log.empty());
  player.SetName("ann");
  EXPECT_EQ(log, (TLog{"name ann"}));
}

TEST(Roster, SelectingHandsTheRostersEventsToTheNewPlayerAndFiresThemInOrder) {
  TPlayers roster;
  roster.Add(MakePlayer("Ann", 3, 600, 4, 8));
  roster.Add(MakePlayer("Bob", 1, 0, 0, 0));
  TLog log;
  Record(roster, log);
  roster.SetCurrentIndex(0);
  EXPECT_EQ(log, (TLog{"level 3", "money 600", "name Ann", "unit 150", "efficiency 500000"}));
  log.clear();
  roster.Current()->SetMoney(800);
  EXPECT_EQ(log, (TLog{"money 800", "unit 200"}));
  // The same index, one past the end, or below -1: nothing; -1: no player, silently.
  log.clear();
  for (int32_t index : {0, 2, -2, -1}) roster.SetCurrentIndex(index);
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(roster.Current(), nullptr);
  roster.SetCurrentIndex(1);
  EXPECT_EQ(log.at(2), "name Bob");
}

TEST(Roster, ARemovedCurrentPlayerStaysValidAndItsPlaceCanBeChosen) {
  TPlayers roster;
  for (const char* name : {"Ann", "Bob", "Cid"}) roster.Add(MakePlayer(name, 1, 0, 0, 0));
  roster.SetCurrentIndex(1);
  TPlayer* removed = roster.Items(1);
  roster.Delete(1);
  EXPECT_EQ(roster.CurrentIndex(), -1);
  EXPECT_EQ(removed->Name(), "Bob");  // the sanitizer build proves it is still alive
  roster.SetCurrentIndex(1);
  EXPECT_EQ(roster.Current()->Name(), "Cid");
  TPlayer builtIn;  // a list of references (the high-score list) never frees what it holds
  TPlayers().Add(&builtIn);
}

TEST(Roster, RankingIsDescendingWithTiesInListOrder) {
  TPlayers roster;
  for (int32_t money : {5, 9, 9, 1}) roster.Add(MakePlayer("p", 1, money, 0, 0));
  EXPECT_EQ(roster.RankIndices(ScoreMoney), (std::vector<int32_t>{1, 2, 0, 3}));
  EXPECT_EQ(roster.Best(ScoreMoney), roster.Items(1));
  EXPECT_EQ(roster.RankIndices(9), (std::vector<int32_t>{0, 1, 2, 3}));
  TPlayers derived;
  derived.Add(MakePlayer("a", 9, 1000, 10, 100));  // unit 100, efficiency 100000
  derived.Add(MakePlayer("b", 2, 600, 3, 10));     // unit 200, efficiency 300000
  derived.Add(MakePlayer("c", 5, 5000, 100, 0));   // unit 50, efficiency 0
  EXPECT_EQ(derived.RankIndices(ScoreUnitPrice), (std::vector<int32_t>{1, 0, 2}));
  EXPECT_EQ(derived.RankIndices(ScoreEfficiency), (std::vector<int32_t>{1, 0, 2}));
  EXPECT_EQ(TPlayers().Best(ScoreLevel), nullptr);
}
