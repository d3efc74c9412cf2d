#include "frame/more_options.h"

#include <algorithm>
#include <sstream>
#include <string_view>

#include "frame/line_report.h"
#include "frame/safe_file.h"
#include "frame/translated.h"

namespace {
std::string Trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) return {};
  const size_t last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

bool ReadSwitch(const std::string& value, bool& out) {
  if (value != "0" && value != "1") return false;
  out = value == "1";
  return true;
}

bool ReadScale(const std::string& value, int32_t& out) {
  for (int32_t scale : TMoreOptions::Scales)
    if (value == std::to_string(scale)) {
      out = scale;
      return true;
    }
  return false;
}
}  // namespace

std::string TMoreOptions::Text() const {
  std::ostringstream out;
  out << "symbols=" << int(Symbols) << '\n'
      << "relaxed=" << int(RelaxedPace) << '\n'
      << "preview=" << int(DropPreview) << '\n'
      << "records=" << int(ShowRecords) << '\n'
      << "scale=" << WindowScale << '\n';
  return out.str();
}

std::string TMoreOptions::Parse(const std::string& text) {
  TLineReport problems;
  // A byte-order mark an editor put first is not part of the first line.
  constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
  std::istringstream lines(text.starts_with(ByteOrderMark) ? text.substr(ByteOrderMark.size()) : text);
  std::string line;
  int number = 0;
  while (std::getline(lines, line)) {
    ++number;
    line = Trimmed(line);
    if (line.empty()) continue;
    const size_t equals = line.find('=');
    const std::string name = Trimmed(line.substr(0, equals));
    const std::string value = equals == std::string::npos ? std::string() : Trimmed(line.substr(equals + 1));
    bool read = false;
    if (name == "symbols") read = ReadSwitch(value, Symbols);
    else if (name == "relaxed") read = ReadSwitch(value, RelaxedPace);
    else if (name == "preview") read = ReadSwitch(value, DropPreview);
    else if (name == "records") read = ReadSwitch(value, ShowRecords);
    else if (name == "scale") read = ReadScale(value, WindowScale);
    if (!read)
      problems.Add(FailureText(QT_TRANSLATE_NOOP("Failures", "line %1 ignored: %2"),
                               {std::to_string(number), line.substr(0, 60)}));
  }
  return problems.Text();
}

std::string TMoreOptions::Load(const std::string& path) {
  const TPlayerFileRead file = ReadPlayerFile(path);
  if (file.Outcome == TPlayerFileRead::Missing) return {};
  if (file.Outcome != TPlayerFileRead::Read)
    return FailureText(QT_TRANSLATE_NOOP("Failures", "not read: %1"), {file.Reason}) + '\n';
  return Parse(file.Bytes);
}

void TMoreOptions::Save(const std::string& path) const { WriteFileSafely(path, Text()); }
