#pragma once
// Player data is written aside and then renamed over the old file, so a crash or a full disk in
// the middle of a save never leaves a truncated file where the previous one was.

#include <string>
#include <string_view>

// The system's wording of an errno value ("No space left on device").
std::string SystemErrorText(int error);

// Writes bytes to path through path + ".tmp", flushed to the disk, and an atomic rename; the
// folder is synced afterwards so the rename itself survives a power cut. When backup is given,
// the file being replaced is first copied there (written aside the same way), so the previous
// save stays at hand if the new one is ever found damaged. Throws EGameError
// ("Cannot create file "<path>": <reason>") when the new file cannot be written; the existing
// file is then untouched. A backup that cannot be written does not stop the save.
void WriteFileSafely(const std::string& path, std::string_view bytes, const std::string& backup = {});

// Reads a whole file; false when it cannot be opened.
bool ReadWholeFile(const std::string& path, std::string& bytes);

// Removes the ".tmp" files a save cut short left in folder; returns how many went.
int RemoveLeftoverTempFiles(const std::string& folder);
