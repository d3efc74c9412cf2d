#include "ui/status_panel.h"

#include <QCoreApplication>
#include <QPixmap>

#include "ui/fonts.h"

namespace {
const char* const RankTitles[] = {QT_TRANSLATE_NOOP("TStatusPanel", "Beginner"), QT_TRANSLATE_NOOP("TStatusPanel", "Practician"),
                                  QT_TRANSLATE_NOOP("TStatusPanel", "Excellent Brillor"),
                                  QT_TRANSLATE_NOOP("TStatusPanel", "Expert"), QT_TRANSLATE_NOOP("TStatusPanel", "King Of Brillor")};

// A transparent label that lets the mouse through to the window.
QLabel* StatusLabel(QWidget* parent, const QRect& place, int pixelHeight) {
  auto* label = new QLabel(parent);
  label->setGeometry(place);
  label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  label->setFont(TahomaFont(pixelHeight, true));
  SetTextColor(label, QColor(255, 255, 0));
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  return label;
}

QLabel* PictureLabel(QWidget* parent, const QRect& place, const QImage& picture) {
  auto* label = new QLabel(parent);
  label->setGeometry(place);
  label->setPixmap(QPixmap::fromImage(picture));
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  return label;
}
}  // namespace

void TStatusPanel::CreateStatusPanel(QWidget* window) {
  for (int i = 0; i < ThumbnailCount; ++i)
    thumbnails_[i] = QImage(QStringLiteral(":/pictures/thumb%1.png").arg(i));
  lPlayerName = StatusLabel(window, QRect(53, 118, 115, 13), 11);
  lLevel = StatusLabel(window, QRect(102, 155, 76, 18), 12);
  lMoney = StatusLabel(window, QRect(98, 192, 80, 18), 12);
  lUnitPrice = StatusLabel(window, QRect(127, 230, 51, 18), 12);
  lEff = StatusLabel(window, QRect(126, 267, 51, 18), 12);
  lTitle = StatusLabel(window, QRect(53, 332, 115, 13), 11);
  const QImage medal(QStringLiteral(":/pictures/medal.png"));
  const int medalTops[] = {152, 188, 225, 262};
  for (int i = 0; i < 4; ++i) {
    Medals[i] = PictureLabel(window, QRect(21, medalTops[i], 24, 31), medal);
    Medals[i]->hide();
  }
  imgNextHexSet = PictureLabel(window, QRect(320, 531, 16, 12), QImage());
  BindRosterEvents();
}

void TStatusPanel::BindRosterEvents() {
  Players.OnMoneyChange = [this](int32_t value) {
    lMoney->setText(QStringLiteral("$%1").arg(value));
    UpdateMedal(1);
  };
  Players.OnLevelChange = [this](int32_t value) {
    lLevel->setText(QString::number(value));
    UpdateMedal(0);
  };
  Players.OnUnitPriceChange = [this](int32_t value) {
    lUnitPrice->setText(QStringLiteral("$%1").arg(value));
    UpdateMedal(2);
  };
  Players.OnEfficiencyChange = [this](int32_t value) {
    lEff->setText(QString::number(value));
    UpdateMedal(3);
  };
  Players.OnNameChange = [this](const std::string& name) {
    lPlayerName->setText(QString::fromStdString(name));
    // A long name in a wider font shrinks to its box.
    FitCaptions(lPlayerName->window());
  };
}

void TStatusPanel::UpdateMedal(int32_t Category) {
  const bool shown = HighScores && Players.Current() && HighScores->Best(Category) == Players.Current();
  Medals[Category]->setVisible(shown);
  int visible = 0;
  for (const QLabel* medal : Medals) visible += !medal->isHidden();
  lTitle->setText(Players.Current() ? QCoreApplication::translate("TStatusPanel", RankTitles[visible]) : QString());
}

void TStatusPanel::ShowNextHexSet(int32_t Index) {
  if (Index < 0 || Index > ThumbnailCount - 1) Index = ThumbnailCount - 1;
  imgNextHexSet->setPixmap(QPixmap::fromImage(thumbnails_[Index]));
}
