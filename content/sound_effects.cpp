// Twelve short effects, each shaped for its moment in play.

#include <cmath>
#include <numbers>

#include "audio_files.h"
#include "frame/asset_names.h"
#include "sounds.h"

namespace {
TEnvelope Pluck(double decay) { return {0.002, decay, 0.0, 0.02}; }

// Turning the held set: a dry wooden click.
TSamples Rotate() {
  TSamples s;
  AddNoise(s, 0, 0.03, 0.8, 11, 9000, 3000, 0.006);
  AddNote(s, {.start = 0, .length = 0.03, .frequency = 2200, .endFrequency = 1500, .amplitude = 0.5,
              .envelope = Pluck(0.02)});
  return s;
}

// Setting the set down: a soft low thud.
TSamples Drop() {
  TSamples s;
  AddNote(s, {.start = 0, .length = 0.18, .frequency = 150, .endFrequency = 48, .amplitude = 0.9,
              .envelope = {0.002, 0.16, 0.0, 0.05}});
  AddNoise(s, 0, 0.08, 0.5, 12, 1200, 200, 0.02);
  return s;
}

// A refused drop: one short, muffled knock. It answers every refused click, so it stays soft and
// over before the next click can come.
TSamples CannotDrop() {
  TSamples s;
  AddNote(s, {.start = 0, .length = 0.07, .frequency = 196, .endFrequency = 147, .amplitude = 0.5,
              .wave = TWave::Triangle, .envelope = {0.003, 0.06, 0.0, 0.02}});
  AddNote(s, {.start = 0, .length = 0.05, .frequency = 98, .amplitude = 0.4, .envelope = {0.003, 0.045, 0.0, 0.02}});
  return s;
}

// A cleared row: a rising chime up the major chord.
TSamples ClearLine() {
  TSamples s;
  const int notes[] = {84, 88, 91, 96};
  for (int i = 0; i < 4; ++i) AddBell(s, i * 0.07, MidiFrequency(notes[i]), 0.35, 0.18);
  return s;
}

// A level begins: a short bright fanfare.
TSamples LevelStart() {
  TSamples s;
  const int steps[] = {67, 72, 76};
  for (int i = 0; i < 3; ++i)
    AddNote(s, {.start = i * 0.12, .length = 0.1, .frequency = MidiFrequency(steps[i]), .amplitude = 0.3,
                .wave = TWave::Saw, .envelope = {0.01, 0.05, 0.7, 0.05}});
  for (int note : {72, 76, 79, 84})
    AddNote(s, {.start = 0.38, .length = 0.55, .frequency = MidiFrequency(note), .amplitude = 0.2,
                .wave = TWave::Saw, .envelope = {0.015, 0.2, 0.6, 0.3}, .vibratoRate = 5.5,
                .vibratoDepth = 0.004});
  return s;
}

// The countdown running low: a tick-tock beep.
TSamples HurryUp() {
  TSamples s;
  AddNote(s, {.start = 0, .length = 0.06, .frequency = 1318.5, .amplitude = 0.45, .wave = TWave::Triangle,
              .envelope = {0.002, 0.03, 0.6, 0.02}});
  AddNote(s, {.start = 0.16, .length = 0.06, .frequency = 987.8, .amplitude = 0.45, .wave = TWave::Triangle,
              .envelope = {0.002, 0.03, 0.6, 0.02}});
  return s;
}

// Chips thrown on the board: stone crumbling over a rumble.
TSamples Breakup() {
  TSamples s;
  AddNote(s, {.start = 0, .length = 0.5, .frequency = 70, .endFrequency = 45, .amplitude = 0.5,
              .envelope = {0.01, 0.3, 0.3, 0.25}});
  for (int i = 0; i < 14; ++i)
    AddNoise(s, i * 0.045 + (i % 3) * 0.011, 0.07, 0.7 - i * 0.04, 100 + i, 5000 - i * 250, 800, 0.018);
  return s;
}

// The aimed laser: one second of hum that loops seamlessly. Every component repeats a whole
// number of times per second, so the last sample runs straight into the first.
TSamples Laser() {
  TSamples s(SynthRate);
  for (size_t i = 0; i < s.size(); ++i) {
    const double t = double(i) / SynthRate;
    const double wobble = 0.75 + 0.25 * std::sin(2 * std::numbers::pi * 6 * t);
    const double hum = Oscillator(TWave::Saw, 110 * t, 110) * 0.5 + std::sin(2 * std::numbers::pi * 220 * t) * 0.3;
    const double whine = std::sin(2 * std::numbers::pi * 1760 * t) * (0.12 + 0.08 * std::sin(2 * std::numbers::pi * 4 * t));
    s[i] = float(wobble * hum + whine);
  }
  return s;
}

// The laser fires: a falling zap and a burst.
TSamples LaserBreakout() {
  TSamples s;
  AddNote(s, {.start = 0, .length = 0.4, .frequency = 3200, .endFrequency = 180, .amplitude = 0.5,
              .wave = TWave::Square, .envelope = {0.002, 0.35, 0.2, 0.1}});
  AddNoise(s, 0.05, 0.7, 0.7, 31, 6000, 300, 0.2);
  return s;
}

// A box appears or bounces off an edge: a springy pop.
TSamples PandorasBox() {
  TSamples s;
  AddNote(s, {.start = 0, .length = 0.16, .frequency = 520, .endFrequency = 980, .amplitude = 0.6,
              .wave = TWave::Triangle, .envelope = {0.003, 0.12, 0.3, 0.08}, .vibratoRate = 28,
              .vibratoDepth = 0.03});
  AddNoise(s, 0, 0.02, 0.3, 41, 7000, 4000, 0.005);
  return s;
}

// Every gem of a colour vanishes: a deep explosion.
TSamples Boom() {
  TSamples s;
  AddNoise(s, 0, 1.4, 1.0, 51, 3500, 120, 0.35);
  AddNote(s, {.start = 0, .length = 0.6, .frequency = 75, .endFrequency = 32, .amplitude = 0.7,
              .envelope = {0.005, 0.5, 0.2, 0.5}});
  return s;
}

// Money paid out: a two-note coin ring. Payments restart the sound every tenth of a second, so
// the first ding dies away within that time and the second waits past it: a run of payments
// rings as a clean patter of dings and only the last one rings out in full.
TSamples Coin() {
  TSamples s;
  AddBell(s, 0, 1318.5, 0.45, CoinFirstDingDecay);
  AddBell(s, CoinSecondDingStart, 1975.5, 0.4, 0.08);
  return s;
}

// Harsh or constant sounds (the buzz, the beeps, the hum) peak lower so they do not tire the ear.
TNamedSound Finished(std::string file, TSamples samples, bool trim, double quieterDb = 0) {
  if (trim) TrimTail(samples);
  Normalize(samples, EffectPeakDb - quieterDb);
  return {std::move(file), std::move(samples)};
}
}  // namespace

std::vector<TNamedSound> SoundEffects() {
  return {Finished(Asset::SoundRotate, Rotate(), true),
          Finished(Asset::SoundDrop, Drop(), true),
          Finished(Asset::SoundCannotDrop, CannotDrop(), true, 7),
          Finished(Asset::SoundClearLine, ClearLine(), true),
          Finished(Asset::SoundStart, LevelStart(), true),
          Finished(Asset::SoundHurryUp, HurryUp(), true, 3),
          Finished(Asset::SoundBreakup, Breakup(), true),
          Finished(Asset::SoundLaser, Laser(), false, 5),
          Finished(Asset::SoundLaserBreakout, LaserBreakout(), true),
          Finished(Asset::SoundBox, PandorasBox(), true),
          Finished(Asset::SoundBoom, Boom(), true),
          Finished(Asset::SoundCoin, Coin(), true)};
}

void WriteSoundEffects(const TContentFolder& game) {
  for (const TNamedSound& sound : SoundEffects()) game.Write(sound.file, EncodeWav(sound.samples));
}
