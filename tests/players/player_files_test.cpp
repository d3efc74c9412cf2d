// The player's files as one: what a start recovers from damaged or missing files (and writes
// back at once), what a save may put over a backup, files too large to read, the order of the
// saves, one message per cause, and the lock of the player folder against whatever was left at
// its name.

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <optional>

#include <sys/wait.h>
#include <unistd.h>

#include "frame/paths.h"
#include "frame/safe_file.h"
#include "players/player_files.h"
#include "players/player_records.h"
#include "players/roster_store.h"
#include "roster_test_helpers.h"
#include "support/temp_dir.h"

namespace {
namespace fs = std::filesystem;

class PlayerFilesTest : public ::testing::Test {
 protected:
  ~PlayerFilesTest() override { roster.FreePlayers(); }

  static std::string RosterOf(std::initializer_list<const char*> names) { return RosterFileOf(names); }
  std::vector<std::string> Names() const { return NamesIn(roster); }
  // Writes the file, or removes it when bytes is none.
  void Put(const std::string& file, const std::optional<std::string>& bytes) {
    fs::remove_all(dir.File(file));
    if (bytes) dir.WriteBytes(file, *bytes);
  }
  std::string Saved(TPlayerFiles& files) { return files.Save(roster, TSettings{500, -300, 0}, TMoreOptions()); }

  TTempProgramDir dir;
  TPlayers roster;
};

TEST_F(PlayerFilesTest, AStartRecoversTheRosterAndWritesItBackAtOnce) {
  const std::string good = RosterOf({"Ann", "Bob"});
  const std::string cut = good.substr(0, good.size() - 30);  // Bob's record broken off
  const std::string backup = RosterOf({"Old"});
  struct TCase {
    const char* what;
    std::optional<std::string> file, backup;
    std::vector<std::string> loaded;
    const char* told;  // in the message; empty: nothing to tell
  } cases[] = {
      {"a good file", good, backup, {"Ann", "Bob"}, ""},
      {"a cut file with a good backup", cut, backup, {"Old"}, "The backup"},
      {"a cut file and no backup", cut, std::nullopt, {"Ann"}, "no readable backup"},
      {"no file, a good backup", std::nullopt, backup, {"Old"}, "is missing"},
      {"an empty file, a good backup", "", backup, {"Old"}, "is missing"},
      {"no file and no backup", std::nullopt, std::nullopt, {}, ""},
      {"a file over 1 MB", std::string(2 << 20, 'x'), backup, {"Old"}, "larger than 1 MB"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.what);
    for (const char* file : {"dat/b01", "dat/b01.bak", "dat/b01.damaged"}) Put(file, std::nullopt);
    Put("dat/b01", c.file);
    Put("dat/b01.bak", c.backup);
    TPlayerFiles files;
    const TPlayerFilesLoad loaded = files.Load(roster);
    EXPECT_EQ(Names(), c.loaded);
    if (*c.told)
      EXPECT_NE(loaded.Report.find(c.told), std::string::npos) << loaded.Report;
    else
      EXPECT_EQ(loaded.Report, "");
    // What was loaded is on disk now, whole, before anything else can happen; the backup and
    // the damaged file are as they were.
    TPlayers onDisk;
    EXPECT_TRUE(onDisk.LoadFromBytes(dir.ReadBytes("dat/b01")));
    EXPECT_EQ(onDisk.Count(), static_cast<int32_t>(c.loaded.size()));
    onDisk.FreePlayers();
    if (c.backup) {
      EXPECT_EQ(dir.ReadBytes("dat/b01.bak"), *c.backup);
    }
    if (c.file && !c.file->empty() && *c.told) {
      EXPECT_EQ(dir.ReadBytes("dat/b01.damaged"), *c.file);
    }
  }
}

TEST_F(PlayerFilesTest, OnlyARosterReadWholeWithPlayersEverBecomesTheBackup) {
  const std::string good = RosterOf({"Ann"});
  const std::string old = RosterOf({"Old"});
  struct TCase {
    const char* what;
    std::optional<std::string> replaced;
    bool becomesBackup;
  } cases[] = {
      {"no file", std::nullopt, false},
      {"an empty file", "", false},
      {"a cut file", good.substr(0, 30), false},
      {"a roster without players", RosterOf({}), false},
      {"a whole roster", good, true},
  };
  roster.Add(MakePlayer("New", 1, 0, 0, 0));
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.what);
    Put("dat/b01", c.replaced);
    Put("dat/b01.bak", old);
    SaveRoster(roster, dir.File("dat/b01"));
    EXPECT_EQ(dir.ReadBytes("dat/b01.bak"), c.becomesBackup ? *c.replaced : old);
  }
}

TEST_F(PlayerFilesTest, DamagedFilesAreKeptAsideReadAsFarAsTheyGoAndToldOnce) {
  Put("dat/b01", RosterOf({"Ann"}));
  const std::string annLine = "n416e6e 10 11 12 13 14 15 16\n";
  const std::string junkLines = [] {
    std::string junk;
    for (int i = 0; i < 50000; ++i) junk += "junk line\n";
    return junk;
  }();
  struct TCase {
    const char* what;
    const char* file;
    std::string bytes;
    const char* told;  // empty: nothing to tell, nothing kept aside
    int64_t annGames;  // the records of Ann after the start
  } cases[] = {
      {"records with a byte-order mark and Windows line ends", "dat/records.txt",
       "\xEF\xBB\xBF" "brillor-records 1\r\n" + annLine, "", 10},
      {"records with a damaged line", "dat/records.txt", "brillor-records 1\n" + annLine + "n42 x\n", "line 3", 10},
      {"records of junk", "dat/records.txt", junkLines, "not a record file", 0},
      {"records over 1 MB", "dat/records.txt", std::string(2 << 20, '\n'), "larger than 1 MB", 0},
      {"options of junk", "dat/options.txt", "scale=100\n" + junkLines, "... and 49,995 more lines", 0},
      {"settings cut short", "dat/b00", std::string(5, '\1'), "cut short", 0},
      {"settings over 1 MB", "dat/b00", std::string(2 << 20, '\1'), "larger than 1 MB", 0},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.what);
    for (const char* file : {"dat/records.txt", "dat/records.txt.damaged", "dat/options.txt", "dat/options.txt.damaged",
                             "dat/b00", "dat/b00.damaged"})
      Put(file, std::nullopt);
    Put(c.file, c.bytes);
    TPlayerFiles files;
    const TPlayerFilesLoad loaded = files.Load(roster);
    EXPECT_EQ(roster.Items(0)->Record.GamesPlayed, c.annGames);
    EXPECT_LT(loaded.Report.size(), 1000u) << "a short message, whatever the file holds";
    if (!*c.told) {
      EXPECT_EQ(loaded.Report, "");
      EXPECT_FALSE(fs::exists(dir.File(c.file) + ".damaged"));
      continue;
    }
    EXPECT_NE(loaded.Report.find(c.told), std::string::npos) << loaded.Report;
    EXPECT_NE(loaded.Report.find(dir.File(c.file) + ".damaged"), std::string::npos) << loaded.Report;
    EXPECT_EQ(dir.ReadBytes(std::string(c.file) + ".damaged"), c.bytes) << "kept as it was";
    EXPECT_EQ(Saved(files), "");
    EXPECT_EQ(dir.ReadBytes(std::string(c.file) + ".damaged"), c.bytes) << "still there after the save";
  }
}

TEST_F(PlayerFilesTest, UnusableRecordsFallBackOnTheirBackup) {
  roster.Add(MakePlayer("Ann", 1, 0, 0, 0));
  roster.Items(0)->Record.GamesPlayed = 7;
  {
    TPlayerFiles files;
    EXPECT_EQ(Saved(files), "");
    roster.Items(0)->Record.GamesPlayed = 8;
    EXPECT_EQ(Saved(files), "");
  }
  EXPECT_TRUE(RecordTextIsWhole(dir.ReadBytes("dat/records.txt.bak")));
  Put("dat/records.txt", std::string("\0\0\0", 3));
  TPlayerFiles files;
  const TPlayerFilesLoad loaded = files.Load(roster);
  EXPECT_NE(loaded.Report.find("records.txt.bak"), std::string::npos) << loaded.Report;
  EXPECT_EQ(roster.Items(0)->Record.GamesPlayed, 7) << "the save before the last one";
}

TEST_F(PlayerFilesTest, SavesGoRosterFirstAndOnlyWhatChanged) {
  Put("dat/b01", RosterOf({"Ann"}));
  TPlayerFiles files;
  files.Load(roster);
  // Each temporary file made impossible to create in its own way: the reasons differ, so every
  // failure is told and their order is the order of the writes.
  fs::create_directories(dir.File("dat/b01.tmp"));
  fs::create_symlink("records.txt.tmp", dir.File("dat/records.txt.tmp"));
  fs::create_symlink(dir.File("none/b00"), dir.File("dat/b00.tmp"));
  fs::create_symlink(dir.File("dat/b01.bak") + "/options", dir.File("dat/options.txt.tmp"));
  dir.WriteBytes("dat/b01.bak", "a file, not a folder");
  roster.Items(0)->SetLevel(9);
  const std::string failures = Saved(files);
  const size_t rosterAt = failures.find("dat/b01\""), recordsAt = failures.find("dat/records.txt\"");
  const size_t settingsAt = failures.find("dat/b00\""), optionsAt = failures.find("dat/options.txt\"");
  ASSERT_NE(optionsAt, std::string::npos) << failures;
  EXPECT_TRUE(rosterAt < recordsAt && recordsAt < settingsAt && settingsAt < optionsAt) << failures;

  for (const char* temp : {"dat/b01.tmp", "dat/records.txt.tmp", "dat/b00.tmp", "dat/options.txt.tmp"})
    fs::remove(dir.File(temp));
  EXPECT_EQ(Saved(files), "");
  // Nothing changed since: nothing is written, so a folder in the way is never met.
  fs::create_directories(dir.File("dat/b01.tmp/blocker"));
  EXPECT_EQ(Saved(files), "");
}

TEST_F(PlayerFilesTest, AFailureIsToldOncePerFolderAndReason) {
  Put("dat/b01", RosterOf({"Ann"}));
  TPlayerFiles files;
  files.Load(roster);
  // A file in each folder keeps a failed save from clearing the folder away.
  for (const char* temp : {"dat/b01.tmp", "dat/records.txt.tmp", "dat/b00.tmp", "dat/options.txt.tmp"})
    fs::create_directories(dir.File(temp) + "/blocker");
  testing::internal::CaptureStderr();
  roster.Items(0)->SetLevel(9);
  const std::string first = Saved(files);
  roster.Items(0)->SetLevel(10);
  const std::string second = Saved(files);
  const std::string logged = testing::internal::GetCapturedStderr();
  EXPECT_EQ(first, "Cannot create file \"" + dir.File("dat/b01") + "\": Is a directory");
  EXPECT_EQ(second, "");
  EXPECT_NE(logged.find("dat/options.txt\": Is a directory"), std::string::npos) << logged;
}

// A child process of this program that exits with body's value; one still running at the end
// of its scope is killed, so a failed test leaves none behind.
struct TChild {
  explicit TChild(const std::function<int()>& body) : Pid(::fork()) { if (Pid == 0) ::_exit(body()); }
  ~TChild() { if (status < 0) Ended(SIGKILL); }
  int Ended(int signal = 0) {
    if (signal) ::kill(Pid, signal);
    ::waitpid(Pid, &status, 0);
    return status;
  }
  const pid_t Pid;
  int status = -1;
};

int Idle() {
  for (;;) ::pause();
}

TEST_F(PlayerFilesTest, WhateverWasLeftAtTheLocksNameTheNextStartTakesTheLockAndHoldsIt) {
  // A live copy of this program without the lock: a game on another player folder.
  TChild otherGame(Idle);
  const std::string lock = TPlayerFiles::LockPath();
  dir.WriteBytes("elsewhere", "not ours");
  const auto content = [&](const std::string& bytes) { return [&, bytes] { dir.WriteBytes("dat/brillor.lock", bytes); }; };
  const struct { const char* what; std::function<void()> leave; } cases[] = {
      {"an empty file", content("")},
      {"garbage", content("\xff\x01 12")},
      {"a folder", [&] { fs::create_directories(lock + "/inside"); }},
      {"a dangling link", [&] { fs::create_symlink(dir.File("gone"), lock); }},
      {"a link to a file elsewhere", [&] { fs::create_symlink(dir.File("elsewhere"), lock); }},
      {"a Qt lock of another machine", content("1\nbrillor\nfaraway\n")},
      {"a copy of the game on another folder", content(std::to_string(otherGame.Pid))},
      {"this very process", content(std::to_string(::getpid()))},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    for (const char* name : {"dat/brillor.lock", "dat/brillor.lock.damaged"}) fs::remove_all(dir.File(name));
    c.leave();
    TPlayerFiles game;
    ASSERT_EQ(game.TakeLock(), TPlayerFiles::TLock::Taken);
    // A lock belongs to one opening of the file, so even this process is kept out a second time.
    EXPECT_EQ(TPlayerFiles().TakeLock(), TPlayerFiles::TLock::HeldByAnotherGame);
    TChild second([] {
      TPlayerFiles files;
      return files.TakeLock() == TPlayerFiles::TLock::HeldByAnotherGame && files.LockHolder() == ::getppid() ? 0 : 1;
    });
    EXPECT_EQ(second.Ended(), 0) << "a second start elsewhere is kept out and told who holds the lock";
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(lock)));
    EXPECT_EQ(dir.ReadBytes("elsewhere"), "not ours");
    // Only a folder was kept, and the player is told where.
    const bool kept = fs::exists(lock + ".damaged/inside");
    EXPECT_EQ(kept, std::string(c.what) == "a folder");
    EXPECT_EQ(game.Load(roster).Report.find("kept as") != std::string::npos, kept);
    roster.FreePlayers();
  }
}

TEST_F(PlayerFilesTest, ASecondStartIsToldTheHoldersProcessOnlyWhenThatProcessHoldsTheLock) {
  TChild otherGame(Idle);
  TChild holder([] { TPlayerFiles game; game.TakeLock(); return Idle(); });
  const std::string written = std::to_string(holder.Pid) + '\n';
  for (int wait = 0; wait < 1000 && dir.ReadBytes("dat/brillor.lock") != written; ++wait) ::usleep(5000);
  const struct { std::string hint; pid_t told; } cases[] = {
      {written, holder.Pid},
      {std::to_string(::getpid()), 0},  // the second start itself, which has the file open too
      {std::to_string(otherGame.Pid), 0},
      {"1", 0},
      {std::to_string(holder.Pid) + "x", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.hint);
    dir.WriteBytes("dat/brillor.lock", c.hint);
    TPlayerFiles second;
    EXPECT_EQ(second.TakeLock(), TPlayerFiles::TLock::HeldByAnotherGame);
    EXPECT_EQ(second.LockHolder(), c.told);
  }
  // Killed, it frees the lock whatever it leaves behind.
  holder.Ended(SIGKILL);
  EXPECT_EQ(TPlayerFiles().TakeLock(), TPlayerFiles::TLock::Taken);
}

}  // namespace

namespace {

// A game that ends without saving (killed, or its display gone) must leave no empty settings
// file behind: the first start writes nothing until there is something to save.
TEST(SettingsFile, AFirstStartWritesNoSettingsFileUntilItSavesAWholeOne) {
  TTempProgramDir dir;
  TPlayers roster;
  {
    TPlayerFiles files;
    files.Load(roster);
    EXPECT_FALSE(std::filesystem::exists(PlayerPath(SettingsFileName))) << "nothing written at start";
    TSettings settings;
    settings.MusicVolume = 700;
    EXPECT_EQ(files.Save(roster, settings, TMoreOptions{}), "");
  }
  std::string bytes;
  ASSERT_TRUE(ReadWholeFile(PlayerPath(SettingsFileName), bytes));
  ASSERT_EQ(bytes.size(), SettingsFileSize);
  EXPECT_EQ(SettingsFromBytes(bytes)->MusicVolume, 700);
}

}  // namespace
