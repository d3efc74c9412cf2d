#include "ui/game_dialog.h"

#include <QApplication>
#include <QChildEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QWheelEvent>
#include <utility>
#include <vector>

#include "frame/errors.h"
#include "ui/fonts.h"

namespace {
TGameDialog::TModalRunner& ModalRunner() {
  static TGameDialog::TModalRunner runner;
  return runner;
}

std::optional<bool>& ForcedInside() {
  static std::optional<bool> inside;
  return inside;
}

// The widgets drawn inside a window over its field: the covers under dialogs and the marked
// panels. A frame looks them over to learn whether it may draw straight to the screen, so they
// are kept in a short list of their own rather than sought among the window's many children.
std::vector<QPointer<QWidget>>& DrawnInsideWidgets() {
  static std::vector<QPointer<QWidget>> widgets;
  return widgets;
}
}  // namespace

void MarkDrawnInside(QWidget& widget) {
  std::vector<QPointer<QWidget>>& widgets = DrawnInsideWidgets();
  std::erase_if(widgets, [](const QPointer<QWidget>& gone) { return gone.isNull(); });
  widgets.emplace_back(&widget);
}

namespace {
// Laid over the whole window under a dialog drawn inside it: the mouse reaches nothing below,
// and a click on it leaves the keys with the dialog.
class TModalCover : public QWidget {
 public:
  TModalCover(QWidget* window, std::function<void()> focusDialog)
      : QWidget(window), focusDialog_(std::move(focusDialog)) {
    setAttribute(Qt::WA_NoMousePropagation);
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
    setGeometry(window->rect());
    MarkDrawnInside(*this);
    raise();
    show();
  }

 protected:
  void focusInEvent(QFocusEvent*) override { focusDialog_(); }
  void mousePressEvent(QMouseEvent* event) override { event->accept(); }
  void mouseReleaseEvent(QMouseEvent* event) override { event->accept(); }
  void mouseDoubleClickEvent(QMouseEvent* event) override { event->accept(); }
  void mouseMoveEvent(QMouseEvent* event) override { event->accept(); }
  void wheelEvent(QWheelEvent* event) override { event->accept(); }

 private:
  std::function<void()> focusDialog_;
};

// The window a dialog is drawn in: its owner's top-level window.
QWidget* HostOf(QWidget* owner, bool inside) { return inside && owner ? owner->window() : owner; }

// While a dialog drawn inside a window runs, the keys it leaves go no further: they would reach
// the window under it (Space would minimise the game).
class TKeyStop : public QObject {
 public:
  explicit TKeyStop(QWidget* window) : window_(window) { window->installEventFilter(this); }
  ~TKeyStop() override {
    if (window_) window_->removeEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    return watched == window_ && (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease);
  }

 private:
  QPointer<QWidget> window_;
};

// The control a dialog opens with: the one it chose itself while shown, else its default
// button, else the first control Tab reaches, else the dialog.
void FocusOpeningControl(QDialog& dialog) {
  if (QWidget* chosen = dialog.focusWidget(); chosen && dialog.isAncestorOf(chosen) && chosen->isVisible()) {
    chosen->setFocus(Qt::OtherFocusReason);
    return;
  }
  for (QPushButton* button : dialog.findChildren<QPushButton*>())
    if (button->isDefault() && button->isVisible() && button->isEnabled()) {
      button->setFocus(Qt::OtherFocusReason);
      return;
    }
  QWidget* first = &dialog;
  for (QWidget* next = dialog.nextInFocusChain(); next && next != &dialog; next = next->nextInFocusChain())
    if (dialog.isAncestorOf(next) && next->isVisible() && next->isEnabled() && (next->focusPolicy() & Qt::TabFocus)) {
      first = next;
      break;
    }
  first->setFocus(Qt::OtherFocusReason);
}

// The modal loop of a dialog drawn inside its parent window, over a cover. The dialog has the
// keys as it opens (as a window of its own has them), and again after a click on the cover
// (focusDialog). The control that had the keys before has them again after.
int RunCovered(QDialog& dialog, const std::function<void()>& focusDialog) {
  QWidget* window = dialog.parentWidget();
  const QPointer<QWidget> focused = window->focusWidget();
  const QPointer<QWidget> cover = new TModalCover(window, focusDialog);
  const TKeyStop keyStop(window);
  dialog.raise();
  QTimer::singleShot(0, &dialog, focusDialog);
  const int result = dialog.exec();
  delete cover.data();
  if (focused)
    focused->setFocus(Qt::OtherFocusReason);
  else
    window->setFocus(Qt::OtherFocusReason);
  return result;
}
}  // namespace

int ExecOverWindow(QDialog& dialog, QWidget* owner) {
  QWidget* window = owner ? owner->window() : nullptr;
  if (!window || !TGameDialog::DrawnInside()) return dialog.exec();
  QWidget* const parent = dialog.parentWidget();
  const Qt::WindowFlags flags = dialog.windowFlags();
  dialog.setParent(window, Qt::Widget);
  // A window of its own is filled by the window system; a child shows what lies under it.
  const bool filled = dialog.autoFillBackground();
  dialog.setAutoFillBackground(true);
  dialog.resize(dialog.size().boundedTo(window->size()).expandedTo(dialog.minimumSizeHint()));
  dialog.move((window->width() - dialog.width()) / 2, (window->height() - dialog.height()) / 2);
  dialog.setFocusPolicy(Qt::StrongFocus);
  const int result = RunCovered(dialog, [&dialog] { FocusOpeningControl(dialog); });
  dialog.setParent(parent, flags);
  dialog.setAutoFillBackground(filled);
  return result;
}

bool TGameDialog::OpenInside(const QWidget* window) {
  for (const QPointer<QWidget>& widget : DrawnInsideWidgets())
    if (widget && widget->parentWidget() == window && widget->isVisible()) return true;
  return false;
}

void TGameDialog::SetDrawnInside(std::optional<bool> inside) { ForcedInside() = inside; }

bool TGameDialog::DrawnInside() {
  if (ForcedInside()) return *ForcedInside();
  // An X server inside a Wayland desktop (XWayland) is placed by the compositor too.
  const QString platform = QGuiApplication::platformName();
  return platform.startsWith(QLatin1String("wayland")) ||
         (platform == QLatin1String("xcb") && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"));
}

TGameDialog::TGameDialog(QWidget* owner, int width, int height, const char* tileFile)
    : QDialog(HostOf(owner, DrawnInside() && owner), Qt::Dialog | Qt::FramelessWindowHint),
      inside_(DrawnInside() && owner) {
  if (inside_) {
    // A dialog is a window of its own whatever it is made with; this makes it a child widget,
    // hidden until it is run.
    setWindowFlags(Qt::Widget);
    hide();
  }
  setModal(true);
  setFixedSize(width, height);
  setFont(TahomaFont(12, true));
  if (tileFile) {
    background_ = new TBkgPaintBox(this);
    background_->LoadPicture(tileFile);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, QColor::fromRgb(DialogTextColor));
    setPalette(colours);
  }
  installEventFilter(this);
  focusMarker_ = new TFocusMarker(this, [](const QWidget* control) { return !qobject_cast<const TImgBtn*>(control); });
}

// Hiding a dialog as it goes moves the focus: by then it is only a QDialog, and must not hear of it.
TGameDialog::~TGameDialog() { delete focusMarker_; }

void TGameDialog::SetModalRunner(TModalRunner runner) { ModalRunner() = std::move(runner); }

int TGameDialog::ShowModal() {
  BeforeShow();
  if (ModalRunner()) return ModalRunner()(*this);
  const int result = inside_ ? RunInside() : exec();
  // The game's window has the keys again (a window manager may leave the focus on none).
  if (QWidget* window = !inside_ && parentWidget() ? parentWidget()->window() : nullptr) {
    window->activateWindow();
    if (!window->focusWidget()) window->setFocus(Qt::ActiveWindowFocusReason);
  }
  return result == mrOK ? mrOK : mrCancel;
}

int TGameDialog::RunInside() {
  setFocusPolicy(Qt::StrongFocus);
  return RunCovered(*this, [this] {
    if (lastFocus_ && isAncestorOf(lastFocus_))
      lastFocus_->setFocus(Qt::OtherFocusReason);
    else
      FocusOpeningControl(*this);
  });
}

TImgBtn* TGameDialog::AddButton(const QString& caption, int left, int top, std::function<void()> onClick) {
  auto* button = new TImgBtn(this);
  button->move(left, top);
  button->SetCaption(caption);
  button->OnClick = std::move(onClick);
  button->setFocusPolicy(Qt::StrongFocus);
  try {
    button->LoadPicture(DialogButtonFile);
  } catch (const std::exception& error) {
    if (loadErrors_.find(error.what()) == std::string::npos)
      AppendLine(loadErrors_, error.what());
  }
  WatchKeys(button);
  return button;
}

void TGameDialog::WatchKeys(QObject* child) { child->installEventFilter(this); }

bool TGameDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ChildAdded) WatchKeys(static_cast<QChildEvent*>(event)->child());
  if (event->type() == QEvent::FocusIn && watched->isWidgetType()) lastFocus_ = static_cast<QWidget*>(watched);
  if (event->type() == QEvent::KeyPress && OnEnter) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      OnEnter();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void TGameDialog::paintEvent(QPaintEvent*) {
  // The white panel shows only where the tile does not reach; its border stays on top.
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
}

void TGameDialog::showEvent(QShowEvent* event) {
  FitCaptions(this);
  // The controls are all made by now; the game marks the one with the keys itself.
  if (!std::exchange(qtFocusLookDropped_, true)) DropQtFocusLook(this);
  CentreOnOwner();
  QDialog::showEvent(event);
  if (inside_) FocusOpeningControl(*this);
}

void TGameDialog::keyPressEvent(QKeyEvent* event) {
  QDialog::keyPressEvent(event);
  // Drawn inside the game's window, no key may go on to that window (Space would minimise it).
  if (inside_) event->accept();
}

void TGameDialog::CentreOnOwner() {
  if (inside_) {
    const QWidget* window = parentWidget();
    move((window->width() - width()) / 2, (window->height() - height()) / 2);
    return;
  }
  if (const QWidget* owner = parentWidget()) {
    const QPoint centre = owner->mapToGlobal(owner->rect().center());
    move(centre - QPoint(width() / 2, height() / 2));
  }
}
