#pragma once
// Helpers for the generator's tests: a scratch folder and whole-folder reading.

#include <filesystem>
#include <map>
#include <string>

// A fresh, empty folder under the system's temporary folder, removed afterwards.
class TScratchFolder {
 public:
  TScratchFolder();
  ~TScratchFolder();
  TScratchFolder(const TScratchFolder&) = delete;
  TScratchFolder& operator=(const TScratchFolder&) = delete;
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// Every regular file below root, by relative name, with its bytes.
std::map<std::string, std::string> ReadTree(const std::filesystem::path& root);
std::string ReadFileBytes(const std::filesystem::path& file);
