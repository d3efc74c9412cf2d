// The high-score list: the ten built-in entries, the live roster players after them, and the
// four tables ranked from it.

#include <gtest/gtest.h>

#include "players/high_scores.h"
#include "roster_test_helpers.h"

namespace {

std::vector<std::string> Rows(const THighScores& scores, int32_t category) {
  std::vector<std::string> rows;
  for (const TPlayer* player : scores.Table(category))
    rows.push_back(player->Name() + " " + std::to_string(player->CategoryValue(category)));
  return rows;
}

TEST(HighScores, WithNoPlayersTheFourTablesHoldTheBuiltInEntries) {
  const THighScores scores;
  EXPECT_EQ(Rows(scores, 0), (std::vector<std::string>{"Radovoz 61", "Tobin 56", "Mirlo 55", "Zediri 54",
                                                        "Rovudar 40", "Devivada 35", "Zidaverade 27", "Vevaz 18",
                                                        "Voraz 10", "Rovari 3"}));
  EXPECT_EQ(Rows(scores, 1),
            (std::vector<std::string>{"Mirlo 247500", "Tobin 191000", "Zediri 155000", "Radovoz 152500",
                                      "Rovudar 104000", "Zidaverade 102000", "Devivada 100000", "Vevaz 80000",
                                      "Voraz 35000", "Rovari 6000"}));
  EXPECT_EQ(Rows(scores, 2), (std::vector<std::string>{"Mirlo 180", "Tobin 136", "Vevaz 133", "Voraz 129",
                                                        "Zediri 114", "Devivada 111", "Radovoz 107", "Rovudar 104",
                                                        "Zidaverade 102", "Rovari 100"}));
  EXPECT_EQ(Rows(scores, 3),
            (std::vector<std::string>{"Voraz 67500", "Zidaverade 62500", "Devivada 50000", "Tobin 46666",
                                      "Vevaz 42857", "Rovudar 41666", "Rovari 30000", "Radovoz 29320",
                                      "Zediri 27000", "Mirlo 21825"}));
}

TEST(HighScores, RosterPlayersRankLiveAfterBuiltInsOfTheSameValueAndLeaveWithTheRefresh) {
  TPlayers roster;
  roster.Add(MakePlayer("Ann", 56, 0, 0, 0));
  roster.Add(MakePlayer("Newcomer", 1, 0, 0, 0));
  THighScores scores;
  scores.Refresh(roster);
  EXPECT_EQ(scores.List.Count(), 12);
  const auto level = Rows(scores, 0);
  EXPECT_EQ(std::vector<std::string>(level.begin() + 1, level.begin() + 4),
            (std::vector<std::string>{"Tobin 56", "Ann 56", "Mirlo 55"}));
  for (int32_t category = 0; category < CategoryCount; ++category)
    for (const TPlayer* player : scores.Table(category)) EXPECT_NE(player->Name(), "Newcomer");
  roster.Items(0)->SetMoney(250000);
  EXPECT_EQ(Rows(scores, 1).front(), "Ann 250000") << "the list holds the live player";
  EXPECT_EQ(scores.List.Best(1), roster.Items(0));
  roster.Delete(0);
  scores.Refresh(roster);
  EXPECT_EQ(scores.List.Count(), 11);
  for (int32_t category = 0; category < CategoryCount; ++category)
    for (const TPlayer* player : scores.Table(category)) EXPECT_NE(player->Name(), "Ann");
  roster.FreePlayers();
}

}  // namespace
