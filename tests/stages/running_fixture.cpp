#include "running_fixture.h"

#include <fstream>

#include "board/stage_param.h"
#include "frame/paths.h"
#include "frame/random.h"
#include "stages/level_rules.h"

namespace {
void AppendInt(std::string& bytes, uint32_t value, int size) {
  for (int i = 0; i < size; ++i) bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
}

// One second of 16-bit mono silence: long enough to be still playing when a test looks.
std::string SilentWave() {
  const uint32_t rate = 22050, dataSize = rate * 2;
  std::string bytes = "RIFF";
  AppendInt(bytes, 36 + dataSize, 4);
  bytes += "WAVEfmt ";
  AppendInt(bytes, 16, 4);
  AppendInt(bytes, 1, 2);
  AppendInt(bytes, 1, 2);
  AppendInt(bytes, rate, 4);
  AppendInt(bytes, rate * 2, 4);
  AppendInt(bytes, 2, 2);
  AppendInt(bytes, 16, 2);
  bytes += "data";
  AppendInt(bytes, dataSize, 4);
  return bytes + std::string(dataSize, '\0');
}

uint8_t CodeOf(char letter) {
  if (letter >= '0' && letter <= '4') return static_cast<uint8_t>(letter - '0');
  if (letter >= 'a' && letter <= 'e') return static_cast<uint8_t>(10 + letter - 'a');
  if (letter >= 'A' && letter <= 'E') return static_cast<uint8_t>(20 + letter - 'A');
  return CellEmpty;
}

char LetterOf(uint8_t code) {
  if (code <= 4) return static_cast<char>('0' + code);
  if (code >= 10 && code <= 14) return static_cast<char>('a' + code - 10);
  if (code >= 20 && code <= 24) return static_cast<char>('A' + code - 20);
  return code == CellEmpty ? '.' : '?';
}
}  // namespace

RunningStageTest::RunningStageTest() {
  RandomSeed(7);
  const std::string wave = SilentWave();
  for (const char* name : {"rotate", "drop", "CannotDrop", "clearline", "luo", "hurryup", "breakup", "laser",
                           "laserbreakout", "PBox", "Boom", "coin"})
    dir.WriteBytes(std::string("wav/") + name + ".wav", wave);
  dir.WriteBytes("mp3/Running.mp3", "");
  dir.WriteBytes("mp3/failed.mp3", "");
  list = std::make_unique<TGmStageList>(nullptr, time);
  stage = new TGmStage_Running(list.get());
  stage->OnLevelError = [this](const std::string& message) { levelErrors.push_back(message); };
  stage->Init();
}

RunningStageTest::~RunningStageTest() {
  list.reset();
  Players.FreePlayers();
}

void RunningStageTest::WriteLevel(int32_t level, const TLevelSpec& spec) {
  TGmCells board;
  for (int32_t row = 1; row < BoardRows; ++row)
    for (int32_t col = 0; col < BoardCols; ++col) {
      board.MoveMatrix.SetSourceCount(row, col, 1);
      board.MoveMatrix.SetSourceAt(row, col, 0, MakeGmPoint(row - 1, col));
    }
  TStageParam param;
  param.ClearGemsPower = spec.ClearGems;
  param.BreakgroundPower = spec.Breakground;
  param.LaserPower = spec.Laser;
  param.BreakgrdCnt = spec.BreakgrdCnt;
  const int32_t top = BoardRows - static_cast<int32_t>(spec.Rows.size());
  for (size_t i = 0; i < spec.Rows.size(); ++i)
    for (int32_t col = 0; col < BoardCols; ++col) board.SetCell(top + static_cast<int32_t>(i), col, CodeOf(spec.Rows[i][col]));
  std::ofstream params(dir.File(LevelParamFileName(LevelParamNumber(level))), std::ios::binary);
  board.MoveMatrix.SaveToStream(params);
  param.SaveToStream(params);
  std::ofstream layout(dir.File(LayoutFileName(LayoutNumber(level))), std::ios::binary);
  board.SaveToStream(layout);
}

void RunningStageTest::Play(int32_t level, const TLevelSpec& spec) {
  WriteLevel(level, spec);
  if (!player) {
    player = Players.Items(Players.Add(std::make_unique<TPlayer>()));
    Players.SetCurrentIndex(0);
  }
  player->SetLevel(level);
  list->SetCurrentStage(stage);
  // The first frame starts the timers' periods.
  Frame(0);
}

void RunningStageTest::Frame(double seconds) {
  time.AdvanceSeconds(seconds);
  bool done = false;
  stage->Idle(done);
}

void RunningStageTest::RunFor(double seconds, double step) {
  for (double t = 0; t < seconds - 1e-9; t += step) Frame(step);
}

void RunningStageTest::MoveTo(int32_t row, int32_t col) {
  const TPointF p = stage->Geometry->CellToPixel(row, col);
  stage->OnMouse(MouseMove, 0, mbLeft, p.X, p.Y);
}

void RunningStageTest::Click(int32_t button) { stage->OnMouse(MouseDown, 0, button, stage->MouseX, stage->MouseY); }

void RunningStageTest::Hold(int32_t shape) {
  stage->ClearHeldSet();
  stage->BuildHexSet(shape);
  stage->UpdateOutlines();
}

std::string RunningStageTest::RowText(int32_t row) const {
  std::string text;
  for (int32_t col = 0; col < BoardCols; ++col) text += LetterOf(stage->Board->GetCell(row, col));
  return text;
}

int32_t RunningStageTest::Earned() const { return stage->PendingMoney + (player ? player->Money() : 0); }

int32_t RunningStageTest::CountElems(const char* fileEnd) const {
  int32_t count = 0;
  const std::string end = fileEnd;
  for (TDSPElem* elem : list->DSP->Elems())
    if (auto* picture = dynamic_cast<TDSPE_Static*>(elem)) {
      const std::string& name = picture->FileName();
      count += name.size() >= end.size() && name.compare(name.size() - end.size(), end.size(), end) == 0;
    }
  return count;
}
