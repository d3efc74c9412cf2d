#pragma once
// A running stage on a fake clock in a temporary game folder: silent-enough sound files, level
// files written from ASCII boards, and the moves a player makes (mouse, clicks, waiting).

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "frame/stage_list.h"
#include "players/players.h"
#include "stages/running_stage.h"
#include "support/fake_time.h"
#include "support/temp_dir.h"

// A level's parameters as the tests set them; the flow is always "straight down".
struct TLevelSpec {
  // The last rows of the board, top to bottom: '.' empty, '0'..'4' plain gems, 'a'..'e'
  // chips 10..14, 'A'..'E' second-tier chips 20..24.
  std::vector<std::string> Rows;
  int32_t ClearGems = 10, Breakground = 10, Laser = 10, BreakgrdCnt = 10;
};

class RunningStageTest : public ::testing::Test {
 protected:
  RunningStageTest();
  ~RunningStageTest() override;

  // Writes the parameter and layout files the level uses.
  void WriteLevel(int32_t level, const TLevelSpec& spec);
  // A player at the level becomes current and the stage is entered.
  void Play(int32_t level, const TLevelSpec& spec);

  void Frame(double seconds);
  void RunFor(double seconds, double step = 0.05);
  // Moves the mouse so the held set's first hexagon lies over the cell.
  void MoveTo(int32_t row, int32_t col);
  void Click(int32_t button);
  // Replaces the held set with a shape of the table, unturned.
  void Hold(int32_t shape);

  // Board rows from the top, in the letters of TLevelSpec.
  std::string RowText(int32_t row) const;
  int32_t Earned() const;
  int32_t CountElems(const char* fileEnd) const;
  template <typename Kind>
  int32_t CountKind() const {
    int32_t count = 0;
    for (TDSPElem* elem : list->DSP->Elems()) count += dynamic_cast<Kind*>(elem) != nullptr;
    return count;
  }

  TTempProgramDir dir;
  TFakeTimeSource time;
  std::unique_ptr<TGmStageList> list;
  TGmStage_Running* stage = nullptr;
  TPlayer* player = nullptr;
  std::vector<std::string> levelErrors;
};
