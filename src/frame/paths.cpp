#include "frame/paths.h"

namespace {
std::string& Dir() {
  static std::string dir;
  return dir;
}
}  // namespace

const std::string& ProgramDir() { return Dir(); }

void SetProgramDir(std::string_view dir) {
  Dir() = NormalizeSeparators(dir);
  if (Dir().empty() || Dir().back() != '/') Dir() += '/';
}

std::string NormalizeSeparators(std::string_view name) {
  std::string result(name);
  for (char& c : result)
    if (c == '\\') c = '/';
  return result;
}

std::string GamePath(std::string_view relative) {
  std::string name = NormalizeSeparators(relative);
  if (!name.empty() && name.front() == '/') return name;
  return ProgramDir() + name;
}
