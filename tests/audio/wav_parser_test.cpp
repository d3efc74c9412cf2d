#include "audio/wav_parser.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "frame/errors.h"
#include "support/temp_dir.h"
#include "wave_files.h"

namespace {
const std::string Data = Samples16({1, -2, 3, -4});

class WavParserTest : public ::testing::Test {
 protected:
  std::string Write(const std::string& bytes) {
    dir.WriteBytes("wav/t.wav", bytes);
    return dir.File("wav/t.wav");
  }
  std::string ReadData(const std::string& bytes) {
    const std::vector<char> data = TWaveDataExtractor(Write(bytes)).ReadData();
    return std::string(data.begin(), data.end());
  }
  void ExpectFailure(const std::string& bytes, const std::string& message) {
    const std::string name = Write(bytes);
    try {
      TWaveDataExtractor extractor(name);
      FAIL() << "no failure";
    } catch (const EGameError& e) {
      EXPECT_EQ(e.what(), FormatMessage(message.c_str(), name));
    }
  }
  TTempProgramDir dir;
};

TEST_F(WavParserTest, FindsDataWhateverComesBeforeIt) {
  EXPECT_EQ(ReadData(Riff("WAVE", Fmt(1, 2, 44100, 16) + Chunk("data", Data))), Data);
  EXPECT_EQ(ReadData(Riff("WAVE", Chunk("data", Data) + Fmt(1, 2, 44100, 16))), Data);
  // An odd-sized chunk is followed by a pad byte that the search must step over.
  EXPECT_EQ(ReadData(Riff("WAVE", Chunk("LIST", "abcde") + Chunk("data", Data))), Data);
  // A leading chunk that is not the wanted RIFF form is skipped too.
  EXPECT_EQ(ReadData(Chunk("JUNK", "xyz") + Riff("WAVE", Chunk("data", Data))), Data);
}

TEST_F(WavParserTest, ReadsOnlyWhatTheFileHolds) {
  std::string file = Riff("WAVE", Fmt(1, 2, 44100, 16) + Chunk("data", Data));
  file.replace(file.size() - Data.size() - 4, 4, std::string("\xff\xff\xff\x7f", 4));  // size 2 GiB
  EXPECT_EQ(ReadData(file), Data);
  file.resize(file.size() - 3);  // truncated inside the data
  EXPECT_EQ(ReadData(file), Data.substr(0, Data.size() - 3));
}

TEST_F(WavParserTest, MissingFormOrChunkFails) {
  const std::string notFound = "Find chunk error: Chunk not find. [%s]";
  ExpectFailure(Riff("AVI ", Chunk("data", Data)), notFound);
  ExpectFailure(Riff("WAVE", Fmt(1, 2, 44100, 16)), notFound);
  ExpectFailure("", notFound);
  // A chunk past the end the RIFF header gives is outside the form.
  std::string beyond = Riff("WAVE", Fmt(1, 2, 44100, 16)) + Chunk("data", Data);
  ExpectFailure(beyond, notFound);
  // A skipped chunk whose size runs past the file ends the search instead of wrapping around.
  ExpectFailure(Riff("WAVE", Chunk("LIST", "") + Chunk("data", Data)).replace(16, 4, "\xff\xff\xff\xff"), notFound);
  ExpectFailure(Riff("WAVE", "").replace(4, 4, "\xff\xff\xff\xff"), notFound);
}

TEST_F(WavParserTest, OpenAndCloseMessagesNameTheFile) {
  TWavParser parser;
  parser.Open("");  // closing a closed parser is allowed
  EXPECT_THROW(
      {
        try {
          parser.Seek(0);
        } catch (const EGameError& e) {
          EXPECT_STREQ(e.what(), "Validate IO handle error: Out of File []");
          throw;
        }
      },
      EGameError);
  const std::string missing = dir.File("wav/none.wav");
  try {
    parser.Open(missing);
    FAIL();
  } catch (const EGameError& e) {
    EXPECT_EQ(e.what(), "Open Error [" + missing + "]");
  }
  parser.Open(Write("RIFF"));
  EXPECT_TRUE(parser.IsOpen());
  try {
    parser.Seek(-1);
    FAIL();
  } catch (const EGameError& e) {
    EXPECT_EQ(e.what(), "Seed Source error. [" + parser.FileName() + "]");
  }
  parser.Open("");
  EXPECT_FALSE(parser.IsOpen());
  EXPECT_EQ(parser.FileName(), "");
}
}  // namespace
