#include "ui/mouse_routing.h"

#include <algorithm>

namespace {
constexpr float HalfSprite = 18;

void Deliver(TGmStageList& stages, uint8_t kind, TShiftState shift, int32_t button, int x, int y) {
  TGmStage* stage = stages.CurrentStage;
  if (!stage || !stage->OnMouse.Assigned()) return;
  stages.IdleLoop().Hurry();
  stage->OnMouse(kind, shift, button, static_cast<float>(x - BoardLeft) - HalfSprite,
                 static_cast<float>(y - BoardTop) - HalfSprite);
}
}  // namespace

void RouteMouseMove(TGmStageList& stages, TShiftState shift, int x, int y) {
  Deliver(stages, MouseMove, shift, mbLeft, std::clamp(x, BoardLeft, BoardRight),
          std::clamp(y, BoardTop, BoardBottom));
}

void RouteMouseDown(TGmStageList& stages, TShiftState shift, int32_t button, int x, int y) {
  if (x < BoardLeft || x > BoardRight || y < BoardTop || y > BoardBottom) return;
  Deliver(stages, MouseDown, shift, button, x, y);
}

TShiftState ShiftOf(const QMouseEvent& event) {
  TShiftState shift = 0;
  const Qt::KeyboardModifiers modifiers = event.modifiers();
  if (modifiers & Qt::ShiftModifier) shift |= ssShift;
  if (modifiers & Qt::AltModifier) shift |= ssAlt;
  if (modifiers & Qt::ControlModifier) shift |= ssCtrl;
  const Qt::MouseButtons buttons = event.buttons();
  if (buttons & Qt::LeftButton) shift |= ssLeft;
  if (buttons & Qt::RightButton) shift |= ssRight;
  if (buttons & Qt::MiddleButton) shift |= ssMiddle;
  return shift;
}

int32_t ButtonOf(Qt::MouseButton button) {
  switch (button) {
    case Qt::RightButton: return mbRight;
    case Qt::MiddleButton: return mbMiddle;
    default: return mbLeft;
  }
}
