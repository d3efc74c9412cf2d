#pragma once
// A running stage on a fake clock in a temporary game folder, level files written from ASCII
// boards, and the moves a player makes.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "players/players.h"
#include "stages/clearup_stage.h"
#include "stages/running_stage.h"
#include "stages/start_stage.h"
#include "support/fake_time.h"
#include "support/kept_screen.h"
#include "support/temp_dir.h"

// The last rows of the board, top to bottom: '.' empty, '0'..'4' plain gems, 'a'..'e' chips,
// 'A'..'E' second-tier chips. The flow always runs straight down.
struct TLevelSetup {
  std::vector<std::string> Rows;
  int32_t BreakgrdCnt = 10;
  // Cells (0, 0) and (0, 1) also feed each other, as an editor can link them.
  bool TopCycle = false;
};

class RunningStageTest : public ::testing::Test {
 protected:
  RunningStageTest();
  ~RunningStageTest() override;

  void WriteLevel(int32_t level, const TLevelSetup& setup);
  // The field's and the gems' pictures as the game ships them; false when built without them.
  bool WriteGeneratedPictures();
  // Writes the level, makes a player at it current and enters the stage.
  void Play(int32_t level, const TLevelSetup& setup);
  void RunFor(double seconds, double step = 0.05);
  // Puts the held set's first hexagon over the cell.
  void MoveTo(int32_t row, int32_t col);
  void Click(int32_t button) { stage->OnMouse(MouseDown, button, stage->Controls->X, stage->Controls->Y); }
  // Holds an unturned shape of the table instead of the dealt one.
  void Hold(int32_t shape);
  std::string RowText(int32_t row) const;
  int32_t Earned() const { return stage->Round->PendingMoney + player->Money(); }
  template <typename Kind>
  std::vector<Kind*> ElemsOf() const {
    std::vector<Kind*> found;
    for (TDSPElem* elem : list->DSP->Elems())
      if (auto* kind = dynamic_cast<Kind*>(elem)) found.push_back(kind);
    return found;
  }

  // The one gem picture the tests have: the blue chip.
  static constexpr uint32_t ChipColour = 0xFF2040C0;

  TTempProgramDir dir;
  TFakeTimeSource time;
  // Where the frames go.
  TKeptScreen screen;
  std::unique_ptr<TGmStageList> list;
  TGmStage_Running* stage = nullptr;
  // Where a lost game and a passed level lead.
  TGmStage_Start* title = nullptr;
  TGmStage_Clearup* map = nullptr;
  TPlayer* player = nullptr;
  std::vector<std::string> levelErrors;
};
