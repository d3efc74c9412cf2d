// Shared helpers: events, rounding, random picks, program-directory paths, safe writes.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "board/object_stack.h"
#include "frame/errors.h"
#include "frame/events.h"
#include "frame/paths.h"
#include "frame/random.h"
#include "frame/rounding.h"
#include "frame/safe_file.h"
#include "support/temp_dir.h"

namespace {

TEST(Events, FireOnlyWhenAssignedAndMayClearThemselvesWhileRunning) {
  TEvent<int> event;
  event(1);  // unassigned: nothing happens
  int sum = 0;
  event = [&](int v) {
    sum += v;
    event = nullptr;  // the running handler survives its own removal
  };
  EXPECT_TRUE(event.Assigned());
  event(5);
  event(7);
  EXPECT_EQ(sum, 5);
  EXPECT_FALSE(event.Assigned());
}

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(RoundHalfEven(0.5), 0);
  EXPECT_EQ(RoundHalfEven(1.5), 2);
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(-0.5), 0);
  EXPECT_EQ(RoundHalfEven(-1.5), -2);
  EXPECT_EQ(RoundHalfEven(2.5000001), 3);
}

TEST(RandomPicks, StayInRangeCoverItAndRepeatWithTheSeed) {
  EXPECT_EQ(Random(0), 0);
  EXPECT_EQ(Random(-4), 0);
  RandomSeed(42);
  std::set<int32_t> seen;
  std::vector<int32_t> first;
  for (int i = 0; i < 600; ++i) {
    const int32_t r = Random(6);
    ASSERT_GE(r, 0);
    ASSERT_LT(r, 6);
    seen.insert(r);
    first.push_back(r);
  }
  EXPECT_EQ(seen.size(), 6u);
  RandomSeed(42);
  for (int32_t expected : first) ASSERT_EQ(Random(6), expected);
}

TEST(Paths, BothSeparatorsMeanTheSameAndNamesAreProgramRelative) {
  TTempProgramDir dir;
  const std::string base = ProgramDir();
  EXPECT_EQ(base.back(), '/');
  EXPECT_EQ(GamePath("dat\\a05"), base + "dat/a05");
  EXPECT_EQ(GamePath("dat/a05"), base + "dat/a05");
  EXPECT_EQ(GamePath(base + "mp3\\about.mp3"), base + "mp3/about.mp3");
}

// A picture with words is the player's language's copy where the game has one, else the English.
TEST(Paths, WordedPicturesAreTheLanguagesCopyWhereThereIsOne) {
  TTempProgramDir dir;
  const std::string base = ProgramDir();
  std::filesystem::create_directories(base + "translations/de/dat");
  std::ofstream(base + "translations/de/dat/x01") << "picture";
  const struct {
    const char* language;
    const char* picture;
    std::string worded;
    std::string translated;
  } cases[] = {
      {"", "dat/x01", base + "dat/x01", ""},
      {"de", "dat/x01", base + "translations/de/dat/x01", base + "translations/de/dat/x01"},
      {"de", "dat\\x01", base + "translations/de/dat/x01", base + "translations/de/dat/x01"},
      {"de", "bmp/Timeout.bmp", base + "bmp/Timeout.bmp", ""},
      {"ru", "dat/x01", base + "dat/x01", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.language) + " " + c.picture);
    SetPictureLanguage(c.language);
    EXPECT_EQ(WordedPath(c.picture), c.worded);
    EXPECT_EQ(TranslatedPicture(c.picture), c.translated);
  }
  SetPictureLanguage("");
}

TEST(Paths, TranslationFilesAreNamedByTheirLanguage) {
  EXPECT_EQ(TranslationFileName("pt_BR"), "brillor_pt_BR.qm");
  const struct {
    const char* file;
    const char* code;
  } cases[] = {{"brillor_de.qm", "de"}, {"brillor_pt_BR.qm", "pt_BR"}, {"brillor_.qm", ""},
               {"brillor_de.ts", ""},   {"qtbase_de.qm", ""},          {"de", ""}};
  for (const auto& c : cases) EXPECT_EQ(TranslationCodeOf(c.file), c.code) << c.file;
}

TEST(Errors, MessagesAreFormattedWithTheirArgument) {
  EXPECT_EQ(FormatMessage("Open Error [%s]", "wav/x.wav"), "Open Error [wav/x.wav]");
  EXPECT_EQ(FormatMessage("CreateSoundBuffer err", "ignored"), "CreateSoundBuffer err");
}

TEST(SafeFile, ReplacesWholeFileAndKeepsTheOldOneOnFailure) {
  TTempProgramDir dir;
  const std::string path = dir.File("dat/b01");
  WriteFileSafely(path, std::string("first\0bytes", 11));
  std::string bytes;
  ASSERT_TRUE(ReadWholeFile(path, bytes));
  EXPECT_EQ(bytes, std::string("first\0bytes", 11));
  EXPECT_THROW(WriteFileSafely(dir.File("missing-folder/b01"), "x"), EGameError);
  std::filesystem::create_directories(path + ".tmp/blocker");
  EXPECT_THROW(WriteFileSafely(path, "second"), EGameError);
  ASSERT_TRUE(ReadWholeFile(path, bytes));
  EXPECT_EQ(bytes, std::string("first\0bytes", 11));
}

TEST(ObjectStack, PopsInReverseAndClampsAStaleTop) {
  TObjectStack<int> stack;
  int a = 1, b = 2;
  EXPECT_EQ(stack.Pop(), nullptr);
  stack.Push(&a);
  stack.Push(&b);
  EXPECT_EQ(stack.Top, 1);
  stack.Top = 9;  // past the end: first brought back to the last entry
  EXPECT_EQ(stack.Pop(), &b);
  EXPECT_EQ(stack.Pop(), &a);
  EXPECT_EQ(stack.Top, -1);
  EXPECT_EQ(stack.Pop(), nullptr);
}

}  // namespace
