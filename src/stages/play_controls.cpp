#include "stages/play_controls.h"

#include <utility>

#include "board/hex_geometry.h"
#include "stages/stage_list.h"

namespace {
// The laser's aim moves by the height of a row.
constexpr float RowHeight = 1.5f * FieldHexSize;
}  // namespace

TPlayControls::TPlayControls(TPlayRound& round, THeldSetView& held, TLaserView& laser, const TPlaySounds& sounds,
                             THooks hooks)
    : round_(round), held_(held), laser_(laser), sounds_(sounds), hooks_(std::move(hooks)) {}

// ---- The pointer ----

void TPlayControls::Mouse(uint8_t kind, int32_t button, float x, float y) {
  if (kind == MouseMove && !pointerHold_.Follows({x, y})) return;
  if (hooks_.Waiting() && kind == MouseDown) {
    hooks_.Continue();
    return;
  }
  switch (round_.Mode) {
    case TPlayMode::Aiming: LaserMouse(kind, button, y); break;
    case TPlayMode::Lost:
      if (kind == MouseDown) hooks_.GoOnAfterLoss();
      break;
    default: PlayMouse(kind, button, x, y); break;
  }
}

void TPlayControls::PlayMouse(uint8_t kind, int32_t button, float x, float y) {
  if (kind == MouseMove) {
    X = x;
    Y = y;
    held_.MoveTo(THeldSetView::OriginFor(x, y, hooks_.Snapped()));
  } else if (button == mbLeft) {
    if (!round_.TryDrop()) sounds_.Restart(TPlaySound::CannotDrop);
  } else if (button == mbRight) {
    // Five steps one way are one step the other way.
    Turn(hooks_.RightTurnsAnticlockwise() ? 1 : TurnsPerCircle - 1);
  }
}

void TPlayControls::LaserMouse(uint8_t kind, int32_t button, float y) {
  if (kind == MouseMove) {
    laser_.Aim(y);
  } else if (button == mbLeft) {
    const auto [rowA, rowB] = TLaserView::RowsAt(y);
    round_.FireLaser(rowA, rowB);
  }
}

void TPlayControls::Turn(int32_t steps) {
  round_.Turn(steps);
  held_.Place();
  sounds_.Restart(TPlaySound::Rotate);
}

void TPlayControls::PlaceHand(TPointF at) {
  X = at.X;
  Y = at.Y;
  held_.MoveTo(at);
}

void TPlayControls::StartHand(const std::optional<TPointF>& pointer) {
  // A pointer left where it was while keys steered the last level does not lead the set: the
  // player is on the keys.
  if (pointer && pointerHold_.Follows(*pointer))
    PlayMouse(MouseMove, mbLeft, pointer->X, pointer->Y);
  else
    SteerTo(StartAnchor(round_.Held, round_.Board));
}

void TPlayControls::FollowHand() { held_.MoveTo(THeldSetView::OriginFor(X, Y, hooks_.Snapped())); }

// ---- The keys ----

void TPlayControls::Key(uint8_t key) {
  if (hooks_.Waiting()) {
    if (key == KeyGoOn) hooks_.Continue();
    return;
  }
  switch (round_.Mode) {
    case TPlayMode::Aiming: LaserKey(key); break;
    case TPlayMode::Lost:
      if (key == KeyGoOn) hooks_.GoOnAfterLoss();
      break;
    default: PlayKey(key); break;
  }
}

void TPlayControls::PlayKey(uint8_t key) {
  switch (key) {
    case KeyLeft: Step(TKeyStep::Left); break;
    case KeyRight: Step(TKeyStep::Right); break;
    case KeyUp: Step(TKeyStep::Up); break;
    case KeyDown: Step(TKeyStep::Down); break;
    case KeyTurnLeft: KeyTurn(1); break;
    case KeyTurnRight: KeyTurn(TurnsPerCircle - 1); break;
    case KeyGoOn: PlayMouse(MouseDown, mbLeft, X, Y); break;
    default: break;
  }
}

void TPlayControls::LaserKey(uint8_t key) {
  const float aim = laser_.AimBeam->Y;
  switch (key) {
    case KeyUp: LaserMouse(MouseMove, mbLeft, aim - RowHeight); break;
    case KeyDown: LaserMouse(MouseMove, mbLeft, aim + RowHeight); break;
    case KeyGoOn: LaserMouse(MouseDown, mbLeft, aim); break;
    default: return;
  }
  pointerHold_.KeysSteered();
}

void TPlayControls::KeyTurn(int32_t steps) {
  Turn(steps);
  // A set the keys hold stays whole on the board, where Return can drop it.
  if (pointerHold_.Steering()) SteerTo(WholeAnchor(round_.Held));
}

void TPlayControls::Step(TKeyStep step) { SteerTo(SteppedAnchor(round_.Held, step)); }

void TPlayControls::SteerTo(TGmPoint anchor) {
  pointerHold_.KeysSteered();
  // Boxes are caught near the set as they are near the pointer.
  PlaceHand(FieldGeometry().CellToPixel(anchor.Row, anchor.Col));
}
