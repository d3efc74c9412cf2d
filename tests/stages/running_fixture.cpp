#include "running_fixture.h"

#include <fstream>

#include "frame/random.h"
#include "play/level_rules.h"
#include "support/pictures.h"

#ifdef BRILLOR_WITH_CONTENT
#include "pictures.h"
#endif

namespace {
const std::string Letters = "01234.....abcde.....ABCDE";

// One second of 8 kHz 8-bit mono silence: still playing when a test looks.
std::string SilentWave() {
  auto bytes = [](uint32_t value, int size) {
    std::string out;
    for (int i = 0; i < size; ++i) out += static_cast<char>(value >> (8 * i));
    return out;
  };
  return "RIFF" + bytes(36 + 8000, 4) + "WAVEfmt " + bytes(16, 4) + bytes(1, 2) + bytes(1, 2) + bytes(8000, 4) +
         bytes(8000, 4) + bytes(1, 2) + bytes(8, 2) + "data" + bytes(8000, 4) + std::string(8000, '\x80');
}
}  // namespace

RunningStageTest::RunningStageTest() {
  RandomSeed(7);
  for (const char* name : {"rotate", "drop", "CannotDrop", "clearline", "luo", "hurryup", "breakup", "laser",
                           "laserbreakout", "PBox", "Boom", "coin"})
    dir.WriteBytes(std::string("wav/") + name + ".wav", SilentWave());
  SavePicture(SolidPicture(400, 500, 0xFF000000), dir.File("dat/x00"));
  SavePicture(SolidPicture(36, 36, ChipColour), dir.File("bmp/hexagon13.bmp"));
  SavePicture(SolidPicture(36, 36, 0xFFFFFFFF), dir.File("bmp/hexagonmask1.bmp"));
  // Not music: the players stay silent.
  dir.WriteBytes("mp3/Running.mp3", "");
  dir.WriteBytes("mp3/failed.mp3", "");
  dir.WriteBytes("mp3/start.mp3", "");
  dir.WriteBytes("mp3/clearup.mp3", "");
  list = std::make_unique<TGmStageList>(&screen, time);
  // A player of the pointer, resting over the field's corner: a level starts with the set under
  // it, and the first move takes the set along.
  list->Pointer = FieldOrigin;
  stage = new TGmStage_Running(list.get());
  stage->OnLevelError = [this](const std::string& message) { levelErrors.push_back(message); };
  stage->Init();
  title = new TGmStage_Start(list.get());
  title->Init();
  map = new TGmStage_Clearup(list.get());
  map->Init();
  player = Players.Items(Players.Add(std::make_unique<TPlayer>()));
  Players.SetCurrentIndex(0);
}

RunningStageTest::~RunningStageTest() {
  list.reset();
  Players.FreePlayers();
}

void RunningStageTest::WriteLevel(int32_t level, const TLevelSetup& setup) {
  TGmCells board;
  for (int32_t cell = BoardCols; cell < BoardCellCount; ++cell) {
    board.MoveMatrix.SetSourceCount(cell / BoardCols, cell % BoardCols, 1);
    board.MoveMatrix.SetSourceAt(cell / BoardCols, cell % BoardCols, 0, MakeGmPoint(cell / BoardCols - 1, cell % BoardCols));
  }
  if (setup.TopCycle) {
    board.MoveMatrix.SetSourceCount(0, 0, 1);
    board.MoveMatrix.SetSourceAt(0, 0, 0, MakeGmPoint(0, 1));
    board.MoveMatrix.SetSourceCount(0, 1, 1);
    board.MoveMatrix.SetSourceAt(0, 1, 0, MakeGmPoint(0, 0));
  }
  const auto top = BoardRows - static_cast<int32_t>(setup.Rows.size());
  for (int32_t row = top; row < BoardRows; ++row)
    for (int32_t col = 0; col < BoardCols; ++col) {
      const size_t code = Letters.find(setup.Rows[row - top][col]);
      board.SetCell(row, col, code == std::string::npos || Letters[code] == '.' ? CellEmpty : code);
    }
  TStageParam param;
  param.BreakgrdCnt = setup.BreakgrdCnt;
  std::ofstream params(dir.File(LevelParamFileName(LevelParamNumber(level))), std::ios::binary);
  board.MoveMatrix.SaveToStream(params);
  param.SaveToStream(params);
  std::ofstream layout(dir.File(LayoutFileName(LayoutNumber(level))), std::ios::binary);
  board.SaveToStream(layout);
}

bool RunningStageTest::WriteGeneratedPictures() {
#ifdef BRILLOR_WITH_CONTENT
  std::vector<TNamedPicture> pictures = FieldPictures();
  for (const TNamedPicture& picture : GemPictures()) pictures.push_back(picture);
  for (const TNamedPicture& picture : pictures) SavePicture(picture.image, dir.File(picture.file));
  return true;
#else
  return false;
#endif
}

void RunningStageTest::Play(int32_t level, const TLevelSetup& setup) {
  WriteLevel(level, setup);
  player->SetLevel(level);
  list->SetCurrentStage(stage);
  // The first frame starts the timers' periods.
  RunFor(0, 0);
}

void RunningStageTest::RunFor(double seconds, double step) {
  double t = 0;
  do {
    time.AdvanceSeconds(step);
    bool done = false;
    stage->Idle(done);
    t += step;
  } while (t < seconds - 1e-9);
}

void RunningStageTest::MoveTo(int32_t row, int32_t col) {
  const TPointF p = FieldGeometry().CellToPixel(row, col);
  stage->OnMouse(MouseMove, mbLeft, p.X, p.Y);
}

void RunningStageTest::Hold(int32_t shape) {
  stage->Round->Hold(shape);
}

std::string RunningStageTest::RowText(int32_t row) const {
  std::string text;
  for (int32_t col = 0; col < BoardCols; ++col) {
    const uint8_t code = stage->Round->Board.GetCell(row, col);
    text += code < Letters.size() ? Letters[code] : '.';
  }
  return text;
}
