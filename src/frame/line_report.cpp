#include "frame/line_report.h"

void TLineReport::Add(const std::string& line) {
  if (count_++ < ShownLines) shown_ += line + '\n';
}

std::string TLineReport::Text() const {
  const int64_t more = count_ - ShownLines;
  if (more <= 0) return shown_;
  return shown_ + "... and " + WithThousands(static_cast<uint64_t>(more)) + (more == 1 ? " more line\n" : " more lines\n");
}

std::string WithThousands(uint64_t value) {
  std::string digits = std::to_string(value);
  for (auto at = static_cast<int64_t>(digits.size()) - 3; at > 0; at -= 3) digits.insert(static_cast<size_t>(at), ",");
  return digits;
}
