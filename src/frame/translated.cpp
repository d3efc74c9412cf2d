#include "frame/translated.h"

#include <vector>

#include <QCoreApplication>

std::string Translated(const char* context, const char* text, std::initializer_list<std::string> values) {
  const QString told = QCoreApplication::translate(context, text);
  const std::vector<std::string> filling(values);
  // One pass, so a value that itself holds "%2" (a file name, a line of a damaged file) stays as
  // it is.
  std::string result;
  const std::string pattern = told.toStdString();
  for (size_t i = 0; i < pattern.size(); ++i) {
    const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
    const size_t index = static_cast<size_t>(next - '1');
    if (pattern[i] == '%' && next >= '1' && next <= '9' && index < filling.size()) {
      result += filling[index];
      ++i;
    } else {
      result += pattern[i];
    }
  }
  return result;
}

std::string FailureText(const char* text, std::initializer_list<std::string> values) {
  return Translated("Failures", text, values);
}
