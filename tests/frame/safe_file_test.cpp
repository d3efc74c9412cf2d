// Safe saving: reasons for failures, the backup of the replaced file, leftovers of a save cut
// short, and a save killed at any moment.

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <random>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

#include "frame/errors.h"
#include "frame/safe_file.h"
#include "support/temp_dir.h"

namespace {

std::string ReadOr(const std::string& path, const std::string& missing) {
  std::string bytes;
  return ReadWholeFile(path, bytes) ? bytes : missing;
}

class SafeSave : public ::testing::Test {
 protected:
  TTempProgramDir dir;
  std::string path = dir.File("dat/b01");
  std::string backup = dir.File("dat/b01.bak");
};

TEST_F(SafeSave, AFailureNamesTheFileAndTheSystemsReason) {
  struct TCase {
    std::string target;
    std::string blocker;  // a folder in the way of the aside copy
    std::string reason;
  };
  const TCase cases[] = {
      {dir.File("missing/b01"), "", "No such file or directory"},
      {path, path + ".tmp", "Is a directory"},
  };
  for (const TCase& c : cases) {
    if (!c.blocker.empty()) std::filesystem::create_directories(c.blocker);
    try {
      WriteFileSafely(c.target, "x");
      ADD_FAILURE() << "no failure for " << c.target;
    } catch (const EGameError& error) {
      EXPECT_EQ(std::string(error.what()), "Cannot create file \"" + c.target + "\": " + c.reason);
    }
  }
}

TEST_F(SafeSave, EverySaveKeepsTheFileItReplacesAsTheBackup) {
  WriteFileSafely(path, "one", backup);
  EXPECT_FALSE(std::filesystem::exists(backup)) << "nothing to keep before the first save";
  WriteFileSafely(path, "two", backup);
  WriteFileSafely(path, "three", backup);
  EXPECT_EQ(ReadOr(path, "-"), "three");
  EXPECT_EQ(ReadOr(backup, "-"), "two");
  std::filesystem::create_directory(path + ".tmp");
  EXPECT_THROW(WriteFileSafely(path, "four", backup), EGameError);
  EXPECT_EQ(ReadOr(path, "-"), "three") << "a failed save leaves the file";
  EXPECT_EQ(ReadOr(backup, "-"), "three") << "and the backup a whole copy";
}

TEST_F(SafeSave, LeftoverTempFilesAreRemovedAndNothingElse) {
  for (const char* name : {"dat/b01", "dat/b01.bak", "dat/b01.tmp", "dat/b00.tmp", "dat/a00", "dat/tmp"})
    dir.WriteBytes(name, "x");
  std::filesystem::create_directory(dir.File("dat/folder.tmp"));
  EXPECT_EQ(RemoveLeftoverTempFiles(dir.File("dat")), 2);
  for (const char* kept : {"dat/b01", "dat/b01.bak", "dat/a00", "dat/tmp", "dat/folder.tmp"})
    EXPECT_TRUE(std::filesystem::exists(dir.File(kept))) << kept;
  EXPECT_FALSE(std::filesystem::exists(dir.File("dat/b01.tmp")));
  EXPECT_EQ(RemoveLeftoverTempFiles(dir.File("no-such-folder")), 0);
}

TEST_F(SafeSave, AKillAtAnyMomentLeavesTheFileAndItsBackupWhole) {
  // Two saves big enough that a kill often lands inside a write, a sync or between renames.
  const std::string first(300'000, 'a');
  const std::string second(200'000, 'b');
  WriteFileSafely(path, first, backup);
  std::mt19937 random(7);
  for (int round = 0; round < 25; ++round) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      for (int n = 0;; ++n) WriteFileSafely(path, n % 2 ? first : second, backup);
    }
    usleep(1000 + random() % 20000);
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    const std::string file = ReadOr(path, "missing");
    const std::string kept = ReadOr(backup, first);
    EXPECT_TRUE(file == first || file == second) << "round " << round << ": file of " << file.size() << " bytes";
    EXPECT_TRUE(kept == first || kept == second) << "round " << round << ": backup of " << kept.size() << " bytes";
    RemoveLeftoverTempFiles(dir.File("dat"));
  }
}

TEST_F(SafeSave, WholeFilesAreReadByteForByteAcrossReadBlocks) {
  // Around the 64 KiB block the reader takes at a time, and a music file's size.
  std::mt19937 generator(5);
  for (size_t size : {size_t{0}, size_t{1}, size_t{65535}, size_t{65536}, size_t{65537}, size_t{540734}}) {
    std::string bytes(size, '\0');
    for (char& byte : bytes) byte = static_cast<char>(generator());
    WriteFileSafely(path, bytes);
    EXPECT_EQ(ReadOr(path, "missing"), bytes) << size << " bytes";
  }
  EXPECT_EQ(ReadOr(dir.File("dat"), "missing"), "missing") << "a folder is no file";
  EXPECT_EQ(ReadOr(dir.File("dat/none"), "missing"), "missing");
}

}  // namespace
