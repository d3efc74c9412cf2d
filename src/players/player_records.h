#pragma once
// Each player's record of their own play: games, levels passed (relaxed ones apart), rows
// cleared, longest chain, best money in one level and time played.
//
// In memory a record belongs to its player object, so adding or deleting players never moves it.
// On disk it sits in a file of its own next to the roster, one line per roster entry in roster
// order, each named by the player's name as the roster stores it. Reading matches the k-th
// roster player of a name with the k-th line of that name, so the records follow their players
// even when the file was written before some were added or deleted. The file is written aside
// and renamed; a missing or damaged file is never fatal.
//
// File: a first line "brillor-records 1", then per player: "n" and the stored name in hexadecimal,
// then games, levels, relaxed levels, rows, longest chain, best level money, seconds, as
// non-negative decimal numbers separated by single spaces.

#include <cstdint>
#include <string>

class TPlayer;
class TPlayers;

struct TPlayerRecord {
  int64_t GamesPlayed = 0;
  int64_t LevelsPassed = 0;
  int64_t RelaxedLevelsPassed = 0;
  int64_t RowsCleared = 0;
  int64_t LongestChain = 0;
  int64_t BestLevelMoney = 0;
  int64_t SecondsPlayed = 0;

  bool operator==(const TPlayerRecord&) const = default;
};

// The text SaveRecords writes: every roster player's record, empty ones too, so the lines
// follow the roster.
std::string RecordText(const TPlayers& roster);
// Gives every roster player the record of its line, or an empty one. What can be read is read:
// a byte-order mark and Windows line ends are accepted, and a damaged line costs that line
// only. Returns why the text or some of its lines were not used, one line each, the first few
// of them ("" when all was read).
std::string ReadRecordText(const std::string& text, TPlayers& roster);
// True when the text is a record file read whole, worth keeping as a backup.
bool RecordTextIsWhole(const std::string& text);
// True when the text is a record file at all (some of its lines may be damaged).
bool RecordTextIsUsable(const std::string& text);
// Gives every roster player an empty record.
void StartRecordsAfresh(TPlayers& roster);
// As ReadRecordText from the file; a missing file, or one too large or unreadable, gives every
// player an empty record and says so.
std::string LoadRecords(const std::string& path, TPlayers& roster);
// Writes aside and renames; with backup, the replaced file is kept there. Throws EFileError
// when the file could not be written (the previous one is then left whole).
void SaveRecords(const std::string& path, const TPlayers& roster, const std::string& backup = {});

// The file of the player's level in progress (play/round_file.h), relative to the player folder:
// named, like the player's line in the records, by the stored name and the player's place among
// those of that name ("dat/round-n416e6e.txt", then "dat/round-n416e6e-2.txt").
std::string RoundFileName(const TPlayers& roster, const TPlayer& player);
// Before the player at index leaves the roster: the player's round file goes, and those of the
// later players of the same name move down one place with them, so that each keeps its own.
void DropRoundFileOf(const TPlayers& roster, int32_t index);

// The record file, relative to the player folder, next to the roster.
inline constexpr const char* RecordFileName = "dat/records.txt";
