// The level editor's stage: pointing, linking, painting, the brush, clearing a cell's sources,
// and the level and layout files it reads and writes.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <sstream>

#include "board/cell_codes.h"
#include "frame/errors.h"
#include "frame/paths.h"
#include "stages/editor_stage.h"
#include "support/fake_time.h"
#include "support/pictures.h"
#include "support/temp_dir.h"

namespace {

constexpr uint32_t Backdrop = 0xFF000000;
// Each arrow picture is its own mask: full red is opaque, green tells the direction apart.
uint32_t ArrowColour(int32_t file) { return 0xFFFF0000u | static_cast<uint32_t>(file * 20) << 8; }
constexpr uint32_t EndMarkerColour = 0xFFFF00FF;
constexpr uint32_t GreenGem = 0xFF00C000;

class EditorStageTest : public ::testing::Test {
 protected:
  EditorStageTest() {
    SavePicture(SolidPicture(400, 500, Backdrop), dir.File("dat/x00"));
    for (int32_t file = 2; file <= 7; ++file)
      SavePicture(SolidPicture(24, 24, ArrowColour(file)), dir.File("dat/c0" + std::to_string(file)));
    SavePicture(SolidPicture(24, 24, EndMarkerColour), dir.File("bmp/arrow06.bmp"));
    SavePicture(SolidPicture(36, 36, GreenGem), dir.File("bmp/hexagon02.bmp"));
    SavePicture(SolidPicture(36, 36, 0xFFFFFFFF), dir.File("bmp/hexagonmask0.bmp"));
    list = std::make_unique<TGmStageList>(nullptr, time);
    editor = new TGmStage_Editor(list.get());
    editor->Init();
    list->SetCurrentStage(editor);
  }

  TPointF At(int32_t row, int32_t col) const { return editor->Grid->CellToPixel(row, col); }
  void Point(int32_t row, int32_t col) { editor->OnMouse(MouseMove, mbLeft, At(row, col).X, At(row, col).Y); }
  void Click(int32_t button, int32_t row, int32_t col) {
    editor->OnMouse(MouseDown, button, At(row, col).X, At(row, col).Y);
  }
  // The background pixel in the middle of the arrow drawn on a cell (and of its gem).
  uint32_t ArrowPixel(int32_t row, int32_t col) const {
    return PixelARGB(list->DSP->Background(), At(row, col).X + 21, At(row, col).Y + 21);
  }
  std::string Info() const { return editor->Info->Text.toStdString(); }
  void AddSource(int32_t row, int32_t col, TGmPoint source) {
    TMoveMatrix& flow = editor->MoveMatrix();
    const int32_t n = flow.SourceCount(row, col);
    flow.SetSourceCount(row, col, n + 1);
    flow.SetSourceAt(row, col, n, source);
  }
  // A level file holding the editor's current flow and parameters.
  std::string LevelFile() const {
    std::ostringstream bytes;
    editor->MoveMatrix().SaveToStream(bytes);
    editor->Params->SaveToStream(bytes);
    return bytes.str();
  }

  TTempProgramDir dir;
  TFakeTimeSource time;
  std::unique_ptr<TGmStageList> list;
  TGmStage_Editor* editor = nullptr;
};

TEST_F(EditorStageTest, InfoNamesThePointedCellItsSourceCountAndTheSelection) {
  AddSource(3, 4, MakeGmPoint(2, 4));
  AddSource(3, 4, MakeGmPoint(2, 5));
  dir.WriteBytes("dat/a07", LevelFile());
  editor->MoveMatrix().ClearSources(3, 4);
  editor->LoadLevel(dir.File("dat/a07"));
  Point(3, 4);
  EXPECT_EQ(Info(), "Row:3 Col:4 Len:2, SelRow:-1 SelCol:-1");
  // Beside the board (left of column 0, below row 17) the count is 0.
  for (TPointF beside : {TPointF{-18, 100}, TPointF{200, 482}}) {
    editor->OnMouse(MouseMove, mbLeft, beside.X, beside.Y);
    int32_t row = 0, col = 0;
    editor->Grid->PixelToCell(beside, row, col);
    ASSERT_FALSE(IsOnBoard(row, col));
    EXPECT_NE(Info().find("Len:0, "), std::string::npos) << Info();
  }
  Click(mbLeft, 6, 7);
  Point(3, 4);
  EXPECT_EQ(Info(), "Row:3 Col:4 Len:2, SelRow:6 SelCol:7");
}

TEST_F(EditorStageTest, TwoLeftClicksOnNeighboursLinkThemAndDrawTheArrowOnTheSource) {
  Click(mbLeft, 5, 5);
  EXPECT_TRUE(editor->SelectionMark->Visible);
  Click(mbLeft, 5, 6);
  ASSERT_EQ(editor->MoveMatrix().SourceCount(5, 6), 1);
  EXPECT_EQ(editor->MoveMatrix().SourceAt(5, 6, 0), MakeGmPoint(5, 5));
  EXPECT_EQ(ArrowPixel(5, 5), ArrowColour(3)) << "arrow 03 points right";
  EXPECT_EQ(editor->SelRow, -1);
  EXPECT_FALSE(editor->SelectionMark->Visible);
}

TEST_F(EditorStageTest, ASecondClickOnANonNeighbourOrBesideTheBoardOnlyDropsTheSelection) {
  const struct {
    int32_t row, col;
  } seconds[] = {{7, 5}, {5, 5}, {5, -1}, {18, 5}};
  for (const auto& second : seconds) {
    Click(mbLeft, 5, 5);
    Click(mbLeft, second.row, second.col);
    EXPECT_EQ(editor->SelRow, -1) << second.row << "," << second.col;
    EXPECT_FALSE(editor->SelectionMark->Visible);
  }
  for (int32_t cell = 0; cell < BoardCellCount; ++cell)
    EXPECT_EQ(editor->MoveMatrix().SourceCount(cell / BoardCols, cell % BoardCols), 0) << cell;
  EXPECT_EQ(ArrowPixel(5, 5), Backdrop);
  Click(mbLeft, 5, -1);
  EXPECT_EQ(editor->SelRow, -1) << "a click beside the board selects nothing";
}

TEST_F(EditorStageTest, ChipTurnsAPlainBrushIntoItsChipAndThenEmptiesIt) {
  const struct {
    uint8_t brush, afterChip;
  } cases[] = {{Purple, 11}, {White, 10}, {Red, 14}, {11, CellEmpty}, {CellEmpty, CellEmpty}};
  for (const auto& c : cases) {
    editor->SetBrush(c.brush);
    editor->ChipBrush();
    EXPECT_EQ(editor->BrushCode(), c.afterChip) << int(c.brush);
    EXPECT_LE(editor->Brush->Count(), 1);
  }
}

TEST_F(EditorStageTest, ARightClickPaintsTheBrushAndAnEmptyBrushErasesWithARedraw) {
  AddSource(9, 3, MakeGmPoint(8, 3));
  editor->Redraw();
  editor->SetBrush(Green);
  Click(mbRight, 8, 3);
  EXPECT_EQ(editor->Board->GetCell(8, 3), Green);
  EXPECT_EQ(ArrowPixel(8, 3), GreenGem) << "the gem is stamped over the arrow";
  editor->SetBrush(CellEmpty);
  Click(mbRight, 8, 3);
  EXPECT_EQ(editor->Board->GetCell(8, 3), CellEmpty);
  EXPECT_EQ(ArrowPixel(8, 3), ArrowColour(7)) << "the redraw brings the arrow back";
  Click(mbRight, 18, 3);
  EXPECT_EQ(editor->Board->FilledCount, 0);
}

// The board and the brush show the gems as play shows them: with symbols while they are on,
// from entering the editor and from the resume after the options were changed in a pause.
TEST_F(EditorStageTest, GemsArePaintedWithSymbolsWhenPlayShowsThem) {
  constexpr uint32_t SymbolGreenGem = 0xFF00C0C0;
  SavePicture(SolidPicture(36, 36, SymbolGreenGem), dir.File("bmp/symbols/hexagon02.bmp"));
  editor->SetBrush(Green);
  Click(mbRight, 8, 3);
  ASSERT_EQ(ArrowPixel(8, 3), GreenGem);
  const struct {
    bool symbols;
    bool byEntering;
    uint32_t shown;
  } cases[] = {{true, true, SymbolGreenGem}, {false, false, GreenGem}, {true, false, SymbolGreenGem}};
  for (const auto& c : cases) {
    list->More.Symbols = c.symbols;
    if (c.byEntering) {
      list->SetCurrentStage(editor);
    } else {
      list->Pause();
      list->Resume();
    }
    EXPECT_EQ(ArrowPixel(8, 3), c.shown) << "symbols " << c.symbols;
    EXPECT_EQ(editor->Brush->Count(), 1) << "the brush is kept";
    const auto* brush = dynamic_cast<const TDSPE_Static*>(editor->Brush->Sprite(0));
    ASSERT_NE(brush, nullptr);
    EXPECT_EQ(brush->FileName(), GemPictureFile(Green, c.symbols));
    Click(mbRight, 9, 4);
    EXPECT_EQ(ArrowPixel(9, 4), c.shown) << "a newly painted gem";
  }
}

TEST_F(EditorStageTest, ClearingTheSelectedCellEmptiesItsSourcesAndTheirArrowsGo) {
  Click(mbLeft, 4, 4);
  Click(mbLeft, 5, 4);
  Click(mbLeft, 4, 5);
  Click(mbLeft, 5, 4);
  ASSERT_EQ(editor->MoveMatrix().SourceCount(5, 4), 2);
  Click(mbLeft, 5, 4);
  editor->ClearSelectedSources();
  EXPECT_EQ(editor->MoveMatrix().SourceCount(5, 4), 0);
  EXPECT_EQ(ArrowPixel(4, 4), Backdrop);
  EXPECT_EQ(ArrowPixel(4, 5), Backdrop);
}

TEST_F(EditorStageTest, EndMarkersFollowTheFlowAsLastOpened) {
  AddSource(17, 0, MakeGmPoint(16, 0));
  dir.WriteBytes("dat/a01", LevelFile());
  editor->LoadLevel(dir.File("dat/a01"));
  editor->Redraw();
  EXPECT_EQ(ArrowPixel(17, 0), EndMarkerColour);
  EXPECT_EQ(ArrowPixel(16, 0), ArrowColour(7)) << "(16,0) feeds (17,0): no end marker there";
}

TEST_F(EditorStageTest, TheLayoutIsWrittenAs216BytesEvenTwiceUnderOneName) {
  editor->Board->SetCell(0, 0, Red);
  editor->Board->SetCell(17, 11, 13);
  const std::string name = dir.File("dat/d05");
  editor->SaveLayout(name);
  editor->SaveLayout(name);
  const std::string bytes = dir.ReadBytes("dat/d05");
  ASSERT_EQ(bytes.size(), 216u);
  EXPECT_EQ(static_cast<uint8_t>(bytes[0]), Red);
  EXPECT_EQ(static_cast<uint8_t>(bytes[215]), 13);
  EXPECT_FALSE(std::filesystem::exists(name + ".tmp"));
  editor->Board->ClearCells();
  EXPECT_EQ(editor->LoadLayout(name), "");
  EXPECT_EQ(editor->Board->GetCell(17, 11), 13);
}

TEST_F(EditorStageTest, SavingBeforeAnyOpenSaysSoAndWritesNothing) {
  auto files = [&] {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(dir.Path()))
      names.push_back(entry.path().string());
    std::sort(names.begin(), names.end());
    return names;
  };
  const auto before = files();
  try {
    editor->SaveLevel();
    FAIL() << "no error";
  } catch (const EGameError& error) {
    EXPECT_NE(std::string(error.what()).find("Open"), std::string::npos) << error.what();
  }
  EXPECT_EQ(files(), before);
}

TEST_F(EditorStageTest, ANewLevelMakesNoFileUntilSavedAndThenHoldsTheFlowAndTheParameters) {
  const std::string name = dir.File("dat/a42");
  EXPECT_EQ(editor->LoadLevel(name), "");
  EXPECT_FALSE(std::filesystem::exists(name)) << "an empty file would hide the shipped level";
  Click(mbLeft, 0, 0);
  Click(mbLeft, 1, 0);
  editor->Params->PassRows = 7;
  editor->SaveLevel();
  EXPECT_EQ(std::filesystem::file_size(name), 864u + 8u + 52u);
  auto* reopened = new TGmStage_Editor(list.get());  // the list owns it
  reopened->Init();
  EXPECT_EQ(reopened->LoadLevel(name), "");
  EXPECT_EQ(reopened->MoveMatrix().SourceAt(1, 0, 0), MakeGmPoint(0, 0));
  EXPECT_EQ(reopened->Params->PassRows, 7);
}

TEST_F(EditorStageTest, ASavedLevelIsWrittenWholeEvenWhenShorterThanTheFileItReplaces) {
  const std::string name = dir.File("dat/a03");
  for (int32_t col = 0; col < BoardCols; ++col) AddSource(1, col, MakeGmPoint(0, col));
  dir.WriteBytes("dat/a03", LevelFile());
  editor->LoadLevel(name);
  for (int32_t col = 0; col < BoardCols; ++col) editor->MoveMatrix().ClearSources(1, col);
  editor->SaveLevel();
  EXPECT_EQ(std::filesystem::file_size(name), 864u + 52u) << "no stale bytes after the new end";
}

TEST_F(EditorStageTest, ADamagedLevelFileIsNamedAndTheFlowThatWasThereStays) {
  AddSource(2, 2, MakeGmPoint(1, 2));
  std::string bytes = LevelFile();
  bytes[4 * (2 * BoardCols + 2) + 4] = 9;  // the source's row: (9, 2) is not a neighbour of (2, 2)
  dir.WriteBytes("dat/a09", bytes);
  editor->MoveMatrix().ClearSources(2, 2);
  AddSource(5, 5, MakeGmPoint(4, 5));
  const std::string problem = editor->LoadLevel(dir.File("dat/a09"));
  EXPECT_NE(problem.find("a09"), std::string::npos) << problem;
  EXPECT_EQ(editor->MoveMatrix().SourceCount(5, 5), 1);
}

TEST_F(EditorStageTest, AShippedFileIsSavedAsThePlayersCopyAndReadWhileThereIsNone) {
  TTempProgramDir playerFolder;
  SetProgramDir(dir.Path().string());
  SetPlayerDir(playerFolder.Path().string());
  const std::string shipped = dir.File("dat/a11"), own = playerFolder.File("dat/a11");
  EXPECT_EQ(TGmStage_Editor::WritePathOf(shipped), own);
  EXPECT_EQ(TGmStage_Editor::ReadPathOf(own), shipped) << "no copy yet: the shipped level is opened";
  playerFolder.WriteBytes("dat/a11", "");
  EXPECT_EQ(TGmStage_Editor::ReadPathOf(own), own);
  EXPECT_EQ(TGmStage_Editor::WritePathOf("/elsewhere/level"), "/elsewhere/level");
  SetProgramDir(dir.Path().string());
}

TEST_F(EditorStageTest, ParameterFieldsAreStoredOnlyWhenAllSixAreWholeNumbers) {
  const struct {
    TParamTexts texts;
    const char* badField;
  } cases[] = {
      {{"5", "12", " 7 ", "-3", "+4", "0"}, nullptr},
      {{"5", "12", "7", "x", "4", "0"}, "LaserPower"},
      {{"", "12", "7", "3", "4", "0"}, "PassRows"},
      {{"5", "1.5", "7", "3", "4", "0"}, "AutoDropSec"},
      {{"5", "12", "7", "3", "4", "99999999999"}, "ClearGemsPower"},
      {{"5", "12", "0x10", "3", "4", "0"}, "BreakgrdCnt"},
      {{"5", "12", "7", "3", "-", "0"}, "BreakgroundPower"},
  };
  for (const auto& c : cases) {
    TStageParam params;
    const std::string problem = ReadParamTexts(c.texts, params);
    if (!c.badField) {
      EXPECT_EQ(problem, "");
      EXPECT_EQ(ParamTexts(params), (TParamTexts{"5", "12", "7", "-3", "4", "0"}));
      continue;
    }
    EXPECT_EQ(problem.rfind(c.badField, 0), 0u) << problem;
    EXPECT_EQ(ParamTexts(params), ParamTexts(TStageParam())) << "nothing stored: " << problem;
  }
}

}  // namespace
