#pragma once
// The level editor's tool window "frmEditor": a small window that stays on top of the game
// with the level file buttons, the six level parameters, the gem brushes, the layout file
// buttons and a field to set the current player's level. It is made hidden with the main
// window and shown by Ctrl+E there or by starting the game with --editor. Every button but
// "Open" acts only while the editor stage is current.
//
// Beyond the level file buttons: "Check" lists what would go wrong in play, "Play" tries the
// level as it stands (Esc, a lost or a passed game come back), and "Load" reads a layout to
// paint on. Closing the window while editing goes back to the title.
//
// From the keyboard: Tab and the arrows go from control to control, framed in the game's
// dotted mark; Return or Space clicks a button, Return in the level field sets the level, and
// Escape gives the keys back to the game's window (or ends a trial).
//
// Where the window system places windows itself (Wayland), the tools are a panel drawn inside
// the game's window instead, at its top left, with a strip of its own to drag it by and a close
// button; the editor's notices and file dialogs are drawn inside the game's window too.

#include <QFileDialog>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>

#include "board/stage_param.h"

class QKeyEvent;
class TFocusMarker;
class TGmStageList;
class TGmStage_Editor;
class TGmStage_Running;

class TfrmEditor : public QWidget {
  Q_OBJECT
 public:
  // stages gives the stage list while there is one (the window may outlive it at shutdown);
  // levelDialog gives the main window's file dialog, used by "Open".
  using TStagesSource = std::function<TGmStageList*()>;
  using TDialogSource = std::function<QFileDialog*()>;
  TfrmEditor(QWidget* owner, TStagesSource stages, TDialogSource levelDialog);
  ~TfrmEditor() override;

  // Runs a file dialog and returns the chosen file, empty when none; replaceable for tests.
  using TFileChooser = std::function<QString(QFileDialog&)>;
  void SetFileChooser(TFileChooser chooser) { chooseFile_ = std::move(chooser); }
  // Shows a message to the designer; replaceable for tests.
  using TNoticeDisplay = std::function<void(const QString&)>;
  void SetNoticeDisplay(TNoticeDisplay display) { notice_ = std::move(display); }

  // Keys of the main window that concern the editor: Ctrl+E shows this window, "c" clears the
  // selected cell's sources while editing, Esc ends a trial. True when the key was used.
  bool MainWindowKey(const QKeyEvent& event);

  void Button1Click();   // Open
  void Button2Click();   // Clear
  void Button3Click();   // Save the level
  void Button4Click();   // SetLevel
  void Button5Click(int Tag);  // a gem colour
  void Button10Click();  // Chip
  void Button12Click();  // None
  void Button11Click();  // Save the layout
  void CheckClick();
  void PlayClick();
  void LoadClick();      // Load a layout

  TGmStage_Editor* Stage() const;
  bool Editing() const;

  QPushButton* Button1;
  QPushButton* Button2;
  QPushButton* Button3;
  QPushButton* Button4;
  std::array<QPushButton*, 5> ColourButtons;
  QPushButton* Button10;
  QPushButton* Button11;
  QPushButton* Button12;
  QPushButton* btnCheck;
  QPushButton* btnPlay;
  QPushButton* btnLoad;
  // l1 ... l6 with their captions above them.
  std::array<QLineEdit*, 6> Edits;
  std::array<QLabel*, 6> EditLabels;
  QFrame* Bevel1;
  QLineEdit* eLevel;
  // The layout file dialog of "Save" (lower), and the one of "Load". Each is made when first
  // needed: a file dialog reads its folder as it is made, which would slow the game's start.
  QFileDialog* sd = nullptr;
  QFileDialog* odLayout = nullptr;
  // The panel's close button; none on a window of its own (the window system gives one).
  QPushButton* btnClose = nullptr;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QPushButton* AddButton(const QString& caption, int left, int top, int width, std::function<void()> click);
  void CreateParamEdits();
  void CreateBrushButtons();
  // The parameters as the six fields give them, on top of the stage's; false (and the
  // designer told why, followed by Consequence) when a field is not a whole number.
  bool FieldParams(TStageParam& params, const QString& consequence);
  void ShowParams();
  TGmStage_Running* Running() const;
  QString Choose(QFileDialog& dialog);
  // The layout dialog in dialog, made now if it is not yet.
  QFileDialog& LayoutDialog(QFileDialog*& dialog, bool forSaving);

  TGmStageList* Stages() const { return stages_ ? stages_() : nullptr; }
  // Makes the tools a panel inside the game's window.
  void MakePanel();
  void GiveKeysToGame();

  TStagesSource stages_;
  TDialogSource levelDialog_;
  TFileChooser chooseFile_;
  TNoticeDisplay notice_;
  TFocusMarker* focusMarker_;
  // Where in the strip the panel is held while it is dragged.
  std::optional<QPoint> dragFrom_;
};
