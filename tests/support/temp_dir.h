#pragma once
// A fresh temporary folder that becomes the program directory for the test, removed afterwards.

#include <filesystem>
#include <string>

class TTempProgramDir {
 public:
  TTempProgramDir();
  ~TTempProgramDir();
  TTempProgramDir(const TTempProgramDir&) = delete;
  TTempProgramDir& operator=(const TTempProgramDir&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  // Absolute path of a game-relative name inside the folder.
  std::string File(const std::string& relative) const;
  void WriteBytes(const std::string& relative, const std::string& bytes) const;
  std::string ReadBytes(const std::string& relative) const;

 private:
  std::filesystem::path path_;
  std::string previousProgramDir_;
};
