// The players' records file: round trip, records staying with their players when others are
// added or deleted, and damaged or missing files that are never fatal.

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <vector>

#include <gtest/gtest.h>

#include "players/player_records.h"
#include "players/players.h"
#include "roster_test_helpers.h"
#include "support/temp_dir.h"

namespace {

TPlayerRecord RecordOf(int64_t seed) {
  return {seed, seed + 1, seed + 2, seed + 3, seed + 4, seed + 5, seed + 6};
}

class RecordsFileTest : public ::testing::Test {
 protected:
  ~RecordsFileTest() override { roster.FreePlayers(); }
  TPlayer* Add(const std::string& name, int64_t seed) {
    TPlayer* player = roster.Items(roster.Add(MakePlayer(name, 1, 0, 0, 0)));
    player->Record = RecordOf(seed);
    return player;
  }
  std::string SaveAndReload() {
    EXPECT_NO_THROW(SaveRecords(dir.File(RecordFileName), roster));
    for (int32_t i = 0; i < roster.Count(); ++i) roster.Items(i)->Record = TPlayerRecord();
    return LoadRecords(dir.File(RecordFileName), roster);
  }

  TTempProgramDir dir;
  TPlayers roster;
};

TEST_F(RecordsFileTest, EveryPlayersRecordComesBackIncludingHugeFigures) {
  Add("Ann", 10);
  Add("Bob", 20)->Record.SecondsPlayed = int64_t{1} << 40;
  Add("", 30);
  EXPECT_EQ(SaveAndReload(), "");
  EXPECT_EQ(roster.Items(0)->Record, RecordOf(10));
  EXPECT_EQ(roster.Items(1)->Record.SecondsPlayed, int64_t{1} << 40);
  EXPECT_EQ(roster.Items(2)->Record, RecordOf(30));
}

TEST_F(RecordsFileTest, DeletingOrAddingPlayersNeverShiftsARecordOntoAnotherPlayer) {
  Add("Ann", 10);
  Add("Bob", 20);
  Add("Ann", 30);
  Add("Cy", 40);
  ASSERT_NO_THROW(SaveRecords(dir.File(RecordFileName), roster));
  // The roster changes after the records were written: the first Ann goes, a new player comes
  // first (as a roster read later might list them).
  roster.Delete(0);
  TPlayers later;
  later.Add(MakePlayer("Dee", 1, 0, 0, 0));
  for (int32_t i = 0; i < roster.Count(); ++i) later.Add(roster.Items(i));
  EXPECT_EQ(LoadRecords(dir.File(RecordFileName), later), "");
  EXPECT_EQ(later.Items(0)->Record, TPlayerRecord()) << "a new player starts afresh";
  EXPECT_EQ(later.Items(1)->Record, RecordOf(20)) << "Bob";
  EXPECT_EQ(later.Items(3)->Record, RecordOf(40)) << "Cy";
  // Two players of one name: the first remaining Ann takes the first Ann line (best that a
  // name can tell); every other player keeps exactly its own.
  EXPECT_EQ(later.Items(2)->Record, RecordOf(10));
  later.FreePlayers();
}

TEST_F(RecordsFileTest, ARecordSavedAfterADeletionGoesOnlyToTheRemainingPlayers) {
  Add("Ann", 10);
  Add("Bob", 20);
  Add("Cy", 30);
  roster.Delete(1);
  EXPECT_EQ(SaveAndReload(), "");
  EXPECT_EQ(roster.Items(0)->Record, RecordOf(10));
  EXPECT_EQ(roster.Items(1)->Record, RecordOf(30));
}

TEST_F(RecordsFileTest, DamagedLinesAreLeftOutAndNamedTheRestIsKept) {
  Add("Ann", 10);
  Add("Bob", 20);
  const std::string ann = "n416e6e 10 11 12 13 14 15 16\n";
  const struct {
    std::string text;
    bool annKept;
    bool bobKept;
    const char* why;
  } cases[] = {
      {"brillor-records 1\n" + ann + "n426f62 20 21 22 23 24 25 26\n", true, true, ""},
      {"brillor-records 1\r\nn416e6e 10 11 12 13 14 15 16\r\n", true, false, ""},
      {"\xEF\xBB\xBF" "brillor-records 1\r\n" + ann, true, false, ""},
      {std::string("brillor-records 1\0\n", 19) + ann, true, false, ""},
      {"brillor-recrods 1\n" + ann, true, false, "line 1"},
      {ann + "n426f62 20 21 22 23 24 25 26\n", true, true, ""},
      {"brillor-records 1\n" + ann + "n426f62 20 21 22 23 24 25\n", true, false, "line 3"},
      {"brillor-records 1\n" + ann + "n426f62 20 21 -22 23 24 25 26\n", true, false, "line 3"},
      {"brillor-records 1\n" + ann + "n426f62 20 21 22 23 24 25 99999999999999999999\n", true, false, "line 3"},
      {"brillor-records 1\n" + ann + "n426f6 20 21 22 23 24 25 26\n", true, false, "line 3"},
      {"brillor-records 1\n" + ann + "n426f62 20 21 22 23 24 25 26 27\n", true, false, "line 3"},
      {"brillor-records 1\n\xff\xfe\n" + ann, true, false, "line 2"},
      {"brillor-records 2\n" + ann, false, false, "not a record file"},
      {std::string("\x00\x01\x02", 3), false, false, "not a record file"},
      {"", false, false, "not a record file"},
  };
  for (const auto& c : cases) {
    roster.Items(0)->Record = RecordOf(99);
    roster.Items(1)->Record = RecordOf(99);
    dir.WriteBytes(RecordFileName, c.text);
    const std::string problems = LoadRecords(dir.File(RecordFileName), roster);
    EXPECT_EQ(roster.Items(0)->Record, c.annKept ? RecordOf(10) : TPlayerRecord()) << c.text;
    EXPECT_EQ(roster.Items(1)->Record, c.bobKept ? RecordOf(20) : TPlayerRecord()) << c.text;
    if (*c.why)
      EXPECT_NE(problems.find(c.why), std::string::npos) << c.text << " -> " << problems;
    else
      EXPECT_EQ(problems, "") << c.text;
  }
}

TEST_F(RecordsFileTest, AMissingFileStartsEveryRecordAfreshAndSaysSo) {
  Add("Ann", 10);
  const std::string problems = LoadRecords(dir.File(RecordFileName), roster);
  EXPECT_EQ(roster.Items(0)->Record, TPlayerRecord());
  EXPECT_NE(problems, "");
}

TEST_F(RecordsFileTest, ALongNameMatchesAsTheRosterFileCutsIt) {
  const std::string longName(60, 'x');
  Add(longName, 10);
  ASSERT_NO_THROW(SaveRecords(dir.File(RecordFileName), roster));
  ASSERT_NO_THROW(roster.SaveToFile(dir.File("dat/b01")));
  TPlayers reloaded;
  reloaded.LoadFromFile(dir.File("dat/b01"));
  EXPECT_EQ(LoadRecords(dir.File(RecordFileName), reloaded), "");
  EXPECT_EQ(reloaded.Items(0)->Record, RecordOf(10));
  reloaded.FreePlayers();
}

}  // namespace

// Deleting a player takes the player's round file away and leaves every other player's own
// round with them, namesakes after the deleted one included (their files are named by place).
TEST_F(RecordsFileTest, DeletingAPlayerKeepsEveryOtherPlayersRoundWithThem) {
  struct TCase {
    int32_t deleted;
    std::vector<std::string> rounds;  // each player's round, "" for none, before the deletion
  };
  const TCase cases[] = {
      {0, {"bob one", "ann", "bob two", "bob three"}},
      {2, {"bob one", "ann", "bob two", "bob three"}},
      {0, {"bob one", "ann", "", "bob three"}},
      {1, {"bob one", "ann", "bob two", ""}},
      {3, {"", "ann", "bob two", "bob three"}},
  };
  for (const TCase& c : cases) {
    std::filesystem::remove_all(dir.File("dat"));
    std::filesystem::create_directories(dir.File("dat"));
    roster.FreePlayers();
    for (const char* name : {"Bob", "Ann", "Bob", "Bob"}) Add(name, 1);
    for (int32_t i = 0; i < roster.Count(); ++i)
      if (!c.rounds[i].empty()) dir.WriteBytes(RoundFileName(roster, *roster.Items(i)), c.rounds[i]);
    DropRoundFileOf(roster, c.deleted);
    roster.Delete(c.deleted);
    std::vector<std::string> expected = c.rounds;
    expected.erase(expected.begin() + c.deleted);
    for (int32_t i = 0; i < roster.Count(); ++i) {
      const std::string file = RoundFileName(roster, *roster.Items(i));
      const std::string kept = std::filesystem::exists(dir.File(file)) ? dir.ReadBytes(file) : "";
      EXPECT_EQ(kept, expected[i]) << "player " << i << " after deleting " << c.deleted;
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.File("dat")), {}),
              std::count_if(expected.begin(), expected.end(), [](const std::string& r) { return !r.empty(); }))
        << "no file left behind after deleting " << c.deleted;
  }
}
