#include "audio_files.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <stdexcept>

#include <lame/lame.h>

namespace {
// About 2 MB for two and a half minutes, and clean enough for soft synthesised music.
constexpr int MusicKbps = 112;

void PutLE(std::string& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(char((value >> (8 * i)) & 0xFF));
}

int16_t ToPcm16(float sample) {
  return int16_t(std::lround(std::clamp(sample, -1.0f, 1.0f) * 32767.0f));
}
}  // namespace

std::string EncodeWav(const TSamples& samples) {
  const uint32_t dataBytes = uint32_t(samples.size() * 2);
  std::string out;
  out.reserve(44 + dataBytes);
  out += "RIFF";
  PutLE(out, 36 + dataBytes, 4);
  out += "WAVEfmt ";
  PutLE(out, 16, 4);              // fmt chunk size
  PutLE(out, 1, 2);               // PCM
  PutLE(out, 1, 2);               // channels
  PutLE(out, SynthRate, 4);       // samples per second
  PutLE(out, SynthRate * 2, 4);   // bytes per second
  PutLE(out, 2, 2);               // block align
  PutLE(out, 16, 2);              // bits per sample
  out += "data";
  PutLE(out, dataBytes, 4);
  for (float sample : samples) PutLE(out, uint16_t(ToPcm16(sample)), 2);
  return out;
}

std::string EncodeMp3(const TStereo& samples) {
  if (samples.left.size() != samples.right.size()) throw std::runtime_error("music channels differ in length");
  std::unique_ptr<lame_global_flags, int (*)(lame_global_flags*)> lame(lame_init(), lame_close);
  if (!lame) throw std::runtime_error("LAME cannot start");
  lame_set_in_samplerate(lame.get(), SynthRate);
  lame_set_out_samplerate(lame.get(), SynthRate);
  lame_set_num_channels(lame.get(), 2);
  lame_set_mode(lame.get(), JOINT_STEREO);
  lame_set_brate(lame.get(), MusicKbps);
  lame_set_quality(lame.get(), 5);
  lame_set_bWriteVbrTag(lame.get(), 1);
  if (lame_init_params(lame.get()) < 0) throw std::runtime_error("LAME rejects its settings");

  std::vector<short> left(samples.left.size()), right(samples.right.size());
  std::transform(samples.left.begin(), samples.left.end(), left.begin(), ToPcm16);
  std::transform(samples.right.begin(), samples.right.end(), right.begin(), ToPcm16);
  // LAME's own bound for the whole output: 1.25 x the input frames plus 7200 bytes.
  std::vector<unsigned char> mp3(left.size() * 5 / 4 + 7200 + 16384);
  int written =
      lame_encode_buffer(lame.get(), left.data(), right.data(), int(left.size()), mp3.data(), int(mp3.size()));
  if (written < 0) throw std::runtime_error("LAME failed to encode");
  const int flushed = lame_encode_flush(lame.get(), mp3.data() + written, int(mp3.size()) - written);
  if (flushed < 0) throw std::runtime_error("LAME failed to flush");
  std::string out(reinterpret_cast<const char*>(mp3.data()), size_t(written + flushed));
  // The first frame was reserved for the info frame; it can be filled in only now.
  std::vector<unsigned char> tag(8192);
  const size_t tagSize = lame_get_lametag_frame(lame.get(), tag.data(), tag.size());
  if (tagSize > 0 && tagSize <= out.size()) out.replace(0, tagSize, reinterpret_cast<const char*>(tag.data()), tagSize);
  return out;
}
