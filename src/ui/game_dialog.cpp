#include "ui/game_dialog.h"

#include <QChildEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPalette>

#include "ui/fonts.h"
#include "frame/errors.h"

namespace {
TGameDialog::TModalRunner& ModalRunner() {
  static TGameDialog::TModalRunner runner;
  return runner;
}
}  // namespace

TGameDialog::TGameDialog(QWidget* owner, int width, int height, const char* tileFile)
    : QDialog(owner, Qt::Dialog | Qt::FramelessWindowHint) {
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
}

void TGameDialog::SetModalRunner(TModalRunner runner) { ModalRunner() = std::move(runner); }

int TGameDialog::ShowModal() {
  BeforeShow();
  if (ModalRunner()) return ModalRunner()(*this);
  const int result = exec();
  return result == mrOK ? mrOK : mrCancel;
}

TImgBtn* TGameDialog::AddButton(const QString& caption, int left, int top, std::function<void()> onClick) {
  auto* button = new TImgBtn(this);
  button->move(left, top);
  button->SetCaption(caption);
  button->OnClick = std::move(onClick);
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
  CentreOnOwner();
  QDialog::showEvent(event);
}

void TGameDialog::CentreOnOwner() {
  if (const QWidget* owner = parentWidget()) {
    const QPoint centre = owner->mapToGlobal(owner->rect().center());
    move(centre - QPoint(width() / 2, height() / 2));
  }
}
