#pragma once
// The roster: a list of players, the current one, and the change events handed to whichever
// player becomes current. The same class serves as the high-score list.
//
// The list holds references. Players given to it with Add(unique_ptr) are kept alive by the
// list until FreePlayers or its destruction, also after Delete takes them out of the list:
// windows and Current may still refer to a removed player until the next refresh and selection.
//
// Roster file (little-endian): int32 N; N records of 56 bytes (name as 40 ISO-8859-1 bytes,
// NUL-terminated when shorter; Level, Money, ClearCount, PlaySeconds as int32); int32 index of
// the current player (-1 for none).

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "players/player.h"

class TPlayers : public TPlayerEvents {
 public:
  TPlayers() = default;
  TPlayers(const TPlayers&) = delete;
  TPlayers& operator=(const TPlayers&) = delete;

  // Appends a reference (the caller keeps ownership); returns the new index, or -1 for null.
  int32_t Add(TPlayer* Player);
  // Appends a player the list keeps alive until FreePlayers; returns the new index, or -1 for null.
  int32_t Add(std::unique_ptr<TPlayer> Player);
  // Null outside 0..Count-1.
  TPlayer* Items(int32_t Index) const;
  int32_t Count() const { return static_cast<int32_t>(items_.size()); }
  // Takes the entry out of the list; the player is not destroyed.
  void Delete(int32_t Index);

  TPlayer* Current() const { return current_; }
  // Position of Current in the list; -1 when there is none or it is no longer listed.
  int32_t CurrentIndex() const;
  // Chooses the current player (-1: none, silently). The same index, or one outside -1..Count-1,
  // does nothing. A new current player gets a copy of this list's events and fires level,
  // money, name, unit price, efficiency in that order.
  void SetCurrentIndex(int32_t Index);

  // Replaces the list with the file's players. A missing file is created empty. Only complete
  // records are read, whatever count the file claims; the current index is used only when the
  // file holds all its records and the index. Returns false when the file was cut short (some
  // of what it claims is missing). Throws EGameError, with the system's reason, when the file
  // cannot be opened.
  bool LoadFromFile(const std::string& Path);
  // The same from the file's bytes.
  bool LoadFromBytes(const std::string& Bytes);
  // Writes aside and renames, so a failed save leaves the previous file whole; with Backup, the
  // file replaced is kept there when it read whole and held players. Throws EGameError, with the system's reason, when the file
  // cannot be written.
  void SaveToFile(const std::string& Path, const std::string& Backup = {}) const;
  // The roster file's bytes.
  std::string SaveToBytes() const;
  // True when the bytes are a roster file that reads whole and lists at least one player: a
  // copy worth keeping as the backup.
  static bool HoldsPlayersWhole(const std::string& Bytes);

  // Indices into the list, best first by the category's value; ties keep list order.
  std::vector<int32_t> RankIndices(int32_t Category) const;
  // The best player of the category; null for an empty list.
  TPlayer* Best(int32_t Category) const;

  // Empties the list and destroys every player it keeps (at shutdown, after the save).
  void FreePlayers();

  static constexpr int32_t NameFieldSize = 40;
  static constexpr int32_t RecordSize = 56;

 private:
  std::vector<TPlayer*> items_;
  std::vector<std::unique_ptr<TPlayer>> kept_;
  TPlayer* current_ = nullptr;
};

// The game's roster, loaded at start and saved during play and at exit.
extern TPlayers Players;

// The roster file, relative to the program directory.
inline constexpr const char* RosterFileName = "dat/b01";
