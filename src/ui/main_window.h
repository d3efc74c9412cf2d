#pragma once
// The game's one top-level window: a fixed 640 x 560 frame captioned "Brillor I" with the
// 400 x 500 playing field at (221, 20). It owns the stage list, routes the mouse over the
// board to the current stage, and pauses the game while the application is inactive.

#include <memory>

#include <QWidget>

#include "frame/stage_list.h"
#include "ui/play_field.h"

class TfrmMain : public QWidget {
  Q_OBJECT
 public:
  explicit TfrmMain(QWidget* parent = nullptr);
  ~TfrmMain() override;

  void PauseGame();
  void ResumeGame();
  // Call after pausing for a modal window: the roster is saved while the game stands still.
  void BeforeModalWindow();
  // Temporary start-up until the title and the level map exist: makes the running stage and
  // plays the current player's level at once, creating a player when the roster has none.
  void StartPlaying();

  TGmStageList* StageList() const { return stageList_.get(); }
  TPlayField* PlayField() const { return pb_; }

 protected:
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void FormCreate();
  void FormDestroy();
  void ApplicationStateChanged(Qt::ApplicationState state);
  void FirstActivation();
  void ShowLevelError(const std::string& message);

  TPlayField* pb_ = nullptr;
  std::unique_ptr<TGmStageList> stageList_;
  bool firstActivation_ = true;
  // False when the roster file could not be read nor moved aside: it is then not overwritten.
  bool rosterLoaded_ = false;
  bool inactivePause_ = false;
};
