// Help opens the page in the player's language where the game ships it, the English page
// otherwise, in the desktop's browser where it has one (the game's own window is tried in
// main_window_test.cpp).

#include <gtest/gtest.h>

#include "support/temp_dir.h"
#include "ui/desktop_browser.h"
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

TEST(HelpPage, TheDesktopIsTrustedWithTheHelpOnlyWhereItNamesAProgramForWebPages) {
  TTempProgramDir dir;
  const struct {
    std::vector<std::string> lists;
    bool named;
  } cases[] = {
      {{"[Default Applications]\ntext/html=firefox-esr.desktop\n"}, true},
      {{"[Added Associations]\ntext/plain=vim.desktop;\ntext/html=browser.desktop;\n"}, true},
      {{"[MIME Cache]\ntext/html=firefox-esr.desktop;epiphany.desktop;\n"}, true},
      {{"[Removed Associations]\ntext/html=firefox-esr.desktop;\n"}, false},
      {{"[Default Applications]\ntext/html=;\napplication/xhtml+xml=browser.desktop\n"}, false},
      {{"[Removed Associations]\ntext/html=a.desktop\n", "[MIME Cache]\ntext/html=b.desktop;\n"}, true},
      {{}, false},
  };
  int written = 0;
  for (const auto& c : cases) {
    QStringList files{QString::fromStdString(dir.File("missing.list"))};
    for (const std::string& list : c.lists) {
      const std::string name = "mimeapps" + std::to_string(++written) + ".list";
      dir.WriteBytes(name, list);
      files << QString::fromStdString(dir.File(name));
    }
    EXPECT_EQ(HtmlProgramNamedIn(files), c.named) << (c.lists.empty() ? "" : c.lists.back());
  }
}
