#pragma once
// The two widgets that give every window its look: a push button drawn from a picture with an
// embossed caption, and a background of a picture tiled edge to edge inside a brown frame.

#include <string>

#include <QImage>
#include <QKeyCombination>
#include <QList>
#include <QString>
#include <QWidget>

#include "frame/events.h"

class QKeyEvent;

class TImgBtn : public QWidget {
  Q_OBJECT
 public:
  explicit TImgBtn(QWidget* parent);

  // Loads the face and takes its size; the same name again does nothing. Throws EGameError when
  // the picture cannot be loaded: the button then keeps a plain face of the default size.
  void LoadPicture(const std::string& file);
  void SetCaption(const QString& text);
  // Keys that click the button from anywhere in its window (the window asks Answers); its
  // tooltip names them.
  void SetKeys(const QList<QKeyCombination>& keys);
  bool Answers(const QKeyEvent& event) const;
  // The font the caption is laid out in, and the pixels it may take: two clear of each edge and
  // one more each side for the embossing. A wider caption is drawn smaller.
  static QFont CaptionFont();
  int CaptionRoom() const { return width() - 6; }

  // A button that takes the keys (the dialogs' buttons; see TGameDialog::AddButton) shows a
  // mark inside its edge while it has them. Space, Return and Enter click it (unless its window
  // takes Return itself), and the arrows give the keys to the control before or after it.
  static constexpr QRgb FocusMarkColor = 0xFFF4D78A;

  bool Pressed = false;
  QImage Picture;
  std::string PictureFile;
  QString Caption;
  TNotifyEvent OnClick;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Release();
  void UpdateToolTip();

  QList<QKeyCombination> keys_;
};

// Fills its parent's client area: the tile repeated from the top-left corner, then the frame.
// It takes no mouse input and stays behind the other controls.
class TBkgPaintBox : public QWidget {
  Q_OBJECT
 public:
  explicit TBkgPaintBox(QWidget* parent);

  // The same name again does nothing. A picture that cannot be loaded leaves the box empty.
  void LoadPicture(const std::string& file);

  static constexpr QRgb FrameColor = 0xFF462814;

  QImage Picture;
  std::string PictureFile;

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
};
