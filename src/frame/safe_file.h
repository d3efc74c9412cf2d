#pragma once
// Player data is written aside and then renamed over the old file, so a crash or a full disk in
// the middle of a save never leaves a truncated file where the previous one was.

#include <cstdint>
#include <string>
#include <string_view>

// The system's wording of an errno value ("No space left on device").
std::string SystemErrorText(int error);

// Writes bytes to path through path + ".tmp", flushed to the disk, and an atomic rename; the
// folder is synced afterwards so the rename itself survives a power cut. When backup is given,
// the file being replaced is first copied there (written aside the same way), so the previous
// save stays at hand if the new one is ever found damaged; a missing or empty file, or one that
// worthKeeping turns down (one that does not read whole), never replaces the backup. Throws
// EFileError ("Cannot create file "<path>": <reason>") when the new file cannot be written; the
// existing file is then untouched. A backup that cannot be written does not stop the save.
using TWorthKeeping = bool (*)(const std::string& bytes);
void WriteFileSafely(const std::string& path, std::string_view bytes, const std::string& backup = {},
                     TWorthKeeping worthKeeping = nullptr);

// Reads a whole file; false when it cannot be opened.
bool ReadWholeFile(const std::string& path, std::string& bytes);

// Removes the ".tmp" files a save cut short left in folder; returns how many went.
int RemoveLeftoverTempFiles(const std::string& folder);

// The player's files are small (the largest, the records, holds a line per player); one larger
// than this is refused unread, so a runaway file costs neither seconds nor memory at start.
inline constexpr uintmax_t MaxPlayerFileSize = uintmax_t{1} << 20;

struct TPlayerFileRead {
  enum TOutcome { Read, Missing, TooLarge, Unreadable };
  TOutcome Outcome = Missing;
  std::string Bytes;
  // Why the file could not be used ("it is larger than 1 MB", "Cannot open file ...: Is a
  // directory"); empty when it was read or is missing.
  std::string Reason;
};
// Reads one of the player's files whole, refusing one over MaxPlayerFileSize.
TPlayerFileRead ReadPlayerFile(const std::string& path);

// The first of "<path>.damaged", "<path>.damaged2", ... that does not exist yet.
std::string FreeDamagedPath(const std::string& path);
// Keeps a copy of a damaged file as FreeDamagedPath(path), never over an earlier one, and leaves
// the file itself in place to be written over: a second name for the same file where the file
// system allows, else a copy. Something that is not a file (a folder in its place) is moved
// there instead. Returns the name it is kept under; throws EFileError when it cannot be kept.
std::string KeepDamagedCopy(const std::string& path);
