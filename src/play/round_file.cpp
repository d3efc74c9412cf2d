// Writing a round file and reading it back, every value checked.

#include "play/round_file.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <set>
#include <sstream>
#include <vector>

#include "board/cell_codes.h"
#include "frame/random.h"
#include "frame/translated.h"
#include "play/hex_shapes.h"

namespace {
constexpr std::string_view Magic = "brillor-round";
constexpr int32_t Version = 1;
constexpr int32_t MaxHeldGems = 5;
constexpr int32_t MaxHeldOffset = 4;
constexpr int32_t MaxAnchor = 1000;
constexpr int32_t MaxRows = 1000000;
constexpr float MaxBoxPosition = 10000;
constexpr int32_t Int32Max = std::numeric_limits<int32_t>::max();

uint64_t Fnv1a(std::string_view bytes, uint64_t hash = 0xcbf29ce484222325ull) {
  for (const char c : bytes) {
    hash ^= static_cast<uint8_t>(c);
    hash *= 0x100000001b3ull;
  }
  return hash;
}

std::string Hex64(uint64_t value) {
  char text[17];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
  return text;
}

std::string FloatText(float value) {
  char text[32];
  const auto [end, error] = std::to_chars(text, text + sizeof text, value);
  return error == std::errc() ? std::string(text, end) : "0";
}

struct TRefused {
  std::string Reason;
};

// The words of one line, read in order; any slip refuses the file with what was wrong.
class TWords {
 public:
  TWords(std::string_view line, std::string_view key) : key_(key) {
    size_t start = 0;
    while (start <= line.size()) {
      const size_t end = std::min(line.find(' ', start), line.size());
      words_.push_back(line.substr(start, end - start));
      start = end + 1;
    }
    if (words_.empty() || words_[0] != key)
      throw TRefused{FailureText(QT_TRANSLATE_NOOP("Failures", "the line \"%1\" is missing"), {std::string(key)})};
  }

  int64_t Int(int64_t lowest, int64_t highest, std::string_view what) {
    const std::string_view word = Next(what);
    int64_t value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || end != word.data() + word.size() || value < lowest || value > highest)
      throw Bad(what);
    return value;
  }
  int32_t Int32(int32_t lowest, int32_t highest, std::string_view what) {
    return static_cast<int32_t>(Int(lowest, highest, what));
  }
  bool Flag(std::string_view what) { return Int(0, 1, what) == 1; }
  // -1 or 1.
  int32_t Direction() {
    const int64_t value = Int(-1, 1, QT_TRANSLATE_NOOP("Failures", "direction"));
    if (value == 0) throw Bad(QT_TRANSLATE_NOOP("Failures", "direction"));
    return static_cast<int32_t>(value);
  }
  float Float(float lowest, float highest, std::string_view what) {
    const std::string_view word = Next(what);
    float value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || end != word.data() + word.size() || !std::isfinite(value) || value < lowest ||
        value > highest)
      throw Bad(what);
    return value;
  }
  uint64_t Hex64Value(std::string_view what) {
    const std::string_view word = Next(what);
    uint64_t value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value, 16);
    if (word.size() != 16 || error != std::errc() || end != word.data() + word.size()) throw Bad(what);
    return value;
  }
  std::string_view Next(std::string_view what) {
    if (next_ >= words_.size())
      throw TRefused{FailureText(QT_TRANSLATE_NOOP("Failures", "the line \"%1\" is cut short (%2)"),
                                 {key_, FailureText(std::string(what).c_str())})};
    return words_[next_++];
  }
  // The words left, as they stood.
  std::string Rest() {
    std::string rest;
    for (; next_ < words_.size(); ++next_) {
      if (!rest.empty()) rest.push_back(' ');
      rest.append(words_[next_]);
    }
    return rest;
  }
  void End() const {
    if (next_ != words_.size())
      throw TRefused{FailureText(QT_TRANSLATE_NOOP("Failures", "the line \"%1\" has more than it should"), {key_})};
  }

 private:
  TRefused Bad(std::string_view what) const {
    return TRefused{FailureText(QT_TRANSLATE_NOOP("Failures", "the line \"%1\" has a wrong %2"),
                                {key_, FailureText(std::string(what).c_str())})};
  }

  std::string key_;
  std::vector<std::string_view> words_;
  size_t next_ = 1;
};

class TLines {
 public:
  explicit TLines(std::string_view text) : text_(text) {}
  TWords Line(std::string_view key) {
    if (pos_ >= text_.size())
      throw TRefused{
          FailureText(QT_TRANSLATE_NOOP("Failures", "the file is cut short before \"%1\""), {std::string(key)})};
    const size_t end = std::min(text_.find('\n', pos_), text_.size());
    const std::string_view line = text_.substr(pos_, end - pos_);
    pos_ = end + 1;
    return TWords(line, key);
  }
  bool AtEnd() const { return pos_ >= text_.size(); }

 private:
  std::string_view text_;
  size_t pos_ = 0;
};

void WriteRound(std::ostringstream& out, const TRoundState& r) {
  out << "play " << static_cast<int>(r.Mode) << ' ' << r.Relaxed << ' ' << r.LevelPassed << ' ' << r.BoxesAllowed
      << ' ' << r.NextShape << '\n';
  out << "figures " << r.RowsCleared << ' ' << r.Chain << ' ' << r.PendingMoney << ' ' << r.ClearingRow << ' '
      << r.NextBoxId << '\n';
  out << "timers";
  for (const TTimerState& timer : {r.Drop, r.Sparkle, r.Coin})
    out << ' ' << timer.Enabled << ' ' << FloatText(timer.Fraction);
  out << "\ncells ";
  for (const uint8_t code : r.Cells) {
    char hex[3];
    std::snprintf(hex, sizeof hex, "%02x", code);
    out << hex;
  }
  out << "\nremoved " << r.Removed.size();
  for (const TGmPoint& p : r.Removed) out << ' ' << p.Row << ' ' << p.Col;
  out << "\nheld " << r.HeldAnchor.Row << ' ' << r.HeldAnchor.Col << ' ' << r.HeldTurns << ' ' << r.HeldGems.size();
  for (const THeldGem& gem : r.HeldGems)
    out << ' ' << gem.Cell.Row << ' ' << gem.Cell.Col << ' ' << static_cast<int>(gem.Code);
  out << "\nboxes " << r.Boxes.size() << '\n';
  for (const TBox& box : r.Boxes)
    out << "box " << box.Id << ' ' << static_cast<int>(box.Kind) << ' ' << FloatText(box.Motion.X) << ' '
        << FloatText(box.Motion.Y) << ' ' << box.Motion.DirX << ' ' << box.Motion.DirY << '\n';
  out << "random " << r.Random << '\n';
}

TTimerState ReadTimer(TWords& words, std::string_view what) {
  TTimerState timer;
  timer.Enabled = words.Flag(what);
  timer.Fraction = words.Float(0, 1, what);
  return timer;
}

void ReadCells(TWords& words, TRoundState& r) {
  const std::string_view hex = words.Next(QT_TRANSLATE_NOOP("Failures", "cell codes"));
  if (hex.size() != 2 * r.Cells.size())
    throw TRefused{FailureText(QT_TRANSLATE_NOOP("Failures", "the line \"cells\" does not hold every cell"))};
  for (size_t i = 0; i < r.Cells.size(); ++i) {
    const auto [end, error] = std::from_chars(hex.data() + 2 * i, hex.data() + 2 * i + 2, r.Cells[i], 16);
    if (error != std::errc() || end != hex.data() + 2 * i + 2)
      throw TRefused{FailureText(QT_TRANSLATE_NOOP("Failures", "the line \"cells\" has a wrong cell code"))};
  }
  words.End();
}

TGmPoint ReadCell(TWords& words) {
  const int32_t row = words.Int32(0, BoardRows - 1, QT_TRANSLATE_NOOP("Failures", "row"));
  return {row, words.Int32(0, BoardCols - 1, QT_TRANSLATE_NOOP("Failures", "column"))};
}

void ReadHeld(TWords& words, TRoundState& r) {
  r.HeldAnchor.Row = words.Int32(-MaxAnchor, MaxAnchor, QT_TRANSLATE_NOOP("Failures", "row"));
  r.HeldAnchor.Col = words.Int32(-MaxAnchor, MaxAnchor, QT_TRANSLATE_NOOP("Failures", "column"));
  r.HeldTurns = words.Int32(0, 5, QT_TRANSLATE_NOOP("Failures", "turn"));
  const int32_t count = words.Int32(1, MaxHeldGems, QT_TRANSLATE_NOOP("Failures", "count"));
  for (int32_t i = 0; i < count; ++i) {
    THeldGem gem;
    gem.Cell.Row = words.Int32(-MaxHeldOffset, MaxHeldOffset, QT_TRANSLATE_NOOP("Failures", "offset"));
    gem.Cell.Col = words.Int32(-MaxHeldOffset, MaxHeldOffset, QT_TRANSLATE_NOOP("Failures", "offset"));
    gem.Code = static_cast<uint8_t>(words.Int32(0, Red, QT_TRANSLATE_NOOP("Failures", "gem")));
    r.HeldGems.push_back(gem);
  }
  words.End();
}

TBox ReadBox(TWords& words, const TRoundState& r, std::set<int32_t>& ids) {
  TBox box{};
  box.Id = words.Int32(0, r.NextBoxId - 1, QT_TRANSLATE_NOOP("Failures", "box number"));
  if (!ids.insert(box.Id).second)
    throw TRefused{FailureText(QT_TRANSLATE_NOOP("Failures", "two boxes have the same number"))};
  box.Kind = static_cast<TBoxKind>(words.Int32(-1, 2, QT_TRANSLATE_NOOP("Failures", "kind")));
  box.Motion.X = words.Float(0, MaxBoxPosition, QT_TRANSLATE_NOOP("Failures", "position"));
  box.Motion.Y = words.Float(0, MaxBoxPosition, QT_TRANSLATE_NOOP("Failures", "position"));
  box.Motion.DirX = words.Direction();
  box.Motion.DirY = words.Direction();
  box.Motion.Speed = BoxSpeed;
  words.End();
  return box;
}

void ReadRound(TLines& lines, TRoundState& r) {
  TWords play = lines.Line("play");
  r.Mode = static_cast<TPlayMode>(
      play.Int32(0, static_cast<int32_t>(TPlayMode::Firing), QT_TRANSLATE_NOOP("Failures", "mode")));
  r.Relaxed = play.Flag(QT_TRANSLATE_NOOP("Failures", "relaxed"));
  r.LevelPassed = play.Flag(QT_TRANSLATE_NOOP("Failures", "passed"));
  r.BoxesAllowed = play.Flag(QT_TRANSLATE_NOOP("Failures", "boxes"));
  r.NextShape = play.Int32(0, DealtShapeCount - 1, QT_TRANSLATE_NOOP("Failures", "shape"));
  play.End();
  TWords figures = lines.Line("figures");
  r.RowsCleared = figures.Int32(0, MaxRows, QT_TRANSLATE_NOOP("Failures", "row count"));
  r.Chain = figures.Int32(0, MaxRows, QT_TRANSLATE_NOOP("Failures", "chain"));
  r.PendingMoney = figures.Int32(0, Int32Max, QT_TRANSLATE_NOOP("Failures", "money"));
  r.ClearingRow = figures.Int32(-1, BoardRows - 1, QT_TRANSLATE_NOOP("Failures", "clearing row"));
  if ((r.ClearingRow >= 0) != (r.Mode == TPlayMode::Clearing))
    throw TRefused{FailureText(QT_TRANSLATE_NOOP("Failures", "the clearing row does not fit the mode"))};
  r.NextBoxId = figures.Int32(0, MaxBoxNumber, QT_TRANSLATE_NOOP("Failures", "box number"));
  figures.End();
  TWords timers = lines.Line("timers");
  r.Drop = ReadTimer(timers, QT_TRANSLATE_NOOP("Failures", "countdown"));
  r.Sparkle = ReadTimer(timers, QT_TRANSLATE_NOOP("Failures", "sparkle timer"));
  r.Coin = ReadTimer(timers, QT_TRANSLATE_NOOP("Failures", "coin timer"));
  timers.End();
  TWords cells = lines.Line("cells");
  ReadCells(cells, r);
  TWords removed = lines.Line("removed");
  const int32_t count = removed.Int32(0, BoardCellCount, QT_TRANSLATE_NOOP("Failures", "count"));
  for (int32_t i = 0; i < count; ++i) r.Removed.push_back(ReadCell(removed));
  removed.End();
  TWords held = lines.Line("held");
  ReadHeld(held, r);
  TWords boxes = lines.Line("boxes");
  const int32_t boxCount = boxes.Int32(0, static_cast<int32_t>(MaxBoxes), QT_TRANSLATE_NOOP("Failures", "count"));
  boxes.End();
  std::set<int32_t> ids;
  for (int32_t i = 0; i < boxCount; ++i) {
    TWords box = lines.Line("box");
    r.Boxes.push_back(ReadBox(box, r, ids));
  }
  TWords random = lines.Line("random");
  r.Random = random.Rest();
  if (!IsRandomState(r.Random))
    throw TRefused{FailureText(QT_TRANSLATE_NOOP("Failures", "the line \"random\" holds no state of the generator"))};
}

void ReadHeader(TLines& lines, TRoundFile& file) {
  TWords level = lines.Line("level");
  file.Level = level.Int32(0, Int32Max, QT_TRANSLATE_NOOP("Failures", "level number"));
  file.LevelCheck = level.Hex64Value(QT_TRANSLATE_NOOP("Failures", "level check"));
  level.End();
  TWords record = lines.Line("record");
  file.LevelMoney = record.Int(0, std::numeric_limits<int64_t>::max(), QT_TRANSLATE_NOOP("Failures", "money"));
  file.PlayedRelaxed = record.Flag(QT_TRANSLATE_NOOP("Failures", "relaxed"));
  record.End();
}

// The text up to its check line, once the check holds.
std::string_view CheckedBody(std::string_view text) {
  if (text.empty() || text.back() != '\n')
    throw TRefused{FailureText(QT_TRANSLATE_NOOP("Failures", "the file is cut short"))};
  const size_t lineStart = text.rfind('\n', text.size() - 2);
  const size_t start = lineStart == std::string_view::npos ? 0 : lineStart + 1;
  const std::string_view body = text.substr(0, start);
  TLines last(text.substr(start));
  TWords check = last.Line("check");
  const uint64_t sum = check.Hex64Value(QT_TRANSLATE_NOOP("Failures", "check sum"));
  check.End();
  if (sum != Fnv1a(body))
    throw TRefused{FailureText(QT_TRANSLATE_NOOP("Failures", "the file is damaged (its check sum does not match)"))};
  return body;
}

void ReadVersion(std::string_view text) {
  const std::string_view firstLine = text.substr(0, text.find('\n'));
  if (firstLine.substr(0, Magic.size() + 1) != std::string(Magic) + " ")
    throw TRefused{FailureText(QT_TRANSLATE_NOOP("Failures", "it is not a round file"))};
  TLines lines(firstLine);
  TWords words = lines.Line(Magic);
  const int64_t version = words.Int(0, std::numeric_limits<int64_t>::max(), QT_TRANSLATE_NOOP("Failures", "version"));
  if (version != Version)
    throw TRefused{FailureText(QT_TRANSLATE_NOOP("Failures", "it was written by another version of the game"))};
  words.End();
}
}  // namespace

uint64_t LevelCheck(const TGmCells& board, const TStageParam& param) {
  std::ostringstream bytes;
  board.SaveToStream(bytes);
  board.MoveMatrix.SaveToStream(bytes);
  param.SaveToStream(bytes);
  return Fnv1a(bytes.str());
}

std::string RoundText(const TRoundFile& file) {
  std::ostringstream out;
  out << Magic << ' ' << Version << '\n';
  out << "level " << file.Level << ' ' << Hex64(file.LevelCheck) << '\n';
  out << "record " << file.LevelMoney << ' ' << file.PlayedRelaxed << '\n';
  WriteRound(out, file.Round);
  const std::string body = out.str();
  return body + "check " + Hex64(Fnv1a(body)) + "\n";
}

std::string ReadRoundText(std::string_view text, TRoundFile& file) {
  try {
    if (text.size() > MaxRoundFileSize)
      throw TRefused{FailureText(QT_TRANSLATE_NOOP("Failures", "the file is too large"))};
    ReadVersion(text);
    TLines lines(CheckedBody(text));
    lines.Line(Magic);
    TRoundFile read;
    ReadHeader(lines, read);
    ReadRound(lines, read.Round);
    if (!lines.AtEnd()) throw TRefused{FailureText(QT_TRANSLATE_NOOP("Failures", "the file has lines after its end"))};
    file = std::move(read);
    return {};
  } catch (const TRefused& refused) {
    return refused.Reason;
  }
}
