#include "support/temp_dir.h"

#include <fstream>
#include <iterator>
#include <random>

#include "frame/paths.h"

TTempProgramDir::TTempProgramDir() {
  std::random_device device;
  path_ = std::filesystem::temp_directory_path() / ("brillor-test-" + std::to_string(device()));
  std::filesystem::create_directories(path_ / "dat");
  std::filesystem::create_directories(path_ / "bmp");
  previousProgramDir_ = ProgramDir();
  SetProgramDir(path_.string());
}

TTempProgramDir::~TTempProgramDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
  if (!previousProgramDir_.empty()) SetProgramDir(previousProgramDir_);
}

std::string TTempProgramDir::File(const std::string& relative) const { return (path_ / relative).string(); }

void TTempProgramDir::WriteBytes(const std::string& relative, const std::string& bytes) const {
  std::filesystem::create_directories((path_ / relative).parent_path());
  std::ofstream out(File(relative), std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string TTempProgramDir::ReadBytes(const std::string& relative) const {
  std::ifstream in(File(relative), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
