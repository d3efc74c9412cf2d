// Help opens the page in the player's language where the game ships it, the English page
// otherwise.

#include <gtest/gtest.h>

#include "support/temp_dir.h"
#include "ui/help_page.h"

TEST(HelpPage, ThePlayersLanguageWhereItsPageIsShippedElseEnglish) {
  TTempProgramDir dir;
  dir.WriteBytes("Brillor_v1.0.html", "<html>");
  dir.WriteBytes("Brillor_v1.0.de.html", "<html>");
  dir.WriteBytes("Brillor_v1.0.pt_BR.html", "<html>");
  const struct {
    std::string language, page;
  } cases[] = {
      {"", "Brillor_v1.0.html"},          {"en", "Brillor_v1.0.html"},
      {"de", "Brillor_v1.0.de.html"},     {"pt_BR", "Brillor_v1.0.pt_BR.html"},
      {"ru", "Brillor_v1.0.html"},        {"pt", "Brillor_v1.0.html"},
  };
  for (const auto& c : cases) {
    SetHelpLanguage(c.language);
    EXPECT_EQ(HelpPagePath(), dir.File(c.page)) << c.language;
  }
  SetHelpLanguage({});
}
