#include "ui/main_window.h"

#include <sstream>
#include <utility>

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QTimer>

#include "display/picture.h"
#include "frame/paths.h"
#include "frame/rounding.h"
#include "players/player_files.h"
#include "players/players.h"
#include "stages/clearup_stage.h"
#include "stages/editor_stage.h"
#include "stages/running_stage.h"
#include "stages/start_stage.h"
#include "ui/editor_window.h"
#include "ui/fonts.h"
#include "ui/game_application.h"
#include "ui/input_window.h"
#include "ui/message_box.h"
#include "ui/mouse_routing.h"
#include "ui/options_window.h"
#include "ui/players_window.h"
#include "ui/top10_window.h"
#include "frame/errors.h"

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

const char* const RankTitles[] = {"Beginner", "Practician", "Excellent Brillor", "Expert", "King Of Brillor"};

TfrmMain::TUrlOpener& UrlOpener() {
  static TfrmMain::TUrlOpener opener;
  return opener;
}

// The pictures that failed to load since last asked, one line each, but those already in named.
std::string UnnamedPictureFailures(const std::string& named) {
  std::string lines;
  for (const TPictureFailure& failure : TakePictureFailures())
    if (named.find("[" + failure.Path + "]") == std::string::npos) AppendLine(lines, PictureFailureText(failure));
  return lines;
}

QString Quoted(const QString& text) { return QLatin1Char('"') + text + QLatin1Char('"'); }

// A transparent label that lets the mouse through to the window.
QLabel* StatusLabel(QWidget* parent, const QRect& place, int pixelHeight, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->setGeometry(place);
  label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  label->setFont(TahomaFont(pixelHeight, true));
  SetTextColor(label, QColor(255, 255, 0));
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  return label;
}

// Laid over the play field while the Pause button holds the game: the frozen field dimmed under
// "Paused". Painted when shown, like any widget; the game makes no frames meanwhile.
class TPauseCover : public QWidget {
 public:
  explicit TPauseCover(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0, 0, 0, 150));
    painter.setFont(TahomaFont(36, true));
    painter.setPen(Qt::white);
    painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("Paused"));
  }
};

QLabel* PictureLabel(QWidget* parent, const QRect& place, const QImage& picture) {
  auto* label = new QLabel(parent);
  label->setGeometry(place);
  label->setPixmap(QPixmap::fromImage(picture));
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  return label;
}
}  // namespace

// ---- TLevelProgressBox ----

TLevelProgressBox::TLevelProgressBox(QWidget* parent, const TGmStageList* stages)
    : QWidget(parent), stages_(stages) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

int TLevelProgressBox::SplitAt(int width, float fraction) {
  const double split = RoundHalfEven(static_cast<double>(width) * fraction);
  // A level cleared past its target, or a damaged target, keeps the bar inside its box.
  if (!(split > 0)) return 0;
  return split > width ? width : static_cast<int>(split);
}

float TLevelProgressBox::Fraction() const {
  const auto* running = stages_ ? dynamic_cast<const TGmStage_Running*>(stages_->CurrentStage) : nullptr;
  if (!running || !running->Round || running->Round->Param.PassRows <= 0) return 0;
  return static_cast<float>(running->Round->RowsCleared) / static_cast<float>(running->Round->Param.PassRows);
}

void TLevelProgressBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const int W = width(), H = height();
  const int p = SplitAt(W, Fraction());
  // Outlined one pixel inside each part, as a filled rectangle with a border.
  auto part = [&](int left, int right, QColor fill, QColor outline) {
    if (right <= left) return;
    painter.setPen(outline);
    painter.setBrush(fill);
    painter.drawRect(QRect(left, 0, right - left - 1, H - 1));
  };
  part(p, W, Qt::black, QColor(140, 120, 60));
  part(0, p, QColor(170, 35, 35), QColor(170, 170, 35));
}

// ---- TfrmMain ----

TfrmMain::TfrmMain(QWidget* parent, std::unique_ptr<TPlayerFiles> files)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      files_(files ? std::move(files) : std::make_unique<TPlayerFiles>()) {
  setWindowTitle(QStringLiteral("Brillor I"));
  setFixedSize(640, 560);
  setMouseTracking(true);
  setFont(TahomaFont(11, false));
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
  background_ = QImage(QStringLiteral(":/pictures/main_background.png"));
  for (int i = 0; i < ThumbnailCount; ++i)
    thumbnails_[i] = QImage(QStringLiteral(":/pictures/thumb%1.png").arg(i));

  pb_ = new TPlayField(this);
  pb_->setGeometry(221, 20, 400, 500);
  pauseCover_ = new TPauseCover(this);
  pauseCover_->setGeometry(pb_->geometry());
  CreateLabels();
  // Pictures that failed before this window are not its to name.
  TakePictureFailures();
  FormCreate();
  ShowStartErrors();
  connect(qApp, &QGuiApplication::applicationStateChanged, this,
          [this](Qt::ApplicationState state) { ApplicationStateChanged(state); });
}

TfrmMain::~TfrmMain() { FormDestroy(); }

void TfrmMain::CreateLabels() {
  // Empty, without medals or rank, until a player is chosen.
  lPlayerName = StatusLabel(this, QRect(53, 118, 115, 13), 11, QString());
  lLevel = StatusLabel(this, QRect(102, 155, 76, 18), 12, QString());
  lMoney = StatusLabel(this, QRect(98, 192, 80, 18), 12, QString());
  lUnitPrice = StatusLabel(this, QRect(127, 230, 51, 18), 12, QString());
  lEff = StatusLabel(this, QRect(126, 267, 51, 18), 12, QString());
  lTitle = StatusLabel(this, QRect(53, 332, 115, 13), 11, QString());
  const QImage medal(QStringLiteral(":/pictures/medal.png"));
  const int medalTops[] = {152, 188, 225, 262};
  for (int i = 0; i < 4; ++i) {
    Medals[i] = PictureLabel(this, QRect(21, medalTops[i], 24, 31), medal);
    Medals[i]->hide();
  }
  imgNextHexSet = PictureLabel(this, QRect(320, 531, 16, 12), QImage());
}

void TfrmMain::FormCreate() {
  BindRosterEvents();
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

void TfrmMain::BindRosterEvents() {
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
  Players.OnNameChange = [this](const std::string& name) { lPlayerName->setText(QString::fromStdString(name)); };
}

void TfrmMain::CreateStages() {
  new TGmStage_Start(stageList_.get());
  auto* running = new TGmStage_Running(stageList_.get());
  running->OnLevelError = [this](const std::string& message) { ShowLoadErrors(message); };
  running->OnRowsCleared = [this](int32_t) { progress_->update(); };
  running->OnPassRows = [this](int32_t) { progress_->update(); };
  running->OnLeave = [this] { progress_->update(); };
  new TGmStage_Clearup(stageList_.get());
  new TGmStage_Editor(stageList_.get());
  for (int32_t index = 0; index < stageList_->Count(); ++index) {
    try {
      stageList_->Stage(index)->Init();
    } catch (const std::exception& error) {
      // A stage whose music or sounds cannot be loaded is still whole, silent where the file is
      // missing: say which, once for all stages, and play on.
      NoteStartErrors(error.what());
    }
  }
}

void TfrmMain::CreateButtons() {
  struct TButtonPlace {
    const char* Caption;
    const char* Picture;
    int Left, Top;
    void (TfrmMain::*Click)();
  };
  // The game has no web site: the last button opens the help page's About section.
  const TButtonPlace places[] = {
      {"Player", "bmp/ibt01.bmp", 35, 389, &TfrmMain::PlayerClick},
      {"High Scores", "bmp/ibt02.bmp", 109, 389, &TfrmMain::HighScoresClick},
      {"Setting", "bmp/ibt03.bmp", 35, 425, &TfrmMain::SettingClick},
      {"Help", "bmp/ibt04.bmp", 35, 461, &TfrmMain::HelpClick},
      {"Pause", "bmp/ibt02.bmp", 109, 425, &TfrmMain::PauseClick},
      {"Quit", "bmp/ibt01.bmp", 109, 461, &TfrmMain::QuitClick},
      {"About Brillor I", "bmp/ibt05.bmp", 35, 497, &TfrmMain::AboutClick},
  };
  for (const TButtonPlace& place : places) {
    auto* button = new TImgBtn(this);
    button->move(place.Left, place.Top);
    button->SetCaption(QString::fromLatin1(place.Caption));
    button->OnClick = [this, click = place.Click] { (this->*click)(); };
    try {
      button->LoadPicture(place.Picture);
    } catch (const std::exception& error) {
      NoteStartErrors(error.what());
    }
    buttons_.push_back(button);
  }
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
  sd = new QFileDialog(this, QStringLiteral("Open"), QString::fromStdString(PlayerPath("dat")));
  sd->setAcceptMode(QFileDialog::AcceptSave);
  // A new name starts a new level; an existing one is opened, not overwritten.
  sd->setOption(QFileDialog::DontConfirmOverwrite);
  sd->setOption(QFileDialog::DontUseNativeDialog);
  sd->setLabelText(QFileDialog::Accept, QStringLiteral("Open"));
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
  const std::string failures = files_->Save(Players, stageList_->Settings(), stageList_->More,
                                            closing ? TPlayerFiles::TSave::All : TPlayerFiles::TSave::Changed);
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

void TfrmMain::UpdateMedal(int32_t Category) {
  const bool shown = HighScores && Players.Current() && HighScores->Best(Category) == Players.Current();
  Medals[Category]->setVisible(shown);
  int visible = 0;
  for (const QLabel* medal : Medals) visible += !medal->isHidden();
  lTitle->setText(Players.Current() ? QString::fromLatin1(RankTitles[visible]) : QString());
}

void TfrmMain::RefreshHighScores() {
  frmTop10_->Refresh();
  for (int32_t category = 0; category < 4; ++category) UpdateMedal(category);
}

void TfrmMain::ShowNextHexSet(int32_t Index) {
  if (Index < 0 || Index > ThumbnailCount - 1) Index = ThumbnailCount - 1;
  imgNextHexSet->setPixmap(QPixmap::fromImage(thumbnails_[Index]));
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

void TfrmMain::NoteStartErrors(const std::string& lines) {
  std::istringstream stream(lines);
  for (std::string line; std::getline(stream, line);)
    if (startErrors_.find(line) == std::string::npos) AppendLine(startErrors_, line);
}

void TfrmMain::ShowStartErrors() {
  NoteStartErrors(UnnamedPictureFailures(startErrors_));
  if (!startErrors_.empty()) ShowLoadErrors(std::exchange(startErrors_, {}));
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
  if (stageList_) stageList_->SwitchToStage("TGmStage_Start");
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
        if (frmMessageBox_->Ask(QStringLiteral("Are you sure to quit current game and change to ") + Quoted(name) +
                                QLatin1Char('?')))
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
  QUrl url = QUrl::fromLocalFile(QString::fromStdString(GamePath("Brillor_v1.0.html")));
  if (!section.isEmpty()) url.setFragment(section);
  return url;
}

void TfrmMain::OpenPage(const QUrl& url, const QString& failure) {
  const bool opened = UrlOpener() ? UrlOpener()(url) : QDesktopServices::openUrl(url);
  if (!opened && frmMessageBox_) WithGamePaused([&] { frmMessageBox_->ShowNotice(failure); });
}

void TfrmMain::HelpClick() {
  const QUrl url = HelpPageUrl();
  OpenPage(url, QStringLiteral("Open the help page failed.\nPlease open ") + Quoted(url.toString()) +
                    QStringLiteral(" in your web browser manually."));
}

void TfrmMain::AboutClick() {
  const QUrl url = HelpPageUrl(QStringLiteral("about"));
  OpenPage(url, QStringLiteral("Launch your default web browser failed.\nPlease enter the URL ") +
                    Quoted(url.toString()) + QStringLiteral(" into your web browser manually."));
}

void TfrmMain::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  if (background_.isNull())
    painter.fillRect(rect(), Qt::white);
  else
    painter.drawImage(0, 0, background_);
}

void TfrmMain::keyPressEvent(QKeyEvent* event) {
  if (frmEditor_ && frmEditor_->MainWindowKey(*event)) return;
  switch (event->key()) {
    case Qt::Key_Space:
      // Minimised, the application is inactive and the game pauses.
      showMinimized();
      return;
    case Qt::Key_F1:
      HelpClick();
      return;
    default:
      QWidget::keyPressEvent(event);
  }
}

void TfrmMain::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // Shown while the application is already active (another of its windows had the focus),
  // no activation follows: the first one is made here.
  if (firstActivation_ && QGuiApplication::applicationState() == Qt::ApplicationActive)
    QTimer::singleShot(0, this, [this] { FirstActivation(); });
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
  // A dialog still open (the first choice of a player, a question) ends with Cancel, so its
  // loop lets the game quit.
  for (QDialog* dialog : findChildren<QDialog*>())
    if (dialog->isVisible()) dialog->reject();
  event->accept();
}

// ---- The "More..." options ----

void TfrmMain::MoreOptionsChosen() {
  frmPlayers_->SetRecordShown(stageList_->More.ShowRecords);
  // The window is sized as the application starts (see app/window_scale.h).
  const int32_t chosen = stageList_->More.WindowScale;
  if (chosen == shownScale_) return;
  shownScale_ = chosen;
  QString text = QStringLiteral("The window will be %1 % of its size from the next start.").arg(chosen);
  // This window has the size the game started with: the new one grows from it.
  const QSize wanted(width() * chosen / startScale_, height() * chosen / startScale_);
  if (const QScreen* display = screen()) {
    const QSize room = display->availableGeometry().size();
    if (wanted.width() > room.width() || wanted.height() > room.height())
      text += QStringLiteral("\nIt will be larger than this screen.");
  }
  frmMessageBox_->ShowNotice(text);
}
