#include "players/player_records.h"

#include <charconv>
#include <filesystem>
#include <sstream>
#include <string_view>
#include <vector>

#include "frame/line_report.h"
#include "frame/paths.h"
#include "frame/safe_file.h"
#include "frame/translated.h"
#include "players/latin1.h"
#include "players/players.h"

namespace {
constexpr const char* Header = "brillor-records 1";
constexpr std::string_view HeaderWord = "brillor-records";
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

}  // namespace

std::string RoundFileName(const TPlayers& roster, const TPlayer& player) {
  const std::string name = StoredName(player);
  int32_t place = 0;
  for (int32_t i = 0; i < roster.Count(); ++i) {
    const TPlayer* other = roster.Items(i);
    if (StoredName(*other) == name) place += 1;
    if (other == &player) break;
  }
  std::string file = "dat/round-" + std::string(NamePrefix) + Hex(name);
  if (place > 1) file += "-" + std::to_string(place);
  return file + ".txt";
}

void DropRoundFileOf(const TPlayers& roster, int32_t index) {
  const TPlayer* leaving = roster.Items(index);
  std::error_code ignored;
  std::string previous = PlayerPath(RoundFileName(roster, *leaving));
  std::filesystem::remove(previous, ignored);
  for (int32_t i = index + 1; i < roster.Count(); ++i) {
    const TPlayer* later = roster.Items(i);
    if (StoredName(*later) != StoredName(*leaving)) continue;
    const std::string path = PlayerPath(RoundFileName(roster, *later));
    std::filesystem::rename(path, previous, ignored);
    previous = path;
  }
}

namespace {
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

namespace {
struct TParsedRecords {
  std::vector<TStoredLine> Lines;
  TLineReport Problems;
  // The file starts with the heading of this version's record file.
  bool Headed = false;
};

// The heading as written, with what editors and damage add around it (a byte-order mark, a
// Windows line end, stray NULs) taken off.
std::string CleanHeading(std::string line) {
  std::erase(line, '\0');
  while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
  return line;
}

TParsedRecords ParseRecords(std::string_view text) {
  TParsedRecords parsed;
  constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
  if (text.starts_with(ByteOrderMark)) text.remove_prefix(ByteOrderMark.size());
  std::istringstream lines{std::string(text)};
  std::string line;
  int64_t number = 1;
  if (std::getline(lines, line)) {
    const std::string heading = CleanHeading(line);
    parsed.Headed = heading == Header;
    // Another version's file is not read as this one.
    if (!parsed.Headed && heading.starts_with(HeaderWord)) {
      parsed.Problems.Add(FailureText(QT_TRANSLATE_NOOP("Failures", "written by another version of the game (\"%1\")"),
                                      {heading.substr(0, 40)}));
      return parsed;
    }
    TStoredLine entry;
    if (!parsed.Headed && ParseLine(line, entry)) parsed.Lines.push_back(std::move(entry));
    else if (!parsed.Headed)
      parsed.Problems.Add(FailureText(QT_TRANSLATE_NOOP("Failures", "line 1 is not the heading \"%1\""), {Header}));
  }
  while (std::getline(lines, line)) {
    ++number;
    TStoredLine entry;
    if (ParseLine(line, entry))
      parsed.Lines.push_back(std::move(entry));
    else if (!CleanHeading(line).empty())
      parsed.Problems.Add(
          FailureText(QT_TRANSLATE_NOOP("Failures", "line %1 is damaged and was left out"), {std::to_string(number)}));
  }
  return parsed;
}
}  // namespace

std::string ReadRecordText(const std::string& text, TPlayers& roster) {
  StartRecordsAfresh(roster);
  TParsedRecords parsed = ParseRecords(text);
  if (parsed.Lines.empty() && !parsed.Headed) {
    const std::string why =
        parsed.Problems.Empty() ? FailureText(QT_TRANSLATE_NOOP("Failures", "it is empty")) : parsed.Problems.Text();
    return FailureText(QT_TRANSLATE_NOOP("Failures", "not a record file; every record starts afresh (%1)"),
                       {why.substr(0, why.find('\n'))}) +
           '\n';
  }
  // The k-th player of a name takes the k-th line of that name.
  for (int32_t i = 0; i < roster.Count(); ++i) {
    TPlayer& player = *roster.Items(i);
    const std::string name = StoredName(player);
    for (TStoredLine& entry : parsed.Lines)
      if (!entry.Used && entry.Name == name) {
        entry.Used = true;
        player.Record = entry.Record;
        break;
      }
  }
  return parsed.Problems.Text();
}

bool RecordTextIsUsable(const std::string& text) {
  const TParsedRecords parsed = ParseRecords(text);
  return parsed.Headed || !parsed.Lines.empty();
}

void StartRecordsAfresh(TPlayers& roster) {
  for (int32_t i = 0; i < roster.Count(); ++i) roster.Items(i)->Record = TPlayerRecord();
}

bool RecordTextIsWhole(const std::string& text) {
  const TParsedRecords parsed = ParseRecords(text);
  return parsed.Headed && parsed.Problems.Empty();
}

std::string LoadRecords(const std::string& path, TPlayers& roster) {
  const TPlayerFileRead file = ReadPlayerFile(path);
  if (file.Outcome == TPlayerFileRead::Read) return ReadRecordText(file.Bytes, roster);
  StartRecordsAfresh(roster);
  if (file.Outcome == TPlayerFileRead::Missing)
    return FailureText(QT_TRANSLATE_NOOP("Failures", "no record file yet; every record starts afresh")) + '\n';
  return FailureText(QT_TRANSLATE_NOOP("Failures", "not read (%1); every record starts afresh"), {file.Reason}) + '\n';
}

void SaveRecords(const std::string& path, const TPlayers& roster, const std::string& backup) {
  WriteFileSafely(path, RecordText(roster), backup);
}
