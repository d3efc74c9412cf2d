#include "app/window_scale.h"

#include <cstdlib>
#include <filesystem>

#include "frame/game_folders.h"

std::optional<std::string> ScaleFactorFor(const TMoreOptions& options) {
  switch (options.WindowScale) {
    case 150: return "1.5";
    case 200: return "2";
    default: return std::nullopt;
  }
}

void UseChosenWindowSize() {
  if (std::getenv("QT_SCALE_FACTOR")) return;
  std::error_code failed;
  const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", failed);
  if (failed) return;
  const TGameFolders folders = ChooseGameFolders(MachineFacts(executable.parent_path().string()));
  TMoreOptions options;
  // Problems with the file are named once the game has started and reads it again.
  options.Load(folders.player + MoreOptionsFileName);
  if (const auto factor = ScaleFactorFor(options)) setenv("QT_SCALE_FACTOR", factor->c_str(), 1);
}
