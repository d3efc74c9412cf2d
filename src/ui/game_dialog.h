#pragma once
// The shared look and behaviour of the game's small windows: no border, a white panel with a
// one-pixel border, the tiled background "dat/c09" behind everything, centred on the window
// that owns it, shown modally and ended with OK (1) or Cancel (2). Closing it any other way
// (Escape, the window manager) gives Cancel.
//
// Where the window system places windows itself and ignores where the game asks for them
// (Wayland, and an X server within a Wayland desktop), a dialog is drawn inside the game's
// top-level window instead, centred, over a cover that keeps the mouse and the keys from
// everything under it; elsewhere it is a transient window of its own, placed centred over its
// owner.

#include <functional>
#include <optional>
#include <string>

#include <QDialog>
#include <QPointer>

#include "frame/asset_names.h"
#include "ui/focus_look.h"
#include "ui/image_button.h"

enum TModalResult : int { mrNone = 0, mrOK = 1, mrCancel = 2 };

// Runs one of Qt's own dialogs (a file dialog, a message box) over owner's top-level window and
// returns what exec() returns: drawn inside that window, centred, where the game's own dialogs
// are (the window system places windows itself), and a transient window of its own elsewhere.
int ExecOverWindow(QDialog& dialog, QWidget* owner);

// Marks a widget of the game's own drawn inside its top-level window over the board (the
// editor's tools where the window system places windows itself): while it shows, what draws
// straight to the window's screen pixels leaves them to Qt, as under a dialog drawn inside.
void MarkDrawnInside(QWidget& widget);

inline constexpr const char* DialogTileFile = Asset::DialogTile;
// Text written straight on the dark tile; lighter panels set their own.
inline constexpr QRgb DialogTextColor = 0xFFEEE0BC;
inline constexpr const char* DialogButtonFile = Asset::DialogButton;

class TGameDialog : public QDialog {
  Q_OBJECT
 public:
  // A window without a tile (null) paints its own background.
  TGameDialog(QWidget* owner, int width, int height, const char* tileFile = DialogTileFile);
  ~TGameDialog() override;

  // Runs the window until it ends; returns mrOK or mrCancel.
  int ShowModal();
  // Ends the window with a result.
  void Close(int result) { done(result); }
  void reject() override { done(mrCancel); }

  // Replaces the modal loop (tests script what the player does); null restores the real one.
  using TModalRunner = std::function<int(TGameDialog&)>;
  static void SetModalRunner(TModalRunner runner);

  // Whether dialogs made from now on are drawn inside their owner's window; by default on
  // window systems that place windows themselves. Tests force it either way; none restores.
  static void SetDrawnInside(std::optional<bool> inside);
  static bool DrawnInside();
  bool Inside() const { return inside_; }
  // Whether a dialog is open drawn inside window now, or a widget marked drawn inside shows
  // (what draws straight to the window's screen pixels must leave them to Qt meanwhile).
  static bool OpenInside(const QWidget* window);

  // Pictures that could not be loaded while the window was made, one line each; the buttons
  // keep a plain face and still work.
  const std::string& LoadErrors() const { return loadErrors_; }

 protected:
  // A button with the dialog face, caption and action, at (left, top).
  TImgBtn* AddButton(const QString& caption, int left, int top, std::function<void()> onClick);
  // Brings what the window shows up to date each time it is shown.
  virtual void BeforeShow() {}
  // Enter and Return reach the window first (and are swallowed) when OnEnter is set.
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

  std::function<void()> OnEnter;

 private:
  void CentreOnOwner();
  void WatchKeys(QObject* child);
  // The modal loop of a dialog drawn inside its owner's window.
  int RunInside();

  const bool inside_;
  // The control that last had the keys, given them back after a click beside the dialog.
  QPointer<QWidget> lastFocus_;

  TBkgPaintBox* background_ = nullptr;
  // Frames the control that has the keys, but for buttons (they mark themselves).
  TFocusMarker* focusMarker_;
  bool qtFocusLookDropped_ = false;
  std::string loadErrors_;
};
