#pragma once
// A round of play on a fake clock, its board drawn as ASCII rows, and the events it sends.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frame/clock.h"
#include "frame/random.h"
#include "play/play_round.h"
#include "support/fake_time.h"

// The last rows of the board, top to bottom: '.' empty, '0'..'4' plain gems, 'a'..'e' chips,
// 'A'..'E' second-tier chips. The flow runs straight down; with topCycle cells (0, 0) and (0, 1)
// also feed each other, as an editor can link them.
std::vector<std::string> BoardRowsOf(const TGmCells& board);
void SetBottomRows(TGmCells& board, const std::vector<std::string>& rows);
void StraightDownFlow(TGmCells& board, bool topCycle = false);

class PlayRoundTest : public ::testing::Test {
 protected:
  PlayRoundTest() : clock(time), round(clock) {
    RandomSeed(7);
    round.OnPaid = [this](int32_t chunk) { paid += chunk; };
  }

  // A level of the rows (the bottom ones), begun.
  void Begin(const std::vector<std::string>& rows, int32_t passRows = 20, bool boxes = true, bool topCycle = false) {
    StraightDownFlow(round.Board, topCycle);
    round.Board.ClearCells();
    SetBottomRows(round.Board, rows);
    round.Param.PassRows = passRows;
    round.Param.AutoDropSec = 20;
    round.BoxesAllowed = boxes;
    round.LevelLoaded();
    round.Begin();
    // The first frame starts the timers' periods.
    Run(0, 0);
  }
  void Hold(int32_t shape, int32_t row, int32_t col) {
    round.Held = THeldSet::FromShape(shape);
    round.MoveTo({row, col});
  }
  // Frames of step seconds, each followed by what runs after a frame.
  void Run(double seconds, double step = 0.05) {
    double t = 0;
    do {
      time.AdvanceSeconds(step);
      clock.Tick();
      round.AfterFrame(clock.Now);
      t += step;
    } while (t < seconds - 1e-9);
  }
  std::string Row(int32_t row) const { return BoardRowsOf(round.Board)[row]; }
  int32_t Earned() const { return round.PendingMoney + paid; }

  TFakeTimeSource time;
  TTClock clock;
  TPlayRound round;
  int32_t paid = 0;
};
