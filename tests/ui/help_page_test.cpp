// Help opens the page in the player's language where the game ships it, the English page
// otherwise: in the desktop's browser where it has one, else in the game's own window.

#include <gtest/gtest.h>

#include <filesystem>

#include <QTextBlock>
#include <QTextBrowser>

#include "players/players.h"
#include "support/temp_dir.h"
#include "ui/desktop_browser.h"
#include "ui/game_application.h"
#include "ui/help_page.h"
#include "ui/help_window.h"
#include "ui/main_window.h"
#include "ui/message_box.h"

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

// A desktop that shows no web page: Help and About open the game's own window.
class HelpWindowTest : public ::testing::Test {
 protected:
  HelpWindowTest() {
    TGameApplication::SetErrorDisplay([](const std::string&) {});
    TGameDialog::SetModalRunner([this](TGameDialog& dialog) {
      notices.push_back(dynamic_cast<TfrmMessageBox&>(dialog).GetText());
      return int(mrOK);
    });
    TfrmMain::SetUrlOpener([](const QUrl&) { return false; });
  }
  ~HelpWindowTest() override {
    SetHelpLanguage({});
    TfrmMain::SetUrlOpener(nullptr);
    TGameDialog::SetModalRunner(nullptr);
    TGameApplication::SetErrorDisplay(nullptr);
    Players.FreePlayers();
  }
  // A page long enough to scroll, its About section in the middle.
  static std::string Page(const std::string& title, const std::string& first, const std::string& about) {
    std::string more;
    for (int i = 0; i < 60; ++i) more += "<p>More to read.</p>";
    return "<title>" + title + "</title><h1>" + first + "</h1>" + more + "<h2 id=\"about\">" + about + "</h2>" + more;
  }
  TTempProgramDir dir;
  std::vector<QString> notices;
};

TEST_F(HelpWindowTest, ShowsThePageInThePlayersLanguageAtTheSectionAskedAndTellsWhenThereIsNone) {
  dir.WriteBytes("Brillor_v1.0.html", Page("Brillor I - Help", "How to play", "About Brillor I"));
  dir.WriteBytes("Brillor_v1.0.de.html", Page("Brillor I - Hilfe", "So wird gespielt", "Über Brillor I"));
  TfrmMain window;
  const struct {
    const char* language;
    void (TfrmMain::*click)();
    std::string title, topLine;
  } cases[] = {
      {"", &TfrmMain::HelpClick, "Brillor I - Help", "How to play"},
      {"", &TfrmMain::AboutClick, "Brillor I - Help", "About Brillor I"},
      {"", &TfrmMain::HelpClick, "Brillor I - Help", "How to play"},
      {"de", &TfrmMain::AboutClick, "Brillor I - Hilfe", "Über Brillor I"},
  };
  const TfrmHelp* first = nullptr;
  for (const auto& c : cases) {
    SetHelpLanguage(c.language);
    (window.*c.click)();
    TfrmHelp* help = window.HelpWindow();
    ASSERT_TRUE(help);
    if (!first) first = help;
    EXPECT_EQ(help, first) << "asked again, the same window comes forward";
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->windowTitle().toStdString(), c.title);
    EXPECT_EQ(help->Browser()->cursorForPosition(QPoint(40, 8)).block().text().toStdString(), c.topLine) << c.language;
  }
  EXPECT_TRUE(notices.empty());
  std::filesystem::remove(dir.File("Brillor_v1.0.html"));
  SetHelpLanguage({});
  window.HelpClick();
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_TRUE(notices[0].startsWith("Open the help page failed.")) << notices[0].toStdString();
}
