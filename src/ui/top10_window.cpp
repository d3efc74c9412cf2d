#include "ui/top10_window.h"

#include <QPainter>

#include "display/picture.h"
#include "frame/asset_names.h"
#include "ui/fonts.h"

namespace {
const char* const HeadingTexts[CategoryCount] = {QT_TRANSLATE_NOOP("TfrmTop10", "Level"), QT_TRANSLATE_NOOP("TfrmTop10", "Money"),
                                                  QT_TRANSLATE_NOOP("TfrmTop10", "Unit Price"),
                                                  QT_TRANSLATE_NOOP("TfrmTop10", "Efficiency")};
constexpr int TableLefts[CategoryCount] = {20, 212, 20, 212};
constexpr int UpperRowTops[TableRows] = {48, 66, 85, 104, 122, 141, 160, 178, 197, 216};
constexpr int LowerRowTops[TableRows] = {272, 290, 309, 328, 346, 365, 384, 402, 421, 440};
constexpr int NameWidth = 105, ValueLeftOffset = 116, ValueWidth = 56, RowHeight = 13;

QLabel* TableLabel(QWidget* parent, const QRect& place, Qt::Alignment alignment) {
  auto* label = new QLabel(parent);
  label->setGeometry(place);
  label->setAlignment(alignment | Qt::AlignVCenter);
  label->setFont(TahomaFont(11, true));
  return label;
}
}  // namespace

TfrmTop10::TfrmTop10(QWidget* owner) : TGameDialog(owner, 405, 505, nullptr) {
  setFont(TahomaFont(11, false));
  imgBkg_ = LoadPicture(Asset::HighScoreBackground);
  for (int32_t category = 0; category < CategoryCount; ++category) CreateTable(category);
  AddButton(tr("OK"), 160, 460, [this] { Close(mrOK); });
  OnEnter = [this] { Close(mrOK); };
}

void TfrmTop10::CreateTable(int32_t Category) {
  const int left = TableLefts[Category];
  const bool lower = Category >= 2;
  QFont headingFont = TahomaFont(20, true);
  headingFont.setUnderline(true);
  auto* heading = new QLabel(tr(HeadingTexts[Category]), this);
  heading->setGeometry(left + 4, lower ? 240 : 16, 161, 24);
  heading->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  heading->setFont(headingFont);
  SetTextColor(heading, QColor::fromRgb(Maroon));
  Headings[Category] = heading;
  for (int32_t row = 0; row < TableRows; ++row) {
    const int top = lower ? LowerRowTops[row] : UpperRowTops[row];
    NameLabels[Category][row] = TableLabel(this, QRect(left, top, NameWidth, RowHeight), Qt::AlignLeft);
    ValueLabels[Category][row] =
        TableLabel(this, QRect(left + ValueLeftOffset, top, ValueWidth, RowHeight), Qt::AlignRight);
    const QChar letter = QLatin1Char(CategoryLetters[Category]);
    NameLabels[Category][row]->setObjectName(QStringLiteral("l%1%2").arg(letter).arg(row));
    ValueLabels[Category][row]->setObjectName(QStringLiteral("l%1V%2").arg(letter).arg(row));
  }
}

void TfrmTop10::Prepare() {
  Music.Start();
  FillTables();
}

void TfrmTop10::FillTables() {
  for (int32_t category = 0; category < CategoryCount; ++category) {
    const std::vector<const TPlayer*> table = HighScores.Table(category);
    for (int32_t row = 0; row < TableRows; ++row) {
      const TPlayer* player = row < static_cast<int32_t>(table.size()) ? table[row] : nullptr;
      QLabel* name = NameLabels[category][row];
      QLabel* value = ValueLabels[category][row];
      name->setText(player ? QString::fromStdString(player->Name()) : QString());
      value->setText(player ? QString::number(player->CategoryValue(category)) : QString());
      const QColor colour = player && player == Players.Current() ? QColor::fromRgb(Maroon) : QColor(Qt::black);
      SetTextColor(name, colour);
      SetTextColor(value, colour);
    }
  }
}

void TfrmTop10::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  painter.setPen(QColor(128, 128, 128));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
  painter.drawImage(2, 2, imgBkg_);
  // The dividing lines between the four tables.
  painter.setPen(QColor(128, 128, 128));
  painter.drawLine(196, 16, 196, 16 + 425);
  painter.drawLine(16, 236, 16 + 370, 236);
  painter.setPen(Qt::white);
  painter.drawLine(197, 16, 197, 16 + 425);
  painter.drawLine(16, 237, 16 + 370, 237);
}
