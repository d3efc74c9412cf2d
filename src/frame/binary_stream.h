#pragma once
// Little-endian integers on standard streams, for the game's raw record files. Reads report
// whether the bytes were there, so a short file can leave a field as it was.

#include <cstdint>
#include <istream>
#include <ostream>

// Bytes between the read position and the end of the stream; 0 when that cannot be told.
inline int64_t BytesLeft(std::istream& in) {
  if (!in.good()) return 0;
  const std::streampos here = in.tellg();
  if (here == std::streampos(-1)) return 0;
  in.seekg(0, std::ios::end);
  const std::streampos end = in.tellg();
  in.seekg(here);
  if (end == std::streampos(-1)) return 0;
  return static_cast<int64_t>(end - here);
}

// Reads one little-endian int32; false (value untouched) when fewer than 4 bytes remain.
inline bool ReadInt32(std::istream& in, int32_t& value) {
  unsigned char bytes[4];
  if (!in.read(reinterpret_cast<char*>(bytes), 4)) return false;
  value = static_cast<int32_t>(uint32_t(bytes[0]) | (uint32_t(bytes[1]) << 8) |
                               (uint32_t(bytes[2]) << 16) | (uint32_t(bytes[3]) << 24));
  return true;
}

inline void WriteInt32(std::ostream& out, int32_t value) {
  const auto bits = static_cast<uint32_t>(value);
  const char bytes[4] = {static_cast<char>(bits & 0xFF), static_cast<char>((bits >> 8) & 0xFF),
                         static_cast<char>((bits >> 16) & 0xFF), static_cast<char>((bits >> 24) & 0xFF)};
  out.write(bytes, 4);
}
