// The roster at start: a damaged file is moved aside, never over an earlier one, the backup of
// the save before it is loaded when it reads, and the player is told which copy he got.

#include <gtest/gtest.h>

#include <filesystem>

#include "players/roster_store.h"
#include "roster_test_helpers.h"
#include "support/temp_dir.h"

namespace {

class RosterStart : public ::testing::Test {
 protected:
  TTempProgramDir dir;
  TPlayers roster;
  std::string path = dir.File("dat/b01");

  static std::string FileOf(std::initializer_list<const char*> names) { return RosterFileOf(names); }
  std::vector<std::string> Names() const { return NamesIn(roster); }
};

TEST_F(RosterStart, ChoosesTheCopyThatReadsAndSaysWhichOne) {
  const std::string good = FileOf({"Ann", "Bob"});
  const std::string cut = good.substr(0, good.size() - 30);  // Bob's record broken off
  struct TCase {
    const char* what;
    std::string file, backup;
    std::vector<std::string> loaded;
    const char* told;  // in the report; empty: nothing to report
  };
  const TCase cases[] = {
      {"a good file", good, FileOf({"Old"}), {"Ann", "Bob"}, ""},
      {"a cut file with a good backup", cut, FileOf({"Old"}), {"Old"}, "The backup"},
      {"a cut file with a cut backup", cut, cut, {"Ann"}, "no readable backup"},
      {"a cut file and no backup", cut, "", {"Ann"}, "no readable backup"},
      {"a file too short for a count", "\x01\x02\x03", FileOf({"Old"}), {"Old"}, "The backup"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.what);
    std::filesystem::remove(path + ".bak");
    std::filesystem::remove(path + ".damaged");
    dir.WriteBytes("dat/b01", c.file);
    if (!c.backup.empty()) dir.WriteBytes("dat/b01.bak", c.backup);
    const TRosterStart start = LoadRosterAtStart(roster, path);
    EXPECT_TRUE(start.Saveable);
    EXPECT_EQ(Names(), c.loaded);
    if (*c.told == 0) {
      EXPECT_EQ(start.Report, "");
      continue;
    }
    EXPECT_NE(start.Report.find(c.told), std::string::npos) << start.Report;
    EXPECT_NE(start.Report.find(path + ".damaged"), std::string::npos) << start.Report;
    EXPECT_EQ(dir.ReadBytes("dat/b01.damaged"), c.file) << "the damaged copy is kept as it was";
  }
  roster.FreePlayers();
}

TEST_F(RosterStart, EarlierDamagedCopiesAreNeverOverwritten) {
  dir.WriteBytes("dat/b01.damaged", "first");
  dir.WriteBytes("dat/b01.damaged2", "second");
  dir.WriteBytes("dat/b01", std::string("\x05\0\0\0", 4));  // five players claimed, none there
  const TRosterStart start = LoadRosterAtStart(roster, path);
  EXPECT_EQ(dir.ReadBytes("dat/b01.damaged"), "first");
  EXPECT_EQ(dir.ReadBytes("dat/b01.damaged2"), "second");
  EXPECT_EQ(dir.ReadBytes("dat/b01.damaged3"), std::string("\x05\0\0\0", 4));
  EXPECT_NE(start.Report.find("b01.damaged3"), std::string::npos) << start.Report;
}

TEST_F(RosterStart, AFileThatCannotBeOpenedIsMovedAsideToo) {
  std::filesystem::create_directories(path + "/inside");
  dir.WriteBytes("dat/b01.bak", FileOf({"Ann"}));
  const TRosterStart start = LoadRosterAtStart(roster, path);
  EXPECT_TRUE(std::filesystem::is_directory(path + ".damaged/inside"));
  EXPECT_NE(start.Report.find("Is a directory"), std::string::npos) << start.Report;
  EXPECT_EQ(Names(), std::vector<std::string>{"Ann"});
  roster.FreePlayers();
}

}  // namespace
