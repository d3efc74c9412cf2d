// A round kept in a file: written and read back it is the same round field by field, and goes
// on exactly as the round it was taken from; a damaged file is refused with its reason.

#include <cmath>
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "play/round_file.h"
#include "round_fixture.h"

namespace {

const std::string FullRow = "012340123401", GapAt5 = "01234.123401";
constexpr int32_t OneRed = 9;

class RoundFileTest : public PlayRoundTest {
 protected:
  // A level 2 round in the middle of a chain, with two boxes out and money still to pay.
  TRoundFile ChainInProgress() {
    Begin({"0.1.2.3.4...", FullRow, GapAt5});
    round.OnBoxReleased = [](TBox& box, int32_t row) {
      box.Motion.X = 12.5f + static_cast<float>(row);
      box.Motion.Y = 300.25f;
    };
    round.SpawnBox(4);
    round.SpawnBox(9);
    Hold(OneRed, 17, 5);
    EXPECT_TRUE(round.TryDrop());
    Run(0.6);
    EXPECT_EQ(round.Mode, TPlayMode::Clearing) << "the second row of the chain clears";
    TRoundFile file;
    file.Level = 2;
    file.LevelCheck = 0x0123456789abcdefull;
    file.LevelMoney = 1234567890123;
    file.PlayedRelaxed = true;
    file.Round = round.State();
    return file;
  }
};

// Puts a fresh check line under the text, as if the file had been written so.
std::string Resealed(const std::string& text) {
  const size_t check = text.rfind("check ");
  const std::string body = text.substr(0, check);
  uint64_t hash = 0xcbf29ce484222325ull;
  for (const char c : body) {
    hash ^= static_cast<uint8_t>(c);
    hash *= 0x100000001b3ull;
  }
  char sum[17];
  std::snprintf(sum, sizeof sum, "%016llx", static_cast<unsigned long long>(hash));
  return body + "check " + sum + "\n";
}

// The text with the first occurrence of from replaced.
std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  const size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

// The text with word index (0 is the key) of the first line of the key set to value.
std::string WithWord(const std::string& text, const std::string& key, size_t index, const std::string& value) {
  const size_t start = text.find("\n" + key + " ") + 1;
  const size_t end = text.find('\n', start);
  std::vector<std::string> words;
  for (size_t at = start; at <= end;) {
    const size_t next = std::min(text.find(' ', at), end);
    words.push_back(text.substr(at, next - at));
    at = next + 1;
  }
  EXPECT_LT(index, words.size()) << key;
  if (index < words.size()) words[index] = value;
  std::string line;
  for (const std::string& word : words) line += (line.empty() ? "" : " ") + word;
  return text.substr(0, start) + line + text.substr(end);
}

TEST_F(RoundFileTest, AWrittenRoundReadsBackTheSameAndGoesOnTheSame) {
  const TRoundFile saved = ChainInProgress();
  ASSERT_EQ(saved.Round.Boxes.size(), 2u);
  TRoundFile read;
  ASSERT_EQ(ReadRoundText(RoundText(saved), read), "");
  EXPECT_EQ(read.Level, saved.Level);
  EXPECT_EQ(read.LevelCheck, saved.LevelCheck);
  EXPECT_EQ(read.LevelMoney, saved.LevelMoney);
  EXPECT_EQ(read.PlayedRelaxed, saved.PlayedRelaxed);
  EXPECT_TRUE(read.Round == saved.Round);
  EXPECT_EQ(RoundText(read), RoundText(saved)) << "every field written is read back";

  // The original goes on: the chain ends, the coins pay, a box moves, a drop.
  const auto goOn = [](TPlayRound& r, auto run) {
    run(1.5);
    r.MoveBox(r.Boxes.front().Id, 0.5, 700, 500);
    r.Held = THeldSet::FromShape(OneRed);
    r.MoveTo({10, 3});
    EXPECT_TRUE(r.TryDrop());
    run(6);
  };
  const int32_t paidBefore = paid;
  goOn(round, [this](double s) { Run(s); });
  const TRoundState original = round.State();
  const int32_t originalPaid = paid - paidBefore;

  // A fresh round of the same level, on a clock of its own, goes on from what was read.
  TFakeTimeSource time2;
  TTClock clock2(time2);
  TPlayRound resumed(clock2);
  resumed.Board = round.Board;
  resumed.Param = round.Param;
  resumed.LevelLoaded();
  int32_t resumedPaid = 0;
  std::vector<int32_t> rows;
  resumed.OnPaid = [&](int32_t chunk) { resumedPaid += chunk; };
  resumed.OnRowsCleared = [&](int32_t r) { rows.push_back(r); };
  resumed.OnBoxReleased = round.OnBoxReleased;
  resumed.Restore(read.Round);
  EXPECT_TRUE(resumed.State() == read.Round) << "restored as read";
  EXPECT_EQ(rows, std::vector<int32_t>{saved.Round.RowsCleared}) << "the view learns the rows so far";
  // As after a pause, the first frame takes the timers up where they were.
  clock2.Tick();
  resumed.AfterFrame(clock2.Now);
  goOn(resumed, [&](double s) {
    for (double t = 0; t < s - 1e-9; t += 0.05) {
      time2.AdvanceSeconds(0.05);
      clock2.Tick();
      resumed.AfterFrame(clock2.Now);
    }
  });
  EXPECT_TRUE(resumed.State() == original) << "the same draws, clears, payments and box moves";
  EXPECT_EQ(resumedPaid, originalPaid);
}

TEST_F(RoundFileTest, TheLevelCheckTellsLevelsApart) {
  Begin({FullRow});
  const uint64_t check = LevelCheck(round.Board, round.Param);
  EXPECT_EQ(LevelCheck(round.Board, round.Param), check);
  TStageParam param = round.Param;
  param.PassRows += 1;
  EXPECT_NE(LevelCheck(round.Board, param), check) << "parameters";
  TGmCells board = round.Board;
  board.SetCell(0, 0, 3);
  EXPECT_NE(LevelCheck(board, round.Param), check) << "cells";
  StraightDownFlow(board, true);
  board.SetCell(0, 0, round.Board.GetCell(0, 0));
  EXPECT_NE(LevelCheck(board, round.Param), check) << "flow";
}

TEST_F(RoundFileTest, ADamagedFileIsRefusedWithItsReasonAndReadsIntoNothing) {
  const std::string good = RoundText(ChainInProgress());
  const std::string cells = good.substr(good.find("cells ") + 6, 432);
  const std::string random = good.substr(good.find("random "), good.find('\n', good.find("random ")) - good.find("random "));
  struct Case {
    std::string text;
    const char* reason;
  };
  const std::vector<Case> cases = {
      {"", "it is not a round file"},
      {"brillor-records 1\n", "it is not a round file"},
      {Replaced(good, "brillor-round 1", "brillor-round 2"), "another version"},
      {Resealed(Replaced(good, "brillor-round 1", "brillor-round 99999999999999999999")), "wrong version"},
      {good.substr(0, good.size() / 2), "cut short"},
      {good.substr(0, good.size() - 1), "cut short"},
      {Replaced(good, "cells " + cells.substr(0, 2), "cells " + std::string(cells[0] == 'f' ? "00" : "ff")), "check sum"},
      {good.substr(0, good.rfind("check ")), "the line \"check\" is missing"},
      {Resealed(good.substr(0, good.find("random "))), "cut short before \"random\""},
      {Resealed(Replaced(good, "\nplay 1 ", "\nplay 4 ")), "wrong mode"},
      {Resealed(Replaced(good, "\nplay 1 ", "\nplay 0 ")), "clearing row does not fit"},
      {Resealed(Replaced(good, "\nplay 1 ", "\nplay -1 ")), "wrong mode"},
      {Resealed(Replaced(good, "\nfigures ", "\nfigures -5")), "wrong row count"},
      {Resealed(Replaced(good, "\ntimers 0 ", "\ntimers 0 nan")), "wrong countdown"},
      {Resealed(Replaced(good, "\ntimers 0 ", "\ntimers 0 1.5")), "wrong countdown"},
      {Resealed(Replaced(good, "cells " + cells, "cells " + cells.substr(2))), "does not hold every cell"},
      {Resealed(Replaced(good, "cells " + cells, "cells zz" + cells.substr(2))), "wrong cell code"},
      {Resealed(Replaced(good, "\nremoved ", "\nremoved 9999 ")), "wrong count"},
      {Resealed(Replaced(good, "\nremoved 12 ", "\nremoved 13 ")), "cut short (row)"},
      {Resealed(Replaced(good, "\nremoved 12 17 0", "\nremoved 12 18 0")), "wrong row"},
      {Resealed(WithWord(good, "held", 1, "5000")), "wrong row"},
      {Resealed(WithWord(good, "held", 0, "hold")), "the line \"held\" is missing"},
      {Resealed(WithWord(good, "held", 3, "6")), "wrong turn"},
      {Resealed(WithWord(good, "held", 4, "0")), "wrong count"},
      {Resealed(WithWord(good, "held", 4, "6")), "wrong count"},
      {Resealed(WithWord(good, "held", 5, "9")), "wrong offset"},
      {Resealed(WithWord(good, "held", 7, "14")), "wrong gem"},
      {Resealed(Replaced(good, "\nboxes 2\n", "\nboxes 3\n")), "line \"box\" is missing"},
      {Resealed(Replaced(good, "\nboxes 2\n", "\nboxes 6\n")), "wrong count"},
      {Resealed(Replaced(good, "\nbox 1 ", "\nbox 0 ")), "same number"},
      {Resealed(Replaced(good, "\nbox 1 ", "\nbox 7 ")), "wrong box number"},
      {Resealed(WithWord(good, "figures", 5, "2147483647")), "wrong box number"},
      {Resealed(Replaced(good, "\nbox 0 ", "\nbox 0 3")), "wrong kind"},
      {Resealed(Replaced(good, " 300.25 ", " -1 ")), "wrong position"},
      {Resealed(Replaced(good, " 300.25 ", " 300.25 0 ")), "wrong direction"},
      {Resealed(Replaced(good, " 300.25 ", " 300.25 1 1 ")), "more than it should"},
      {Resealed(Replaced(good, random, "random 1 2 3")), "no state of the generator"},
      {Resealed(Replaced(good, random, "random")), "no state of the generator"},
      {Resealed(Replaced(good, "\nrecord ", "\nrecord -1")), "wrong money"},
      {Resealed(Replaced(good, "\nlevel 2 ", "\nlevel 2x ")), "wrong level number"},
      {Resealed(Replaced(good, "\ncheck ", "\nmore\ncheck ")), "lines after its end"},
      {good + std::string(MaxRoundFileSize, ' '), "too large"},
  };
  for (const Case& c : cases) {
    TRoundFile file;
    file.Level = -7;
    const std::string reason = ReadRoundText(c.text, file);
    EXPECT_NE(reason.find(c.reason), std::string::npos) << "expected \"" << c.reason << "\", got \"" << reason << "\"";
    EXPECT_EQ(file.Level, -7) << c.reason;
  }
}

}  // namespace
