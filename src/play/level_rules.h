#pragma once
// What a level number means for play (countdown, rows to pass, which files hold it), how
// earned money is paid out, and reading a level's files with a clear message when they are bad.

#include <cstdint>
#include <string>

class TGmCells;
class TStageParam;

// Levels below 1 (a damaged roster) play as level 1.
int32_t AutoDropSecForLevel(int32_t Level);
int32_t PassRowsForLevel(int32_t Level);
// Levels 1..80 use parameter files 00..79, then the numbering repeats.
int32_t LevelParamNumber(int32_t Level);
// Level 1 uses layout 20; levels from 2 on use 00..19 in turn.
int32_t LayoutNumber(int32_t Level);

// What one cleared row pays at a chain length (0 for the first row of a drop): 100, 200, 400, ...
// doubling along the chain up to the top of the int32 range money is kept in, where it stays.
// A negative chain pays as a chain of 0.
int32_t RowPayout(int32_t Chain);
// The multiplier shown with a row: its payout in hundreds (1, 2, 4, ... while the payout doubles).
int32_t ChainMultiplier(int32_t Chain);

// The part of PendingMoney paid at one tick: big sums go in big chunks.
int32_t CoinChunk(int32_t Pending);
// A career figure (level, money, rows) grown by Add; it stays at the top of the range rather
// than wrapping round to a negative value, since a damaged roster can hold any number.
int32_t GrownFigure(int32_t Value, int32_t Add);

// Reads the flow and the parameters of the level into board and param. On failure returns a
// message naming the file and the problem; whatever could not be read is left as it was.
std::string LoadLevelParamFile(const std::string& path, TGmCells& board, TStageParam& param);
// The same for the bytes of a level parameter file that path names.
std::string LoadLevelParamBytes(const std::string& path, const std::string& bytes, TGmCells& board,
                                TStageParam& param);
// Reads the 216 cell codes of a layout into board (already emptied). On failure returns a
// message naming the file and the problem; a short file still fills the cells it holds.
std::string LoadLayoutFile(const std::string& path, TGmCells& board);
// The same for the bytes of a layout file that path names.
std::string LoadLayoutBytes(const std::string& path, const std::string& bytes, TGmCells& board);

// A player's level: the flow and parameters of its parameter file (with the countdown and the
// rows to pass of the level number), the cells of its layout file. Problems, one line each.
std::string LoadPlayerLevel(int32_t Level, TGmCells& board, TStageParam& param);
// A level being edited, handed over as the bytes of its two files and named by name. A
// countdown and rows to pass of at least 1 keep it playable.
std::string LoadEditedLevel(const std::string& name, const std::string& levelBytes, const std::string& layoutBytes,
                            TGmCells& board, TStageParam& param);
