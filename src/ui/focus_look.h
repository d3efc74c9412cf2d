#pragma once
// The game's own look for the control that has the keys: a dotted frame round it, drawn in a
// colour that reads on what lies under it (gold where the text is light, the frame's dark brown
// where it is dark), in place of the look of Qt's style, which is left out.

#include <functional>

#include <QPointer>
#include <QWidget>

// Follows the application's focus and frames the control that has it, while that control lies
// inside the root and Marked(control) holds. The mark is a child of the control's parent and
// lets the mouse through. Its owner deletes it in its own destructor: the root, hidden as it
// goes, moves the focus when it is no longer whole.
class TFocusMarker : public QObject {
 public:
  using TMarked = std::function<bool(const QWidget*)>;
  TFocusMarker(QWidget* root, TMarked marked);
  ~TFocusMarker() override;

 private:
  void Place(QWidget* focused);

  QWidget* root_;
  TMarked marked_;
  // Given to the control's own parent, so it may go with that parent; made again then.
  QPointer<QWidget> mark_;
  QMetaObject::Connection watch_;
};

// Leaves Qt's own focus frame and highlight out of control and everything in it, as it is now.
void DropQtFocusLook(QWidget* control);
