// Every caption and label of every window fits its box in whatever font draws it: the game's
// Tahoma where it is installed, and a fallback font forced in its place. What a caption draws is
// found by drawing the control with and without its text; that ink must stay clear of the
// control's edges (two pixels on a button, inside the box on a label).

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include <QAbstractButton>
#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "players/players.h"
#include "support/temp_dir.h"
#include "ui/editor_window.h"
#include "ui/fonts.h"
#include "ui/game_application.h"
#include "ui/image_button.h"
#include "ui/input_window.h"
#include "ui/main_window.h"
#include "ui/more_options_window.h"
#include "ui/options_window.h"
#include "ui/players_window.h"
#include "ui/top10_window.h"

namespace {

// The columns the text of a control inks: left and right, or none (-1, -1).
std::pair<int, int> InkColumns(QWidget* control, const std::function<void(const QString&)>& setText,
                               const QString& text) {
  const QImage with = control->grab().toImage();
  setText(QString());
  const QImage without = control->grab().toImage();
  setText(text);
  int left = -1, right = -1;
  for (int x = 0; x < with.width(); ++x)
    for (int y = 0; y < with.height(); ++y)
      if (with.pixel(x, y) != without.pixel(x, y)) {
        if (left < 0) left = x;
        right = x;
        break;
      }
  return {left, right};
}

struct TCaption {
  QWidget* control;
  QString text;
  std::function<void(const QString&)> setText;
  int margin;  // pixels the ink keeps from each edge
};

std::vector<TCaption> CaptionsOf(QWidget* window) {
  std::vector<TCaption> captions;
  for (QWidget* widget : window->findChildren<QWidget*>()) {
    if (!widget->isVisibleTo(window) || widget->width() <= 0) continue;
    if (auto* button = qobject_cast<TImgBtn*>(widget)) {
      if (!button->Caption.isEmpty())
        captions.push_back({button, button->Caption, [button](const QString& t) { button->SetCaption(t); }, 2});
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
      if (!label->text().isEmpty() && !label->wordWrap())
        captions.push_back({label, label->text(), [label](const QString& t) { label->setText(t); }, 0});
    } else if (auto* control = qobject_cast<QAbstractButton*>(widget)) {
      if (!control->text().isEmpty())
        captions.push_back({control, control->text(), [control](const QString& t) { control->setText(t); },
                            qobject_cast<QPushButton*>(control) ? 2 : 0});
    }
  }
  return captions;
}

class CaptionFitTest : public ::testing::TestWithParam<const char*> {
 protected:
  CaptionFitTest() {
    TGameApplication::SetErrorDisplay([](const std::string&) {});
    const std::string family = GetParam();
    if (family == "Tahoma") {
      RegisterGameFonts();
      if (QFontInfo(TahomaFont(11, true)).family() != QStringLiteral("Tahoma")) skip_ = true;
    }
    SetWindowFontFamily(QString::fromStdString(family));
  }
  ~CaptionFitTest() override {
    SetWindowFontFamily(QString());
    // The suites after this one measure with the fonts they had before it.
    QFontDatabase::removeAllApplicationFonts();
    TGameApplication::SetErrorDisplay(nullptr);
    Players.FreePlayers();
  }
  TTempProgramDir dir;
  bool skip_ = false;
};

TEST_P(CaptionFitTest, EveryCaptionOfEveryWindowStaysInsideItsBox) {
  if (skip_) GTEST_SKIP() << "Wine's Tahoma is not installed";
  TfrmMain window;
  auto player = std::make_unique<TPlayer>();
  player->SetName(std::string(30, 'W'));
  Players.Add(std::move(player));
  Players.SetCurrentIndex(0);
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
    FitCaptions(shown);
    for (const TCaption& caption : CaptionsOf(shown)) {
      const auto [left, right] = InkColumns(caption.control, caption.setText, caption.text);
      const int width = caption.control->width();
      const std::string name = caption.text.toStdString() + " (" + caption.control->metaObject()->className() + ")";
      ASSERT_GE(left, 0) << name << " drew nothing";
      EXPECT_GE(left, caption.margin) << name << " reaches the left edge";
      EXPECT_LE(right, width - 1 - caption.margin) << name << " reaches the right edge of " << width;
      ++checked;
    }
    shown->hide();
  }
  EXPECT_GT(checked, 60) << "the buttons, labels and choices of seven windows";
}

// A fallback font wider than Tahoma: a font family no machine has, so the system's default
// is used in its place.
INSTANTIATE_TEST_SUITE_P(Fonts, CaptionFitTest, ::testing::Values("No Such Font Family", "Tahoma"),
                         [](const auto& info) {
                           return std::string(info.param) == "Tahoma" ? "Tahoma" : "Fallback";
                         });

// Bold labels must look bold in the font that draws them: at the sizes the windows use, a bold
// word inks clearly more pixels than the regular one.
TEST(BoldLabels, BoldInksMoreThanRegularAtTheWindowsSizes) {
  RegisterGameFonts();
  struct TForget {
    ~TForget() { QFontDatabase::removeAllApplicationFonts(); }
  } forget;
  for (const int pixels : {11, 12}) {
    int ink[2] = {0, 0};
    for (const bool bold : {false, true}) {
      QImage image(120, 24, QImage::Format_ARGB32);
      image.fill(Qt::white);
      QPainter painter(&image);
      painter.setFont(TahomaFont(pixels, bold));
      painter.setPen(Qt::black);
      painter.drawText(4, 18, QStringLiteral("High Scores"));
      painter.end();
      for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) ink[bold] += 255 - qGray(image.pixel(x, y));
    }
    const QFontInfo regular(TahomaFont(pixels, false)), bold(TahomaFont(pixels, true));
    EXPECT_GT(ink[1], ink[0] * 5 / 4) << pixels << " px: bold " << ink[1] << " (" << bold.family().toStdString() << " "
                                      << bold.styleName().toStdString() << "), regular " << ink[0] << " ("
                                      << regular.family().toStdString() << " " << regular.styleName().toStdString()
                                      << ")";
  }
}

}  // namespace
