#pragma once
// Encoders for the game's sound files: 16-bit PCM WAVE (our own writer) and MP3 (through LAME).

#include <string>

#include "synth.h"

// A RIFF "WAVE" file: PCM, 16-bit, one channel, SynthRate samples per second. Samples outside
// -1..1 are clipped (callers normalise first).
std::string EncodeWav(const TSamples& samples);
// A constant-bit-rate joint-stereo MP3 at SynthRate, with the encoder's delay and padding
// recorded in its info frame so a gapless decoder gives back exactly the samples given here.
// The channels must be of equal length.
std::string EncodeMp3(const TStereo& samples);
