#pragma once
// The "click to continue" prompt of the title and the map: one picture that fades in over half a
// second, then out over the next half, and so on while it is flashing. Each fade is an element
// of its own that frees itself when done; its report makes the next one. The direction of the
// next fade is kept across Stop and Start, so a new visit continues where the last one ended.

#include <cstdint>
#include <string>

#include "display/dsp.h"
#include "display/picture_elements.h"
#include "frame/asset_names.h"

class TFadingPrompt {
 public:
  static constexpr const char* PictureFile = Asset::Prompt;
  static constexpr int32_t Layer = 100;
  static constexpr float FadeSeconds = 0.5f;

  TFadingPrompt(TDSP* dsp, float x, float y) : dsp_(dsp), x_(x), y_(y) {}
  // Disposes of the fade still running, without its report.
  ~TFadingPrompt() { Stop(); }
  TFadingPrompt(const TFadingPrompt&) = delete;
  TFadingPrompt& operator=(const TFadingPrompt&) = delete;

  // Starts flashing with a fade in the direction of NextFadeIn.
  void Start();
  // Stops flashing and disposes of the fade still running.
  void Stop();

  bool Flashing = false;
  // True until the first fade in has been shown.
  bool NextFadeIn = true;
  // The fade running now, or none.
  TDSPE_FlashBmp* Prompt = nullptr;

 private:
  void MakePrompt();
  void PromptFinished();

  TDSP* dsp_;
  float x_, y_;
  // Found and loaded at Start (the player's language may have changed since the last visit)
  // and shown by every fade until Stop: read from disk twice a second it cost the title a
  // twentieth of its time.
  std::string pictureFile_;
  QImage picture_;
};
