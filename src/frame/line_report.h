#pragma once
// The lines of a file that could not be used, gathered for a message: the first few in full,
// then only how many more there were, so a file full of junk still makes a short message.

#include <cstdint>
#include <string>

class TLineReport {
 public:
  static constexpr int64_t ShownLines = 5;

  // One line of the report, without its line end.
  void Add(const std::string& line);
  bool Empty() const { return count_ == 0; }
  int64_t Count() const { return count_; }
  // The shown lines, each ending in '\n', then "... and 48,211 more lines\n" when some were left
  // out; empty when nothing was added.
  std::string Text() const;

 private:
  std::string shown_;
  int64_t count_ = 0;
};

// 48211 as "48,211".
std::string WithThousands(uint64_t value);
