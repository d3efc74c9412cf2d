#include "players/latin1.h"

#include <cstdint>

namespace {
bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Length of the UTF-8 sequence a lead byte starts; 0 for a byte that cannot start one.
size_t SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if ((lead & 0xE0) == 0xC0) return 2;
  if ((lead & 0xF0) == 0xE0) return 3;
  if ((lead & 0xF8) == 0xF0) return 4;
  return 0;
}
}  // namespace

std::string Latin1FromUtf8(std::string_view text) {
  std::string bytes;
  size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const size_t length = SequenceLength(lead);
    bool whole = length > 0 && i + length <= text.size();
    for (size_t k = 1; whole && k < length; ++k) whole = IsContinuation(static_cast<unsigned char>(text[i + k]));
    if (!whole) {
      bytes += '?';
      ++i;
      continue;
    }
    uint32_t codePoint = length == 1 ? lead : lead & (0x7F >> length);
    for (size_t k = 1; k < length; ++k) codePoint = (codePoint << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
    // Two-byte forms below 0x80 are overlong spellings, not characters.
    const bool latin1 = length == 1 || (length == 2 && codePoint >= 0x80 && codePoint <= 0xFF);
    bytes += latin1 ? static_cast<char>(codePoint) : '?';
    i += length;
  }
  return bytes;
}

std::string Utf8FromLatin1(std::string_view bytes) {
  std::string text;
  for (char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      text += c;
    } else {
      text += static_cast<char>(0xC0 | (byte >> 6));
      text += static_cast<char>(0x80 | (byte & 0x3F));
    }
  }
  return text;
}
