// The roster file: exact layout, Latin-1 names, damaged files and safe saving.

#include <filesystem>

#include <gtest/gtest.h>

#include "frame/errors.h"
#include "roster_test_helpers.h"
#include "support/temp_dir.h"

namespace {
std::string Ints(std::initializer_list<int32_t> values) {
  std::string bytes;
  for (int32_t v : values)
    for (int shift = 0; shift < 32; shift += 8) bytes += static_cast<char>((static_cast<uint32_t>(v) >> shift) & 0xFF);
  return bytes;
}

std::string RecordBytes(std::string name, int32_t level, int32_t money, int32_t rows, int32_t seconds) {
  name.resize(40, '\0');
  return name + Ints({level, money, rows, seconds});
}

class RosterFile : public ::testing::Test {
 protected:
  TTempProgramDir dir;
  TPlayers roster;
  std::string path = dir.File("dat/b01");
  const std::string two = RecordBytes("Ann", 3, 600, 4, 8) + RecordBytes("Bob", 7, 100, 1, 2);

  void Load(const std::string& bytes) {
    dir.WriteBytes("dat/b01", bytes);
    roster.LoadFromFile(path);
  }
};
}  // namespace

TEST_F(RosterFile, LoadsPlayersAndTheCurrentOneThroughTheBoundEvents) {
  TLog log;
  Record(roster, log);
  Load(Ints({2}) + two + Ints({1}));
  ASSERT_EQ(roster.Count(), 2);
  EXPECT_EQ(roster.Items(0)->PlaySeconds(), 8);
  EXPECT_EQ(roster.CurrentIndex(), 1);
  EXPECT_EQ(log, (TLog{"level 7", "money 100", "name Bob", "unit 100", "efficiency 500000"}));
}

TEST_F(RosterFile, RoundTripsByteForByteWithLatin1Names) {
  const std::string bytes = Ints({3}) + RecordBytes("\xE9" + std::string(39, 'x'), 1, 2, 3, 4) +
                            RecordBytes("Zo\xEB", -1, 0x7FFFFFFF, 0, 1) + RecordBytes("", 5, 6, 7, 8) + Ints({-1});
  Load(bytes);
  ASSERT_EQ(roster.Count(), 3);
  EXPECT_EQ(roster.Items(0)->Name(), "\xC3\xA9" + std::string(39, 'x'));
  EXPECT_EQ(roster.Items(1)->Name(), "Zo\xC3\xAB");
  roster.SaveToFile(path);
  EXPECT_EQ(dir.ReadBytes("dat/b01"), bytes);
}

TEST_F(RosterFile, LongNamesKeep40CharactersAndOthersBecomeQuestionMarks) {
  roster.Add(MakePlayer(std::string(45, 'a'), 1, 0, 0, 0));
  roster.Add(MakePlayer("\xE2\x82\xAC 5 \xF0\x9F\x98\x80 \xC3", 1, 0, 0, 0));  // euro, emoji, broken byte
  roster.SetCurrentIndex(1);
  roster.SaveToFile(path);
  EXPECT_EQ(dir.ReadBytes("dat/b01"),
            Ints({2}) + RecordBytes(std::string(40, 'a'), 1, 0, 0, 0) + RecordBytes("? 5 ? ?", 1, 0, 0, 0) + Ints({1}));
  TPlayers loaded;
  loaded.LoadFromFile(path);
  EXPECT_EQ(loaded.Items(0)->Name(), std::string(40, 'a'));
  std::string nulInside("Ann\0junk", 8);
  Load(Ints({1}) + RecordBytes(nulInside, 2, 0, 0, 0) + Ints({0}));
  EXPECT_EQ(roster.Items(0)->Name(), "Ann");
}

TEST_F(RosterFile, DamagedFilesLoadTheirWholeRecordsAndNothingElse) {
  std::filesystem::remove(path);
  roster.LoadFromFile(path);  // missing: created empty
  EXPECT_EQ(std::filesystem::file_size(path), 0u);
  EXPECT_EQ(roster.Count(), 0);
  const std::pair<std::string, int32_t> cases[] = {
      {std::string("\x01\x00", 2), 0},                         // shorter than a count
      {Ints({0, -1}), 0},                                       // no players
      {Ints({-4, 0}) + two, 0},                                 // negative count: the index follows it
      {Ints({0x7FFFFFFF}) + two + Ints({1}), 2},                // count far beyond the file
      {Ints({3}) + two + RecordBytes("Cid", 1, 0, 0, 0).substr(0, 30), 2},  // cut inside a record
      {Ints({2}) + two, 2},                                     // no index
      {Ints({2}) + two + Ints({2}), 2},                         // index out of range
  };
  for (const auto& [bytes, players] : cases) {
    roster.SetCurrentIndex(-1);
    Load(bytes);
    EXPECT_EQ(roster.Count(), players);
    EXPECT_EQ(roster.Current(), nullptr);
  }
  std::filesystem::remove(path);
  std::filesystem::create_directory(path);
  EXPECT_THROW(roster.LoadFromFile(path), EGameError);
}

TEST_F(RosterFile, AFailedSaveLeavesThePreviousFileWhole) {
  roster.Add(MakePlayer("Ann", 3, 600, 4, 8));
  roster.SaveToFile(path);
  const std::string before = dir.ReadBytes("dat/b01");
  roster.Add(MakePlayer("Bob", 1, 0, 0, 0));
  std::filesystem::create_directory(path + ".tmp");  // the aside copy cannot be written
  EXPECT_THROW(roster.SaveToFile(path), EGameError);
  EXPECT_EQ(dir.ReadBytes("dat/b01"), before);
}
