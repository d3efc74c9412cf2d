#include "synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "content_random.h"

namespace {
constexpr double TwoPi = 2 * std::numbers::pi;

// Rounds off the jump of a saw or square wave over one sample on each side, which removes most
// of the aliasing a hard step would make.
double PolyBlep(double phase, double dt) {
  if (dt <= 0) return 0;
  if (phase < dt) {
    const double t = phase / dt;
    return t + t - t * t - 1;
  }
  if (phase > 1 - dt) {
    const double t = (phase - 1) / dt;
    return t * t + t + t + 1;
  }
  return 0;
}

void EnsureLength(TSamples& out, size_t length) {
  if (out.size() < length) out.resize(length, 0.0f);
}
}  // namespace

double TEnvelope::At(double t, double length) const {
  if (t < 0) return 0;
  double level;
  if (t < attack) level = t / attack;
  else if (t < attack + decay) level = 1 - (1 - sustain) * (t - attack) / decay;
  else level = sustain;
  if (t <= length) return level;
  // Release from the level reached at the note's end.
  const double held = At(length, length);
  return release <= 0 ? 0 : std::max(0.0, held * (1 - (t - length) / release));
}

double Oscillator(TWave wave, double phase, double frequency) {
  phase -= std::floor(phase);
  switch (wave) {
    case TWave::Sine:
      return std::sin(TwoPi * phase);
    case TWave::Triangle:
      return phase < 0.5 ? 4 * phase - 1 : 3 - 4 * phase;
    case TWave::Saw:
      return 0.8 * (2 * phase - 1 - PolyBlep(phase, frequency / SynthRate));
    case TWave::Square: {
      const double dt = frequency / SynthRate;
      const double half = phase + 0.5 - std::floor(phase + 0.5);
      return 0.65 * ((phase < 0.5 ? 1.0 : -1.0) + PolyBlep(phase, dt) - PolyBlep(half, dt));
    }
  }
  return 0;
}

size_t SamplesFor(double seconds) { return size_t(std::llround(std::max(0.0, seconds) * SynthRate)); }

double MidiFrequency(double midiNote) { return 440.0 * std::pow(2.0, (midiNote - 69) / 12.0); }

void AddNote(TSamples& out, const TNote& note) {
  const size_t first = SamplesFor(note.start);
  const size_t count = SamplesFor(note.envelope.Span(note.length));
  EnsureLength(out, first + count);
  const double endFrequency = note.endFrequency > 0 ? note.endFrequency : note.frequency;
  double phase = 0;
  for (size_t i = 0; i < count; ++i) {
    const double t = double(i) / SynthRate;
    double frequency = note.frequency;
    if (endFrequency != note.frequency)
      frequency *= std::pow(endFrequency / note.frequency, std::min(1.0, t / std::max(note.length, 1e-6)));
    if (note.vibratoDepth > 0)
      frequency *= 1 + note.vibratoDepth * std::sin(TwoPi * note.vibratoRate * t) * std::min(1.0, t / 0.3);
    out[first + i] += float(note.amplitude * note.envelope.At(t, note.length) * Oscillator(note.wave, phase, frequency));
    phase += frequency / SynthRate;
  }
}

void AddBell(TSamples& out, double start, double frequency, double amplitude, double decay) {
  static const double ratios[] = {1.0, 2.0, 2.76, 5.4};
  static const double levels[] = {1.0, 0.45, 0.3, 0.15};
  const size_t first = SamplesFor(start), count = SamplesFor(decay * 5);
  EnsureLength(out, first + count);
  for (size_t i = 0; i < count; ++i) {
    const double t = double(i) / SynthRate;
    const double attack = std::min(1.0, t / 0.002);
    double sum = 0;
    for (int p = 0; p < 4; ++p)
      sum += levels[p] * std::exp(-t * (1 + p) / decay) * std::sin(TwoPi * frequency * ratios[p] * t);
    out[first + i] += float(amplitude * attack * sum);
  }
}

void AddNoise(TSamples& out, double start, double length, double amplitude, uint64_t seed,
              double cutoffStart, double cutoffEnd, double decay) {
  TContentRandom random(seed);
  const size_t first = SamplesFor(start), count = SamplesFor(length);
  EnsureLength(out, first + count);
  double low = 0;
  for (size_t i = 0; i < count; ++i) {
    const double t = double(i) / SynthRate;
    const double cutoff = cutoffStart + (cutoffEnd - cutoffStart) * t / std::max(length, 1e-6);
    const double k = 1 - std::exp(-TwoPi * cutoff / SynthRate);
    low += k * (random.Range(-1, 1) - low);
    const double fade = std::min(1.0, (length - t) / 0.005);  // no step at the end
    out[first + i] += float(amplitude * std::exp(-t / decay) * std::min(1.0, t / 0.001) * fade * low);
  }
}

namespace {
float Peak(const TSamples& samples) {
  float peak = 0;
  for (float s : samples) peak = std::max(peak, std::fabs(s));
  return peak;
}

void Scale(TSamples& samples, float gain) {
  for (float& s : samples) s *= gain;
}
}  // namespace

void Normalize(TSamples& samples, double peakDb) {
  const float peak = Peak(samples);
  if (peak > 0) Scale(samples, float(std::pow(10.0, peakDb / 20.0) / peak));
}

void Normalize(TStereo& samples, double peakDb) {
  const float peak = std::max(Peak(samples.left), Peak(samples.right));
  if (peak <= 0) return;
  const float gain = float(std::pow(10.0, peakDb / 20.0) / peak);
  Scale(samples.left, gain);
  Scale(samples.right, gain);
}

void TrimTail(TSamples& samples) {
  const float threshold = 0.001f;
  size_t end = samples.size();
  while (end > 0 && std::fabs(samples[end - 1]) < threshold) --end;
  samples.resize(std::min(samples.size(), end + SamplesFor(0.01)));
  const size_t fade = std::min(samples.size(), SamplesFor(0.005));
  for (size_t i = 0; i < fade; ++i) samples[samples.size() - 1 - i] *= float(i) / float(fade);
}

void FadeIn(TSamples& samples, double seconds) {
  const size_t fade = std::min(samples.size(), SamplesFor(seconds));
  for (size_t i = 0; i < fade; ++i) samples[i] *= float(i) / float(fade);
}
