// The "More..." options file: round trip, defaults, damaged lines, and the stage list keeping
// it apart from the 9-byte settings.

#include <gtest/gtest.h>

#include "frame/more_options.h"
#include "frame/paths.h"
#include "support/fake_time.h"
#include "support/temp_dir.h"

namespace {

TEST(MoreOptions, EveryOptionIsOffByDefault) {
  const TMoreOptions options;
  EXPECT_FALSE(options.Symbols);
  EXPECT_FALSE(options.RelaxedPace);
  EXPECT_FALSE(options.DropPreview);
  EXPECT_EQ(options.WindowScale, 100);
}

TEST(MoreOptions, WhatIsSavedIsReadBack) {
  TTempProgramDir dir;
  TMoreOptions saved;
  saved.Symbols = true;
  saved.DropPreview = true;
  saved.WindowScale = 150;
  ASSERT_NO_THROW(saved.Save(dir.File("dat/options.txt")));
  TMoreOptions read;
  EXPECT_EQ(read.Load(dir.File("dat/options.txt")), "");
  EXPECT_EQ(read, saved);
}

TEST(MoreOptions, DamagedLinesAreNamedAndSkippedTheRestIsRead) {
  struct Case {
    const char* text;
    TMoreOptions expected;
    bool problems;
  };
  TMoreOptions relaxed200;
  relaxed200.RelaxedPace = true;
  relaxed200.WindowScale = 200;
  const Case cases[] = {
      {"relaxed=1\nscale=200\n", relaxed200, false},
      {"relaxed = 1\r\n\r\nscale=200", relaxed200, false},
      {"relaxed=1\nscale=175\nscale=200\n", relaxed200, true},
      {"relaxed=1\nsymbols=yes\nscale=200\n", relaxed200, true},
      {"\xff\xfe garbage\nrelaxed=1\nscale=200\n", relaxed200, true},
      {"scale=-100\nscale=99999999999999999999\n", TMoreOptions(), true},
      {"preview\n", TMoreOptions(), true},
  };
  for (const Case& c : cases) {
    TMoreOptions read;
    const std::string problems = read.Parse(c.text);
    EXPECT_EQ(read, c.expected) << c.text;
    EXPECT_EQ(!problems.empty(), c.problems) << c.text << " -> " << problems;
  }
}

TEST(MoreOptions, AMissingFileKeepsTheOptionsSilently) {
  TTempProgramDir dir;
  TMoreOptions options;
  options.Symbols = true;
  EXPECT_EQ(options.Load(dir.File("dat/none.txt")), "");
  EXPECT_TRUE(options.Symbols);
}

}  // namespace
