#include "ui/main_window.h"

#include <utility>

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>

#include "display/picture.h"
#include "frame/asset_names.h"
#include "frame/paths.h"
#include "players/player_files.h"
#include "players/players.h"
#include "stages/running_stage.h"
#include "stages/start_stage.h"
#include "ui/desktop_browser.h"
#include "ui/editor_window.h"
#include "ui/fixed_size.h"
#include "ui/fonts.h"
#include "ui/game_application.h"
#include "ui/game_stages.h"
#include "ui/help_page.h"
#include "ui/help_window.h"
#include "ui/input_window.h"
#include "ui/message_box.h"
#include "ui/more_options_window.h"
#include "ui/options_window.h"
#include "ui/pause_cover.h"
#include "ui/players_window.h"
#include "ui/progress_box.h"
#include "ui/shown_focus.h"
#include "ui/top10_window.h"
#include "ui/window_fit.h"

namespace {
TfrmMain::TUrlOpener& UrlOpener() {
  static TfrmMain::TUrlOpener opener;
  return opener;
}

}  // namespace

// ---- TfrmMain ----

TfrmMain::TfrmMain(QWidget* parent, std::unique_ptr<TPlayerFiles> files)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      files_(files ? std::move(files) : std::make_unique<TPlayerFiles>()) {
  setWindowTitle(QStringLiteral("Brillor I"));
  new TFixedSize(this, QSize(640, 560));
  setMouseTracking(true);
  setFont(TahomaFont(11, false));
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
  const std::string translated = TranslatedPicture(Asset::MainBackground);
  background_ = QImage(
      QString::fromStdString(translated.empty() ? std::string(":/pictures/") + Asset::MainBackground : translated));

  pb_ = new TPlayField(this);
  pb_->setGeometry(221, 20, 400, 500);
  pauseCover_ = new TPauseCover(this);
  pauseCover_->setGeometry(pb_->geometry());
  CreateStatusPanel(this);
  // Pictures that failed before this window are not its to name.
  TakePictureFailures();
  FormCreate();
  ShowStartErrors();
  connect(qApp, &QGuiApplication::applicationStateChanged, this,
          [this](Qt::ApplicationState state) { ApplicationStateChanged(state); });
  // The field has the keys of the game: the window's own focus goes there, and it is where
  // the keys go home from a control that is not shown.
  pb_->setFocusPolicy(Qt::TabFocus);
  setFocusProxy(pb_);
  new TShownFocus(this, pb_);
  pb_->setFocus(Qt::OtherFocusReason);
}

TfrmMain::~TfrmMain() { FormDestroy(); }

void TfrmMain::FormCreate() {
  // The game still starts with damaged files; the player learns which copies he got in the
  // start-up message (what was recovered is on disk already).
  const TPlayerFilesLoad loaded = files_->Load(Players);
  NoteStartErrors(loaded.Report);
  stageList_ = std::make_unique<TGmStageList>(pb_);
  if (loaded.Settings) stageList_->ApplySettings(*loaded.Settings);
  stageList_->More = loaded.More;
  shownScale_ = startScale_ = stageList_->More.WindowScale;
  stageList_->OnFrameRate = [](int32_t) {};
  stageList_->OnNextHexSet = [this](int32_t index) { ShowNextHexSet(index); };
  stageList_->Autosave->OnSave = [this] { SavePlayerFiles(false); };
  progress_ = new TLevelProgressBox(this, stageList_.get());
  progress_->setGeometry(344, 534, 193, 6);
  CreateStages();
  firstActivation_ = true;
  CreateButtons();
  CreateDialogs();
  CreateEditorWindow();
  // Show the play-field background until a stage produces frames.
  stageList_->DSP->Render(stageList_->Clock->Now);
}

void TfrmMain::CreateStages() {
  NoteStartErrors(CreateGameStages(*stageList_, {[this](const std::string& message) { ShowLoadErrors(message); },
                                                 [this] { progress_->update(); }}));
}

void TfrmMain::CreateButtons() {
  struct TButtonPlace {
    const char* Caption;
    const char* Picture;
    int Left, Top;
    void (TfrmMain::*Click)();
    QList<QKeyCombination> Keys;
  };
  // The game has no web site: the last button opens the help page's About section. The keys
  // are the buttons' own, beside the game's in a level (arrows, Z, X, Return, Space), and the
  // same in every language.
  const TButtonPlace places[] = {
      {QT_TR_NOOP("Player"), Asset::ButtonPlayerQuit, 35, 389, &TfrmMain::PlayerClick, {Qt::Key_F2}},
      {QT_TR_NOOP("High Scores"), Asset::ButtonScoresPause, 109, 389, &TfrmMain::HighScoresClick, {Qt::Key_F3}},
      {QT_TR_NOOP("Setting"), Asset::ButtonSetting, 35, 425, &TfrmMain::SettingClick, {Qt::Key_F4}},
      {QT_TR_NOOP("Help"), Asset::ButtonHelp, 35, 461, &TfrmMain::HelpClick, {Qt::Key_F1}},
      {QT_TR_NOOP("Pause"), Asset::ButtonScoresPause, 109, 425, &TfrmMain::PauseClick, {Qt::Key_P, Qt::Key_Pause}},
      {QT_TR_NOOP("Quit"), Asset::ButtonPlayerQuit, 109, 461, &TfrmMain::QuitClick, {Qt::ControlModifier | Qt::Key_Q}},
      {QT_TR_NOOP("About Brillor I"), Asset::ButtonAbout, 35, 497, &TfrmMain::AboutClick,
       {Qt::ShiftModifier | Qt::Key_F1}},
  };
  for (const TButtonPlace& place : places) {
    auto* button = new TImgBtn(this);
    button->move(place.Left, place.Top);
    button->SetCaption(tr(place.Caption));
    button->SetKeys(place.Keys);
    button->OnClick = [this, click = place.Click] { (this->*click)(); };
    // Tab reaches the buttons; a click leaves the keys with the game.
    button->setFocusPolicy(Qt::TabFocus);
    try {
      button->LoadPicture(place.Picture);
    } catch (const std::exception& error) {
      NoteStartErrors(error.what());
    }
    buttons_.push_back(button);
  }
  // Tab goes through the buttons as they are read, row by row, then to the field.
  const std::array<int, 7> reading{0, 1, 2, 4, 3, 5, 6};
  for (size_t i = 1; i < reading.size(); ++i) setTabOrder(buttons_[reading[i - 1]], buttons_[reading[i]]);
  setTabOrder(buttons_[reading.back()], pb_);
}

void TfrmMain::CreateDialogs() {
  frmOptions_ = new TfrmOptions(this, stageList_.get());
  frmTop10_ = new TfrmTop10(this);
  HighScores = &frmTop10_->HighScores.List;
  frmMessageBox_ = new TfrmMessageBox(this);
  frmInput_ = new TfrmInput(this, frmMessageBox_);
  frmPlayers_ = new TfrmPlayers(this, frmMessageBox_, frmInput_);
  frmOptions_->OnMoreOptions = [this] { MoreOptionsChosen(); };
  frmPlayers_->SetRecordShown(stageList_->More.ShowRecords);
  for (const TGameDialog* dialog :
       std::initializer_list<const TGameDialog*>{frmOptions_, frmTop10_, frmMessageBox_, frmInput_, frmPlayers_})
    NoteStartErrors(dialog->LoadErrors());
}

// ---- The level editor's tool window ----

void TfrmMain::CreateEditorWindow() {
  frmEditor_ = new TfrmEditor(this, [this] { return stageList_.get(); }, [this] { return LevelDialog(); });
}

QFileDialog* TfrmMain::LevelDialog() {
  if (sd) return sd;
  sd = new QFileDialog(this, tr("Open"), QString::fromStdString(PlayerPath("dat")));
  sd->setAcceptMode(QFileDialog::AcceptSave);
  // A new name starts a new level; an existing one is opened, not overwritten.
  sd->setOption(QFileDialog::DontConfirmOverwrite);
  sd->setOption(QFileDialog::DontUseNativeDialog);
  sd->setLabelText(QFileDialog::Accept, tr("Open"));
  sd->setSidebarUrls({QUrl::fromLocalFile(QString::fromStdString(PlayerPath("dat"))),
                      QUrl::fromLocalFile(QString::fromStdString(GamePath("dat")))});
  return sd;
}

void TfrmMain::FormDestroy() {
  if (!stageList_) return;
  // No frame runs between the save and the end of the game.
  stageList_->IdleLoop().Detach();
  SavePlayerFiles(true);
  stageList_->Clear();
  stageList_.reset();
  Players.FreePlayers();
  // The labels go with the window: a roster used after it must not reach them.
  static_cast<TPlayerEvents&>(Players) = TPlayerEvents();
}

void TfrmMain::SavePlayerFiles(bool closing) {
  if (!stageList_) return;
  std::string failures = files_->Save(Players, stageList_->Settings(), stageList_->More,
                                      closing ? TPlayerFiles::TSave::All : TPlayerFiles::TSave::Changed);
  // The level in progress is kept with the player's files.
  if (auto* running = stageList_->Find<TGmStage_Running>()) {
    const std::string round = running->KeepRound();
    if (!round.empty()) failures += (failures.empty() ? "" : "\n") + round;
  }
  if (failures.empty()) return;
  if (closing)
    TGameApplication::ShowError(failures);
  else
    ShowLoadErrors(failures);
}

void TfrmMain::PauseGame() {
  if (stageList_) stageList_->Pause();
  // The frozen frame and the labels are shown at once.
  if (isVisible()) repaint();
}

void TfrmMain::ResumeGame() {
  if (stageList_) stageList_->Resume();
}

void TfrmMain::BeforeModalWindow() {
  if (stageList_) stageList_->Autosave->SaveBeforeModal();
}

void TfrmMain::RefreshHighScores() {
  frmTop10_->Refresh();
  for (int32_t category = 0; category < 4; ++category) UpdateMedal(category);
}

void TfrmMain::ShowLoadErrors(const std::string& message) {
  // Shown once the window is up, with the game held still while the box is open.
  QTimer::singleShot(0, this, [this, message] {
    PauseGame();
    BeforeModalWindow();
    TGameApplication::ShowError(message);
    ResumeGame();
  });
}

void TfrmMain::NoteStartErrors(const std::string& lines) { startErrors_.Note(lines); }

void TfrmMain::ShowStartErrors() {
  const std::string lines = startErrors_.Take();
  if (!lines.empty()) ShowLoadErrors(lines);
  // Failures come while a frame is drawn: they are named together once it is done.
  SetPictureFailureNotice([window = QPointer<TfrmMain>(this)] {
    if (window) QTimer::singleShot(0, window, [window] { window->NameLaterPictureFailures(); });
  });
}

void TfrmMain::NameLaterPictureFailures() {
  const std::string lines = UnnamedPictureFailures({});
  if (!lines.empty()) ShowLoadErrors(lines);
}

void TfrmMain::ApplicationStateChanged(Qt::ApplicationState state) {
  if (state == Qt::ApplicationActive) {
    if (firstActivation_) {
      FirstActivation();
    } else if (inactivePause_ && !HelpHasFocus()) {
      inactivePause_ = false;
      ResumeGame();
    }
  } else {
    HoldUntilBack();
  }
}

void TfrmMain::HoldUntilBack() {
  if (!firstActivation_ && !inactivePause_) {
    inactivePause_ = true;
    PauseGame();
  }
}

// Back from another program to the help window, the player is still reading.
bool TfrmMain::HelpHasFocus() const {
  return frmHelp_ && frmHelp_->isVisible() && QGuiApplication::focusWindow() == frmHelp_->windowHandle();
}

void TfrmMain::FirstActivation() {
  if (!firstActivation_ || !stageList_) return;
  firstActivation_ = false;
  frmPlayers_->FillList();
  ShowTitle();
  if (Players.CurrentIndex() < 0) {
    const int row = InsistOnAPlayer();
    if (!stageList_) return;  // the game was closed meanwhile
    ChangePlayer(row);
  }
  RefreshHighScores();
}

int TfrmMain::InsistOnAPlayer() {
  while (frmPlayers_->ShowModal() != mrOK) {
    if (!stageList_) return -1;
    frmMessageBox_->ShowNotice(QString::fromLatin1(ChoosePlayerNotice));
    if (!stageList_) return -1;
  }
  return frmPlayers_->SelectedRow();
}

void TfrmMain::ShowTitle() {
  if (stageList_) stageList_->SwitchTo<TGmStage_Start>();
}

void TfrmMain::ChangePlayer(int32_t Row) {
  Players.SetCurrentIndex(Row);
  ShowTitle();
  // The choice is kept at once, not only at exit.
  if (stageList_) stageList_->Autosave->Request();
}

void TfrmMain::WithGamePaused(const std::function<void()>& dialog) {
  PauseGame();
  BeforeModalWindow();
  dialog();
  ResumeGame();
}

void TfrmMain::PlayerClick() {
  if (!stageList_) return;
  while (stageList_->IsPaused()) stageList_->Resume();
  pauseCover_->hide();
  // An inactive pause undone here must not be undone again at the next activation.
  inactivePause_ = false;
  WithGamePaused([this] {
    if (frmPlayers_->ShowModal() == mrOK && frmPlayers_->SelectedRow() >= 0) {
      const int row = frmPlayers_->SelectedRow();
      if (row == Players.CurrentIndex()) {
        // The same player: the game goes on.
      } else if (Players.CurrentIndex() < 0) {
        ChangePlayer(row);
      } else {
        const QString name = QString::fromStdString(Players.Items(row)->Name());
        if (frmMessageBox_->Ask(tr("Are you sure to quit current game and change to \"%1\"?").arg(name)))
          ChangePlayer(row);
      }
    }
    if (stageList_ && Players.CurrentIndex() < 0) {
      const int row = InsistOnAPlayer();
      if (!stageList_) return;
      ChangePlayer(row);
    }
    RefreshHighScores();
  });
}

void TfrmMain::HighScoresClick() {
  WithGamePaused([this] {
    frmTop10_->Prepare();
    frmTop10_->ShowModal();
    frmTop10_->Finish();
  });
}

void TfrmMain::SettingClick() {
  WithGamePaused([this] {
    frmOptions_->Prepare();
    frmOptions_->ShowModal();
    frmOptions_->Finish();
  });
}

void TfrmMain::PauseClick() {
  if (!stageList_) return;
  if (stageList_->IsPaused())
    stageList_->Resume();
  else
    PauseGame();
  pauseCover_->setVisible(stageList_->IsPaused());
}

void TfrmMain::QuitClick() { close(); }

void TfrmMain::SetUrlOpener(TUrlOpener opener) { UrlOpener() = std::move(opener); }

QUrl TfrmMain::HelpPageUrl(const QString& section) {
  QUrl url = QUrl::fromLocalFile(QString::fromStdString(HelpPagePath()));
  if (!section.isEmpty()) url.setFragment(section);
  return url;
}

void TfrmMain::OpenPage(const QUrl& url, const QString& failure) {
  if (UrlOpener() ? UrlOpener()(url) : DesktopShowsWebPages() && QDesktopServices::openUrl(url)) return;
  if (!frmHelp_) frmHelp_ = std::make_unique<TfrmHelp>();
  if (frmHelp_->ShowPage(url)) {
    // Reading in our window holds the game as reading in a browser would.
    HoldUntilBack();
    return;
  }
  if (frmMessageBox_) WithGamePaused([&] { frmMessageBox_->ShowNotice(failure); });
}

void TfrmMain::HelpClick() {
  const QUrl url = HelpPageUrl();
  OpenPage(url, tr("Open the help page failed.\nPlease open \"%1\" in your web browser manually.").arg(url.toString()));
}

void TfrmMain::AboutClick() {
  const QUrl url = HelpPageUrl(QStringLiteral("about"));
  OpenPage(url, tr("Launch your default web browser failed.\nPlease enter the URL \"%1\" into your web browser "
                   "manually.")
                    .arg(url.toString()));
}

// ---- The "More..." options ----

void TfrmMain::MoreOptionsChosen() {
  frmPlayers_->SetRecordShown(stageList_->More.ShowRecords);
  // The window is sized as the application starts (see app/window_scale.h).
  const int32_t chosen = stageList_->More.WindowScale;
  if (chosen == shownScale_) return;
  shownScale_ = chosen;
  QString text = tr("The window will be %1 % of its size from the next start.").arg(chosen);
  if (const QScreen* display = screen()) {
    const QSize room = display->availableGeometry().size() * display->devicePixelRatio();
    if (!WindowScaleFits(chosen, room))
      text += tr("\nIt does not fit this screen: %1 % will be used.")
                  .arg(LargestScaleThatFits(chosen, room));
  }
  frmMessageBox_->ShowNotice(text);
}

void TfrmMain::SetScaleInUse(int32_t scale) {
  startScale_ = scale;
  frmOptions_->MorePage->SetScaleAtStart(stageList_->More.WindowScale, scale);
}
