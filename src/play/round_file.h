#pragma once
// A level in progress, kept so that play can go on after a quit or a crash: the round's state
// (play/round_state.h), the level it was played on, and what the player's record keeps of the
// level so far.
//
// File: text lines, each a word and values separated by single spaces:
//   brillor-round 1
//   level <number> <level check, 16 hex digits>
//   record <money of the level so far> <played relaxed 0/1>
//   play <mode 0-3> <relaxed> <passed> <boxes allowed> <next shape>
//   figures <rows> <chain> <pending money> <clearing row or -1> <next box id>
//   timers <drop on> <drop fraction> <sparkle on> <fraction> <coin on> <fraction>
//   cells <216 cell codes, 2 hex digits each, row-major>
//   removed <count> <row> <col> ...
//   held <row> <col> <turns> <count> <row offset> <col offset> <code> ...
//   boxes <count>, then a line per box: box <id> <kind> <x> <y> <dir x> <dir y>
//   random <the generator's state>
//   check <FNV-1a 64 of every byte before this line, 16 hex digits>
// Reading checks every count and value against its bounds; a file that is short, damaged, of
// another version or out of bounds is refused with the reason.

#include <cstdint>
#include <string>
#include <string_view>

#include "board/gm_cells.h"
#include "board/stage_param.h"
#include "play/round_state.h"

struct TRoundFile {
  // The player's level number, and LevelCheck of the level as loaded.
  int32_t Level = 0;
  uint64_t LevelCheck = 0;
  // The money the level has paid so far, and whether any of it was played relaxed.
  int64_t LevelMoney = 0;
  bool PlayedRelaxed = false;
  TRoundState Round;
};

// Tells levels apart: the board, its flow and the parameters of a level as loaded, before play.
uint64_t LevelCheck(const TGmCells& board, const TStageParam& param);

std::string RoundText(const TRoundFile& file);
// "" when the text was read into file; otherwise why not ("the file is cut short"), and file
// is left as it was.
std::string ReadRoundText(std::string_view text, TRoundFile& file);

// The largest round file read; anything longer is damaged.
inline constexpr size_t MaxRoundFileSize = 64 * 1024;
