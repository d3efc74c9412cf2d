// The language the game speaks, from the command line and the environment.

#include <gtest/gtest.h>

#include <set>

#include "app/language.h"

TEST(Language, TheFirstUsableNameWinsAndEnglishIsTheFallback) {
  const std::set<std::string> shipped{"de", "fr", "pt_BR", "ru"};
  const struct {
    std::string commandLine, language, lcAll, lcMessages, lang, chosen;
  } cases[] = {
      {"", "", "", "", "", "en"},
      {"", "", "", "", "de_DE.UTF-8", "de"},
      {"", "", "", "", "C", "en"},
      {"", "", "", "", "POSIX", "en"},
      {"", "", "", "", "C.UTF-8", "en"},
      {"", "", "", "ru_RU.UTF-8", "de_DE.UTF-8", "ru"},
      {"", "", "fr_FR", "ru_RU", "de_DE", "fr"},
      {"", "de", "fr_FR", "ru_RU", "de_DE", "de"},
      {"", "sv:ru:de", "fr_FR", "", "", "ru"},
      {"", "sv:nb", "fr_FR", "", "", "fr"},
      {"", ":", "", "", "ru_UA.KOI8-U", "ru"},
      {"", "en_GB:de", "", "", "", "en"},
      {"", "", "", "", "en_US.UTF-8", "en"},
      {"", "", "", "", "pt_BR.UTF-8", "pt_BR"},
      {"", "", "", "", "pt_PT.UTF-8", "en"},
      {"", "", "", "", "de_AT.UTF-8@euro", "de"},
      {"", "", "", "", "de@euro", "de"},
      {"", "", "", "", "fr_CA", "fr"},
      {"", "", "", "", "sr_RS@latin", "en"},
      {"", "", "", "", "German", "en"},
      {"ru", "de", "fr", "", "", "ru"},
      {"pt_BR", "", "", "", "de_DE", "pt_BR"},
      {"en", "de", "", "", "", "en"},
      {"xx", "de", "", "", "", "en"},
      {"xx", "", "", "", "", "en"},
  };
  for (const auto& c : cases) {
    TLanguageFacts facts{c.commandLine, c.language, c.lcAll, c.lcMessages, c.lang,
                         [&](const std::string& code) { return shipped.count(code) > 0; }};
    EXPECT_EQ(ChooseLanguage(facts), c.chosen) << "--lang " << c.commandLine << " LANGUAGE=" << c.language
                                                << " LC_ALL=" << c.lcAll << " LC_MESSAGES=" << c.lcMessages
                                                << " LANG=" << c.lang;
  }
}
