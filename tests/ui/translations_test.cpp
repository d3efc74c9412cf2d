// The game in every language it ships: each translation is complete, keeps the placeholders of
// the English text, fits every label and button of every window in the font the window lays it
// out with, and has every character in that font.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QRawFont>
#include <QRegularExpression>
#include <QTranslator>
#include <QXmlStreamReader>

#include "audio/dxs.h"
#include "play/round_file.h"
#include "players/players.h"
#include "support/temp_dir.h"
#include "ui/editor_window.h"
#include "ui/fonts.h"
#include "ui/game_application.h"
#include "ui/image_button.h"
#include "ui/input_window.h"
#include "ui/main_window.h"
#include "ui/message_box.h"
#include "ui/more_options_window.h"
#include "ui/options_window.h"
#include "ui/players_window.h"
#include "ui/top10_window.h"

namespace {

struct TEntry {
  QString context, source, translation, type;
};

std::vector<TEntry> ReadTs(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  std::vector<TEntry> entries;
  QXmlStreamReader xml(&file);
  QString context;
  while (xml.readNext() != QXmlStreamReader::EndDocument && !xml.hasError()) {
    if (!xml.isStartElement()) continue;
    if (xml.name() == QLatin1String("name")) context = xml.readElementText();
    else if (xml.name() == QLatin1String("message")) entries.push_back({context, {}, {}, {}});
    else if (xml.name() == QLatin1String("source")) entries.back().source = xml.readElementText();
    else if (xml.name() == QLatin1String("translation")) {
      entries.back().type = xml.attributes().value(QLatin1String("type")).toString();
      entries.back().translation = xml.readElementText();
    }
  }
  EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
  return entries;
}

// The shipped languages: every .ts in the source tree.
QStringList Languages() {
  QStringList codes;
  for (const QString& name : QDir(QStringLiteral(BRILLOR_TS_DIR)).entryList({QStringLiteral("brillor_*.ts")}))
    codes << name.mid(8, name.size() - 11);
  return codes;
}

QStringList Placeholders(const QString& text) {
  QStringList found;
  for (const auto& match : QRegularExpression(QStringLiteral("%(\\d+|s)")).globalMatch(text)) found << match.captured();
  found.sort();
  return found;
}

std::string Shown(const TEntry& entry) {
  return (entry.context + QStringLiteral(": \"") + entry.source.left(60) + QLatin1Char('"')).toStdString();
}

TEST(Translations, EveryEntryIsTranslatedWithTheSourcesPlaceholders) {
  const QStringList languages = Languages();
  for (const char* needed : {"de", "ru"}) EXPECT_TRUE(languages.contains(QLatin1String(needed))) << needed;
  for (const QString& code : languages) {
    SCOPED_TRACE(code.toStdString());
    const std::vector<TEntry> entries = ReadTs(QStringLiteral(BRILLOR_TS_DIR "/brillor_%1.ts").arg(code));
    EXPECT_GT(entries.size(), 100u);
    for (const TEntry& entry : entries) {
      EXPECT_EQ(entry.type, QString()) << Shown(entry) << " is not finished";
      EXPECT_FALSE(entry.translation.isEmpty()) << Shown(entry) << " has no translation";
      EXPECT_EQ(Placeholders(entry.translation), Placeholders(entry.source)) << Shown(entry);
    }
    EXPECT_TRUE(QFile::exists(QStringLiteral(BRILLOR_QM_DIR "/brillor_%1.qm").arg(code))) << "not built";
  }
}

// One language installed in the application for the life of a test.
class TLanguage {
 public:
  explicit TLanguage(const QString& code) {
    loaded = translator_.load(QStringLiteral(BRILLOR_QM_DIR "/brillor_%1.qm").arg(code));
    QCoreApplication::installTranslator(&translator_);
  }
  ~TLanguage() { QCoreApplication::removeTranslator(&translator_); }
  bool loaded = false;

 private:
  QTranslator translator_;
};

// Failures built from parts (a line of a file and the value found wrong in it, an error code's
// text) read whole in the player's language.
TEST(Translations, FailuresBuiltFromPartsAreTranslatedWhole) {
  TLanguage german(QStringLiteral("de"));
  ASSERT_TRUE(german.loaded);
  TRoundFile file;
  const struct {
    std::string got;
    std::string expected;
  } cases[] = {
      {ReadRoundText("", file), "es ist keine Datei eines Levels in Arbeit"},
      {ReadRoundText("brillor-round x\n", file), "die Zeile „brillor-round“ hat einen falschen Wert (Version)"},
      {ReadRoundText("brillor-round 1\n", file), "die Zeile „check“ fehlt"},
      {DSErrorDescription(-2147024809), "Der Funktion wurde ein ungültiger Parameter übergeben."},
      {DSErrorDescription(12345), "Unbekannter Fehler"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.got, c.expected);
}

class TranslatedWindows : public ::testing::Test {
 protected:
  TranslatedWindows() {
    TGameApplication::SetErrorDisplay([](const std::string&) {});
    RegisterGameFonts();
  }
  ~TranslatedWindows() override {
    QFontDatabase::removeAllApplicationFonts();
    TGameApplication::SetErrorDisplay(nullptr);
    Players.FreePlayers();
  }
  // Whether the windows' own font draws here (else a test of its fit or glyphs says nothing).
  static bool TahomaInstalled() { return QFontInfo(TahomaFont(11, false)).family() == QStringLiteral("Tahoma"); }
  TTempProgramDir dir;
};

struct TCaption {
  QString text;
  int width, room;
  std::string where;
};

std::vector<TCaption> CaptionsOf(QWidget* window) {
  std::vector<TCaption> captions;
  for (QWidget* widget : window->findChildren<QWidget*>()) {
    if (!widget->isVisibleTo(window)) continue;
    const std::string where = window->metaObject()->className() + std::string("/") + widget->metaObject()->className();
    if (auto* button = qobject_cast<TImgBtn*>(widget)) {
      if (!button->Caption.isEmpty())
        captions.push_back({button->Caption, TextWidth(TImgBtn::CaptionFont(), button->Caption), button->CaptionRoom(),
                            where});
    } else if (const auto box = CaptionBox(widget)) {
      captions.push_back({box->text, TextWidth(box->font, box->text), box->room, where});
    }
  }
  return captions;
}

TEST_F(TranslatedWindows, EveryCaptionFitsItsBoxInEveryLanguage) {
  if (!TahomaInstalled()) GTEST_SKIP() << "Wine's Tahoma is not installed";
  auto player = std::make_unique<TPlayer>();
  player->SetName("Wilhelmina");
  Players.Add(std::move(player));
  Players.SetCurrentIndex(0);
  for (const QString& code : Languages()) {
    SCOPED_TRACE(code.toStdString());
    TLanguage language(code);
    ASSERT_TRUE(language.loaded);
    TfrmMain window;
    window.PlayersWindow()->SetRecordShown(true);
    window.PlayersWindow()->FillList();
    // The longer of the window-size notes: the chosen size does not fit the screen.
    window.OptionsWindow()->MorePage->SetScaleAtStart(200, 150);
    window.Input()->SetPrompt(QCoreApplication::translate("TfrmPlayers", "Please input a player name:"));
    QWidget* windows[] = {&window,
                          window.OptionsWindow(),
                          window.OptionsWindow()->MorePage,
                          window.PlayersWindow(),
                          window.Input(),
                          window.Top10Window(),
                          window.EditorWindow()};
    int checked = 0;
    for (QWidget* shown : windows) {
      shown->show();
      for (const TCaption& caption : CaptionsOf(shown)) {
        EXPECT_LE(caption.width, caption.room)
            << caption.where << " \"" << caption.text.toStdString() << "\" is " << caption.width << " px wide in a box of "
            << caption.room;
        ++checked;
      }
      shown->hide();
    }
    EXPECT_GT(checked, 60) << "the buttons, labels and choices of seven windows";
    // The English buttons of the main window are gone: the window speaks the language.
    for (const TCaption& caption : CaptionsOf(&window))
      for (const char* english : {"High Scores", "Setting", "Quit", "About Brillor I"})
        EXPECT_NE(caption.text, QLatin1String(english)) << "untranslated in the main window";
  }
}

// The message box keeps its size: a message whose English fits its lines must fit them in every
// language (placeholders filled with a player's name).
TEST_F(TranslatedWindows, AMessageThatFitsTheMessageBoxInEnglishFitsInEveryLanguage) {
  if (!TahomaInstalled()) GTEST_SKIP() << "Wine's Tahoma is not installed";
  TfrmMessageBox box(nullptr);
  const int room = box.lMsg->height(), width = box.lMsg->width();
  auto heightOf = [&](QString text) {
    text.replace(QRegularExpression(QStringLiteral("%\\d")), QStringLiteral("Wilhelmina"));
    box.SetText(text);
    return box.lMsg->heightForWidth(width);
  };
  int fitting = 0;
  for (const QString& code : Languages())
    for (const TEntry& entry : ReadTs(QStringLiteral(BRILLOR_TS_DIR "/brillor_%1.ts").arg(code))) {
      if (entry.source.count(QLatin1Char(' ')) < 3 || heightOf(entry.source) > room) continue;
      ++fitting;
      EXPECT_LE(heightOf(entry.translation), room) << code.toStdString() << " " << Shown(entry);
    }
  EXPECT_GT(fitting, 100) << "the window's questions and notices in every language";
}

TEST_F(TranslatedWindows, EveryCharacterOfEveryTranslationHasAGlyphInTheWindowFont) {
  if (!TahomaInstalled()) GTEST_SKIP() << "Wine's Tahoma is not installed";
  for (const bool bold : {false, true}) {
    const QRawFont font = QRawFont::fromFont(TahomaFont(11, bold));
    ASSERT_TRUE(font.isValid());
    for (const QString& code : Languages()) {
      QString missing;
      for (const TEntry& entry : ReadTs(QStringLiteral(BRILLOR_TS_DIR "/brillor_%1.ts").arg(code)))
        for (const QChar character : entry.translation)
          if (character.isPrint() && !character.isSpace() && !font.supportsCharacter(character) &&
              !missing.contains(character))
            missing += character;
      EXPECT_TRUE(missing.isEmpty()) << code.toStdString() << (bold ? " bold" : "") << ": no glyph for \""
                                     << missing.toStdString() << "\" in " << font.familyName().toStdString();
    }
  }
}

}  // namespace
