// The language the game speaks, from the command line and the environment.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include <QCoreApplication>
#include <QFile>
#include <QTranslator>
#include <QXmlStreamReader>

#include "app/language.h"
#include "support/temp_dir.h"

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

// Damaged copies of a shipped translation (bytes flipped at steps through the file, the file
// cut short): each is either refused, with one line naming it and the game's English kept, or
// installed because no lookup reads the damage, and then every text of the game translates
// without reading outside the file (the sanitizer build proves that part). Flipping every 97th
// byte from the 97th once crashed the game on its first translated text.
TEST(Language, ADamagedTranslationIsRefusedOrReadsSafelyAndEnglishStays) {
  QFile shipped(QStringLiteral(BRILLOR_QM_DIR "/brillor_de.qm"));
  ASSERT_TRUE(shipped.open(QIODevice::ReadOnly)) << "not built";
  const QByteArray good = shipped.readAll();
  std::vector<std::pair<std::string, QByteArray>> copies{{"the shipped file", good}};
  for (const int step : {97, 61, 31, 13, 5, 2})
    for (const int first : {step, 16, 20}) {
      QByteArray flipped = good;
      for (qsizetype at = first; at < flipped.size(); at += step) flipped[at] = static_cast<char>(~flipped[at]);
      copies.emplace_back("every " + std::to_string(step) + "th byte from " + std::to_string(first), flipped);
    }
  for (const qsizetype size : {qsizetype{0}, qsizetype{15}, qsizetype{21}, good.size() / 2, good.size() - 1})
    copies.emplace_back("cut to " + std::to_string(size) + " bytes", good.left(size));

  TTempProgramDir dir;
  const std::string folder = dir.File("translations/");
  const std::string path = TranslationFile(folder, "de");
  QFile source(QStringLiteral(BRILLOR_TS_DIR "/brillor_de.ts"));
  ASSERT_TRUE(source.open(QIODevice::ReadOnly));
  std::vector<std::pair<QByteArray, QByteArray>> texts;
  for (QXmlStreamReader xml(&source); !xml.atEnd();) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    if (xml.name() == QLatin1String("name")) texts.emplace_back(xml.readElementText().toUtf8(), QByteArray());
    if (xml.name() == QLatin1String("source")) texts.emplace_back(texts.back().first, xml.readElementText().toUtf8());
  }
  int refused = 0;
  for (const auto& [what, bytes] : copies) {
    SCOPED_TRACE(what);
    dir.WriteBytes("translations/brillor_de.qm", bytes.toStdString());
    const std::string problem = InstallTranslation(folder, "de");
    if (problem.empty()) {
      for (const auto& [context, text] : texts) QCoreApplication::translate(context.constData(), text.constData());
    } else {
      ++refused;
      EXPECT_NE(problem.find(path), std::string::npos) << problem;
      EXPECT_EQ(QCoreApplication::translate("TfrmMain", "Player"), QStringLiteral("Player")) << "English stays";
    }
    if (what == "every 97th byte from 97") {
      EXPECT_FALSE(problem.empty());
    } else if (what == "the shipped file") {
      EXPECT_EQ(QCoreApplication::translate("TfrmMain", "Player"), QStringLiteral("Spieler"));
    }
    qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly));
  }
  EXPECT_GE(refused, static_cast<int>(copies.size()) / 2) << "most damage is found";
}
