#include "fuzz_support.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <QGuiApplication>
#include <unistd.h>

#include "frame/paths.h"

namespace {
const std::filesystem::path& FuzzFolder() {
  // A memory file system keeps the writes and syncs of the savers from costing disk time.
  static const std::filesystem::path folder = [] {
    const std::filesystem::path base =
        std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path();
    std::filesystem::path made = base / ("brillor-fuzz-" + std::to_string(::getpid()));
    std::filesystem::create_directories(made / "dat");
    SetProgramDir(made.string());
    std::atexit([] {
      std::error_code ignored;
      std::filesystem::remove_all(ProgramDir(), ignored);
    });
    return made;
  }();
  return folder;
}
}  // namespace

std::string FuzzPath(const std::string& relative) { return (FuzzFolder() / relative).string(); }

std::string WriteFuzzFile(const std::string& relative, std::string_view bytes) {
  const std::string path = FuzzPath(relative);
  std::error_code ignored;
  std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ignored);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return path;
}

void StartFuzzApplication() {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  static int argc = 1;
  static char name[] = "brillor-fuzz";
  static char* argv[] = {name, nullptr};
  // Kept for the whole run: the readers may use it up to the last input.
  static QGuiApplication* app = new QGuiApplication(argc, argv);
  (void)app;
}

void FuzzFailure(const char* what) {
  std::fprintf(stderr, "Reader check failed: %s\n", what);
  std::abort();
}
