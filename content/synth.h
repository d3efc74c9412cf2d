#pragma once
// The generator's small synthesiser: mono float samples at 44100 Hz, a few oscillators, an
// envelope, noise, simple filters, and the finishing steps every sound goes through.

#include <cstddef>
#include <cstdint>
#include <vector>

inline constexpr int SynthRate = 44100;
using TSamples = std::vector<float>;
// Music is stereo: two channels of equal length.
struct TStereo {
  TSamples left, right;
};

enum class TWave { Sine, Triangle, Saw, Square };

// Attack, decay to the sustain level, release after the note's length; times in seconds.
struct TEnvelope {
  double attack = 0.005, decay = 0.1, sustain = 0.7, release = 0.1;
  // Level at time t (seconds) of a note held for `length` seconds.
  double At(double t, double length) const;
  double Span(double length) const { return length + release; }
};

// One oscillator sample at the given phase (cycles; only the fraction counts). Saw and square
// have their steps smoothed (PolyBLEP), so high notes do not alias.
double Oscillator(TWave wave, double phase, double frequency);

// A note: frequency in Hz, optional pitch glide to endFrequency, vibrato, envelope, level.
struct TNote {
  double start = 0, length = 0.2, frequency = 440, endFrequency = 0, amplitude = 0.5;
  TWave wave = TWave::Sine;
  TEnvelope envelope;
  double vibratoRate = 0, vibratoDepth = 0;  // Hz, fraction of the frequency
};
// Mixes the note into out (growing out when it runs past the end).
void AddNote(TSamples& out, const TNote& note);
// A bell: a sine with inharmonic partials that die away faster than the fundamental.
void AddBell(TSamples& out, double start, double frequency, double amplitude, double decay);
// White noise from the seed, through a one-pole low-pass whose cut-off glides from cutoffStart to
// cutoffEnd, shaped by an exponential decay of the given time constant.
void AddNoise(TSamples& out, double start, double length, double amplitude, uint64_t seed,
              double cutoffStart, double cutoffEnd, double decay);

double MidiFrequency(double midiNote);
size_t SamplesFor(double seconds);

// Scales so the largest sample is at peakDb (dBFS); silence stays silence.
void Normalize(TSamples& samples, double peakDb);
// The same for both channels together, so their balance stays.
void Normalize(TStereo& samples, double peakDb);
// Cuts trailing samples quieter than -60 dBFS and fades the last 5 ms, so effects end promptly.
void TrimTail(TSamples& samples);
// Short fade-in so a sound never starts with a step.
void FadeIn(TSamples& samples, double seconds);
