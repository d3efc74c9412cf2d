#pragma once
// The game's texts in the player's language, for code that works with std::string: the text is
// looked up in the translation the application installed (English, the source, when none) and
// its %1 to %9 are filled with the values in one pass (a value's own "%2" stays as it is). Mark
// the text for lupdate where it is written:
//   Translated("LevelCheck", QT_TRANSLATE_NOOP("LevelCheck", "Layout row %1 is already complete."), {row})

#include <initializer_list>
#include <string>

#include <QtGlobal>

std::string Translated(const char* context, const char* text, std::initializer_list<std::string> values = {});

// The texts of failures (a file missing, damaged, or that cannot be read or written) share one
// context in the translations:
//   FailureText(QT_TRANSLATE_NOOP("Failures", "the file is missing"))
std::string FailureText(const char* text, std::initializer_list<std::string> values = {});
