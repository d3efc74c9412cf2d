// Five loops in one light, tonal style: a bass line, a chord layer (pad or arpeggio), a melody
// built from short repeated motifs, and soft percussion in the livelier pieces. Each piece is
// rendered a little past its end and the overhang is folded back onto its start, so the loop
// seam carries the sound on instead of cutting it.

#include <algorithm>
#include <array>
#include <cmath>

#include "audio_files.h"
#include "content_random.h"
#include "sounds.h"

namespace {
constexpr std::array<int, 7> MajorScale{0, 2, 4, 5, 7, 9, 11};
constexpr std::array<int, 7> MinorScale{0, 2, 3, 5, 7, 8, 10};

enum class TChordLayer { Pad, Arpeggio };
enum class TLead { Flute, Bell, Reed };

struct TPiece {
  std::string file;
  double bpm;
  int tonic;  // MIDI note of the key's tonic in the bass register
  bool minor;
  std::vector<int> progression;  // chord root per bar, as a scale degree 0..6
  int passes;                    // times through the progression
  TChordLayer chords;
  TLead lead;
  bool drums;
  bool walkingBass;  // eighth-note bass instead of half notes
  uint64_t seed;
};

struct TKey {
  int tonic;
  bool minor;
  // MIDI note of scale step `step` (may be negative or beyond 7) above the tonic.
  int Note(int step) const {
    const auto& scale = minor ? MinorScale : MajorScale;
    const int octave = int(std::floor(step / 7.0));
    return tonic + 12 * octave + scale[size_t(step - 7 * octave)];
  }
  // In a minor key the chord on the fifth degree is made major (raised seventh), for a proper
  // pull back to the tonic.
  int ChordNote(int degree, int voice) const {
    int note = Note(degree + 2 * voice);
    if (minor && degree % 7 == 4 && voice == 1) note += 1;
    return note;
  }
};

struct TRenderer {
  const TPiece& piece;
  TKey key;
  double beat;  // seconds
  TSamples out;

  double BarStart(int bar) const { return bar * 4 * beat; }

  void Bass(int bar, int degree) {
    const double start = BarStart(bar);
    if (piece.walkingBass) {
      const int pattern[8] = {0, 0, 7, 0, 0, 0, 7, 4};  // root, octave and fifth in eighths
      for (int i = 0; i < 8; ++i) {
        const int note = pattern[i] == 7 ? key.Note(degree) + 12 : key.Note(degree + pattern[i]);
        AddNote(out, {.start = start + i * beat / 2, .length = beat * 0.4, .frequency = MidiFrequency(note),
                      .amplitude = 0.30, .wave = TWave::Triangle, .envelope = {0.004, 0.15, 0.6, 0.05}});
      }
      return;
    }
    for (int half = 0; half < 2; ++half) {
      const int note = key.Note(degree + (half == 1 && bar % 2 == 1 ? 4 : 0));
      AddNote(out, {.start = start + half * 2 * beat, .length = beat * 1.8, .frequency = MidiFrequency(note),
                    .amplitude = 0.34, .wave = TWave::Triangle, .envelope = {0.006, 0.4, 0.55, 0.12}});
    }
  }

  void Chords(int bar, int degree) {
    const double start = BarStart(bar);
    if (piece.chords == TChordLayer::Pad) {
      for (int voice = 0; voice < 3; ++voice)
        for (double detune : {0.998, 1.002})
          AddNote(out, {.start = start, .length = 4 * beat * 0.95,
                        .frequency = MidiFrequency(key.ChordNote(degree, voice) + 12) * detune,
                        .amplitude = 0.05, .wave = TWave::Saw, .envelope = {0.35, 0.5, 0.7, 0.6}});
      return;
    }
    const int order[8] = {0, 1, 2, 3, 2, 1, 0, 1};  // up and down the chord, the octave on top
    for (int i = 0; i < 8; ++i) {
      const int note = order[i] == 3 ? key.ChordNote(degree, 0) + 24 : key.ChordNote(degree, order[i]) + 12;
      AddNote(out, {.start = start + i * beat / 2, .length = beat * 0.3, .frequency = MidiFrequency(note),
                    .amplitude = 0.11, .wave = TWave::Triangle, .envelope = {0.003, 0.2, 0.25, 0.15}});
    }
  }

  void LeadNote(double start, double length, int note) {
    switch (piece.lead) {
      case TLead::Bell:
        AddBell(out, start, MidiFrequency(note), 0.22, std::min(0.5, length));
        break;
      case TLead::Flute:
        AddNote(out, {.start = start, .length = length * 0.9, .frequency = MidiFrequency(note), .amplitude = 0.2,
                      .wave = TWave::Sine, .envelope = {0.03, 0.1, 0.8, 0.12}, .vibratoRate = 5,
                      .vibratoDepth = 0.005});
        AddNote(out, {.start = start, .length = length * 0.9, .frequency = MidiFrequency(note) * 2,
                      .amplitude = 0.04, .wave = TWave::Sine, .envelope = {0.03, 0.1, 0.8, 0.12}});
        break;
      case TLead::Reed:
        AddNote(out, {.start = start, .length = length * 0.85, .frequency = MidiFrequency(note), .amplitude = 0.09,
                      .wave = TWave::Square, .envelope = {0.01, 0.1, 0.7, 0.08}, .vibratoRate = 5.5,
                      .vibratoDepth = 0.004});
        break;
    }
  }

  void Drums(int bar) {
    const double start = BarStart(bar);
    for (int i = 0; i < 8; ++i) {
      const double at = start + i * beat / 2;
      if (i % 4 == 0)
        AddNote(out, {.start = at, .length = 0.12, .frequency = 120, .endFrequency = 45, .amplitude = 0.4,
                      .envelope = {0.002, 0.1, 0.0, 0.03}});
      if (i % 4 == 2 && piece.walkingBass)
        AddNoise(out, at, 0.15, 0.18, piece.seed + uint64_t(bar * 8 + i), 5000, 2500, 0.05);
      AddNoise(out, at, 0.04, i % 2 ? 0.05 : 0.08, piece.seed * 31 + uint64_t(bar * 8 + i), 12000, 9000, 0.012);
    }
  }
};

// A motif: notes of a two-bar phrase as (eighth slot, length in eighths).
using TRhythm = std::vector<std::pair<int, int>>;

TRhythm MakeRhythm(TContentRandom& random) {
  static const int lengths[] = {1, 1, 2, 2, 2, 3, 4};
  TRhythm rhythm;
  for (int slot = 0; slot < 16;) {
    const int length = std::min(lengths[random.Below(7)], 16 - slot);
    if (slot == 0 || random.Uniform() < 0.85) rhythm.push_back({slot, length});
    slot += length;
  }
  return rhythm;
}

// The chord tone (as a scale step) nearest to step.
int NearestChordTone(int step, int degree) {
  int best = step, bestDistance = 99;
  for (int candidate = step - 3; candidate <= step + 3; ++candidate) {
    const int relative = ((candidate - degree) % 7 + 7) % 7;
    if ((relative == 0 || relative == 2 || relative == 4) && std::abs(candidate - step) < bestDistance) {
      best = candidate;
      bestDistance = std::abs(candidate - step);
    }
  }
  return best;
}

void Melody(TRenderer& renderer, int totalBars) {
  const TPiece& piece = renderer.piece;
  TContentRandom random(piece.seed);
  const TRhythm motifs[2] = {MakeRhythm(random), MakeRhythm(random)};
  int step = 9;  // melody register: around the third above the octave
  for (int bar = 0; bar < totalBars; bar += 2) {
    const int phrase = bar / 2;
    // A A' B A'' over each eight bars.
    const TRhythm& rhythm = motifs[phrase % 4 == 2 ? 1 : 0];
    const int lift = (bar / piece.progression.size()) % 2 == 1 ? 2 : 0;  // second pass sits higher
    for (const auto& [slot, length] : rhythm) {
      const int noteBar = bar + slot / 8;
      const int degree = piece.progression[size_t(noteBar) % piece.progression.size()];
      if (slot % 2 == 0) step = NearestChordTone(step + random.Below(5) - 2, degree);
      else step += random.Uniform() < 0.5 ? -1 : 1;
      step = std::clamp(step, 5, 13);
      const double start = renderer.BarStart(bar) + slot * renderer.beat / 2;
      renderer.LeadNote(start, length * renderer.beat / 2, renderer.key.Note(step + lift) + 12);
    }
  }
}

TSamples Render(const TPiece& piece) {
  TRenderer renderer{piece, {piece.tonic, piece.minor}, 60.0 / piece.bpm, {}};
  const int bars = int(piece.progression.size()) * piece.passes;
  for (int bar = 0; bar < bars; ++bar) {
    const int degree = piece.progression[size_t(bar) % piece.progression.size()];
    renderer.Bass(bar, degree);
    renderer.Chords(bar, degree);
    if (piece.drums) renderer.Drums(bar);
  }
  Melody(renderer, bars);
  // Fold the overhang past the loop's end back onto its start.
  TSamples& out = renderer.out;
  const size_t loop = SamplesFor(renderer.BarStart(bars));
  out.resize(std::max(out.size(), loop), 0.0f);
  for (size_t i = loop; i < out.size(); ++i) out[i - loop] += out[i];
  out.resize(loop);
  Normalize(out, MusicPeakDb);
  return out;
}

const std::vector<TPiece>& Pieces() {
  static const std::vector<TPiece> pieces{
      {"mp3/start.mp3", 100, 48, false, {0, 5, 3, 4}, 4, TChordLayer::Arpeggio, TLead::Bell, true, false, 0x5717},
      {"mp3/Running.mp3", 128, 45, true, {0, 5, 2, 6}, 6, TChordLayer::Arpeggio, TLead::Reed, true, true, 0x2A11},
      {"mp3/failed.mp3", 72, 50, true, {0, 3, 6, 4}, 3, TChordLayer::Pad, TLead::Flute, false, false, 0xFA11},
      {"mp3/clearup.mp3", 108, 53, false, {0, 3, 1, 4}, 4, TChordLayer::Arpeggio, TLead::Flute, true, false, 0xC1EA},
      {"mp3/about.mp3", 88, 43, false, {0, 2, 3, 4}, 4, TChordLayer::Pad, TLead::Bell, false, false, 0xAB07},
  };
  return pieces;
}
}  // namespace

std::vector<TNamedSound> MusicPieces() {
  std::vector<TNamedSound> music;
  for (const TPiece& piece : Pieces()) music.push_back({piece.file, Render(piece)});
  return music;
}

void WriteMusic(const TContentFolder& game) {
  for (const TNamedSound& piece : MusicPieces()) game.Write(piece.file, EncodeMp3(piece.samples));
}
