#include "wave_files.h"

#include "frame/errors.h"

namespace {
std::string Bytes(uint32_t value, int count) {
  std::string bytes;
  for (int i = 0; i < count; ++i) bytes += static_cast<char>(value >> (8 * i));
  return bytes;
}
}  // namespace

std::string Chunk(const std::string& id, const std::string& data) {
  return id + Bytes(static_cast<uint32_t>(data.size()), 4) + data + (data.size() % 2 ? std::string(1, '\0') : "");
}

std::string Riff(const std::string& form, const std::string& chunks) { return Chunk("RIFF", form + chunks); }

std::string Fmt(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits, uint16_t subFormat) {
  const uint16_t align = static_cast<uint16_t>(channels * bits / 8);
  std::string record = Bytes(tag, 2) + Bytes(channels, 2) + Bytes(rate, 4) + Bytes(rate * align, 4) +
                       Bytes(align, 2) + Bytes(bits, 2);
  if (subFormat) record += Bytes(22, 2) + Bytes(bits, 2) + Bytes(3, 4) + Bytes(subFormat, 2) + std::string(14, 'g');
  return Chunk("fmt ", record);
}

std::string Samples16(const std::vector<int16_t>& samples) {
  std::string bytes;
  for (int16_t s : samples) bytes += Bytes(static_cast<uint16_t>(s), 2);
  return bytes;
}

std::string Wave16(const std::vector<int16_t>& samples) {
  return Riff("WAVE", Fmt(1, 2, 44100, 16) + Chunk("data", Samples16(samples)));
}

std::string ErrorText(const std::function<void()>& action) {
  try {
    action();
  } catch (const EGameError& e) {
    return e.what();
  }
  return "no error";
}
