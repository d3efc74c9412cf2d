#include "frame/translation_file.h"

#include <array>
#include <cstdint>
#include <map>
#include <optional>

namespace {
constexpr std::array<uint8_t, 16> Magic = {0x3c, 0xb8, 0x64, 0x18, 0xca, 0xef, 0x9c, 0x95,
                                           0xcd, 0x21, 0x1c, 0xbf, 0x60, 0xa1, 0xbd, 0xdd};
// The file's parts, as Qt tags them.
enum TPart : uint8_t { Contexts = 0x2f, Hashes = 0x42, Messages = 0x69, NumerusRules = 0x88, Dependencies = 0x96 };
// The fields of a message.
enum TField : uint8_t { End = 1, Translation = 3, Obsolete1 = 5, SourceText = 6, Context = 7, Comment = 8 };

// Big-endian reads from a part; nothing when they would go past its end.
class TReader {
 public:
  explicit TReader(std::string_view bytes) : bytes_(bytes) {}
  size_t Size() const { return bytes_.size(); }
  std::optional<uint32_t> Read(size_t at, size_t width) const {
    if (at > bytes_.size() || bytes_.size() - at < width) return std::nullopt;
    uint32_t value = 0;
    for (size_t i = 0; i < width; ++i) value = value << 8 | static_cast<uint8_t>(bytes_[at + i]);
    return value;
  }
  // Whether count bytes from at lie inside.
  bool Holds(size_t at, uint64_t count) const { return at <= bytes_.size() && bytes_.size() - at >= count; }

 private:
  std::string_view bytes_;
};

// The parts as Qt's loader finds them: tagged blocks one after the other, up to a zero tag or
// length; the last of a tag counts. Nothing when a block runs past the end.
std::optional<std::map<uint8_t, std::string_view>> Parts(std::string_view bytes) {
  std::map<uint8_t, std::string_view> parts;
  const TReader file(bytes);
  size_t at = Magic.size();
  while (at + 5 < bytes.size()) {
    const uint8_t tag = static_cast<uint8_t>(bytes[at]);
    const uint32_t length = *file.Read(at + 1, 4);
    at += 5;
    if (tag == 0 || length == 0) break;
    if (!file.Holds(at, length)) return std::nullopt;
    parts[tag] = bytes.substr(at, length);
    at += length;
  }
  return parts;
}

// A message from at: its fields up to its end mark (or a field a lookup stops at) lie inside.
bool MessageIsWhole(const TReader& messages, size_t at) {
  for (;;) {
    if (at >= messages.Size()) return true;  // read as no message
    const auto field = messages.Read(at++, 1);
    switch (*field) {
      case End: return true;
      case Obsolete1:
        if (!messages.Holds(at, 4)) return false;
        at += 4;
        break;
      case Translation:
      case SourceText:
      case Context:
      case Comment: {
        const auto length = messages.Read(at, 4);
        if (!length) return false;
        // An odd translation (a null one included) stops the lookup before it is skipped.
        if (*field == Translation && (*length & 1)) return true;
        // A comment's first byte is read even when it has none.
        const uint64_t read = *field == Comment && *length == 0 ? 1 : *length;
        if (!messages.Holds(at + 4, read)) return false;
        at += 4 + *length;
        break;
      }
      default: return true;  // a lookup gives up here
    }
  }
}

// Every hash entry points into the messages, and every message it points to is whole.
bool HashesAreWhole(std::string_view hashes, std::string_view messages) {
  if (hashes.size() % 8 != 0) return false;
  const TReader table(hashes), text(messages);
  for (size_t entry = 0; entry < hashes.size(); entry += 8) {
    const uint32_t offset = *table.Read(entry + 4, 4);
    if (offset >= messages.size() || !MessageIsWhole(text, offset)) return false;
  }
  return true;
}

// The context table: a size, that many offsets into the names after it, each name list (a
// length byte and the name, up to a zero length) inside.
bool ContextsAreWhole(std::string_view contexts) {
  const TReader table(contexts);
  const auto size = table.Read(0, 2);
  if (!size || *size == 0 || !table.Holds(2, 2ull * *size)) return false;
  const size_t names = 2 + 2 * size_t{*size};
  for (size_t slot = 0; slot < *size; ++slot) {
    const uint32_t offset = *table.Read(2 + 2 * slot, 2);
    if (offset == 0) continue;
    for (size_t at = names + 2 * size_t{offset};;) {
      const auto length = table.Read(at++, 1);
      if (!length) return false;
      if (*length == 0) break;
      if (!table.Holds(at, *length)) return false;
      at += *length;
    }
  }
  return true;
}
}  // namespace

bool TranslationFileIsWhole(std::string_view bytes) {
  if (bytes.size() < Magic.size() || bytes.size() > MaxTranslationFileSize) return false;
  for (size_t i = 0; i < Magic.size(); ++i)
    if (static_cast<uint8_t>(bytes[i]) != Magic[i]) return false;
  const auto parts = Parts(bytes);
  if (!parts || parts->count(Dependencies) || !parts->count(Hashes) || !parts->count(Messages)) return false;
  if (parts->count(Contexts) && !ContextsAreWhole(parts->at(Contexts))) return false;
  return HashesAreWhole(parts->at(Hashes), parts->at(Messages));
}
