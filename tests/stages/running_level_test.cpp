// Level set-up from the player's level, paying the player, passing a level, and bad level files.

#include <filesystem>
#include <limits>
#include <sstream>

#include "frame/binary_stream.h"
#include "frame/paths.h"
#include "frame/errors.h"
#include "frame/safe_file.h"
#include "running_fixture.h"
#include "play/level_rules.h"

namespace {

TEST_F(RunningStageTest, PendingMoneyIsPaidToThePlayerChunkByChunk) {
  Play(1, {});
  std::vector<int32_t> paid;
  player->OnMoneyChange = [&](int32_t money) { paid.push_back(money); };
  stage->Round->PendingMoney = 12345;
  RunFor(1, 0.1);
  EXPECT_EQ(paid, (std::vector<int32_t>{10000, 11000, 12000, 12100, 12200, 12300, 12345}));
  // A damaged roster can hold any sum: it stays at the top instead of turning negative.
  player->SetMoney(std::numeric_limits<int32_t>::max() - 5);
  stage->Round->PendingMoney = 100;
  RunFor(0.2, 0.1);
  EXPECT_EQ(player->Money(), std::numeric_limits<int32_t>::max());
}

TEST_F(RunningStageTest, PassingLevel46ShowsTheConstellationOnceTheMoneyIsPaid) {
  WriteLevel(47, {});
  Play(46, {{"01234.123401"}});
  EXPECT_EQ(stage->Round->DropTimer->Interval, time.Frequency() * 10);
  stage->Round->SetRowsCleared(19);
  player->SetClearCount(std::numeric_limits<int32_t>::max());
  Hold(9);
  MoveTo(17, 5);
  Click(mbLeft);
  RunFor(0.6);
  EXPECT_TRUE(stage->Round->LevelPassed);
  EXPECT_EQ(player->Level(), 46) << "not before the money is paid";
  EXPECT_EQ(list->CurrentStage, stage);
  RunFor(0.5);
  EXPECT_EQ(player->Level(), 47);
  EXPECT_EQ(list->CurrentStage, map);
  EXPECT_TRUE(map->Constellation->Visible);
  EXPECT_EQ(player->ClearCount(), std::numeric_limits<int32_t>::max()) << "a damaged count does not wrap";
  // The constellation's click shows the new round; the map's click plays level 47.
  map->OnMouse(MouseDown, mbLeft, 0, 0);
  EXPECT_FALSE(map->ShowConstellation);
  map->OnMouse(MouseDown, mbLeft, 0, 0);
  EXPECT_EQ(list->CurrentStage, stage);
  EXPECT_EQ(stage->Round->RowsCleared, 0);
  stage->Round->LevelPassed = true;
  RunFor(0.25);
  EXPECT_FALSE(map->ShowConstellation) << "level 47 does not complete the map";
  list->SetCurrentStage(stage);
  player->SetLevel(std::numeric_limits<int32_t>::max());
  stage->Round->LevelPassed = true;
  RunFor(0.25);
  EXPECT_EQ(player->Level(), std::numeric_limits<int32_t>::max()) << "the highest level does not wrap";
}

TEST_F(RunningStageTest, MissingOrDamagedFilesAreNamedAndTheGameGoesOn) {
  player->SetLevel(3);
  list->SetCurrentStage(stage);
  ASSERT_EQ(levelErrors.size(), 1u) << "one message for the level";
  EXPECT_NE(levelErrors[0].find("dat/a02: cannot be opened.\n"), std::string::npos) << levelErrors[0];
  EXPECT_NE(levelErrors[0].find("dat/d01"), std::string::npos) << levelErrors[0];
  Hold(9);
  MoveTo(8, 5);
  Click(mbLeft);
  EXPECT_EQ(stage->Round->Board.GetCell(8, 5), Red);

  // The first cell draws from a cell that is not its neighbour; the layout is cut short.
  std::ostringstream flow;
  for (int32_t value : {1, 5, 5}) WriteInt32(flow, value);
  flow << std::string(4 * (BoardCellCount - 1) + TStageParam::RecordSize, '\0');
  dir.WriteBytes("dat/a02", flow.str());
  dir.WriteBytes("dat/d01", std::string(100, '\1'));
  levelErrors.clear();
  list->SetCurrentStage(stage);
  ASSERT_EQ(levelErrors.size(), 1u);
  EXPECT_NE(levelErrors[0].find("neighbour"), std::string::npos) << levelErrors[0];
  EXPECT_NE(levelErrors[0].find("100 of 216"), std::string::npos) << levelErrors[0];
  EXPECT_EQ(stage->Round->Board.FilledCount, 100) << "the cells the short layout holds are used";
  EXPECT_EQ(stage->Round->Param.PassRows, 11);

  // Parameters cut short after the chip count: what is there is still used.
  TLevelSetup setup;
  setup.BreakgrdCnt = 3;
  WriteLevel(3, setup);
  std::string params;
  ASSERT_TRUE(ReadWholeFile(dir.File("dat/a02"), params));
  dir.WriteBytes("dat/a02", params.substr(0, params.size() - 12));
  levelErrors.clear();
  list->SetCurrentStage(stage);
  ASSERT_EQ(levelErrors.size(), 1u);
  EXPECT_NE(levelErrors[0].find("dat/a02: holds 40 of 52"), std::string::npos) << levelErrors[0];
  EXPECT_EQ(stage->Round->Param.BreakgrdCnt, 3);

  // Sounds that cannot be loaded are named, and the stage still plays without them.
  std::filesystem::remove(dir.File("wav/coin.wav"));
  dir.WriteBytes("wav/drop.wav", "RIFF");
  stage = new TGmStage_Running(list.get());
  std::string soundErrors;
  try {
    stage->Init();
  } catch (const EGameError& error) {
    soundErrors = error.what();
  }
  EXPECT_NE(soundErrors.find("wav/drop.wav"), std::string::npos) << soundErrors;
  EXPECT_NE(soundErrors.find("wav/coin.wav"), std::string::npos) << soundErrors;
  Play(3, {});
  Hold(9);
  MoveTo(8, 5);
  Click(mbLeft);
  EXPECT_EQ(stage->Round->Board.GetCell(8, 5), Red);
  stage->Round->PendingMoney = 100;
  RunFor(0.2, 0.1);
  EXPECT_EQ(player->Money(), 100);
}

}  // namespace

TEST_F(RunningStageTest, ALevelSavedByThePlayerIsPlayedInsteadOfTheShippedOne) {
  WriteLevel(3, {{"1..........."}});
  const std::string layout = LayoutFileName(LayoutNumber(3));
  std::string edited = dir.ReadBytes(layout);
  ASSERT_EQ(edited.size(), size_t(BoardCellCount));
  edited[17 * BoardCols] = static_cast<char>(Red);
  SetPlayerDir(dir.File("player"));
  dir.WriteBytes("player/" + layout, edited);
  player->SetLevel(3);
  list->SetCurrentStage(stage);
  EXPECT_TRUE(levelErrors.empty()) << "the flow still comes from the shipped file";
  EXPECT_EQ(stage->Round->Board.GetCell(17, 0), Red);
  std::filesystem::remove(dir.File("player/" + layout));
  list->SetCurrentStage(stage);
  EXPECT_EQ(stage->Round->Board.GetCell(17, 0), Purple) << "without the player's copy the shipped level is back";
  SetProgramDir(dir.Path().string());
}
