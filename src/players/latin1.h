#pragma once
// Player names are UTF-8 in the program and single ISO-8859-1 bytes in the roster file.

#include <string>
#include <string_view>

// One byte per character; a character beyond ISO-8859-1 (or a broken UTF-8 byte) becomes '?'.
std::string Latin1FromUtf8(std::string_view text);
std::string Utf8FromLatin1(std::string_view bytes);
