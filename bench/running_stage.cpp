// The running stage at work on the generated game files: one drop that clears a three-row
// chain (board writes, flows, background redraws and the few frames between the clears), and
// one frame while the laser fires with five boxes bouncing. Set BRILLOR_GAME_DIR to the folder
// holding the game files; by default it is the build's game folder beside bench/.

#include <benchmark/benchmark.h>

#include "bench_main.h"

#include <cstdlib>
#include <filesystem>
#include <memory>

#include <QGuiApplication>

#include "frame/paths.h"
#include "frame/random.h"
#include "players/players.h"
#include "stages/running_stage.h"
#include "support/fake_time.h"

namespace {

std::filesystem::path GameDir() {
  if (const char* dir = std::getenv("BRILLOR_GAME_DIR")) return dir;
  return std::filesystem::path(QCoreApplication::applicationDirPath().toStdString()) / ".." / "game";
}

// A current player at level 2 (boxes come from level 2 on) and a stage playing its level.
struct RunningGame {
  RunningGame() {
    SetProgramDir(GameDir().string());
    RandomSeed(7);
    Players.Add(std::make_unique<TPlayer>());
    Players.SetCurrentIndex(0);
    Players.Current()->SetLevel(2);
    list = std::make_unique<TGmStageList>(nullptr, time);
    stage = new TGmStage_Running(list.get());
    stage->Init();
    list->SetCurrentStage(stage);
    Frame(0);
  }
  ~RunningGame() {
    list.reset();
    Players.FreePlayers();
  }

  void Frame(double seconds) {
    time.AdvanceSeconds(seconds);
    bool done = false;
    stage->Idle(done);
  }

  void Hold(int32_t shape, int32_t row, int32_t col) {
    stage->Round->Hold(shape);
    const TPointF p = FieldGeometry().CellToPixel(row, col);
    stage->OnMouse(MouseMove, mbLeft, p.X, p.Y);
  }

  TFakeTimeSource time;
  std::unique_ptr<TGmStageList> list;
  TGmStage_Running* stage = nullptr;
};

bool HaveGameFiles(benchmark::State& state) {
  if (std::filesystem::exists(GameDir() / "dat" / "a01")) return true;
  state.SkipWithError("no game files: build with content or set BRILLOR_GAME_DIR");
  return false;
}

void BM_DropClearingThreeRowChain(benchmark::State& state) {
  if (!HaveGameFiles(state)) return;
  RunningGame game;
  TGmStage_Running& stage = *game.stage;
  for (auto _ : state) {
    state.PauseTiming();
    // Rows 15 and 16 complete, row 17 short of one gem: the drop clears all three in a chain.
    stage.Round->Board.ClearCells();
    for (int32_t row = 15; row < BoardRows; ++row)
      for (int32_t col = 0; col < BoardCols; ++col)
        if (row < 17 || col != 5) stage.Round->Board.SetCell(row, col, static_cast<uint8_t>((row + col) % 5));
    stage.RedrawBoard();
    // Keeps the level from passing, so every drop plays the same level, and keeps released
    // boxes from being caught (a laser would wait for its shot).
    stage.Round->SetRowsCleared(0);
    stage.Round->DestroyBoxes();
    game.Hold(9, 17, 5);
    state.ResumeTiming();
    stage.OnMouse(MouseDown, mbLeft, stage.Controls->X, stage.Controls->Y);
    while (stage.Round->Busy()) game.Frame(0.5);
    benchmark::DoNotOptimize(stage.Round->RowsCleared);
  }
  state.counters["rows"] = stage.Round->RowsCleared;
}
BENCHMARK(BM_DropClearingThreeRowChain)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_FrameDuringLaserWithFiveBoxes(benchmark::State& state) {
  if (!HaveGameFiles(state)) return;
  RunningGame game;
  TGmStage_Running& stage = *game.stage;
  while (stage.Boxes->size() < 5) stage.Round->SpawnBox(8);
  auto fire = [&] {
    stage.Round->StartLaser();
    stage.OnMouse(MouseDown, mbLeft, 0, 250);
  };
  fire();
  for (auto _ : state) {
    if (stage.Round->Mode != TPlayMode::Firing) {
      state.PauseTiming();
      fire();
      state.ResumeTiming();
    }
    game.Frame(1.0 / 60);
    benchmark::DoNotOptimize(game.list->DSP->BackBuffer().constBits());
  }
}
BENCHMARK(BM_FrameDuringLaserWithFiveBoxes)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

BRILLOR_BENCHMARK_MAIN()
