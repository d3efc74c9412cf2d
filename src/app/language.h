#pragma once
// The language the game speaks: the player's choice on the command line, else the first usable
// one the environment names, as gettext reads it (LANGUAGE, a colon list, then LC_ALL,
// LC_MESSAGES and LANG). English is the game's own language and needs no translation.

#include <functional>
#include <string>

inline constexpr const char* SourceLanguage = "en";

struct TLanguageFacts {
  std::string commandLine;  // --lang CODE; empty when not given
  std::string language, lcAll, lcMessages, lang;
  // Whether a translation into a code ("de", "pt_BR") ships with the game.
  std::function<bool(const std::string& code)> shipped;
};

// The code of the translation to load ("de", "pt_BR"), or "en" for the game's own English. A
// --lang the game has no translation for gives English; a name in the environment the game has
// no translation for is passed over, and when none is usable it is English.
// "pt_BR.UTF-8@euro" tries "pt_BR", then "pt"; "C" and "POSIX" name no language.
std::string ChooseLanguage(const TLanguageFacts& facts);

// The facts of this process: the environment and the translations in folder.
TLanguageFacts EnvironmentLanguage(const std::string& commandLine, const std::string& folder);

// The translation file of a language in folder.
std::string TranslationFile(const std::string& folder, const std::string& code);

// Loads the game's translation into code, and Qt's own for its standard dialogs, into the
// running application. A file that cannot be read, or could not be used safely, is not
// installed: the game speaks English, and the line returned names the file (empty when all is
// well). It is in English, as everything then is.
std::string InstallTranslation(const std::string& folder, const std::string& code);
