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

// Peak level of every sound; below -1 dBFS with room for 16-bit rounding and MP3 overshoot.
inline constexpr double EffectPeakDb = -1.5;
inline constexpr double MusicPeakDb = -3.0;

// The twelve effects.
std::vector<TNamedSound> SoundEffects();
// The five music loops. Each piece's samples are exactly one loop: its end runs on into its start.
std::vector<TNamedSound> MusicPieces();

void WriteSoundEffects(const TContentFolder& game);
void WriteMusic(const TContentFolder& game);
