#include "frame/game_folders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "frame/paths.h"

// The build names the install layout (packaging/CMakeLists.txt).
#ifndef BRILLOR_DATA_FROM_EXECUTABLE
#error "BRILLOR_DATA_FROM_EXECUTABLE must name the installed data folder relative to the executable"
#endif

namespace fs = std::filesystem;

namespace {
std::string PlayerBase(const TFolderFacts& facts) {
  // Relative values are ignored, as the XDG rules ask.
  if (!facts.xdgDataHome.empty() && facts.xdgDataHome.front() == '/') return FolderName(facts.xdgDataHome);
  if (!facts.home.empty()) return FolderName(facts.home) + ".local/share/";
  return "";
}

std::string EnvironmentValue(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

std::string HomeFolder() {
  std::string home = EnvironmentValue("HOME");
  if (home.empty())
    if (const passwd* entry = getpwuid(getuid()); entry && entry->pw_dir) home = entry->pw_dir;
  return home;
}
}  // namespace

const std::string& InstalledDataFromExecutable() {
  static const std::string relative = BRILLOR_DATA_FROM_EXECUTABLE;
  return relative;
}

TGameFolders ChooseGameFolders(const TFolderFacts& facts) {
  const std::string beside = FolderName(facts.executableDir);
  const std::string installed =
      FolderName((fs::path(beside) / InstalledDataFromExecutable()).lexically_normal().string());
  TGameFolders folders;
  const bool runsBesideItsFiles = facts.holdsGameFiles(beside) || !facts.holdsGameFiles(installed);
  folders.game = runsBesideItsFiles ? beside : installed;
  // An installed game never writes into its data folder, even for a user who could (root).
  if (runsBesideItsFiles && facts.mayWrite(folders.game)) {
    folders.player = folders.game;
    return folders;
  }
  const std::string base = PlayerBase(facts);
  // With no home at all there is nowhere better: the saves fail and say where.
  folders.player = base.empty() ? folders.game : base + "brillor/";
  return folders;
}

TFolderFacts MachineFacts(const std::string& executableDir) {
  return {executableDir, EnvironmentValue("XDG_DATA_HOME"), HomeFolder(), HoldsGameFiles, MayWritePlayerFiles};
}

bool HoldsGameFiles(const std::string& folder) {
  std::error_code error;
  return fs::is_directory(fs::path(folder) / "dat", error);
}

bool MayWritePlayerFiles(const std::string& folder) {
  std::error_code error;
  const fs::path dat = fs::path(folder) / "dat";
  const fs::path probe = (fs::is_directory(dat, error) ? dat : fs::path(folder)) /
                         (".brillor-write-test-" + std::to_string(getpid()));
  const bool written = std::ofstream(probe, std::ios::binary).good();
  fs::remove(probe, error);
  return written;
}

TGameFolders UseGameFolders(const std::string& executableDir) {
  const TGameFolders folders = ChooseGameFolders(MachineFacts(executableDir));
  SetProgramDir(folders.game);
  SetPlayerDir(folders.player);
  std::error_code ignored;
  fs::create_directories(PlayerPath("dat"), ignored);
  return folders;
}
