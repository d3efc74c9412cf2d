// Trying a level from the editor: it is played as it stands in the editor, nothing of the
// player changes, and every end of the trial comes back to the editor as it was.

#include "running_fixture.h"
#include "stages/editor_stage.h"

namespace {

const std::string FullRow = "012340123401", GapAt5 = "01234.123401";

class EditorTrialTest : public RunningStageTest {
 protected:
  EditorTrialTest() {
    editor = new TGmStage_Editor(list.get());
    editor->Init();
    player->SetLevel(3);
    player->SetMoney(500);
    player->SetClearCount(7);
    player->SetPlaySeconds(9);
    list->SetCurrentStage(editor);
    // A straight-down flow and a bottom row with one gap, made in the editor.
    for (int32_t row = 1; row < BoardRows; ++row)
      for (int32_t col = 0; col < BoardCols; ++col) {
        editor->MoveMatrix().SetSourceCount(row, col, 1);
        editor->MoveMatrix().SetSourceAt(row, col, 0, MakeGmPoint(row - 1, col));
      }
    for (int32_t col = 0; col < BoardCols; ++col)
      editor->Board->SetCell(17, col, GapAt5[col] == '.' ? CellEmpty : GapAt5[col] - '0');
    editor->FileName = "dat/a55";
  }

  void StartTrial(int32_t passRows) {
    TStageParam params;
    params.PassRows = passRows;
    params.AutoDropSec = 30;
    editor->PlayTrial(params);
    RunFor(0, 0);
  }
  void ClearTheBottomRow() {
    Hold(9);
    MoveTo(17, 5);
    Click(mbLeft);
  }
  void ExpectPlayerUntouched() const {
    EXPECT_EQ(player->Level(), 3);
    EXPECT_EQ(player->Money(), 500);
    EXPECT_EQ(player->ClearCount(), 7);
    EXPECT_EQ(player->PlaySeconds(), 9);
  }
  void ExpectEditorAsItWas() const {
    EXPECT_EQ(list->CurrentStage, editor);
    EXPECT_EQ(editor->Board->GetCell(17, 0), 0);
    EXPECT_EQ(editor->Board->GetCell(17, 5), CellEmpty);
    EXPECT_EQ(editor->MoveMatrix().SourceAt(9, 9, 0), MakeGmPoint(8, 9));
    EXPECT_EQ(editor->Params->PassRows, TStageParam().PassRows) << "the fields tried are not stored";
    EXPECT_EQ(editor->FileName, "dat/a55");
  }

  TGmStage_Editor* editor = nullptr;
};

TEST_F(EditorTrialTest, TheTrialPlaysTheEditorsFlowLayoutAndParameters) {
  StartTrial(4);
  ASSERT_EQ(list->CurrentStage, stage);
  EXPECT_TRUE(stage->InTrial());
  EXPECT_EQ(RowText(17), GapAt5);
  EXPECT_EQ(stage->Round->Board.MoveMatrix.TargetAt(8, 9, 0), MakeGmPoint(9, 9)) << "targets derived for the drops";
  EXPECT_EQ(stage->Round->Param.PassRows, 4) << "not the rows of the player's level";
  EXPECT_EQ(stage->Round->DropTimer->Interval, list->Clock->SecondsToTicks(30));
  EXPECT_TRUE(levelErrors.empty());
}

TEST_F(EditorTrialTest, ClearedRowsPayNothingToThePlayerAndPlayTimeIsNotCounted) {
  StartTrial(4);
  ClearTheBottomRow();
  RunFor(1.5);
  for (int i = 0; i < 5; ++i) list->SecondTick();
  EXPECT_EQ(stage->Round->RowsCleared, 1);
  ExpectPlayerUntouched();
  EXPECT_EQ(list->CurrentStage, stage);
}

TEST_F(EditorTrialTest, APassedTrialComesBackToTheEditorNotTheMap) {
  StartTrial(1);
  ClearTheBottomRow();
  RunFor(2);
  ExpectEditorAsItWas();
  ExpectPlayerUntouched();
  EXPECT_FALSE(stage->InTrial());
}

TEST_F(EditorTrialTest, ALostTrialComesBackToTheEditorAtTheClick) {
  StartTrial(4);
  stage->Round->Lose();
  Click(mbLeft);
  ExpectEditorAsItWas();
  ExpectPlayerUntouched();
}

TEST_F(EditorTrialTest, EndingTheTrialComesBackAndTheNextGameIsThePlayersOwnAgain) {
  StartTrial(4);
  stage->EndTrial();
  ExpectEditorAsItWas();
  WriteLevel(3, {{FullRow}});
  list->SetCurrentStage(stage);
  EXPECT_FALSE(stage->InTrial());
  EXPECT_EQ(RowText(17), FullRow) << "the player's level files again";
  EXPECT_EQ(stage->Round->Param.PassRows, 11);
}

TEST_F(EditorTrialTest, AZeroCountdownOrRowCountIsPlayedAsOne) {
  TStageParam params;
  params.PassRows = 0;
  params.AutoDropSec = -4;
  editor->PlayTrial(params);
  EXPECT_EQ(stage->Round->Param.PassRows, 1);
  EXPECT_EQ(stage->Round->DropTimer->Interval, list->Clock->SecondsToTicks(1));
}

}  // namespace
