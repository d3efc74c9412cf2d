#include "frame/errors.h"

#include "frame/translated.h"

// The format is told in the player's language: callers mark it where it is written,
//   FormatMessage(QT_TRANSLATE_NOOP("Failures", "Open Error [%s]"), path)
std::string FormatMessage(const char* format, const std::string& argument) {
  const std::string told = Translated("Failures", format);
  std::string result;
  for (const char* p = told.c_str(); *p; ++p) {
    if (p[0] == '%' && p[1] == 's') {
      result += argument;
      ++p;
    } else {
      result += *p;
    }
  }
  return result;
}

void AppendLine(std::string& lines, const std::string& line) {
  if (line.empty()) return;
  if (!lines.empty()) lines += '\n';
  lines += line;
}
