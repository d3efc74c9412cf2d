// The build reruns the generator whenever it changes; identical output keeps rebuilds and
// reviews meaningful.

#include <gtest/gtest.h>

#include "content_test_support.h"
#include "generator.h"

TEST(GeneratorOutput, TwoRunsWriteIdenticalBytesAndLeaveThePlayerFilesAlone) {
  TScratchFolder first, second;
  WriteGameFiles(TContentFolder(first.Path()));
  WriteGameFiles(TContentFolder(second.Path()));
  const auto a = ReadTree(first.Path()), b = ReadTree(second.Path());
  ASSERT_GT(a.size(), 50u);
  ASSERT_EQ(a.size(), b.size());
  for (const auto& [name, bytes] : a) {
    ASSERT_TRUE(b.count(name)) << name;
    EXPECT_TRUE(bytes == b.at(name)) << name << " differs between runs";
  }
  EXPECT_FALSE(a.count("dat/b00"));
  EXPECT_FALSE(a.count("dat/b01"));
}

TEST(GeneratorOutput, ExistingSettingsAndRosterSurviveARun) {
  TScratchFolder game;
  const TContentFolder folder(game.Path());
  folder.Write("dat/b00", "settings");
  folder.Write("dat/b01", "roster");
  WriteGameFiles(folder);
  EXPECT_EQ(ReadFileBytes(folder.Path("dat/b00")), "settings");
  EXPECT_EQ(ReadFileBytes(folder.Path("dat/b01")), "roster");
}

TEST(GeneratorOutput, AFolderThatCannotBeWrittenIsReportedNotIgnored) {
  TScratchFolder scratch;
  const TContentFolder blocker(scratch.Path());
  blocker.Write("game", "a file where the game folder should be");
  const TContentFolder game(scratch.Path() / "game");
  EXPECT_THROW(game.Write("dat/x00", "bytes"), std::runtime_error);
}
