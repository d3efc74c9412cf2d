// Cell codes, the picture names that carry them, and their colours.

#include <gtest/gtest.h>

#include "board/cell_codes.h"
#include "frame/paths.h"
#include "support/temp_dir.h"

TEST(CellCodes, KindsAndTiers) {
  for (int code = 0; code < 256; ++code) {
    const auto c = static_cast<uint8_t>(code);
    EXPECT_EQ(IsPlainGem(c), code <= 4) << code;
    EXPECT_EQ(IsChipGem(c), code >= 10 && code <= 24) << code;
    EXPECT_EQ(Downgrade(c), IsChipGem(c) ? code - 10 : code) << code;
  }
}

TEST(CellCodes, EveryGemCodeSurvivesItsPictureName) {
  TTempProgramDir dir;
  for (int code : {0, 1, 2, 3, 4, 10, 11, 12, 13, 14, 20, 21, 22, 23, 24})
    EXPECT_EQ(CodeFromBitmapFile(HexagonBitmapFile(static_cast<uint8_t>(code))), code);
  EXPECT_EQ(HexagonBitmapFile(13), GamePath("bmp/hexagon13.bmp"));
  EXPECT_EQ(HexagonBitmapFile(3), GamePath("bmp/hexagon03.bmp"));
  EXPECT_EQ(HexagonBitmapFile(CellEmpty), "");
}

TEST(CellCodes, NamesThatAreNotGemPicturesGiveEmpty) {
  EXPECT_EQ(CodeFromBitmapFile("/game/bmp/hexagon13.bmp"), 13);
  EXPECT_EQ(CodeFromBitmapFile("C:\\game\\bmp\\hexagon21.bmp"), 21);
  EXPECT_EQ(CodeFromBitmapFile("bmp/hexagon05.bmp"), CellEmpty);
  EXPECT_EQ(CodeFromBitmapFile("bmp/hexagon30.bmp"), CellEmpty);
  EXPECT_EQ(CodeFromBitmapFile(""), CellEmpty);
  EXPECT_EQ(CodeFromBitmapFile("bmp/hexagon1"), CellEmpty);
  // Only the name part counts, not digits in the folder.
  EXPECT_EQ(CodeFromBitmapFile("hexagon12/x"), CellEmpty);
}

TEST(CellCodes, MaskPerKind) {
  TTempProgramDir dir;
  EXPECT_EQ(HexagonMaskFile(4), GamePath("bmp/hexagonmask0.bmp"));
  EXPECT_EQ(HexagonMaskFile(10), GamePath("bmp/hexagonmask1.bmp"));
  EXPECT_EQ(HexagonMaskFile(24), GamePath("bmp/hexagonmask1.bmp"));
  for (int code : {5, 9, 25, 100, 255}) EXPECT_EQ(HexagonMaskFile(static_cast<uint8_t>(code)), "") << code;
}

TEST(GemColor, ColourOfEachTierAndBlackForTheRest) {
  EXPECT_EQ(GemColor(0, 255), 0xFFFFFFFFu);
  EXPECT_EQ(GemColor(11, 128), 0x80FF00FFu);
  EXPECT_EQ(GemColor(22, 1), 0x0100FF00u);
  EXPECT_EQ(GemColor(3, 255), 0xFF6464FFu);
  EXPECT_EQ(GemColor(24, 0), 0x00FF0000u);
  for (int code : {5, 9, 15, 19, 25, 34, 255}) EXPECT_EQ(GemColor(static_cast<uint8_t>(code), 200), 0xC8000000u) << code;
}
