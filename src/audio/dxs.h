#pragma once
// Sound effects: TDXS is the effect device (the shared sound output plus the list of loaded
// effects and their volume); TDXSElem is one WAVE file ready to play once or looping.
//
// Volumes are attenuations in hundredths of a decibel: 0 is full volume, -10000 silence.
// Positive values are taken as 0; values below -10000 are refused with
// "DXSB SetVolume Error:%s,Value:%d".

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "audio/pcm_conversion.h"
#include "audio/ref_list.h"

class TAudioDevice;
class TAudioVoice;
class TDXSElem;

inline constexpr int32_t DXSVolumeMin = -10000;
inline constexpr int32_t DXSVolumeMax = 0;

// A WAVE file's samples in the device format; an EGameError naming the file or the format
// when they cannot be read.
TDevicePcm LoadEffectPcm(const std::string& fileName);

// The text for a sound result code, "Unrecognized Error" for codes it does not know.
std::string DSErrorDescription(int32_t code);

// The effects of one device and their shared volume. The list refers to its effects without
// owning them; an effect leaves the list when it is destroyed.
class TDXSElemList : public TRefList<TDXSElem> {
 public:
  int32_t Volume() const { return volume_; }
  // Sets every effect, in list order, then keeps the value for effects loaded later. A refused
  // value changes nothing and raises the volume error, also when the list is empty.
  void SetVolume(int32_t value);

 private:
  int32_t volume_ = 0;
};

class TDXS {
 public:
  // Opens the sound output; "DirectSoundCreate8 err" when there is none. The game swallows
  // that failure and plays no effects.
  TDXS();
  // Effects still alive keep playing on the output; they only forget this device.
  ~TDXS();
  TDXS(const TDXS&) = delete;
  TDXS& operator=(const TDXS&) = delete;

  std::shared_ptr<TAudioDevice> Device;
  std::unique_ptr<TDXSElemList> Elems;
};

class TDXSElem {
 public:
  // Loads fileName converted to the output's format; dxs null makes a silent effect that reads
  // nothing. Fails with the reader's messages, or "CreateSoundBuffer err" for a format the
  // output cannot play.
  TDXSElem(TDXS* dxs, const std::string& fileName, bool loop);
  ~TDXSElem();
  TDXSElem(const TDXSElem&) = delete;
  TDXSElem& operator=(const TDXSElem&) = delete;

  // Starts from the current position; an effect already playing goes on unchanged.
  void Play();
  // Stops and goes back to the start.
  void Stop();
  // While playing, the sound goes on from where it is in the new mode; otherwise the next
  // Play uses it.
  void SetLoop(bool value);
  void SetVolume(int32_t value);

  bool Loop() const { return loop_; }
  bool Silent() const { return silent_; }
  bool IsPlaying() const;
  // Play position in frames of the output format.
  int64_t Position() const;
  int64_t Frames() const;

  TDXS* DXS;

 private:
  friend class TDXS;
  bool loop_;
  bool silent_;
  std::unique_ptr<TAudioVoice> voice_;
};
