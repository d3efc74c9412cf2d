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
  // Makes the title current, creating a player when the roster has none.
  void ShowTitle();

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
  // The title, the playing stage and the map, each made ready; load failures are shown once.
  void CreateStages();
  void ShowLevelError(const std::string& message);

  TPlayField* pb_ = nullptr;
  std::unique_ptr<TGmStageList> stageList_;
  bool firstActivation_ = true;
  // False when the roster file could not be read: it is then not overwritten at exit.
  bool rosterLoaded_ = false;
  bool inactivePause_ = false;
};
