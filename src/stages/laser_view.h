#pragma once
// The laser on the field: two guns at the field's sides and the aiming beam between them that
// follow the pointer up and down, and the bolt of the shot.

#include <cstdint>
#include <memory>
#include <utility>

#include "display/line_effects.h"
#include "display/picture_elements.h"

class TLaserView {
 public:
  explicit TLaserView(TDSP* dsp);
  ~TLaserView();
  TLaserView(const TLaserView&) = delete;
  TLaserView& operator=(const TLaserView&) = delete;

  static constexpr TARGB LaserColor = MakeARGB(255, 220, 220, 255);
  static constexpr uint8_t AimBeamMinAlpha = 200;
  static constexpr TARGB AimBeamHalo = MakeARGB(170, 24, 12, 40);

  // The guns and the beam come out where the guns last were.
  void Ready();
  // The beam at the pointer's height, kept on the field.
  void Aim(float Y);
  // The two rows the beam's band crosses for a shot at Y (either may lie off the board).
  static std::pair<int32_t, int32_t> RowsAt(float Y);
  // The beam gives way to the shot's bolt, which ends by itself.
  void Fire();
  // The guns go; Hide also takes away the beam and a bolt still running.
  void Done();
  void Hide();

  std::unique_ptr<TDSPE_Static> GunLeft;
  std::unique_ptr<TDSPE_Static> GunRight;
  std::unique_ptr<TDSPE_Lightning> AimBeam;

 private:
  TDSP* dsp_;
  TDSPE_Lightning* bolt_ = nullptr;
};
