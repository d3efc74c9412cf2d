#include "frame/errors.h"

std::string FormatMessage(const char* format, const std::string& argument) {
  std::string result;
  for (const char* p = format; *p; ++p) {
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
