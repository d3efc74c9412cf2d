#include "players/roster_store.h"

#include <filesystem>

#include "frame/errors.h"
#include "frame/safe_file.h"
#include "players/players.h"

namespace {
// Loads the file; the reason it could not be read whole, or empty when it could.
std::string TryLoad(TPlayers& players, const std::string& path) {
  try {
    return players.LoadFromFile(path) ? std::string() : "it is cut short";
  } catch (const std::exception& error) {
    return error.what();
  }
}

bool LoadsWhole(TPlayers& players, const std::string& path) {
  std::error_code ignored;
  return std::filesystem::is_regular_file(path, ignored) && TryLoad(players, path).empty();
}

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }
}  // namespace

std::string RosterBackupPath(const std::string& path) { return path + ".bak"; }

std::string FreeDamagedPath(const std::string& path) {
  std::error_code ignored;
  std::string candidate = path + ".damaged";
  for (int n = 2; std::filesystem::exists(std::filesystem::symlink_status(candidate, ignored)); ++n)
    candidate = path + ".damaged" + std::to_string(n);
  return candidate;
}

TRosterStart LoadRosterAtStart(TPlayers& players, const std::string& path) {
  RemoveLeftoverTempFiles(std::filesystem::path(path).parent_path().string());
  const std::string problem = TryLoad(players, path);
  if (problem.empty()) return {};
  std::error_code ignored;
  // No roster and none can be made: the game starts empty and says why saving will fail.
  if (!std::filesystem::exists(std::filesystem::symlink_status(path, ignored))) return {true, problem};
  const std::string told = "The player file " + Quoted(path) + " could not be read (" + problem + ").";
  const std::string aside = FreeDamagedPath(path);
  std::error_code moved;
  std::filesystem::rename(path, aside, moved);
  if (moved)
    return {false, told + " It was left as it is, and this session will not be saved (" + moved.message() + ")."};
  const std::string kept = told + " It was kept as " + Quoted(aside) + ".";
  const std::string backup = RosterBackupPath(path);
  if (LoadsWhole(players, backup))
    return {true, kept + " The backup " + Quoted(backup) + " of the save before it was loaded instead."};
  // No good backup: the players the damaged copy still holds are better than none.
  TryLoad(players, aside);
  return {true, kept + " There is no readable backup; the players that could be read from it were loaded."};
}

void SaveRoster(const TPlayers& players, const std::string& path) {
  players.SaveToFile(path, RosterBackupPath(path));
}
