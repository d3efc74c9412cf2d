#include "stages/fading_prompt.h"

#include "frame/paths.h"

void TFadingPrompt::Start() {
  Flashing = true;
  pictureFile_ = WordedPath(PictureFile);
  picture_ = TDSPE_FlashBmp::KeyedPicture(pictureFile_);
  MakePrompt();
}

void TFadingPrompt::Stop() {
  Flashing = false;
  if (!Prompt) return;
  Prompt->OnFinish = nullptr;
  Prompt->Visible = false;
  delete Prompt;
  Prompt = nullptr;
}

void TFadingPrompt::MakePrompt() {
  Prompt = new TDSPE_FlashBmp(dsp_, Layer, picture_, pictureFile_, x_, y_, 0, NextFadeIn, FadeSeconds);
  Prompt->OnFinish = [this](int32_t) { PromptFinished(); };
  Prompt->SlowFade = true;
  Prompt->Visible = true;
}

void TFadingPrompt::PromptFinished() {
  // The finished fade is freeing itself.
  Prompt = nullptr;
  if (!Flashing) return;
  NextFadeIn = !NextFadeIn;
  MakePrompt();
}
