// Picture files that cannot be loaded: each gives an empty picture and is named once, with why.

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <chrono>
#include <string>

#include "display/picture.h"
#include "frame/paths.h"
#include "support/pictures.h"
#include "support/temp_dir.h"

namespace {

std::string Le32(uint32_t value) {
  std::string bytes;
  for (int i = 0; i < 4; ++i) bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
  return bytes;
}

// The 54 bytes of a BMP header with a two-colour palette after it.
std::string BmpHeader(int32_t width, int32_t height, uint16_t bitsPerPixel, uint32_t compression, uint32_t fileSize) {
  std::string bytes = "BM" + Le32(fileSize) + Le32(0) + Le32(14 + 40 + 8) + Le32(40) + Le32(static_cast<uint32_t>(width)) +
                      Le32(static_cast<uint32_t>(height));
  bytes += std::string("\x01\x00", 2) + static_cast<char>(bitsPerPixel) + '\0';
  bytes += Le32(compression) + Le32(0) + Le32(0) + Le32(0) + Le32(2) + Le32(0);
  return bytes + Le32(0x000000) + Le32(0xFF0000);
}

long PeakMemoryKb() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

TEST(LoadPicture, EveryFailureGivesAnEmptyPictureAndIsNamedOnceWithItsReason) {
  TTempProgramDir dir;
  SavePicture(SolidPicture(40, 40, 0xFF2040C0), dir.File("bmp/whole.bmp"));
  const std::string whole = dir.ReadBytes("bmp/whole.bmp");
  // Eight rows of sixteen pixels of the second colour, then the end of the picture.
  std::string rle;
  for (int row = 0; row < 8; ++row) rle += std::string("\x10\x01\x00\x00", 4);
  rle += std::string("\x00\x01", 2);
  const auto rleFileSize = static_cast<uint32_t>(62 + rle.size());
  struct Case {
    const char* file;
    std::string bytes;  // none: the file is not there
    const char* reason;
  };
  const Case cases[] = {
      {"bmp/missing.bmp", {}, "the file is missing"},
      {"bmp/cut.bmp", whole.substr(0, whole.size() / 2), "the file is cut short"},
      {"bmp/cut_rle.bmp", BmpHeader(16, 8, 8, 1, rleFileSize) + rle.substr(0, 12), "the file is cut short"},
      {"bmp/huge.bmp", BmpHeader(60000, 60000, 24, 0, 0) + std::string(16, '\0'), "the picture is too large (60000 x 60000)"},
      {"bmp/huge_rle.bmp", BmpHeader(8000, -8000, 8, 1, 0) + rle, "the picture is too large (8000 x -8000)"},
      {"dat/junk", "this is not a picture", "the file is not a picture"},
      {"dat/header", std::string("BM\x36\x00\x00\x00", 6), "the picture is damaged"},
      {"bmp/bad_rle.bmp", BmpHeader(16, 8, 8, 1, 0) + std::string("\x00\x05\x01", 3), "the picture is damaged"},
  };
  for (const Case& c : cases)
    if (!c.bytes.empty()) dir.WriteBytes(c.file, c.bytes);
  TakePictureFailures();
  const long memoryBefore = PeakMemoryKb();
  const auto start = std::chrono::steady_clock::now();
  for (const Case& c : cases)
    for (int attempt = 0; attempt < 2; ++attempt) EXPECT_TRUE(LoadPicture(c.file).isNull()) << c.file;
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
  EXPECT_LT(PeakMemoryKb() - memoryBefore, 32 * 1024) << "kB more at the peak";
  const std::vector<TPictureFailure> failures = TakePictureFailures();
  ASSERT_EQ(failures.size(), std::size(cases)) << "each picture once, however often it fails";
  for (size_t i = 0; i < failures.size(); ++i) {
    EXPECT_EQ(failures[i].Path, GamePath(cases[i].file));
    EXPECT_EQ(failures[i].Reason, cases[i].reason) << cases[i].file;
  }
  EXPECT_EQ(PictureFailureText(failures[0]), "Cannot load picture [" + GamePath("bmp/missing.bmp") + "]: the file is missing.");
  // The same pictures whole load, and nothing is noted.
  dir.WriteBytes("bmp/rle.bmp", BmpHeader(16, 8, 8, 1, rleFileSize) + rle);
  EXPECT_EQ(LoadPicture("bmp/rle.bmp").size(), QSize(16, 8));
  EXPECT_EQ(LoadPicture("bmp/whole.bmp").size(), QSize(40, 40));
  EXPECT_TRUE(TakePictureFailures().empty());
}

}  // namespace
