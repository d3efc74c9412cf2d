#include "players/players.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <numeric>
#include <sstream>

#include "frame/binary_stream.h"
#include "frame/errors.h"
#include "frame/safe_file.h"
#include "frame/translated.h"
#include "players/latin1.h"

TPlayers Players;

namespace {
std::string NameField(const std::string& name) {
  std::string field = Latin1FromUtf8(name).substr(0, TPlayers::NameFieldSize);
  field.resize(TPlayers::NameFieldSize, '\0');
  return field;
}

// Reads one 56-byte record; the caller has checked that it is all there.
std::unique_ptr<TPlayer> ReadRecord(std::istream& in) {
  char field[TPlayers::NameFieldSize];
  in.read(field, TPlayers::NameFieldSize);
  const std::string_view stored(field, TPlayers::NameFieldSize);
  auto player = std::make_unique<TPlayer>();
  player->SetName(Utf8FromLatin1(stored.substr(0, stored.find('\0'))));
  int32_t value = 0;
  if (ReadInt32(in, value)) player->SetLevel(value);
  if (ReadInt32(in, value)) player->SetMoney(value);
  if (ReadInt32(in, value)) player->SetClearCount(value);
  if (ReadInt32(in, value)) player->SetPlaySeconds(value);
  return player;
}

void WriteRecord(std::ostream& out, const TPlayer& player) {
  out << NameField(player.Name());
  WriteInt32(out, player.Level());
  WriteInt32(out, player.Money());
  WriteInt32(out, player.ClearCount());
  WriteInt32(out, player.PlaySeconds());
}

std::string ReadRosterBytes(const std::string& path) {
  std::error_code ignored;
  if (!std::filesystem::exists(path, ignored)) {
    // No roster yet: leave an empty file, as the game always has.
    std::ofstream create(path, std::ios::binary);
    if (!create)
      throw EGameError(FormatMessage(QT_TRANSLATE_NOOP("Failures", "Cannot create file \"%s\": "), path) +
                       SystemErrorText(errno));
    return {};
  }
  std::string bytes;
  if (std::filesystem::is_directory(path, ignored))
    throw EGameError(FormatMessage(QT_TRANSLATE_NOOP("Failures", "Cannot open file \"%s\": "), path) +
                     SystemErrorText(EISDIR));
  if (!ReadWholeFile(path, bytes))
    throw EGameError(FormatMessage(QT_TRANSLATE_NOOP("Failures", "Cannot open file \"%s\": "), path) +
                     SystemErrorText(errno));
  return bytes;
}
}  // namespace

int32_t TPlayers::Add(TPlayer* Player) {
  if (!Player) return -1;
  items_.push_back(Player);
  return Count() - 1;
}

int32_t TPlayers::Add(std::unique_ptr<TPlayer> Player) {
  if (!Player) return -1;
  kept_.push_back(std::move(Player));
  return Add(kept_.back().get());
}

TPlayer* TPlayers::Items(int32_t Index) const {
  return Index >= 0 && Index < Count() ? items_[Index] : nullptr;
}

void TPlayers::Delete(int32_t Index) {
  if (Index >= 0 && Index < Count()) items_.erase(items_.begin() + Index);
}

int32_t TPlayers::CurrentIndex() const {
  if (!current_) return -1;
  const auto found = std::find(items_.begin(), items_.end(), current_);
  return found == items_.end() ? -1 : static_cast<int32_t>(found - items_.begin());
}

void TPlayers::SetCurrentIndex(int32_t Index) {
  if (Index == CurrentIndex() || Index >= Count() || Index < -1) return;
  current_ = Index == -1 ? nullptr : items_[Index];
  if (!current_) return;
  static_cast<TPlayerEvents&>(*current_) = static_cast<const TPlayerEvents&>(*this);
  current_->OnLevelChange(current_->Level());
  current_->OnMoneyChange(current_->Money());
  current_->OnNameChange(current_->Name());
  current_->OnUnitPriceChange(current_->UnitPrice());
  current_->OnEfficiencyChange(current_->Efficiency());
}

bool TPlayers::LoadFromFile(const std::string& Path) { return LoadFromBytes(ReadRosterBytes(Path)); }

bool TPlayers::LoadFromBytes(const std::string& Bytes) {
  items_.clear();
  current_ = nullptr;
  std::istringstream in(Bytes);
  int32_t count = 0;
  // Shorter than a count: an empty roster, as a freshly created file is.
  if (!ReadInt32(in, count)) return true;
  // The count is not trusted: records are read only while whole ones remain.
  for (int32_t k = 0; k < count; ++k) {
    if (BytesLeft(in) < RecordSize) return false;
    Add(ReadRecord(in));
  }
  int32_t index = -1;
  if (!ReadInt32(in, index)) return false;
  SetCurrentIndex(index);
  return true;
}

std::string TPlayers::SaveToBytes() const {
  std::ostringstream out;
  WriteInt32(out, Count());
  for (const TPlayer* player : items_) WriteRecord(out, *player);
  WriteInt32(out, CurrentIndex());
  return out.str();
}

void TPlayers::SaveToFile(const std::string& Path, const std::string& Backup) const {
  WriteFileSafely(Path, SaveToBytes(), Backup, &TPlayers::HoldsPlayersWhole);
}

bool TPlayers::HoldsPlayersWhole(const std::string& Bytes) {
  std::istringstream in(Bytes);
  int32_t count = 0;
  if (!ReadInt32(in, count) || count < 1) return false;
  return static_cast<uint64_t>(BytesLeft(in)) >= uint64_t{RecordSize} * static_cast<uint64_t>(count) + 4;
}

std::vector<int32_t> TPlayers::RankIndices(int32_t Category) const {
  std::vector<int32_t> order(Count());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](int32_t a, int32_t b) {
    return items_[a]->CategoryValue(Category) > items_[b]->CategoryValue(Category);
  });
  return order;
}

TPlayer* TPlayers::Best(int32_t Category) const {
  if (items_.empty()) return nullptr;
  return items_[RankIndices(Category).front()];
}

void TPlayers::FreePlayers() {
  items_.clear();
  current_ = nullptr;
  kept_.clear();
}
