#pragma once
// The game's sound effects and music, synthesised.

#include <string>
#include <vector>

#include "content_folder.h"
#include "synth.h"

struct TNamedSound {
  std::string file;  // game-relative name, e.g. "wav/coin.wav"
  TSamples samples;  // mono, SynthRate, normalised
};

// Where a section of a piece begins ("intro", "A", "B", "bridge", "return").
struct TSectionMark {
  std::string name;
  double seconds;
};

// A piece of music: one whole loop, its end running on into its start.
struct TNamedMusic {
  std::string file;  // game-relative name, e.g. "mp3/start.mp3"
  TStereo samples;   // SynthRate, normalised
  std::vector<TSectionMark> sections;
};

// Peak level of every sound; below -1 dBFS with room for 16-bit rounding and MP3 overshoot.
inline constexpr double EffectPeakDb = -1.5;
inline constexpr double MusicPeakDb = -3.0;

// Payments restart the coin sound every 0.1 s (a frame later at worst): its first ding is over
// within that time (AddBell rings for five decay times) and the second starts after it.
inline constexpr double CoinFirstDingDecay = 0.017;
inline constexpr double CoinSecondDingStart = 0.125;

// The twelve effects.
std::vector<TNamedSound> SoundEffects();
// The five music loops, two to three minutes each.
std::vector<TNamedMusic> MusicPieces();

void WriteSoundEffects(const TContentFolder& game);
void WriteMusic(const TContentFolder& game);
