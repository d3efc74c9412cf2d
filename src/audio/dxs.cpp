#include "audio/dxs.h"

#include <algorithm>
#include <utility>

#include "audio/audio_device.h"
#include "audio/wav_parser.h"
#include "audio/wave_format.h"
#include "frame/errors.h"
#include "frame/translated.h"

namespace {
constexpr int32_t InvalidParameter = -2147024809;

struct TResultText {
  int32_t Code;
  const char* Text;
};

const TResultText ResultTexts[] = {
    {0, QT_TRANSLATE_NOOP("Failures", "The request completed successfully.")},
    {-2147467263, QT_TRANSLATE_NOOP("Failures", "The function called is not supported at this time.")},
    {-2147467262, QT_TRANSLATE_NOOP("Failures", "The requested COM interface is not available.")},
    {-2147467259, QT_TRANSLATE_NOOP("Failures", "An undetermined error occurred inside the DirectSound subsystem.")},
    {-2147221232, QT_TRANSLATE_NOOP("Failures", "The object does not support aggregation.")},
    {-2147024891, QT_TRANSLATE_NOOP("Failures", "Access is denied.")},
    {-2147024882,
     QT_TRANSLATE_NOOP(
         "Failures",
         "The DirectSound subsystem could not allocate sufficient memory to complete the caller\u00B4s request.")},
    {InvalidParameter, QT_TRANSLATE_NOOP("Failures", "An invalid parameter was passed to the returning function.")},
    {-2005401590,
     QT_TRANSLATE_NOOP(
         "Failures",
         "The request failed because resources, such as a priority level, were already in use by another caller.")},
    {-2005401570, QT_TRANSLATE_NOOP(
                      "Failures", "The control (volume, pan, and so forth) requested by the caller is not available.")},
    {-2005401550, QT_TRANSLATE_NOOP("Failures", "This function is not valid for the current state of this object.")},
    {-2005401530, QT_TRANSLATE_NOOP(
                      "Failures", "The caller does not have the priority level required for the function to succeed.")},
    {-2005401500, QT_TRANSLATE_NOOP("Failures", "The specified wave format is not supported.")},
    {-2005401480, QT_TRANSLATE_NOOP("Failures", "No sound driver is available for use.")},
    {-2005401470, QT_TRANSLATE_NOOP("Failures", "The object is already initialized.")},
    {-2005401450, QT_TRANSLATE_NOOP("Failures", "The buffer memory has been lost and must be restored.")},
    {-2005401440,
     QT_TRANSLATE_NOOP("Failures",
                       "Another application has a higher priority level, preventing this call from succeeding.")},
    {-2005401430,
     QT_TRANSLATE_NOOP(
         "Failures",
         "The IDirectSound::Initialize method has not been called or has not been called successfully before other "
         "methods were called.")},
    {-2005401420, QT_TRANSLATE_NOOP(
                      "Failures", "Tried to create a DSBCAPS_CTRLFX buffer shorter than DSBSIZE_FX_MIN milliseconds.")},
    {-2005401410,
     QT_TRANSLATE_NOOP("Failures", "Attempt to use DirectSound 8 functionality on an older DirectSound object.")},
    {-2005401400, QT_TRANSLATE_NOOP("Failures", "A circular loop of send effects was detected.")},
    {-2005401390,
     QT_TRANSLATE_NOOP("Failures", "The GUID specified in an audiopath file does not match a valid MIXIN buffer.")},
    {-2005397151,
     QT_TRANSLATE_NOOP("Failures", "The object requested was not found (numerically equal to DMUS_E_NOT_FOUND).")},
};

// Positive volumes mean full volume; below silence is refused.
int32_t CheckedVolume(int32_t value) {
  if (value < DXSVolumeMin)
    throw EGameError(
        FormatMessage(QT_TRANSLATE_NOOP("Failures", "DXSB SetVolume Error:%s"), DSErrorDescription(InvalidParameter)) +
        ",Value:" + std::to_string(value));
  return std::min(value, DXSVolumeMax);
}

}  // namespace

TDevicePcm LoadEffectPcm(const std::string& fileName) {
  const std::optional<TPcmLayout> layout = PcmLayoutOf(ReadWaveFormat(fileName));
  if (!layout) throw EGameError(FailureText(QT_TRANSLATE_NOOP("Failures", "CreateSoundBuffer err")));
  const std::vector<char> bytes = TWaveDataExtractor(fileName).ReadData();
  std::optional<TDevicePcm> pcm = ConvertToDevice(*layout, bytes.data(), bytes.size());
  if (!pcm) throw EGameError(FailureText(QT_TRANSLATE_NOOP("Failures", "CreateSoundBuffer err")));
  return std::move(*pcm);
}

std::string DSErrorDescription(int32_t code) {
  for (const TResultText& entry : ResultTexts)
    if (entry.Code == code) return FailureText(entry.Text);
  return FailureText(QT_TRANSLATE_NOOP("Failures", "Unrecognized Error"));
}

void TDXSElemList::SetVolume(int32_t value) {
  CheckedVolume(value);
  for (TDXSElem* elem : items_) elem->SetVolume(value);
  volume_ = value;
}

TDXS::TDXS() : Device(TAudioDevice::Acquire()), Elems(std::make_unique<TDXSElemList>()) {
  if (!Device) throw EGameError(FailureText(QT_TRANSLATE_NOOP("Failures", "DirectSoundCreate8 err")));
}

TDXS::~TDXS() {
  for (int32_t i = 0; i < Elems->Count(); ++i) Elems->Items(i)->DXS = nullptr;
}

TDXSElem::TDXSElem(TDXS* dxs, const std::string& fileName, bool loop) : DXS(dxs), loop_(loop), silent_(!dxs) {
  if (silent_) return;
  voice_ = std::make_unique<TAudioVoice>(DXS->Device, LoadEffectPcm(fileName));
  voice_->SetLooping(loop_);
  SetVolume(DXS->Elems->Volume());
  DXS->Elems->Add(this);
}

TDXSElem::~TDXSElem() {
  if (DXS) DXS->Elems->Remove(this);
}

void TDXSElem::Play() {
  if (!silent_) voice_->Play();
}

void TDXSElem::Stop() {
  if (!silent_) voice_->Stop();
}

void TDXSElem::SetLoop(bool value) {
  if (silent_) return;
  loop_ = value;
  voice_->SetLooping(value);
}

void TDXSElem::SetVolume(int32_t value) {
  if (!silent_) voice_->SetGain(AttenuationToGain(CheckedVolume(value)));
}

bool TDXSElem::IsPlaying() const { return !silent_ && voice_->Playing(); }

int64_t TDXSElem::Position() const { return silent_ ? 0 : voice_->Position(); }

int64_t TDXSElem::Frames() const { return silent_ ? 0 : voice_->Frames(); }
