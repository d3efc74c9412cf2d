#include "ui/editor_window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "board/cell_codes.h"
#include "frame/errors.h"
#include "frame/paths.h"
#include "players/players.h"
#include "stages/editor_stage.h"
#include "stages/level_check.h"
#include "stages/running_stage.h"
#include "stages/start_stage.h"
#include "ui/focus_look.h"
#include "ui/fonts.h"
#include "ui/game_dialog.h"
#include "ui/notice_box.h"

namespace {
constexpr int ButtonWidth = 33, ButtonHeight = 25;
constexpr int EditLeft = 48, EditWidth = 113, EditHeight = 21;
constexpr int EditTops[6] = {24, 67, 110, 153, 196, 240};
// A caption sits above its edit.
constexpr int LabelGap = 16;
const char* const ColourCaptions[5] = {QT_TRANSLATE_NOOP("TfrmEditor", "white"), QT_TRANSLATE_NOOP("TfrmEditor", "Purple"),
                                        QT_TRANSLATE_NOOP("TfrmEditor", "Green"), QT_TRANSLATE_NOOP("TfrmEditor", "Blue"),
                                        QT_TRANSLATE_NOOP("TfrmEditor", "Red")};
constexpr int ColourPlaces[5][2] = {{8, 296}, {48, 296}, {88, 296}, {128, 296}, {8, 328}};
constexpr int PanelWidth = 170, PanelHeight = 422;
// Drawn inside the game's window, the panel has a strip of its own on top, with its title and
// its close button, to be dragged by.
constexpr int StripHeight = 18;
constexpr QRgb StripColor = 0xFF40342A, StripTextColor = 0xFFEEE0BC;

// Where the window system places windows itself, a window that stays on top would be put where
// it likes, over the board or under the game's dialogs: the tools are a panel inside the game's
// window there.
bool ToolsInside(const QWidget* owner) { return owner && TGameDialog::DrawnInside(); }

}  // namespace

TfrmEditor::TfrmEditor(QWidget* owner, TStagesSource stages, TDialogSource levelDialog)
    : QWidget(owner, ToolsInside(owner) ? Qt::Widget : Qt::Tool | Qt::WindowStaysOnTopHint),
      stages_(std::move(stages)),
      levelDialog_(std::move(levelDialog)) {
  setWindowTitle(QStringLiteral("frmEditor"));
  setFont(TahomaFont(11, false));
  move(0, 0);
  resize(PanelWidth, PanelHeight);
  Button1 = AddButton(tr("Open"), 6, 16, ButtonWidth, [this] { Button1Click(); });
  Button2 = AddButton(tr("Clear"), 6, 48, ButtonWidth, [this] { Button2Click(); });
  Button3 = AddButton(tr("Save"), 6, 80, ButtonWidth, [this] { Button3Click(); });
  // The level file's own column goes on: check the level, then try it.
  btnCheck = AddButton(tr("Check"), 6, 112, ButtonWidth, [this] { CheckClick(); });
  btnPlay = AddButton(tr("Play"), 6, 144, ButtonWidth, [this] { PlayClick(); });
  CreateParamEdits();
  Bevel1 = new QFrame(this);
  Bevel1->setGeometry(8, 280, 153, 9);
  Bevel1->setFrameShape(QFrame::HLine);
  Bevel1->setFrameShadow(QFrame::Sunken);
  CreateBrushButtons();
  eLevel = new QLineEdit(QStringLiteral("1"), this);
  eLevel->setGeometry(8, 392, 73, 21);
  Button4 = AddButton(tr("SetLevel"), 88, 390, 75, [this] { Button4Click(); });
  connect(eLevel, &QLineEdit::returnPressed, this, [this] { Button4Click(); });
  notice_ = [this](const QString& text) { TNoticeBox(this, QMessageBox::Information, text).Run(); };
  if (!isWindow()) MakePanel();
  FitCaptions(this);
  focusMarker_ = new TFocusMarker(this, [](const QWidget*) { return true; });
  DropQtFocusLook(this);
}

TfrmEditor::~TfrmEditor() { delete focusMarker_; }

void TfrmEditor::MakePanel() {
  // Hidden until it is asked for, as the window is; everything moves down under the strip.
  hide();
  for (QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    control->move(control->pos() + QPoint(0, StripHeight));
  resize(PanelWidth, PanelHeight + StripHeight);
  setAutoFillBackground(true);
  btnClose = AddButton(QStringLiteral("\u00D7"), PanelWidth - StripHeight, 1, StripHeight - 1, [this] { close(); });
  btnClose->resize(StripHeight - 1, StripHeight - 2);
  MarkDrawnInside(*this);
}

void TfrmEditor::paintEvent(QPaintEvent*) {
  if (isWindow()) return;
  QPainter painter(this);
  painter.fillRect(0, 0, width(), StripHeight, QColor::fromRgb(StripColor));
  painter.setPen(QColor::fromRgb(StripTextColor));
  painter.drawText(QRect(4, 0, width() - StripHeight - 4, StripHeight), Qt::AlignLeft | Qt::AlignVCenter,
                   windowTitle());
  painter.setPen(QColor::fromRgb(StripColor));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void TfrmEditor::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // Over whatever else the game's window holds.
  if (!isWindow()) raise();
}

void TfrmEditor::mousePressEvent(QMouseEvent* event) {
  // The strip drags the panel about the game's window.
  if (!isWindow() && event->button() == Qt::LeftButton && event->position().y() < StripHeight)
    dragFrom_ = event->position().toPoint();
  event->accept();
}

void TfrmEditor::mouseMoveEvent(QMouseEvent* event) {
  event->accept();
  if (!dragFrom_ || !(event->buttons() & Qt::LeftButton)) return;
  const QPoint to = mapToParent(event->position().toPoint()) - *dragFrom_;
  const QSize room = parentWidget()->size() - size();
  move(std::clamp(to.x(), 0, std::max(0, room.width())), std::clamp(to.y(), 0, std::max(0, room.height())));
}

void TfrmEditor::mouseReleaseEvent(QMouseEvent* event) {
  dragFrom_.reset();
  event->accept();
}

void TfrmEditor::GiveKeysToGame() {
  QWidget* game = parentWidget();
  if (!game) return;
  game->activateWindow();
  // A panel inside the game's window has the keys until the window takes them.
  if (!isWindow()) game->setFocus(Qt::OtherFocusReason);
}

QPushButton* TfrmEditor::AddButton(const QString& caption, int left, int top, int width, std::function<void()> click) {
  auto* button = new QPushButton(caption, this);
  button->setGeometry(left, top, width, ButtonHeight);
  // The captions fill the small buttons: no room is spent on margins.
  button->setStyleSheet(QStringLiteral("QPushButton { padding: 0px; }"));
  connect(button, &QPushButton::clicked, this, std::move(click));
  return button;
}

void TfrmEditor::CreateParamEdits() {
  for (int i = 0; i < 6; ++i) {
    EditLabels[i] = new QLabel(QString::fromLatin1(ParamFieldNames[i]), this);
    EditLabels[i]->setGeometry(EditLeft, EditTops[i] - LabelGap, EditWidth, LabelGap - 2);
    Edits[i] = new QLineEdit(this);
    Edits[i]->setGeometry(EditLeft, EditTops[i], EditWidth, EditHeight);
    EditLabels[i]->setBuddy(Edits[i]);
  }
}

void TfrmEditor::CreateBrushButtons() {
  for (int tag = 0; tag < 5; ++tag)
    ColourButtons[tag] = AddButton(tr(ColourCaptions[tag]), ColourPlaces[tag][0], ColourPlaces[tag][1], ButtonWidth,
                                   [this, tag] { Button5Click(tag); });
  Button10 = AddButton(tr("Chip"), 48, 328, ButtonWidth, [this] { Button10Click(); });
  Button12 = AddButton(tr("None"), 88, 328, ButtonWidth, [this] { Button12Click(); });
  Button11 = AddButton(tr("Save"), 128, 328, ButtonWidth, [this] { Button11Click(); });
  // Under the layout's "Save": read a layout to paint on.
  btnLoad = AddButton(tr("Load"), 128, 360, ButtonWidth, [this] { LoadClick(); });
}

TGmStage_Editor* TfrmEditor::Stage() const {
  TGmStageList* stages = Stages();
  return stages ? stages->Find<TGmStage_Editor>() : nullptr;
}

TGmStage_Running* TfrmEditor::Running() const {
  TGmStageList* stages = Stages();
  return stages ? stages->Find<TGmStage_Running>() : nullptr;
}

bool TfrmEditor::Editing() const {
  const TGmStage_Editor* stage = Stage();
  return stage && Stages()->CurrentStage == stage;
}

QFileDialog& TfrmEditor::LayoutDialog(QFileDialog*& dialog, bool forSaving) {
  if (dialog) return *dialog;
  dialog = new QFileDialog(this, QString(), QString::fromStdString(PlayerPath("dat")));
  dialog->setAcceptMode(forSaving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog->setFileMode(forSaving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog->setOption(QFileDialog::DontUseNativeDialog);
  return *dialog;
}

QString TfrmEditor::Choose(QFileDialog& dialog) {
  if (chooseFile_) return chooseFile_(dialog);
  if (ExecOverWindow(dialog, this) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().first();
}

void TfrmEditor::ShowParams() {
  const TParamTexts texts = ParamTexts(*Stage()->Params);
  for (int i = 0; i < 6; ++i) Edits[i]->setText(QString::fromStdString(texts[i]));
}

bool TfrmEditor::FieldParams(TStageParam& params, const QString& consequence) {
  TParamTexts texts;
  for (int i = 0; i < 6; ++i) texts[i] = Edits[i]->text().toStdString();
  params = *Stage()->Params;
  const std::string problem = ReadParamTexts(texts, params);
  if (problem.empty()) return true;
  notice_(QString::fromStdString(problem) + QLatin1Char(' ') + consequence);
  return false;
}

void TfrmEditor::Button1Click() {
  TGmStage_Editor* stage = Stage();
  if (!stage) return;
  const QString name = Choose(*levelDialog_());
  std::string problem;
  if (!name.isEmpty()) {
    problem = stage->LoadLevel(name.toStdString());
    ShowParams();
  }
  Stages()->SetCurrentStage(stage);
  if (!problem.empty()) notice_(QString::fromStdString(problem));
}

void TfrmEditor::Button2Click() {
  if (Editing()) Stage()->ClearSelectedSources();
}

void TfrmEditor::Button3Click() {
  if (!Editing()) return;
  TStageParam params;
  if (!FieldParams(params, tr("Nothing was saved."))) return;
  *Stage()->Params = params;
  try {
    Stage()->SaveLevel();
  } catch (const EGameError& error) {
    notice_(QString::fromStdString(error.what()));
    return;
  }
  notice_(tr("Done."));
}

void TfrmEditor::Button4Click() {
  if (!Editing()) return;
  int32_t level = 0;
  const std::string text = eLevel->text().toStdString();
  if (!ReadWholeNumber(text, level) || level < 1) {
    notice_(tr("The level must be a whole number from 1 up, not \"%1\".").arg(eLevel->text()));
    return;
  }
  if (TPlayer* player = Players.Current()) player->SetLevel(level);
}

void TfrmEditor::Button5Click(int Tag) {
  if (Editing()) Stage()->SetBrush(static_cast<uint8_t>(Tag));
}

void TfrmEditor::Button10Click() {
  if (Editing()) Stage()->ChipBrush();
}

void TfrmEditor::Button12Click() {
  if (Editing()) Stage()->SetBrush(CellEmpty);
}

void TfrmEditor::Button11Click() {
  if (!Editing()) return;
  const QString name = Choose(LayoutDialog(sd, true));
  if (name.isEmpty()) return;
  try {
    Stage()->SaveLayout(name.toStdString());
  } catch (const EGameError& error) {
    notice_(QString::fromStdString(error.what()));
  }
}

void TfrmEditor::CheckClick() {
  if (!Editing()) return;
  TStageParam params;
  if (!FieldParams(params, tr("Nothing was checked."))) return;
  TGmStage_Editor& stage = *Stage();
  notice_(QString::fromStdString(CheckReport(CheckLevel(stage.MoveMatrix(), *stage.Board, params))));
}

void TfrmEditor::PlayClick() {
  if (!Editing()) return;
  TStageParam params;
  if (!FieldParams(params, tr("The level was not played."))) return;
  Stage()->PlayTrial(params);
  // The keys (Esc above all) go to the game while it is played.
  GiveKeysToGame();
}

void TfrmEditor::LoadClick() {
  if (!Editing()) return;
  const QString name = Choose(LayoutDialog(odLayout, false));
  if (name.isEmpty()) return;
  const std::string problem = Stage()->LoadLayout(name.toStdString());
  if (!problem.empty()) notice_(QString::fromStdString(problem));
}

bool TfrmEditor::MainWindowKey(const QKeyEvent& event) {
  const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
  if (event.key() == Qt::Key_E && modifiers == Qt::ControlModifier) {
    show();
    raise();
    return true;
  }
  if (event.key() == Qt::Key_Escape) {
    TGmStage_Running* running = Running();
    if (!running || !running->InTrial() || Stages()->CurrentStage != running) return false;
    running->EndTrial();
    return true;
  }
  if (event.text() == QStringLiteral("c") && modifiers == Qt::NoModifier && Editing()) {
    Stage()->ClearSelectedSources();
    return true;
  }
  return false;
}

void TfrmEditor::keyPressEvent(QKeyEvent* event) {
  // The tool window keeps the focus after its buttons: the game's keys still work here.
  if (MainWindowKey(*event)) return;
  switch (event->key()) {
    // What a control leaves of the arrows goes from control to control.
    case Qt::Key_Up:
    case Qt::Key_Left: focusNextPrevChild(false); return;
    case Qt::Key_Down:
    case Qt::Key_Right: focusNextPrevChild(true); return;
    // Return clicks the button with the keys, as Space does (this is no dialog).
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (auto* button = qobject_cast<QPushButton*>(focusWidget())) button->click();
      return;
    case Qt::Key_Escape:
      GiveKeysToGame();
      return;
    default:
      QWidget::keyPressEvent(event);
      // A panel inside the game's window keeps its keys, as a window of its own does.
      if (!isWindow()) event->accept();
  }
}

void TfrmEditor::closeEvent(QCloseEvent* event) {
  // There is no other way out of the editor: closing its window goes back to the title.
  if (Editing()) Stages()->SwitchTo<TGmStage_Start>();
  event->accept();
  // The game's window takes the keys back; a window manager may otherwise leave them on none.
  GiveKeysToGame();
}
