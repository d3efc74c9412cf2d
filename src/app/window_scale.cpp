#include "app/window_scale.h"

#include <cstdlib>
#include <filesystem>
#include <vector>

#include <QGuiApplication>
#include <QScreen>

#include "frame/game_folders.h"
#include "ui/window_fit.h"

namespace {
// The free area of the main screen, asked of the window system before the game's own
// application object exists (the factor must be set before that); empty when unknown.
QSize ScreenRoom(int argc, char** argv) {
  std::vector<char*> args(argv, argv + argc);
  args.push_back(nullptr);
  int count = argc;
  const QGuiApplication probe(count, args.data());
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->availableGeometry().size() : QSize();
}
}  // namespace

std::optional<std::string> ScaleFactorFor(int32_t scale) {
  switch (scale) {
    case 150: return "1.5";
    case 200: return "2";
    default: return std::nullopt;
  }
}

int32_t UseChosenWindowSize(int argc, char** argv) {
  std::error_code failed;
  const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", failed);
  if (failed) return 100;
  const TGameFolders folders = ChooseGameFolders(MachineFacts(executable.parent_path().string()));
  TMoreOptions options;
  // Problems with the file are named once the game has started and reads it again.
  options.Load(folders.player + MoreOptionsFileName);
  if (std::getenv("QT_SCALE_FACTOR") || !ScaleFactorFor(options.WindowScale)) return options.WindowScale;
  const QSize room = ScreenRoom(argc, argv);
  const int32_t scale = room.isEmpty() ? options.WindowScale : LargestScaleThatFits(options.WindowScale, room);
  if (const auto factor = ScaleFactorFor(scale)) setenv("QT_SCALE_FACTOR", factor->c_str(), 1);
  return scale;
}
