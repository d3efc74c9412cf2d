#include "content_test_support.h"

#include <fstream>
#include <random>
#include <sstream>

TScratchFolder::TScratchFolder() {
  std::random_device entropy;
  path_ = std::filesystem::temp_directory_path() /
          ("brillor_content_" + std::to_string(entropy()) + "_" + std::to_string(entropy()));
  std::filesystem::create_directories(path_);
}

TScratchFolder::~TScratchFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::string ReadFileBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

std::map<std::string, std::string> ReadTree(const std::filesystem::path& root) {
  std::map<std::string, std::string> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(root))
    if (entry.is_regular_file())
      files[std::filesystem::relative(entry.path(), root).generic_string()] = ReadFileBytes(entry.path());
  return files;
}
