#include "stages/laser_view.h"

#include <algorithm>

#include "board/hex_geometry.h"
#include "frame/asset_names.h"
#include "frame/paths.h"
#include "play/effect_clocks.h"
#include "stages/play_layers.h"

namespace {
// Half the width of a hexagon of size 18, and how far a row's reference lies above its middle.
constexpr float HalfHexWidth = 15.5884572f;
constexpr float RowReferenceOffset = 10;
constexpr float GunHalfHeight = 15;
}  // namespace

TLaserView::TLaserView(TDSP* dsp) : dsp_(dsp) {
  GunLeft.reset(TDSPE_Static::CreateKeyed(dsp, LayerEffects, GamePath(Asset::LaserGunLeft), 0, 0, 1, 0));
  GunRight.reset(
      TDSPE_Static::CreateKeyed(dsp, LayerEffects, GamePath(Asset::LaserGunRight), dsp->Width() - 15, 0, 1, 0));
  GunLeft->Visible = GunRight->Visible = false;
  AimBeam = std::make_unique<TDSPE_Lightning>(dsp, LayerEffects, LaserColor, 15, 0, dsp->Width() - 15, 0, 1, 2, 1, 7,
                                              2, nullptr, false);
  // Seen over every cell: never faint, and edged in dark over light gems and arrows.
  AimBeam->MinAlpha = AimBeamMinAlpha;
  AimBeam->Halo = AimBeamHalo;
  AimBeam->Visible = false;
}

TLaserView::~TLaserView() { Hide(); }

void TLaserView::Ready() {
  GunLeft->Visible = GunRight->Visible = true;
  AimBeam->Visible = true;
  AimBeam->Y = AimBeam->TargetY = GunLeft->Y + GunHalfHeight;
}

void TLaserView::Aim(float Y) {
  const float y = std::clamp(Y, 0.0f, static_cast<float>(dsp_->Height()));
  GunLeft->Y = GunRight->Y = y - GunHalfHeight;
  AimBeam->Y = AimBeam->TargetY = y;
}

std::pair<int32_t, int32_t> TLaserView::RowsAt(float Y) {
  const THexGeometry field = FieldGeometry();
  int32_t rowA = 0, rowB = 0, col = 0;
  field.PixelToCell(0, Y - HalfHexWidth - RowReferenceOffset, rowA, col);
  field.PixelToCell(0, Y + HalfHexWidth - RowReferenceOffset, rowB, col);
  return {rowA, rowB};
}

void TLaserView::Fire() {
  AimBeam->Visible = false;
  // The round keeps the shot's time; the bolt shows it.
  bolt_ = new TDSPE_Lightning(dsp_, LayerEffects, LaserColor, AimBeam->X, AimBeam->Y, AimBeam->EndX,
                              AimBeam->TargetY, 1, 2, 1, 7, ShotBolts, nullptr, true);
  bolt_->OnFinish = [this](float) { bolt_ = nullptr; };
}

void TLaserView::Done() { GunLeft->Visible = GunRight->Visible = false; }

void TLaserView::Hide() {
  if (bolt_) {
    bolt_->OnFinish = nullptr;
    delete bolt_;
    bolt_ = nullptr;
  }
  Done();
  AimBeam->Visible = false;
}
