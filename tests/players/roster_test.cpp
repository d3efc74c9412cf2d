// The roster: choosing the current player, ranking, and the roster file.

#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "frame/errors.h"
#include "players/players.h"
#include "support/temp_dir.h"

namespace {
using TLog = std::vector<std::string>;

void Record(TPlayerEvents& events, TLog& log) {
  events.OnLevelChange = [&log](int32_t v) { log.push_back("level " + std::to_string(v)); };
  events.OnMoneyChange = [&log](int32_t v) { log.push_back("money " + std::to_string(v)); };
  events.OnUnitPriceChange = [&log](int32_t v) { log.push_back("unit " + std::to_string(v)); };
  events.OnEfficiencyChange = [&log](int32_t v) { log.push_back("efficiency " + std::to_string(v)); };
  events.OnNameChange = [&log](const std::string& v) { log.push_back("name " + v); };
}

std::unique_ptr<TPlayer> MakePlayer(const std::string& name, int32_t level, int32_t money, int32_t rows,
                                    int32_t seconds) {
  auto player = std::make_unique<TPlayer>();
  player->SetName(name);
  player->SetLevel(level);
  player->SetMoney(money);
  player->SetClearCount(rows);
  player->SetPlaySeconds(seconds);
  return player;
}

std::string Int32Bytes(int32_t value) {
  std::string bytes;
  for (int shift = 0; shift < 32; shift += 8) bytes += static_cast<char>((static_cast<uint32_t>(value) >> shift) & 0xFF);
  return bytes;
}

std::string RecordBytes(const std::string& nameField, int32_t level, int32_t money, int32_t rows, int32_t seconds) {
  std::string field = nameField;
  field.resize(40, '\0');
  return field + Int32Bytes(level) + Int32Bytes(money) + Int32Bytes(rows) + Int32Bytes(seconds);
}

class RosterFile : public ::testing::Test {
 protected:
  TTempProgramDir dir;
  TPlayers roster;
  std::string path = dir.File("dat/b01");

  void Write(const std::string& bytes) { dir.WriteBytes("dat/b01", bytes); }
  std::string Read() { return dir.ReadBytes("dat/b01"); }
};
}  // namespace

TEST(Roster, SelectingFiresTheRostersEventsInOrder) {
  TPlayers roster;
  roster.Add(MakePlayer("Ann", 3, 600, 4, 8));
  roster.Add(MakePlayer("Bob", 1, 0, 0, 0));
  TLog log;
  Record(roster, log);
  roster.SetCurrentIndex(0);
  EXPECT_EQ(log, (TLog{"level 3", "money 600", "name Ann", "unit 150", "efficiency 500000"}));
  EXPECT_EQ(roster.Current(), roster.Items(0));
  // The current player now reports through the roster's handlers.
  log.clear();
  roster.Current()->SetMoney(800);
  EXPECT_EQ(log, (TLog{"money 800", "unit 200"}));
}

TEST(Roster, SelectionThatChangesNothingIsIgnored) {
  TPlayers roster;
  roster.Add(MakePlayer("Ann", 3, 600, 4, 8));
  roster.Add(MakePlayer("Bob", 1, 0, 0, 0));
  roster.SetCurrentIndex(1);
  TLog log;
  Record(roster, log);
  roster.SetCurrentIndex(1);
  roster.SetCurrentIndex(2);
  roster.SetCurrentIndex(-2);
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(roster.CurrentIndex(), 1);
  roster.SetCurrentIndex(-1);
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(roster.Current(), nullptr);
  EXPECT_EQ(roster.CurrentIndex(), -1);
}

TEST(Roster, TheNewCurrentPlayerGetsTheEventsBoundNow) {
  TPlayers roster;
  roster.Add(MakePlayer("Ann", 1, 0, 0, 0));
  roster.Add(MakePlayer("Bob", 1, 0, 0, 0));
  TLog first, second;
  Record(roster, first);
  roster.SetCurrentIndex(0);
  Record(roster, second);
  roster.SetCurrentIndex(1);
  first.clear();
  roster.Items(1)->SetLevel(5);
  EXPECT_EQ(second.back(), "level 5");
  EXPECT_TRUE(first.empty());
}

TEST(Roster, RemovingTheCurrentPlayerKeepsItAliveAndAllowsANewChoice) {
  TPlayers roster;
  roster.Add(MakePlayer("Ann", 1, 0, 0, 0));
  roster.Add(MakePlayer("Bob", 2, 0, 0, 0));
  roster.Add(MakePlayer("Cid", 3, 0, 0, 0));
  roster.SetCurrentIndex(1);
  TPlayer* removed = roster.Items(1);
  roster.Delete(1);
  EXPECT_EQ(roster.Count(), 2);
  EXPECT_EQ(roster.CurrentIndex(), -1);
  // Still a valid object: windows may read it until they refresh.
  EXPECT_EQ(removed->Name(), "Bob");
  EXPECT_EQ(roster.Current(), removed);
  TLog log;
  Record(roster, log);
  roster.SetCurrentIndex(1);
  EXPECT_EQ(roster.Current()->Name(), "Cid");
  EXPECT_EQ(log.front(), "level 3");
  roster.FreePlayers();
  EXPECT_EQ(roster.Count(), 0);
  EXPECT_EQ(roster.Current(), nullptr);
}

TEST(Roster, AListOfReferencesNeverFreesItsPlayers) {
  TPlayer builtIn;
  builtIn.SetName("Rovari");
  {
    TPlayers scores;
    scores.Add(&builtIn);
    scores.Delete(0);
    scores.Add(&builtIn);
    scores.FreePlayers();
  }
  EXPECT_EQ(builtIn.Name(), "Rovari");
}

TEST(Roster, RankingIsDescendingAndTiesKeepListOrder) {
  TPlayers roster;
  for (int32_t money : {5, 9, 9, 1}) roster.Add(MakePlayer("p", 1, money, 0, 0));
  EXPECT_EQ(roster.RankIndices(ScoreMoney), (std::vector<int32_t>{1, 2, 0, 3}));
  EXPECT_EQ(roster.Best(ScoreMoney), roster.Items(1));
  EXPECT_EQ(roster.RankIndices(ScoreLevel), (std::vector<int32_t>{0, 1, 2, 3}));
  EXPECT_EQ(roster.RankIndices(7), (std::vector<int32_t>{0, 1, 2, 3}));
}

TEST(Roster, RankingUsesTheDerivedValues) {
  TPlayers roster;
  roster.Add(MakePlayer("a", 9, 1000, 10, 100));  // unit 100, efficiency 100000
  roster.Add(MakePlayer("b", 2, 600, 3, 10));     // unit 200, efficiency 300000
  roster.Add(MakePlayer("c", 5, 5000, 100, 0));   // unit 50, efficiency 0
  EXPECT_EQ(roster.RankIndices(ScoreUnitPrice), (std::vector<int32_t>{1, 0, 2}));
  EXPECT_EQ(roster.RankIndices(ScoreEfficiency), (std::vector<int32_t>{1, 0, 2}));
  EXPECT_EQ(roster.RankIndices(ScoreLevel), (std::vector<int32_t>{0, 2, 1}));
  EXPECT_EQ(TPlayers().Best(ScoreLevel), nullptr);
}

TEST_F(RosterFile, SavesTheDocumentedLayout) {
  roster.Add(MakePlayer("Ann", 3, 600, 4, 8));
  roster.Add(MakePlayer("Bob", 1, -5, 0, 70000));
  roster.SetCurrentIndex(1);
  roster.SaveToFile(path);
  const std::string expected = Int32Bytes(2) + RecordBytes("Ann", 3, 600, 4, 8) +
                               RecordBytes("Bob", 1, -5, 0, 70000) + Int32Bytes(1);
  EXPECT_EQ(Read(), expected);
  EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
}

TEST_F(RosterFile, LoadsPlayersAndTheCurrentOneFiringTheBoundEvents) {
  Write(Int32Bytes(2) + RecordBytes("Ann", 3, 600, 4, 8) + RecordBytes("Bob", 7, 100, 1, 2) + Int32Bytes(1));
  TLog log;
  Record(roster, log);
  roster.LoadFromFile(path);
  ASSERT_EQ(roster.Count(), 2);
  EXPECT_EQ(roster.Items(0)->Name(), "Ann");
  EXPECT_EQ(roster.Items(0)->PlaySeconds(), 8);
  EXPECT_EQ(roster.CurrentIndex(), 1);
  EXPECT_EQ(log, (TLog{"level 7", "money 100", "name Bob", "unit 100", "efficiency 500000"}));
  // The loaded players' own events stay unbound.
  log.clear();
  roster.Items(0)->SetLevel(4);
  EXPECT_TRUE(log.empty());
}

TEST_F(RosterFile, RoundTripsByteForByte) {
  std::string longName(40, 'x');
  longName[0] = static_cast<char>(0xE9);  // é in the file
  const std::string bytes = Int32Bytes(3) + RecordBytes(longName, 1, 2, 3, 4) + RecordBytes("", 5, 6, 7, 8) +
                            RecordBytes("Zo\xEB", -1, 0x7FFFFFFF, 0, 1) + Int32Bytes(-1);
  Write(bytes);
  roster.LoadFromFile(path);
  ASSERT_EQ(roster.Count(), 3);
  EXPECT_EQ(roster.Items(0)->Name(), "\xC3\xA9" + std::string(39, 'x'));
  EXPECT_EQ(roster.Items(2)->Name(), "Zo\xC3\xAB");
  EXPECT_EQ(roster.Current(), nullptr);
  roster.SaveToFile(path);
  EXPECT_EQ(Read(), bytes);
}

TEST_F(RosterFile, NamesAreCutTo40AndNonLatinCharactersBecomeQuestionMarks) {
  roster.Add(MakePlayer(std::string(45, 'a') , 1, 0, 0, 0));
  roster.Add(MakePlayer("\xE2\x82\xAC 5 \xF0\x9F\x98\x80!", 1, 0, 0, 0));  // euro sign, emoji
  roster.Add(MakePlayer(std::string(40, 'b'), 1, 0, 0, 0));
  roster.SaveToFile(path);
  const std::string bytes = Read();
  ASSERT_EQ(bytes.size(), 8u + 3 * 56);
  EXPECT_EQ(bytes.substr(4, 40), std::string(40, 'a'));
  EXPECT_EQ(bytes.substr(60, 7), std::string("? 5 ?!\0", 7));
  TPlayers loaded;
  loaded.LoadFromFile(path);
  EXPECT_EQ(loaded.Items(0)->Name(), std::string(40, 'a'));
  EXPECT_EQ(loaded.Items(1)->Name(), "? 5 ?!");
  EXPECT_EQ(loaded.Items(2)->Name(), std::string(40, 'b'));
}

TEST_F(RosterFile, TextAfterTheNulMeansNothing) {
  std::string field("Ann\0garbage", 11);
  Write(Int32Bytes(1) + RecordBytes(field, 2, 0, 0, 0) + Int32Bytes(0));
  roster.LoadFromFile(path);
  ASSERT_EQ(roster.Count(), 1);
  EXPECT_EQ(roster.Items(0)->Name(), "Ann");
  EXPECT_EQ(roster.CurrentIndex(), 0);
}

TEST_F(RosterFile, MissingShortOrEmptyFilesGiveNoPlayers) {
  std::filesystem::remove(path);
  roster.LoadFromFile(path);
  EXPECT_EQ(roster.Count(), 0);
  EXPECT_TRUE(std::filesystem::exists(path));
  EXPECT_EQ(std::filesystem::file_size(path), 0u);

  Write(std::string("\x01\x00", 2));
  roster.LoadFromFile(path);
  EXPECT_EQ(roster.Count(), 0);

  Write(Int32Bytes(0) + Int32Bytes(-1));
  roster.LoadFromFile(path);
  EXPECT_EQ(roster.Count(), 0);
  EXPECT_EQ(roster.Current(), nullptr);
}

TEST_F(RosterFile, CountsThatDoNotMatchTheFileLoadOnlyWholeRecords) {
  const std::string two = RecordBytes("Ann", 1, 0, 0, 0) + RecordBytes("Bob", 2, 0, 0, 0);
  // A count far beyond the file: the two whole records and nothing else.
  Write(Int32Bytes(0x7FFFFFFF) + two + Int32Bytes(1));
  roster.LoadFromFile(path);
  EXPECT_EQ(roster.Count(), 2);
  EXPECT_EQ(roster.Current(), nullptr);
  // A file cut inside its third record.
  Write(Int32Bytes(3) + two + RecordBytes("Cid", 3, 0, 0, 0).substr(0, 30));
  roster.LoadFromFile(path);
  EXPECT_EQ(roster.Count(), 2);
  EXPECT_EQ(roster.Current(), nullptr);
  // All records, but no index.
  Write(Int32Bytes(2) + two);
  roster.LoadFromFile(path);
  EXPECT_EQ(roster.Count(), 2);
  EXPECT_EQ(roster.Current(), nullptr);
  // A negative count reads no records; what follows is the index.
  Write(Int32Bytes(-4) + Int32Bytes(0) + two);
  roster.LoadFromFile(path);
  EXPECT_EQ(roster.Count(), 0);
  // An index outside the list leaves no current player.
  Write(Int32Bytes(2) + two + Int32Bytes(2));
  roster.LoadFromFile(path);
  EXPECT_EQ(roster.Count(), 2);
  EXPECT_EQ(roster.Current(), nullptr);
}

TEST_F(RosterFile, AFailedSaveLeavesThePreviousFileWhole) {
  roster.Add(MakePlayer("Ann", 3, 600, 4, 8));
  roster.SaveToFile(path);
  const std::string before = Read();
  roster.Add(MakePlayer("Bob", 1, 0, 0, 0));
  // The aside copy cannot be written: a folder stands in its way.
  std::filesystem::create_directory(path + ".tmp");
  EXPECT_THROW(roster.SaveToFile(path), EGameError);
  EXPECT_EQ(Read(), before);
  std::filesystem::remove(path + ".tmp");
  roster.SaveToFile(path);
  EXPECT_EQ(Read().size(), 8u + 2 * 56);
}

TEST_F(RosterFile, AnUnreadableRosterIsAClearError) {
  std::filesystem::remove(path);
  std::filesystem::create_directory(path);
  EXPECT_THROW(roster.LoadFromFile(path), EGameError);
  EXPECT_THROW(roster.LoadFromFile(dir.File("nowhere/b01")), EGameError);
}
