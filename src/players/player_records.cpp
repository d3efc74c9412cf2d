#include "players/player_records.h"

#include <charconv>
#include <sstream>
#include <vector>

#include "frame/safe_file.h"
#include "players/latin1.h"
#include "players/players.h"

namespace {
constexpr const char* Header = "brillor-records 1";
constexpr int FieldCount = 7;
// Before the name's digits, so that an empty name still leaves a word on the line.
constexpr char NamePrefix[] = "n";

// The name as the roster file keeps it: Latin-1, cut to the name field.
std::string StoredName(const TPlayer& player) {
  std::string name = Latin1FromUtf8(player.Name()).substr(0, TPlayers::NameFieldSize);
  return name.substr(0, name.find('\0'));
}

std::string Hex(const std::string& bytes) {
  static const char digits[] = "0123456789abcdef";
  std::string out;
  for (unsigned char c : bytes) {
    out += digits[c >> 4];
    out += digits[c & 15];
  }
  return out;
}

bool FromHex(const std::string& text, std::string& bytes) {
  if (text.size() % 2 != 0 || text.size() > 2 * TPlayers::NameFieldSize) return false;
  bytes.clear();
  for (size_t i = 0; i < text.size(); i += 2) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data() + i, text.data() + i + 2, value, 16);
    if (error != std::errc() || end != text.data() + i + 2) return false;
    bytes += static_cast<char>(value);
  }
  return true;
}

int64_t* Field(TPlayerRecord& record, int index) {
  int64_t* fields[FieldCount] = {&record.GamesPlayed,  &record.LevelsPassed,   &record.RelaxedLevelsPassed,
                                 &record.RowsCleared,  &record.LongestChain,   &record.BestLevelMoney,
                                 &record.SecondsPlayed};
  return fields[index];
}

struct TStoredLine {
  std::string Name;
  TPlayerRecord Record;
  bool Used = false;
};

// One player's line; false when any part of it is not as written.
bool ParseLine(const std::string& line, TStoredLine& out) {
  std::istringstream parts(line);
  std::string name;
  if (!(parts >> name) || name.rfind(NamePrefix, 0) != 0 || !FromHex(name.substr(1), out.Name)) return false;
  for (int i = 0; i < FieldCount; ++i) {
    std::string number;
    if (!(parts >> number)) return false;
    int64_t value = -1;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error != std::errc() || end != number.data() + number.size() || value < 0) return false;
    *Field(out.Record, i) = value;
  }
  std::string extra;
  return !(parts >> extra);
}
}  // namespace

std::string RecordText(const TPlayers& roster) {
  std::ostringstream out;
  out << Header << '\n';
  for (int32_t i = 0; i < roster.Count(); ++i) {
    TPlayer& player = *roster.Items(i);
    out << NamePrefix << Hex(StoredName(player));
    for (int f = 0; f < FieldCount; ++f) out << ' ' << *Field(player.Record, f);
    out << '\n';
  }
  return out.str();
}

std::string ReadRecordText(const std::string& text, TPlayers& roster) {
  for (int32_t i = 0; i < roster.Count(); ++i) roster.Items(i)->Record = TPlayerRecord();
  std::istringstream lines(text);
  std::string line;
  if (std::getline(lines, line) && !line.empty() && line.back() == '\r') line.pop_back();
  if (line != Header) return "not a record file; every record starts afresh\n";
  std::string problems;
  std::vector<TStoredLine> stored;
  for (int number = 2; std::getline(lines, line); ++number) {
    TStoredLine entry;
    if (ParseLine(line, entry))
      stored.push_back(std::move(entry));
    else
      problems += "line " + std::to_string(number) + " is damaged and was left out\n";
  }
  // The k-th player of a name takes the k-th line of that name.
  for (int32_t i = 0; i < roster.Count(); ++i) {
    TPlayer& player = *roster.Items(i);
    const std::string name = StoredName(player);
    for (TStoredLine& entry : stored)
      if (!entry.Used && entry.Name == name) {
        entry.Used = true;
        player.Record = entry.Record;
        break;
      }
  }
  return problems;
}

std::string LoadRecords(const std::string& path, TPlayers& roster) {
  std::string bytes;
  if (!ReadWholeFile(path, bytes)) {
    ReadRecordText(Header, roster);
    return "no record file yet; every record starts afresh\n";
  }
  return ReadRecordText(bytes, roster);
}

bool SaveRecords(const std::string& path, const TPlayers& roster) {
  try {
    WriteFileSafely(path, RecordText(roster));
    return true;
  } catch (const std::exception&) {
    return false;
  }
}
