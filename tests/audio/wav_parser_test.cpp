#include "audio/wav_parser.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"
#include "wave_files.h"

namespace {
const std::string Data = Samples16({1, -2, 3, -4});
const std::string Format = Fmt(1, 2, 44100, 16);

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
  std::string LoadError(const std::string& bytes) {
    const std::string name = Write(bytes);
    return ErrorText([&] { TWaveDataExtractor extractor(name); });
  }
  TTempProgramDir dir;
};

TEST_F(WavParserTest, FindsDataWhateverComesBeforeIt) {
  EXPECT_EQ(ReadData(Riff("WAVE", Format + Chunk("data", Data))), Data);
  EXPECT_EQ(ReadData(Riff("WAVE", Chunk("data", Data) + Format)), Data);
  EXPECT_EQ(ReadData(Riff("WAVE", Chunk("LIST", "abcde") + Chunk("data", Data))), Data);  // pad byte
  EXPECT_EQ(ReadData(Chunk("JUNK", "xyz") + Riff("WAVE", Chunk("data", Data))), Data);
}

TEST_F(WavParserTest, ReadsOnlyWhatTheFileHolds) {
  std::string file = Riff("WAVE", Format + Chunk("data", Data));
  file.replace(file.size() - Data.size() - 4, 4, "\xff\xff\xff\x7f");  // claims 2 GiB
  EXPECT_EQ(ReadData(file), Data);
  file.resize(file.size() - 3);
  EXPECT_EQ(ReadData(file), Data.substr(0, Data.size() - 3));
}

TEST_F(WavParserTest, MissingFormOrChunkFails) {
  const std::string notFound = "Find chunk error: Chunk not find. [" + dir.File("wav/t.wav") + "]";
  EXPECT_EQ(LoadError(Riff("AVI ", Chunk("data", Data))), notFound);
  EXPECT_EQ(LoadError(Riff("WAVE", Format)), notFound);
  EXPECT_EQ(LoadError(""), notFound);
  EXPECT_EQ(LoadError(Riff("WAVE", Format) + Chunk("data", Data)), notFound);  // past the form's end
  // Sizes that run past the file end the search; they must not wrap around or hang.
  EXPECT_EQ(LoadError(Riff("WAVE", Chunk("LIST", "") + Chunk("data", Data)).replace(16, 4, "\xff\xff\xff\xff")),
            notFound);
  EXPECT_EQ(LoadError(Riff("WAVE", "").replace(4, 4, "\xff\xff\xff\xff")), notFound);
}

TEST_F(WavParserTest, ParserMessagesNameTheFile) {
  TWavParser parser;
  parser.Open("");  // closing a closed parser is allowed
  EXPECT_EQ(ErrorText([&] { parser.Seek(0); }), "Validate IO handle error: Out of File []");
  const std::string missing = dir.File("wav/none.wav");
  EXPECT_EQ(ErrorText([&] { parser.Open(missing); }), "Open Error [" + missing + "]");
  parser.Open(Write("RIFF"));
  EXPECT_EQ(ErrorText([&] { parser.Seek(-1); }), "Seed Source error. [" + parser.FileName() + "]");
  parser.Open("");
  EXPECT_FALSE(parser.IsOpen());
  EXPECT_EQ(parser.FileName(), "");
}
}  // namespace
