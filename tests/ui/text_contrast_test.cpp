// Every window's text against what is really drawn behind it, with the generated pictures: each
// piece of text is rendered with and without its text, and the text's colour is measured against
// the pixels its glyphs cover (relative luminance contrast, at least 4.5 : 1).

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <iostream>
#include <tuple>
#include <vector>

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include "frame/paths.h"
#include "players/players.h"
#include "support/pictures.h"
#include "support/temp_dir.h"
#include "ui/editor_window.h"
#include "ui/game_application.h"
#include "ui/input_window.h"
#include "ui/main_window.h"
#include "ui/message_box.h"
#include "ui/more_options_window.h"
#include "ui/options_window.h"
#include "ui/players_window.h"
#include "ui/top10_window.h"

#ifdef BRILLOR_WITH_CONTENT
#include "pictures.h"
#endif

namespace {

constexpr double MinimumContrast = 4.5;

// One piece of text: where it is drawn in its window, and how to take it away and bring it back.
struct TText {
  QString name;
  QRect place;
  std::function<void(bool)> show;
};

template <typename TWidget, typename TGet, typename TSet>
TText TextOf(QWidget* window, TWidget* widget, const QRect& place, TGet get, TSet set) {
  const QString text = (widget->*get)();
  return {widget->objectName().isEmpty() ? text.left(24) : widget->objectName(),
          QRect(widget->mapTo(window, place.topLeft()), place.size()),
          [widget, set, text](bool shown) { (widget->*set)(shown ? text : QString()); }};
}

// Every piece of text the window itself shows (its own dialogs are windows of their own).
std::vector<TText> TextsOf(QWidget* window) {
  std::vector<TText> texts;
  for (QWidget* widget : window->findChildren<QWidget*>()) {
    if (widget->window() != window || !widget->isVisibleTo(window)) continue;
    if (auto* label = qobject_cast<QLabel*>(widget); label && !label->text().isEmpty())
      texts.push_back(TextOf(window, label, label->rect(), &QLabel::text, &QLabel::setText));
    else if (auto* button = qobject_cast<QAbstractButton*>(widget); button && !button->text().isEmpty())
      texts.push_back(TextOf(window, button, button->rect(), &QAbstractButton::text, &QAbstractButton::setText));
    else if (auto* face = qobject_cast<TImgBtn*>(widget); face && !face->Caption.isEmpty())
      texts.push_back({face->Caption, QRect(face->mapTo(window, QPoint()), face->size()),
                       [face, caption = face->Caption](bool shown) { face->SetCaption(shown ? caption : QString()); }});
    else if (auto* edit = qobject_cast<QLineEdit*>(widget); edit && !edit->text().isEmpty())
      texts.push_back(TextOf(window, edit, edit->rect(), &QLineEdit::text, &QLineEdit::setText));
    else if (auto* list = qobject_cast<QListWidget*>(widget))
      for (int row = 0; row < list->count(); ++row) {
        QListWidgetItem* item = list->item(row);
        const QRect rect = list->visualItemRect(item);
        texts.push_back({item->text(), QRect(list->viewport()->mapTo(window, rect.topLeft()), rect.size()),
                         [item, text = item->text()](bool shown) { item->setText(shown ? text : QString()); }});
      }
  }
  return texts;
}

QImage Grab(QWidget* window) { return window->grab().toImage().convertToFormat(QImage::Format_RGB32); }

// The contrast that 95 % of the pixels the text changed reach between the text's colour (the
// changed pixel furthest from the background) and the pixel that was there before; 0 when the
// text changed nothing.
double MeasureText(QWidget* window, const TText& text, const QImage& with) {
  text.show(false);
  const QImage without = Grab(window);
  text.show(true);
  std::vector<double> behind;
  std::vector<double> drawn;
  const QRect place = text.place & with.rect();
  for (int y = place.top(); y <= place.bottom(); ++y)
    for (int x = place.left(); x <= place.right(); ++x)
      if (with.pixel(x, y) != without.pixel(x, y)) {
        behind.push_back(RelativeLuminance(without.pixel(x, y)));
        drawn.push_back(RelativeLuminance(with.pixel(x, y)));
      }
  if (behind.empty()) return 0;
  double mean = 0;
  for (const double l : behind) mean += l / static_cast<double>(behind.size());
  const double ink = *std::max_element(drawn.begin(), drawn.end(), [mean](double a, double b) {
    return std::abs(a - mean) < std::abs(b - mean);
  });
  std::vector<double> contrasts;
  for (const double l : behind) contrasts.push_back(ContrastRatio(ink, l));
  std::sort(contrasts.begin(), contrasts.end());
  return contrasts[contrasts.size() / 20];
}

// A main window over the generated pictures, with a player whose figures fill every label.
class TextContrastTest : public ::testing::Test {
 protected:
  TextContrastTest() {
#ifndef BRILLOR_WITH_CONTENT
    GTEST_SKIP() << "built without the content generator";
#else
    for (const TNamedPicture& picture : WindowPictures()) SavePicture(picture.image, dir.File(picture.file));
#endif
    TGameApplication::SetErrorDisplay([](const std::string&) {});
    for (const char* name : {"Ann", "Bob <the> \"Great\""}) {
      auto player = std::make_unique<TPlayer>();
      player->SetName(name);
      player->SetLevel(12);
      Players.Add(std::move(player));
    }
    Players.SetCurrentIndex(0);
    Players.SaveToFile(GamePath(RosterFileName));
    Players.FreePlayers();
  }
  ~TextContrastTest() override {
    TGameApplication::SetErrorDisplay(nullptr);
    Players.FreePlayers();
  }

  // Measures every text of the window (whose picture is kept, see SaveShot).
  void Check(const char* windowName, QWidget* window) {
    window->ensurePolished();
    const QImage with = Grab(window);
    SaveShot(with, windowName);
    const std::vector<TText> texts = TextsOf(window);
    ASSERT_FALSE(texts.empty()) << windowName;
    double lowest = 1e9;
    QString lowestName;
    for (const TText& text : texts) {
      const double contrast = MeasureText(window, text, with);
      if (contrast < lowest) std::tie(lowest, lowestName) = std::tie(contrast, text.name);
      EXPECT_GE(contrast, MinimumContrast) << windowName << ": \"" << text.name.toStdString() << "\"";
    }
    std::cout << "contrast " << windowName << ": lowest " << lowest << " : 1 (\"" << lowestName.toStdString()
              << "\") over " << texts.size() << " texts\n";
  }

  TTempProgramDir dir;
};

TEST_F(TextContrastTest, EveryWindowsTextStandsOutFromWhatIsDrawnBehindIt) {
  TfrmMain window;
  window.lPlayerName->setText(QStringLiteral("Ann"));
  window.lTitle->setText(QStringLiteral("Beginner"));
  for (QLabel* label : {window.lLevel, window.lMoney, window.lUnitPrice, window.lEff})
    label->setText(QStringLiteral("$1234"));
  Check("main_window", &window);

  window.MessageBox()->SetText(QStringLiteral("Are you sure to delete player \"Bob\"?\nYour selected player "
                                              "\"Bob\" is running now, you must select another player after deleted."));
  Check("message_box", window.MessageBox());
  window.Input()->SetPrompt(QStringLiteral("Please input a player name:"));
  window.Input()->eInput->setText(QStringLiteral("Gwendolyn"));
  Check("input", window.Input());
  TfrmPlayers* players = window.PlayersWindow();
  players->SetRecordShown(true);
  players->FillList();
  players->lbPlayers->setCurrentRow(1);
  Check("players", players);
  window.Top10Window()->Refresh();
  window.Top10Window()->FillTables();
  Check("high_scores", window.Top10Window());
  Check("options", window.OptionsWindow());
  Check("more_options", window.OptionsWindow()->MorePage);
  Check("editor", window.EditorWindow());
}

// The message box's wrapped lines: between the rows that hold ink of one line (descenders
// included) and the next line's (capitals and accents included), a few rows of the tile only.
TEST_F(TextContrastTest, TheMessageBoxLeavesAGapBetweenWrappedLines) {
  TfrmMain window;
  TfrmMessageBox* box = window.MessageBox();
  box->SetText(QStringLiteral("Jiggly pygmy quoting gypsy jockeys: Are you sure to quit current game and change "
                              "to \"Quigley Jpg\"?"));
  EXPECT_TRUE(box->GetText().startsWith(QStringLiteral("Jiggly pygmy"))) << "the text is kept as given";
  const QImage with = Grab(box);
  const QString text = box->GetText();
  box->SetText(QString());
  const QImage without = Grab(box);
  box->SetText(text);
  const QRect place = box->lMsg->geometry();
  std::vector<bool> inked;
  for (int y = place.top(); y <= place.bottom(); ++y) {
    bool any = false;
    for (int x = place.left(); x <= place.right() && !any; ++x) any = with.pixel(x, y) != without.pixel(x, y);
    inked.push_back(any);
  }
  std::vector<int> gaps;  // blank rows between one inked band and the next
  int blank = -1;         // -1 until the first band
  for (const bool row : inked) {
    if (row && blank > 0) gaps.push_back(blank);
    if (row) blank = 0;
    else if (blank >= 0) ++blank;
  }
  ASSERT_GE(gaps.size(), 2u) << "the message wraps onto three lines or more";
  const int narrowest = *std::min_element(gaps.begin(), gaps.end());
  std::cout << "message box: narrowest gap between lines " << narrowest << " pixels\n";
  EXPECT_GE(narrowest, 3);
}

}  // namespace
