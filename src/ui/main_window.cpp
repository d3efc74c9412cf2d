#include "ui/main_window.h"

#include <filesystem>

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>

#include "frame/paths.h"
#include "players/players.h"
#include "players/roster_store.h"
#include "stages/running_stage.h"
#include "ui/game_application.h"
#include "ui/mouse_routing.h"

namespace {
TShiftState ShiftOf(const QMouseEvent* event) {
  TShiftState shift = 0;
  const Qt::KeyboardModifiers modifiers = event->modifiers();
  if (modifiers & Qt::ShiftModifier) shift |= ssShift;
  if (modifiers & Qt::AltModifier) shift |= ssAlt;
  if (modifiers & Qt::ControlModifier) shift |= ssCtrl;
  const Qt::MouseButtons buttons = event->buttons();
  if (buttons & Qt::LeftButton) shift |= ssLeft;
  if (buttons & Qt::RightButton) shift |= ssRight;
  if (buttons & Qt::MiddleButton) shift |= ssMiddle;
  return shift;
}

int32_t ButtonOf(Qt::MouseButton button) {
  switch (button) {
    case Qt::RightButton: return mbRight;
    case Qt::MiddleButton: return mbMiddle;
    default: return mbLeft;
  }
}
}  // namespace

TfrmMain::TfrmMain(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint) {
  setWindowTitle(QStringLiteral("Brillor I"));
  setFixedSize(640, 560);
  setMouseTracking(true);
  setAutoFillBackground(true);
  QPalette background = palette();
  background.setColor(QPalette::Window, Qt::white);
  setPalette(background);
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());

  pb_ = new TPlayField(this);
  pb_->setGeometry(221, 20, 400, 500);
  FormCreate();
  connect(qApp, &QGuiApplication::applicationStateChanged, this,
          [this](Qt::ApplicationState state) { ApplicationStateChanged(state); });
}

TfrmMain::~TfrmMain() { FormDestroy(); }

void TfrmMain::FormCreate() {
  // Settings and the roster are written into the data folder; a game copied without one still
  // keeps its player's data.
  std::error_code ignored;
  std::filesystem::create_directories(GamePath("dat"), ignored);
  // The game still starts with a damaged roster; the player learns which copy he got.
  const TRosterStart roster = LoadRosterAtStart(Players, GamePath(RosterFileName));
  rosterLoaded_ = roster.Saveable;
  if (!roster.Report.empty()) TGameApplication::ShowError(roster.Report);
  stageList_ = std::make_unique<TGmStageList>(pb_);
  stageList_->OnFrameRate = [](int32_t) {};
  stageList_->OnSaveError = [](const std::string& message) { TGameApplication::ShowError(message); };
  if (rosterLoaded_) stageList_->Autosave->OnSave = [] { SaveRoster(Players, GamePath(RosterFileName)); };
  stageList_->Autosave->OnError = [this](const std::string& message) { ShowLevelError(message); };
  // Show the play-field background until a stage produces frames.
  stageList_->DSP->Render(stageList_->Clock->Now);
}

void TfrmMain::FormDestroy() {
  if (!stageList_) return;
  stageList_->Clear();
  stageList_.reset();
  if (rosterLoaded_) {
    try {
      SaveRoster(Players, GamePath(RosterFileName));
    } catch (const std::exception& error) {
      TGameApplication::ShowError(error.what());
    }
  }
  Players.FreePlayers();
}

void TfrmMain::PauseGame() {
  if (stageList_) stageList_->Pause();
  update();
}

void TfrmMain::ResumeGame() {
  if (stageList_) stageList_->Resume();
}

void TfrmMain::BeforeModalWindow() {
  if (stageList_) stageList_->Autosave->SaveBeforeModal();
}

void TfrmMain::StartPlaying() {
  if (!stageList_) return;
  auto* running = new TGmStage_Running(stageList_.get());
  running->OnLevelError = [this](const std::string& message) { ShowLevelError(message); };
  try {
    running->Init();
  } catch (const std::exception& error) {
    // A sound that cannot be loaded leaves the stage whole and that sound silent: say which,
    // and play on.
    ShowLevelError(error.what());
  }
  if (!Players.Current()) {
    auto player = std::make_unique<TPlayer>();
    player->SetName("Player");
    Players.SetCurrentIndex(Players.Add(std::move(player)));
  }
  stageList_->SetCurrentStage(running);
}

void TfrmMain::ShowLevelError(const std::string& message) {
  // Shown once the level has started, with the game held still while the box is open.
  QTimer::singleShot(0, this, [this, message] {
    PauseGame();
    BeforeModalWindow();
    TGameApplication::ShowError(message);
    ResumeGame();
  });
}

void TfrmMain::ApplicationStateChanged(Qt::ApplicationState state) {
  if (state == Qt::ApplicationActive) {
    if (firstActivation_) {
      firstActivation_ = false;
      FirstActivation();
    } else if (inactivePause_) {
      inactivePause_ = false;
      ResumeGame();
    }
  } else if (!firstActivation_ && !inactivePause_) {
    inactivePause_ = true;
    PauseGame();
  }
}

void TfrmMain::FirstActivation() {
  // The title stage is made current here once the stages exist.
}

void TfrmMain::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // A screen that reports no sensible refresh rate keeps the default pace of 60 frames.
  if (stageList_ && screen() && screen()->refreshRate() >= 20)
    stageList_->IdleLoop().SetFrameRateCap(screen()->refreshRate());
}

void TfrmMain::mouseMoveEvent(QMouseEvent* event) {
  if (stageList_) {
    const QPoint at = event->position().toPoint();
    RouteMouseMove(*stageList_, ShiftOf(event), at.x(), at.y());
  }
  QWidget::mouseMoveEvent(event);
}

void TfrmMain::mousePressEvent(QMouseEvent* event) {
  if (stageList_) {
    const QPoint at = event->position().toPoint();
    RouteMouseDown(*stageList_, ShiftOf(event), ButtonOf(event->button()), at.x(), at.y());
  }
  QWidget::mousePressEvent(event);
}

void TfrmMain::closeEvent(QCloseEvent* event) {
  FormDestroy();
  event->accept();
}
