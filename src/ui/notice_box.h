#pragma once
// A notice of Qt's own look (an icon, the text, OK), for what the game reports outside its own
// dialogs: errors, and the level editor's answers. A text too long for the room it opens in
// (the game's window where dialogs are drawn inside it, else the screen) scrolls, and OK stays
// in sight. Return, Enter, Space (on OK) and Escape close it, as any window of Qt's does.

#include <QDialog>
#include <QMessageBox>

class QLabel;
class QScrollArea;

class TNoticeBox : public QDialog {
  Q_OBJECT
 public:
  TNoticeBox(QWidget* owner, QMessageBox::Icon icon, const QString& text);

  // Runs the notice until it is closed, over owner's window as the game's dialogs are.
  void Run();

  QLabel* Text() const { return text_; }
  QScrollArea* TextArea() const { return area_; }

 private:
  // Sizes the notice to its text, within room.
  void FitInto(QSize room);

  QLabel* text_;
  QScrollArea* area_;
};
