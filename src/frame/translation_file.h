#pragma once
// Whether a compiled translation (a Qt .qm file) can be used safely. Qt checks only the outline
// of such a file as it loads it and trusts the rest when it looks a text up: a damaged file
// (bytes flipped, cut short) made the game read far outside it and crash on its first
// translated text. This walks every part a lookup reads, each offset and length against the
// file's end, before the file is installed.

#include <cstddef>
#include <string_view>

// Larger than any translation the game ships by far.
inline constexpr size_t MaxTranslationFileSize = 8 * 1024 * 1024;

// True when every lookup in bytes stays inside them. A file that names other files to load as
// well is refused too: the game's translations stand alone.
bool TranslationFileIsWhole(std::string_view bytes);
