#pragma once
// Files the player can change after the game is built (the editor saves levels over the shipped
// ones). Such a file is written again only when what we ship has changed since the last run: a
// record in the folder keeps a digest of each file as last shipped.

#include <map>
#include <string>
#include <string_view>

#include "content_folder.h"

class TShippedFiles {
 public:
  // Reads the record (a missing or unreadable record means nothing was shipped before).
  TShippedFiles(const TContentFolder& folder, std::string recordName);
  // Writes bytes to relative unless the file exists and the bytes equal what was shipped last time.
  void Ship(const std::string& relative, std::string_view bytes);
  // Saves the record of what was shipped.
  void SaveRecord() const;

  static uint64_t Digest(std::string_view bytes);

 private:
  const TContentFolder& folder_;
  std::string recordName_;
  std::map<std::string, uint64_t> shipped_;
};
