// The help page, the resource list for the executable and the review sheets.

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include <QImage>
#include <gtest/gtest.h>

#include "contact_sheet.h"
#include "content_test_support.h"
#include "generator.h"
#include "help_page.h"
#include "levels.h"
#include "ui/help_page.h"

TEST(HelpPage, CoversEveryTopicAPlayerLooksFor) {
  const std::string page = HelpPageHtml();
  for (const char* topic : {"How to play", "Controls", "Right button", "<kbd>Z</kbd>", "<kbd>Return</kbd>", "<kbd>P</kbd>", "chain", "countdown", "Clear gems",
                            "Breakground", "Laser", "level map", "High Scores", "Options", "level editor"})
    EXPECT_NE(page.find(topic), std::string::npos) << topic;
  EXPECT_EQ(page.rfind("<!DOCTYPE html>", 0), 0u);
  EXPECT_NE(page.find("</html>"), std::string::npos);
}

namespace {
// What follows each marker between from and to, up to its closing quote: ids, links, pictures.
std::vector<std::string> Quoted(const std::string& page, const std::string& marker, size_t from = 0,
                                size_t to = std::string::npos) {
  std::vector<std::string> values;
  for (size_t at = page.find(marker, from); at < to; at = page.find(marker, at + 1)) {
    const size_t start = at + marker.size();
    values.push_back(page.substr(start, page.find('"', start) - start));
  }
  return values;
}

const THelpText& TextIn(std::string_view code) {
  const auto& texts = HelpTexts();
  const auto text = std::find_if(texts.begin(), texts.end(), [&](const THelpText& t) { return t.code == code; });
  if (text == texts.end()) throw std::runtime_error("no help text " + std::string(code));
  return *text;
}
}  // namespace

// The navigation at the top leads to every section, in the page's order, and to nothing else.
TEST(HelpPage, TheNavigationLinksEverySectionInOrder) {
  const std::string page = HelpPageHtml();
  const size_t navStart = page.find("<nav>"), navEnd = page.find("</nav>");
  ASSERT_LT(navStart, navEnd);
  const std::vector<std::string> links = Quoted(page, "<a href=\"#", navStart, navEnd);
  EXPECT_EQ(links, Quoted(page, "<h2 id=\"", navEnd));
  EXPECT_NE(std::find(links.begin(), links.end(), "about"), links.end()) << "the About button's section";
}

// Each language the game speaks has its page under the name the game opens, with the English
// page's sections, navigation and pictures, and none of its sentences left over.
TEST(HelpPage, EveryLanguageHasAWholePageWhereTheGameLooksForIt) {
  TScratchFolder game;
  WriteHelpPages(TContentFolder(game.Path()));
  const std::string english = ReadFileBytes(game.Path() / HelpPageName({}));
  const std::vector<std::string> sections = Quoted(english, "<h2 id=\""), pictures = Quoted(english, "<img src=\"");
  ASSERT_EQ(sections.size(), 10u);
  ASSERT_EQ(pictures.size(), 8u);
  const char* const englishOnly[] = {
      "<title>Brillor I - Help</title>", "a puzzle of falling gems", "Drop the set where all four cells are free",
      "The five plain gems, and below them", "moves the held set to the row above or below",
      "A complete row lights up and clears", "Boxes cannot be caught while rows are clearing",
      "Later levels start with more gems", "Every choice on it is off", "to show its small tool window",
      "keeps your settings and players"};
  const struct {
    const char *code, *lang;
  } languages[] = {{"de", "de"}, {"fr", "fr"}, {"es", "es"},   {"pt_BR", "pt-BR"},
                   {"it", "it"}, {"pl", "pl"}, {"ru", "ru"}};
  for (const auto& language : languages) {
    SCOPED_TRACE(language.code);
    const std::filesystem::path file = game.Path() / HelpPageName(language.code);
    ASSERT_TRUE(std::filesystem::is_regular_file(file)) << file;
    const std::string page = ReadFileBytes(file);
    EXPECT_EQ(page.rfind("<!DOCTYPE html>\n<html lang=\"" + std::string(language.lang) + "\">", 0), 0u);
    EXPECT_EQ(Quoted(page, "<h2 id=\""), sections);
    EXPECT_EQ(Quoted(page, "<a href=\"#"), sections);
    const std::vector<std::string> shown = Quoted(page, "<img src=\"");
    EXPECT_TRUE(shown == pictures) << shown.size() << " pictures, or not the English page's";
    for (const char* sentence : englishOnly) EXPECT_EQ(page.find(sentence), std::string::npos) << sentence;
    EXPECT_TRUE(page.ends_with("</body>\n</html>\n"));
  }
}

// A translation that lost its title, a section the game opens by name or a picture's place
// stops the generator, naming what is wrong, rather than shipping half a page.
TEST(HelpPage, ATranslationThatLostAPartIsRefused) {
  const std::string german(TextIn("de").text);
  const struct {
    const char *cut, *put, *named;
  } faults[] = {{"<title>", "<titel>", "<title>"},
                {"id=\"about\"", "id=\"ueber\"", "id=\"about\""},
                {"{ring}", "", "{ring}"},
                {"{box2}", "{box2}{box3}", "{box3}"}};
  for (const auto& fault : faults) {
    std::string broken = german;
    const size_t at = broken.find(fault.cut);
    ASSERT_NE(at, std::string::npos) << fault.cut;
    broken.replace(at, std::strlen(fault.cut), fault.put);
    try {
      HelpPageHtml(THelpText{"de", broken});
      ADD_FAILURE() << "accepted without " << fault.cut;
    } catch (const std::runtime_error& error) {
      EXPECT_NE(std::string(error.what()).find("\"de\""), std::string::npos) << error.what();
      EXPECT_NE(std::string(error.what()).find(fault.named), std::string::npos) << error.what();
    }
  }
}

TEST(HelpPage, CarriesItsPicturesInsideItself) {
  // Gems, flow, a cleared row, the ring twice and the three boxes: each a PNG any browser reads
  // straight from the page, so the page needs no folder beside it.
  const std::string page = HelpPageHtml();
  const std::string prefix = "<img src=\"data:image/png;base64,";
  int pictures = 0;
  for (size_t at = page.find(prefix); at != std::string::npos; at = page.find(prefix, at + 1)) {
    const size_t start = at + prefix.size(), end = page.find('"', start);
    ASSERT_NE(end, std::string::npos);
    const QByteArray png = QByteArray::fromBase64(QByteArray::fromStdString(page.substr(start, end - start)));
    const QImage image = QImage::fromData(png, "PNG");
    EXPECT_FALSE(image.isNull()) << "picture " << pictures;
    EXPECT_GE(image.width(), 40) << "picture " << pictures << " is too small to see";
    ++pictures;
  }
  EXPECT_EQ(pictures, 8);
  EXPECT_EQ(page.find('{', page.find("</style>")), std::string::npos) << "a picture's place was left unfilled";
}

TEST(Resources, ListNamesEveryWrittenPictureUnderOnePrefix) {
  TScratchFolder folder;
  WriteResources(TContentFolder(folder.Path()));
  const auto files = ReadTree(folder.Path());
  ASSERT_TRUE(files.count("pictures.qrc"));
  const std::string& list = files.at("pictures.qrc");
  EXPECT_NE(list.find("prefix=\"/pictures\""), std::string::npos);
  int listed = 0;
  for (const auto& [name, bytes] : files) {
    if (name == "pictures.qrc") continue;
    EXPECT_NE(list.find("<file>" + name + "</file>"), std::string::npos) << name;
    EXPECT_FALSE(QImage::fromData(reinterpret_cast<const uchar*>(bytes.data()), int(bytes.size()), "PNG").isNull()) << name;
    ++listed;
  }
  EXPECT_EQ(listed, 18);  // background, medal, ten thumbnails, two rotate icons, four sizes of the game icon
}

TEST(ContactSheets, ShowEveryPictureAndLevelOneAsTheGameDrawsIt) {
  TScratchFolder game, sheets;
  WritePictures(TContentFolder(game.Path()));
  WriteLevels(TContentFolder(game.Path()));
  // The game folder given relative to the working folder, as on a command line.
  const auto previous = std::filesystem::current_path();
  std::filesystem::current_path(game.Path().parent_path());
  WriteContactSheets(TContentFolder(game.Path().filename()), TContentFolder(sheets.Path()));
  std::filesystem::current_path(previous);
  const QImage all(QString::fromStdString((sheets.Path() / "pictures.png").string()));
  const QImage field(QString::fromStdString((sheets.Path() / "level1_field.png").string()));
  EXPECT_GT(all.height(), 1000);
  ASSERT_EQ(field.size(), QSize(400, 500));
  // A starting gem of level 1 covers its cell: the cell's centre is no longer the background.
  const QImage background(QString::fromStdString((game.Path() / "dat/x00").string()));
  const auto layout = BuildLayout(LayoutCount - 1);
  int covered = 0, gems = 0;
  for (int row = 0; row < BoardRows; ++row)
    for (int col = 0; col < BoardCols; ++col) {
      if (layout->GetCell(row, col) == CellEmpty) continue;
      const int x = int(4 + (2 * col + row % 2) * 0.8660254 * 18) + 18, y = row * 27 + 18;
      ++gems;
      covered += field.pixel(x, y) != background.pixel(x, y);
    }
  EXPECT_GT(gems, 0);
  EXPECT_EQ(covered, gems);
  // The first row's cells feed the second: their arrows are drawn, so an empty cell of row 0
  // differs from the bare background.
  int arrows = 0;
  for (int col = 0; col < BoardCols; ++col) {
    const int x = int(4 + 2 * col * 0.8660254 * 18) + 9, y = 9;
    for (int dy = 0; dy < 24; ++dy)
      for (int dx = 0; dx < 24; ++dx) arrows += field.pixel(x + dx, y + dy) != background.pixel(x + dx, y + dy);
  }
  EXPECT_GT(arrows, 12 * 20);
}

TEST(ContactSheets, NamesNeverRunIntoOtherNamesOrPictures) {
  // Names wider than their pictures (as the magnified gems' are), a picture wider than its
  // name, and one wider than the sheet.
  const std::vector<TSheetItem> items{{{108, 108}, 130}, {{108, 108}, 140}, {{72, 72}, 150}, {{400, 500}, 60},
                                      {{72, 72}, 90},    {{1800, 30}, 50},  {{108, 108}, 130}};
  const TSheetLayout layout = LayOutSheet(items, 700, 14);
  ASSERT_EQ(layout.labels.size(), items.size());
  for (size_t i = 0; i < items.size(); ++i) {
    EXPECT_EQ(layout.labels[i].top(), layout.pictures[i].bottom() + 2) << "label " << i << " sits under its picture";
    EXPECT_LE(layout.labels[i].bottom(), layout.size.height()) << i;
    for (size_t j = 0; j < items.size(); ++j) {
      if (j != i) {
        EXPECT_FALSE(layout.labels[i].intersects(layout.labels[j])) << "labels " << i << " and " << j;
      }
      EXPECT_FALSE(layout.labels[i].intersects(layout.pictures[j])) << "label " << i << ", picture " << j;
    }
  }
}

TEST(ContactSheets, SoundFiguresGiveLengthPeakAndRms) {
  TSamples sine(SynthRate / 2);
  for (size_t i = 0; i < sine.size(); ++i) sine[i] = float(0.5 * std::sin(2 * 3.14159265358979 * 441 * double(i) / SynthRate));
  EXPECT_EQ(SoundFigures(sine), "0.50 s, peak -6.0 dBFS, RMS -9.0 dBFS");
  EXPECT_EQ(SoundFigures(TSamples(SynthRate, 0.0f)), "1.00 s, peak -120.0 dBFS, RMS -120.0 dBFS");
}
