#include "ui/focus_look.h"

#include <QApplication>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOption>

#include "ui/image_button.h"

namespace {
// The colour of the mark round a control: it reads on the control's background.
QColor MarkColourFor(const QWidget* control) {
  const QWidget* under = control->parentWidget() ? control->parentWidget() : control;
  const bool darkGround = under->palette().color(QPalette::WindowText).lightness() > 128;
  return QColor::fromRgb(darkGround ? TImgBtn::FocusMarkColor : TBkgPaintBox::FrameColor);
}

class TFocusMark : public QWidget {
 public:
  explicit TFocusMark(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
  }
  QColor Colour;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setPen(QPen(Colour, 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
  }
};

// The application's style with its focus look taken out: no focus frame, and every part drawn
// as if it had no focus (the selected row of a list keeps its colours).
class TNoFocusStyle : public QProxyStyle {
 public:
  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
    if (element == PE_FrameFocusRect) return;
    WithoutFocus(option, [&] { QProxyStyle::drawPrimitive(element, option, painter, widget); });
  }
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget) const override {
    WithoutFocus(option, [&] { QProxyStyle::drawControl(element, option, painter, widget); });
  }
  void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                          const QWidget* widget) const override {
    WithoutFocus(option, [&] { QProxyStyle::drawComplexControl(control, option, painter, widget); });
  }

 private:
  // The option is the caller's own, lent for the drawing: its focus flag is put back after.
  template <class TDraw>
  static void WithoutFocus(const QStyleOption* option, TDraw draw) {
    auto* lent = const_cast<QStyleOption*>(option);
    const State state = lent->state;
    lent->state &= ~State_HasFocus;
    draw();
    lent->state = state;
  }
};
}  // namespace

TFocusMarker::TFocusMarker(QWidget* root, TMarked marked) : QObject(root), root_(root), marked_(std::move(marked)) {
  watch_ = connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { Place(now); });
}

TFocusMarker::~TFocusMarker() { disconnect(watch_); }

void TFocusMarker::Place(QWidget* focused) {
  const bool marked = focused && focused != root_ && root_->isAncestorOf(focused) && marked_(focused);
  if (!mark_) mark_ = new TFocusMark(root_);
  if (!marked) {
    mark_->hide();
    return;
  }
  auto* mark = static_cast<TFocusMark*>(mark_.data());
  mark->Colour = MarkColourFor(focused);
  mark->setParent(focused->parentWidget());
  mark->setGeometry(focused->geometry().adjusted(-2, -1, 2, 1));
  mark->raise();
  mark->show();
}

void DropQtFocusLook(QWidget* control) {
  auto* style = new TNoFocusStyle;
  style->setParent(control);
  QList<QWidget*> all = control->findChildren<QWidget*>();
  all.prepend(control);
  for (QWidget* widget : all) {
    widget->setAttribute(Qt::WA_MacShowFocusRect, false);
    widget->setStyle(style);
  }
}
