#include "ui/mouse_routing.h"

#include <algorithm>
#include <optional>

namespace {
constexpr float HalfSprite = 18;

void Deliver(TGmStageList& stages, uint8_t kind, int32_t button, int x, int y) {
  const TPointF at{static_cast<float>(x - BoardLeft) - HalfSprite, static_cast<float>(y - BoardTop) - HalfSprite};
  stages.Pointer = at;
  TGmStage* stage = stages.CurrentStage;
  if (!stage || !stage->OnMouse.Assigned()) return;
  stages.IdleLoop().Hurry();
  stage->OnMouse(kind, button, at.X, at.Y);
}

std::optional<TStageKey> StageKeyOf(int key) {
  switch (key) {
    case Qt::Key_Left: return KeyLeft;
    case Qt::Key_Right: return KeyRight;
    case Qt::Key_Up: return KeyUp;
    case Qt::Key_Down: return KeyDown;
    case Qt::Key_Z: return KeyTurnLeft;
    case Qt::Key_X: return KeyTurnRight;
    case Qt::Key_Return:
    case Qt::Key_Enter: return KeyGoOn;
    default: return std::nullopt;
  }
}
}  // namespace

void RouteMouseMove(TGmStageList& stages, int x, int y) {
  Deliver(stages, MouseMove, mbLeft, std::clamp(x, BoardLeft, BoardRight),
          std::clamp(y, BoardTop, BoardBottom));
}

void RouteMouseDown(TGmStageList& stages, int32_t button, int x, int y) {
  if (x < BoardLeft || x > BoardRight || y < BoardTop || y > BoardBottom) return;
  Deliver(stages, MouseDown, button, x, y);
}

int32_t ButtonOf(Qt::MouseButton button) {
  switch (button) {
    case Qt::RightButton: return mbRight;
    case Qt::MiddleButton: return mbMiddle;
    default: return mbLeft;
  }
}

bool RouteKey(TGmStageList& stages, int key) {
  const std::optional<TStageKey> stageKey = StageKeyOf(key);
  TGmStage* stage = stages.CurrentStage;
  if (!stageKey || !stage || !stage->OnKey.Assigned() || stages.IsPaused()) return false;
  stages.IdleLoop().Hurry();
  stage->OnKey(*stageKey);
  return true;
}
