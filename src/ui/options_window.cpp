#include "ui/options_window.h"

#include <QButtonGroup>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "frame/paths.h"
#include "frame/rounding.h"
#include "stages/stage_list.h"
#include "ui/fonts.h"
#include "ui/game_application.h"
#include "ui/more_options_window.h"

namespace {
constexpr QColor BarColour(70, 40, 20);
constexpr int BarWidth = 233, BarHeight = 17;
}  // namespace

// ---- TVolumeBar ----

TVolumeBar::TVolumeBar(QWidget* parent, int32_t maximum) : QWidget(parent), Maximum(maximum) {
  resize(BarWidth, BarHeight);
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::TabFocus);
}

int32_t TVolumeBar::ValueAt(int x) const {
  const int clamped = std::clamp(x, 0, width());
  return static_cast<int32_t>(RoundHalfEven(static_cast<double>(clamped) / width() * Maximum));
}

void TVolumeBar::SetValue(int32_t value) {
  Value = value;
  update();
}

void TVolumeBar::ClickAt(int x) { Choose(ValueAt(x)); }

void TVolumeBar::Choose(int32_t value) {
  SetValue(value);
  if (OnClickValue) OnClickValue(Value);
}

void TVolumeBar::keyPressEvent(QKeyEvent* event) {
  const int32_t step = Maximum / KeySteps;
  int32_t value = Value;
  switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Down: value -= step; break;
    case Qt::Key_Right:
    case Qt::Key_Up: value += step; break;
    case Qt::Key_Home: value = 0; break;
    case Qt::Key_End: value = Maximum; break;
    default: QWidget::keyPressEvent(event); return;
  }
  value = std::clamp(value, 0, Maximum);
  if (value != Value) Choose(value);
}

void TVolumeBar::mousePressEvent(QMouseEvent* event) { ClickAt(event->position().toPoint().x()); }

void TVolumeBar::mouseReleaseEvent(QMouseEvent* event) { ClickAt(event->position().toPoint().x()); }

void TVolumeBar::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const int W = width(), H = height();
  painter.setPen(Qt::black);
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRect(0, 0, W - 1, H - 1));
  const double share = Maximum > 0 ? static_cast<double>(Value) / Maximum : 0;
  const int filled = std::clamp(static_cast<int>(RoundHalfEven(share * W)), 0, W);
  if (filled <= 0) return;
  painter.setBrush(BarColour);
  painter.drawRect(QRect(0, 0, filled - 1, H - 1));
}

// ---- TfrmOptions ----

TfrmOptions::TfrmOptions(QWidget* owner, TGmStageList* stages) : TGameDialog(owner, 287, 377), stages_(stages) {
  setWindowTitle(tr("Options"));
  AddLabel(tr("Background Music"), 24, 12);
  AddLabel(tr("(Click the bar to change music volume)"), 40, 11);
  pbVolume1 = new TVolumeBar(this, MusicMaximum);
  pbVolume1->move(28, 60);
  pbVolume1->OnClickValue = [](int32_t value) { MCIPlayers.SetVolume(value); };
  AddLabel(tr("Sound"), 88, 12);
  AddLabel(tr("(Click the bar to change sound volume)"), 104, 11);
  pbVolume2 = new TVolumeBar(this, SoundMaximum);
  pbVolume2->move(28, 124);
  pbVolume2->OnClickValue = [this](int32_t value) {
    // Without a sound device the bar only moves: there is no effect volume to set.
    if (stages_ && stages_->Sound) stages_->Sound->Elems->SetVolume(value - SoundMaximum);
  };
  AddLabel(tr("Mouse Control"), 168, 12);
  AddLabel(tr("(Click the icon to choice a rotate-mode)"), 184, 11);
  CreateRotationChoice();
  AddButton(tr("OK"), 106, 328, [this] { Close(mrOK); });
  btnMore = AddButton(tr("More..."), 196, 328, [this] { MoreClick(); });
  MorePage = new TfrmMoreOptions(this);
  OnEnter = [this] { Close(mrOK); };
}

QLabel* TfrmOptions::AddLabel(const QString& text, int top, int pixelHeight) {
  auto* label = new QLabel(text, this);
  label->setGeometry(28, top, 249, 14);
  label->setFont(TahomaFont(pixelHeight, true));
  return label;
}

void TfrmOptions::CreateRotationChoice() {
  Image1 = new QLabel(this);
  Image1->setGeometry(28, 206, 50, 50);
  Image1->setPixmap(QPixmap(QStringLiteral(":/pictures/rotate_anticlockwise.png")));
  Image2 = new QLabel(this);
  Image2->setGeometry(28, 262, 50, 50);
  Image2->setPixmap(QPixmap(QStringLiteral(":/pictures/rotate_clockwise.png")));
  for (QLabel* icon : {Image1, Image2}) {
    icon->setCursor(Qt::PointingHandCursor);
    icon->installEventFilter(this);
  }
  auto* rg = new QWidget(this);
  rg->setGeometry(84, 200, 177, 112);
  rg->setAutoFillBackground(true);
  QPalette colours = rg->palette();
  colours.setColor(QPalette::Window, QColor(174, 142, 90));
  colours.setColor(QPalette::WindowText, Qt::black);
  rg->setPalette(colours);
  Anticlockwise = new QRadioButton(tr("Anticlockwise"), rg);
  Clockwise = new QRadioButton(tr("Clockwise"), rg);
  Anticlockwise->setGeometry(8, 22, 165, 20);
  Clockwise->setGeometry(8, 70, 165, 20);
  auto* group = new QButtonGroup(rg);
  group->addButton(Anticlockwise, 0);
  group->addButton(Clockwise, 1);
  for (QRadioButton* item : {Anticlockwise, Clockwise}) item->setFont(TahomaFont(12, true));
  Anticlockwise->setChecked(true);
}

bool TfrmOptions::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress) {
    if (watched == Image1) Anticlockwise->setChecked(true);
    if (watched == Image2) Clockwise->setChecked(true);
  }
  return TGameDialog::eventFilter(watched, event);
}

void TfrmOptions::Prepare() {
  pbVolume1->SetValue(MCIPlayers.Volume());
  pbVolume2->SetValue(stages_ && stages_->Sound ? stages_->Sound->Elems->Volume() + SoundMaximum : SoundMaximum);
  Music.Start();
  (stages_ && stages_->RotateMode != 0 ? Anticlockwise : Clockwise)->setChecked(true);
}

void TfrmOptions::Finish() {
  Music.Stop();
  if (stages_) stages_->RotateMode = Anticlockwise->isChecked() ? 1 : 0;
}

// ---- the "More..." page ----

void TfrmOptions::MoreClick() {
  if (!stages_) return;
  MorePage->Prepare(stages_->More);
  if (MorePage->ShowModal() != mrOK) return;
  stages_->More = MorePage->Choices();
  try {
    stages_->More.Save(PlayerPath(MoreOptionsFileName));
  } catch (const std::exception& error) {
    // The choices hold for this session all the same.
    TGameApplication::ShowError(error.what());
  }
  if (OnMoreOptions) OnMoreOptions();
}
