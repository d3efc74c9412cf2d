#include "ui/more_options_window.h"

#include <QButtonGroup>
#include <QLabel>

#include "ui/fonts.h"

namespace {
const QColor PanelColour(174, 142, 90);

void PaintPanel(QWidget* panel) {
  panel->setAutoFillBackground(true);
  QPalette colours = panel->palette();
  colours.setColor(QPalette::Window, PanelColour);
  colours.setColor(QPalette::WindowText, Qt::black);
  colours.setColor(QPalette::Text, Qt::black);
  panel->setPalette(colours);
}
}  // namespace

TfrmMoreOptions::TfrmMoreOptions(QWidget* owner) : TGameDialog(owner, 287, 377) {
  setWindowTitle(tr("More Options"));
  auto* title = new QLabel(tr("More Options"), this);
  title->setGeometry(24, 18, 239, 26);
  title->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  title->setFont(TahomaFont(18, true));
  cbSymbols = AddChoice(tr("Symbols on gems"), tr("A shape for every colour"), 46);
  cbRelaxed = AddChoice(tr("Relaxed pace"), tr("No countdown, no automatic drop"), 92);
  cbPreview = AddChoice(tr("Drop preview"), tr("Rows and money a drop would make"), 138);
  cbRecords = AddChoice(tr("Player records"), tr("Shown in the player list"), 184);
  CreateScaleChoice(232);
  AddButton(tr("OK"), 106, 328, [this] { Close(mrOK); });
  OnEnter = [this] { Close(mrOK); };
}

QCheckBox* TfrmMoreOptions::AddChoice(const QString& caption, const QString& hint, int top) {
  auto* panel = new QWidget(this);
  panel->setGeometry(24, top, 239, 44);
  PaintPanel(panel);
  auto* box = new QCheckBox(caption, panel);
  box->setGeometry(8, 3, 225, 20);
  box->setFont(TahomaFont(12, true));
  auto* line = new QLabel(hint, panel);
  line->setGeometry(29, 23, 206, 16);
  line->setFont(TahomaFont(11, false));
  return box;
}

void TfrmMoreOptions::CreateScaleChoice(int top) {
  auto* label = new QLabel(tr("Window Size"), this);
  label->setGeometry(28, top, 235, 16);
  label->setFont(TahomaFont(12, true));
  auto* panel = new QWidget(this);
  panel->setGeometry(24, top + 20, 239, 64);
  PaintPanel(panel);
  auto* group = new QButtonGroup(panel);
  for (size_t i = 0; i < rbScale.size(); ++i) {
    rbScale[i] = new QRadioButton(QString::number(TMoreOptions::Scales[i]) + QStringLiteral(" %"), panel);
    rbScale[i]->setGeometry(8 + 76 * static_cast<int>(i), 8, 72, 20);
    rbScale[i]->setFont(TahomaFont(12, true));
    group->addButton(rbScale[i], static_cast<int>(i));
  }
  lScaleNote = new QLabel(panel);
  lScaleNote->setGeometry(29, 38, 206, 16);
  lScaleNote->setFont(TahomaFont(11, false));
  rbScale[0]->setChecked(true);
}

void TfrmMoreOptions::Prepare(const TMoreOptions& options) {
  cbSymbols->setChecked(options.Symbols);
  cbRelaxed->setChecked(options.RelaxedPace);
  cbPreview->setChecked(options.DropPreview);
  cbRecords->setChecked(options.ShowRecords);
  for (size_t i = 0; i < rbScale.size(); ++i) rbScale[i]->setChecked(TMoreOptions::Scales[i] == options.WindowScale);
  const bool shrunk = options.WindowScale == chosenAtStart_ && inUse_ < chosenAtStart_;
  lScaleNote->setText(shrunk ? tr("Too large for this screen: %1 % used").arg(inUse_)
                             : tr("Used from the next start"));
}

void TfrmMoreOptions::SetScaleAtStart(int32_t chosen, int32_t inUse) {
  chosenAtStart_ = chosen;
  inUse_ = inUse;
}

TMoreOptions TfrmMoreOptions::Choices() const {
  TMoreOptions options;
  options.Symbols = cbSymbols->isChecked();
  options.RelaxedPace = cbRelaxed->isChecked();
  options.DropPreview = cbPreview->isChecked();
  options.ShowRecords = cbRecords->isChecked();
  for (size_t i = 0; i < rbScale.size(); ++i)
    if (rbScale[i]->isChecked()) options.WindowScale = TMoreOptions::Scales[i];
  return options;
}
