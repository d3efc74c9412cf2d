#include "ui/mouse_routing.h"

#include <algorithm>

namespace {
constexpr float HalfSprite = 18;

void Deliver(TGmStageList& stages, uint8_t kind, int32_t button, int x, int y) {
  TGmStage* stage = stages.CurrentStage;
  if (!stage || !stage->OnMouse.Assigned()) return;
  stages.IdleLoop().Hurry();
  stage->OnMouse(kind, button, static_cast<float>(x - BoardLeft) - HalfSprite,
                 static_cast<float>(y - BoardTop) - HalfSprite);
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
