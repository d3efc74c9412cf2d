#include "frame/line_report.h"

#include "frame/translated.h"

void TLineReport::Add(const std::string& line) {
  if (count_++ < ShownLines) shown_ += line + '\n';
}

std::string TLineReport::Text() const {
  const int64_t more = count_ - ShownLines;
  if (more <= 0) return shown_;
  const std::string count = WithThousands(static_cast<uint64_t>(more));
  return shown_ +
         (more == 1 ? FailureText(QT_TRANSLATE_NOOP("Failures", "... and %1 more line"), {count})
                    : FailureText(QT_TRANSLATE_NOOP("Failures", "... and %1 more lines"), {count})) +
         '\n';
}

std::string WithThousands(uint64_t value) {
  std::string digits = std::to_string(value);
  for (auto at = static_cast<int64_t>(digits.size()) - 3; at > 0; at -= 3) digits.insert(static_cast<size_t>(at), ",");
  return digits;
}
