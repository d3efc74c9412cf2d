#pragma once
// The game's one top-level window: a fixed 640 x 560 frame captioned "Brillor I". The playing
// field sits at (221, 20); at the left the current player's name, level, money, unit price,
// efficiency, rank title and medals; under the board the next shape and the level's progress;
// seven buttons. It owns the stage list and the dialogs, routes the mouse over the board to the
// current stage, pauses the game while the application is inactive and around every dialog it
// opens, and makes sure a player is chosen before play begins.

#include <array>
#include <functional>
#include <memory>
#include <vector>

#include <QImage>
#include <QLabel>
#include <QUrl>
#include <QWidget>

#include "stages/stage_list.h"
#include "players/player_files.h"
#include "players/players.h"
#include "ui/image_button.h"
#include "ui/play_field.h"
#include "ui/progress_box.h"
#include "ui/start_errors.h"
#include "ui/status_panel.h"

class TfrmMessageBox;
class TfrmInput;
class TfrmPlayers;
class TfrmTop10;
class TfrmOptions;
class TGmStage_Running;
class TfrmEditor;
class TfrmHelp;
class QFileDialog;

class TfrmMain : public QWidget, public TStatusPanel {
  Q_OBJECT
 public:
  // files: the player's files, their lock taken; the window makes its own when none is given.
  explicit TfrmMain(QWidget* parent = nullptr, std::unique_ptr<TPlayerFiles> files = nullptr);
  ~TfrmMain() override;

  void PauseGame();
  void ResumeGame();

  void PlayerClick();
  void HighScoresClick();
  void SettingClick();
  void HelpClick();
  void PauseClick();
  void QuitClick();
  void AboutClick();

  // Opens a page in the desktop's browser, where it has one (see ui/desktop_browser.h); false
  // when it did not. Replaceable so tests can see what would be opened.
  using TUrlOpener = std::function<bool(const QUrl&)>;
  static void SetUrlOpener(TUrlOpener opener);
  static QUrl HelpPageUrl(const QString& section = QString());
  // The window size in use (per cent), when the one chosen did not fit the screen.
  void SetScaleInUse(int32_t scale);
  // Shows a message once the window is up, with the game held still while it is open.
  void ShowLoadErrors(const std::string& message);
  // Call after pausing for a modal window: the roster is saved while the game stands still.
  void BeforeModalWindow();

  TGmStageList* StageList() const { return stageList_.get(); }
  TPlayField* PlayField() const { return pb_; }
  TfrmMessageBox* MessageBox() const { return frmMessageBox_; }
  TfrmInput* Input() const { return frmInput_; }
  TfrmPlayers* PlayersWindow() const { return frmPlayers_; }
  TfrmTop10* Top10Window() const { return frmTop10_; }
  TfrmOptions* OptionsWindow() const { return frmOptions_; }
  TLevelProgressBox* ProgressBox() const { return progress_; }
  // Shown over the play field while the Pause button holds the game.
  QWidget* PauseCover() const { return pauseCover_; }
  // The level editor's tool window (hidden until asked for) and the file dialog of its "Open",
  // made when first needed (a file dialog reads its folder as it is made).
  TfrmEditor* EditorWindow() const { return frmEditor_; }
  QFileDialog* LevelDialog();
  // The game's own help window, made the first time the desktop does not show the page.
  TfrmHelp* HelpWindow() const { return frmHelp_.get(); }
  QFileDialog* sd = nullptr;
  const std::vector<TImgBtn*>& Buttons() const { return buttons_; }

  static constexpr const char* ChoosePlayerNotice = "Please select a exists player or create a new player.";

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void FormCreate();
  void FormDestroy();
  void CreateButtons();
  void CreateDialogs();
  void CreateEditorWindow();
  // The title, the playing stage and the map, each made ready; load failures go into the
  // start-up message.
  void CreateStages();
  void ApplicationStateChanged(Qt::ApplicationState state);
  // Undoes the hold of Space when the window was not minimised after all; true when it did.
  bool ResumeAfterSpace();
  void FirstActivation();
  // Shows the players window until a player is selected; returns the selected row.
  int InsistOnAPlayer();
  void ShowTitle();
  // Makes the roster's row current and starts that player at the title.
  void ChangePlayer(int32_t Row);
  // The high-score list follows the roster again, and the medals with it.
  void RefreshHighScores();
  // Runs a dialog with the game held still.
  void WithGamePaused(const std::function<void()>& dialog);
  // The page in the desktop's browser, else in the game's help window; failure is shown only
  // when there is no page to show.
  void OpenPage(const QUrl& url, const QString& failure);
  // The game holds as while the player is away, until its window is active again.
  void HoldUntilBack();
  bool HelpHasFocus() const;
  // Adds each line not there yet to the one message shown once the window is made.
  void NoteStartErrors(const std::string& lines);
  // Shows that message with every picture that failed to load and is not named in it yet; a
  // picture failing from then on is named in a message of its own, once.
  void ShowStartErrors();
  void NameLaterPictureFailures();

  // Saves every player file that changed; a failure not told before is shown (at once when
  // the game is closing, else when the window is free).
  void SavePlayerFiles(bool closing);

  // ---- The "More..." options (end of main_window.cpp) ----
  // A new window size is announced once; the rest applies when the game resumes.
  void MoreOptionsChosen();
  int32_t shownScale_ = 100;
  int32_t startScale_ = 100;

  QImage background_;
  TPlayField* pb_ = nullptr;
  QWidget* pauseCover_ = nullptr;
  TLevelProgressBox* progress_ = nullptr;
  std::vector<TImgBtn*> buttons_;
  std::unique_ptr<TPlayerFiles> files_;
  std::unique_ptr<TGmStageList> stageList_;
  TfrmMessageBox* frmMessageBox_ = nullptr;
  TfrmInput* frmInput_ = nullptr;
  TfrmPlayers* frmPlayers_ = nullptr;
  TfrmTop10* frmTop10_ = nullptr;
  TfrmOptions* frmOptions_ = nullptr;
  TfrmEditor* frmEditor_ = nullptr;
  std::unique_ptr<TfrmHelp> frmHelp_;
  bool firstActivation_ = true;
  bool inactivePause_ = false;
  TStartErrors startErrors_;
};
