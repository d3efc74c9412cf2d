// The keys in a level: the arrows step the held set from cell to cell (or the laser's aim from
// row to row), Z and X turn the set anticlockwise and clockwise, Return drops it (fires the
// laser, goes on after the game is over or when a resumed level waits). A set steered by keys
// stays where they put it until the pointer really moves, and catches boxes where it is.

#include "board/hex_geometry.h"
#include "stages/running_stage.h"

namespace {
// The laser's aim moves by the height of a row.
constexpr float RowHeight = 1.5f * FieldHexSize;
}  // namespace

void TGmStage_Running::Key(uint8_t Key) {
  if (WaitingForClick()) {
    if (Key == KeyGoOn) ContinueAfterClick();
    return;
  }
  switch (Round->Mode) {
    case TPlayMode::Aiming: LaserKey(Key); break;
    case TPlayMode::Lost:
      if (Key == KeyGoOn) GameOverMouse(MouseDown);
      break;
    default: PlayKey(Key); break;
  }
}

void TGmStage_Running::PlayKey(uint8_t Key) {
  switch (Key) {
    case KeyLeft: StepHeldSet(TKeyStep::Left); break;
    case KeyRight: StepHeldSet(TKeyStep::Right); break;
    case KeyUp: StepHeldSet(TKeyStep::Up); break;
    case KeyDown: StepHeldSet(TKeyStep::Down); break;
    case KeyTurnLeft: TurnHeldSet(1); break;
    case KeyTurnRight: TurnHeldSet(TurnsPerCircle - 1); break;
    case KeyGoOn: PlayMouse(MouseDown, mbLeft, MouseX, MouseY); break;
    default: break;
  }
}

void TGmStage_Running::LaserKey(uint8_t Key) {
  const float aim = Laser->AimBeam->Y;
  switch (Key) {
    case KeyUp: LaserMouse(MouseMove, mbLeft, aim - RowHeight); break;
    case KeyDown: LaserMouse(MouseMove, mbLeft, aim + RowHeight); break;
    case KeyGoOn: LaserMouse(MouseDown, mbLeft, aim); break;
    default: return;
  }
  pointerHold_.KeysSteered();
}

void TGmStage_Running::StepHeldSet(TKeyStep Step) {
  const TGmPoint anchor = SteppedAnchor(Round->Held, Step);
  const TPointF at = FieldGeometry().CellToPixel(anchor.Row, anchor.Col);
  pointerHold_.KeysSteered();
  // Boxes are caught near the set as they are near the pointer.
  MouseX = at.X;
  MouseY = at.Y;
  HeldView->MoveTo(at);
}
