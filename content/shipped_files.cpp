#include "shipped_files.h"

#include <fstream>
#include <sstream>

TShippedFiles::TShippedFiles(const TContentFolder& folder, std::string recordName)
    : folder_(folder), recordName_(std::move(recordName)) {
  std::ifstream record(folder_.Path(recordName_));
  std::string name, digest;
  while (record >> name >> digest) {
    try {
      shipped_[name] = std::stoull(digest, nullptr, 16);
    } catch (const std::exception&) {
      shipped_.clear();  // a damaged record counts as none: everything is shipped afresh
      return;
    }
  }
}

uint64_t TShippedFiles::Digest(std::string_view bytes) {  // FNV-1a
  uint64_t hash = 0xCBF29CE484222325ull;
  for (unsigned char c : bytes) hash = (hash ^ c) * 0x100000001B3ull;
  return hash;
}

void TShippedFiles::Ship(const std::string& relative, std::string_view bytes) {
  const uint64_t digest = Digest(bytes);
  const auto previous = shipped_.find(relative);
  const bool unchanged = previous != shipped_.end() && previous->second == digest;
  if (!unchanged || !std::filesystem::exists(folder_.Path(relative))) folder_.Write(relative, bytes);
  shipped_[relative] = digest;
}

void TShippedFiles::SaveRecord() const {
  std::ostringstream record;
  for (const auto& [name, digest] : shipped_) record << name << ' ' << std::hex << digest << std::dec << '\n';
  folder_.Write(recordName_, record.str());
}
