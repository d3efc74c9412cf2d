// Level set-up from the player's level, the payout of earned money, passing a level, and
// level files that are missing or damaged.

#include <sstream>

#include "board/stage_param.h"
#include "frame/binary_stream.h"
#include "running_fixture.h"
#include "stages/level_rules.h"

namespace {

TEST(LevelRules, CountdownRowsAndFileNumbersFollowTheLevel) {
  struct Row {
    int32_t level, autoDrop, passRows, param, layout;
  };
  const Row rows[] = {{1, 20, 5, 0, 20},   {2, 19, 8, 1, 0},     {3, 18, 11, 2, 1},  {5, 18, 17, 4, 3},
                      {6, 17, 20, 5, 4},   {10, 15, 20, 9, 8},   {11, 14, 20, 10, 9}, {15, 12, 20, 14, 13},
                      {19, 10, 20, 18, 17}, {21, 10, 20, 20, 19}, {22, 10, 20, 21, 0}, {81, 10, 20, 0, 19},
                      {0, 20, 5, 0, 20},   {-7, 20, 5, 0, 20}};
  for (const Row& row : rows) {
    EXPECT_EQ(AutoDropSecForLevel(row.level), row.autoDrop) << row.level;
    EXPECT_EQ(PassRowsForLevel(row.level), row.passRows) << row.level;
    EXPECT_EQ(LevelParamNumber(row.level), row.param) << row.level;
    EXPECT_EQ(LayoutNumber(row.level), row.layout) << row.level;
  }
}

TEST_F(RunningStageTest, EnteringALevelSetsItsCountdownAndRowsFromTheLevelNumber) {
  int32_t reported = 0;
  stage->OnPassRows = [&](int32_t rows) { reported = rows; };
  Play(19, {});
  EXPECT_EQ(stage->DropTimer->Interval, time.Frequency() * 10);
  EXPECT_EQ(reported, 20);
  EXPECT_TRUE(levelErrors.empty());
}

TEST_F(RunningStageTest, PendingMoneyOf12345IsPaidInSevenChunks) {
  Play(1, {});
  std::vector<int32_t> paid;
  player->OnMoneyChange = [&](int32_t money) { paid.push_back(money); };
  stage->PendingMoney = 12345;
  RunFor(1, 0.1);
  EXPECT_EQ(paid, (std::vector<int32_t>{10000, 11000, 12000, 12100, 12200, 12300, 12345}));
  EXPECT_EQ(stage->PendingMoney, 0);
}

TEST_F(RunningStageTest, PassingLevel46SetsTheMapFlagBeforeTheLevelBecomes47) {
  WriteLevel(47, {});
  Play(46, {{"01234.123401"}});
  std::vector<int32_t> flaggedAt;
  stage->OnMapCompleted = [&] { flaggedAt.push_back(player->Level()); };
  stage->SetRowsCleared(19);
  Hold(9);
  MoveTo(17, 5);
  Click(mbLeft);
  RunFor(0.6);
  EXPECT_TRUE(stage->LevelPassed);
  EXPECT_EQ(player->Level(), 46) << "the level goes up once the money is paid";
  RunFor(0.5);
  EXPECT_EQ(flaggedAt, std::vector<int32_t>{46});
  EXPECT_EQ(player->Level(), 47);
  EXPECT_EQ(player->Money(), 100);
  // No map yet: the next level starts at once.
  EXPECT_FALSE(stage->LevelPassed);
  EXPECT_EQ(stage->RowsCleared, 0);
  EXPECT_TRUE(stage->Playing());

  stage->OnMapCompleted = [&] { flaggedAt.push_back(player->Level()); };
  stage->LevelPassed = true;
  RunFor(0.25);
  EXPECT_EQ(flaggedAt.size(), 1u) << "level 47 does not complete the map";
}

TEST_F(RunningStageTest, MissingOrDamagedLevelFilesAreNamedAndTheGameGoesOn) {
  player = Players.Items(Players.Add(std::make_unique<TPlayer>()));
  Players.SetCurrentIndex(0);
  player->SetLevel(3);
  list->SetCurrentStage(stage);
  ASSERT_EQ(levelErrors.size(), 2u);
  EXPECT_NE(levelErrors[0].find("dat/a02"), std::string::npos) << levelErrors[0];
  EXPECT_NE(levelErrors[1].find("dat/d01"), std::string::npos) << levelErrors[1];
  EXPECT_TRUE(stage->Playing());
  Hold(9);
  MoveTo(8, 5);
  Click(mbLeft);
  EXPECT_EQ(stage->Board->GetCell(8, 5), Red);

  // A flow whose first cell draws from a cell that is not its neighbour, and a cut layout.
  std::ostringstream flow;
  WriteInt32(flow, 1);
  WriteInt32(flow, 5);
  WriteInt32(flow, 5);
  for (int32_t cell = 1; cell < BoardCellCount; ++cell) WriteInt32(flow, 0);
  TStageParam().SaveToStream(flow);
  dir.WriteBytes("dat/a02", flow.str());
  dir.WriteBytes("dat/d01", std::string(100, '\1'));
  levelErrors.clear();
  list->SetCurrentStage(stage);
  ASSERT_EQ(levelErrors.size(), 2u);
  EXPECT_NE(levelErrors[0].find("dat/a02"), std::string::npos);
  EXPECT_NE(levelErrors[0].find("neighbour"), std::string::npos) << levelErrors[0];
  EXPECT_NE(levelErrors[1].find("100 of 216"), std::string::npos) << levelErrors[1];
  EXPECT_EQ(stage->Board->FilledCount, 100) << "the cells the short layout holds are used";
  EXPECT_EQ(stage->StageParam->PassRows, 11);

  dir.WriteBytes("dat/a02", std::string(900, '\0'));
  levelErrors.clear();
  list->SetCurrentStage(stage);
  ASSERT_FALSE(levelErrors.empty());
  EXPECT_NE(levelErrors[0].find("ends before the level parameters"), std::string::npos) << levelErrors[0];
}

}  // namespace
