// Five pieces in one light, tonal style, each two to three minutes of stereo. A piece runs
// through sections (an intro, A, B, a bridge and a return of A) that change the chords, the
// tune and the band, so a long level never hears one phrase over and over. The bass, chords,
// tune, second voice and drums each sit at their own place between the speakers, and the tune
// answers itself in a soft echo from the other side.
//
// Each piece is rendered a little past its end and the overhang is folded back onto its start,
// so the loop seam carries the sound on instead of cutting it; the last bar turns to the
// dominant, which leads back into the intro.

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "audio_files.h"
#include "content_random.h"
#include "frame/asset_names.h"
#include "sounds.h"

namespace {
constexpr std::array<int, 7> MajorScale{0, 2, 4, 5, 7, 9, 11};
constexpr std::array<int, 7> MinorScale{0, 2, 3, 5, 7, 8, 10};
constexpr int IntroBars = 4;

enum class TChordLayer { Pad, Arpeggio };
enum class TLead { Flute, Bell, Reed };
enum class TPart { Intro, A, B, Bridge, Return };

// Chord roots per bar, as scale degrees 0..6; a section plays its progression round and round.
using TProgression = std::vector<int>;

struct TPiece {
  std::string file;
  double bpm;
  int tonic;  // MIDI note of the key's tonic in the bass register
  bool minor;
  TProgression a, b, bridge;
  std::vector<TPart> form;
  int sectionBars;  // every part but the intro
  TChordLayer chords;
  TLead lead, counter;
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

// Each layer is mixed into the two channels at its own place: -1 left .. 1 right.
enum TLayer { BassLine, ChordsLeft, ChordsRight, Lead, Counter, Kick, Snare, Hats, LayerCount };
constexpr std::array<double, LayerCount> LayerPan{0.0, -0.8, 0.8, -0.3, 0.6, 0.0, -0.2, 0.55};

// What a section plays: its chords and which of the band joins in.
struct TSectionPlan {
  TPart part;
  const TProgression* progression;
  int firstBar, bars;
};

struct TRenderer {
  const TPiece& piece;
  TKey key;
  double beat;  // seconds
  std::array<TSamples, LayerCount> layers;

  double BarStart(int bar) const { return bar * 4 * beat; }

  void Bass(int bar, int degree, bool walking) {
    const double start = BarStart(bar);
    if (walking) {
      const int pattern[8] = {0, 0, 7, 0, 0, 0, 7, 4};  // root, octave and fifth in eighths
      for (int i = 0; i < 8; ++i) {
        const int note = pattern[i] == 7 ? key.Note(degree) + 12 : key.Note(degree + pattern[i]);
        AddNote(layers[BassLine], {.start = start + i * beat / 2, .length = beat * 0.4, .frequency = MidiFrequency(note),
                               .amplitude = 0.30, .wave = TWave::Triangle, .envelope = {0.004, 0.15, 0.6, 0.05}});
      }
      return;
    }
    for (int half = 0; half < 2; ++half) {
      const int note = key.Note(degree + (half == 1 && bar % 2 == 1 ? 4 : 0));
      AddNote(layers[BassLine], {.start = start + half * 2 * beat, .length = beat * 1.8, .frequency = MidiFrequency(note),
                             .amplitude = 0.34, .wave = TWave::Triangle, .envelope = {0.006, 0.4, 0.55, 0.12}});
    }
  }

  void Chords(int bar, int degree, TChordLayer style, double level) {
    const double start = BarStart(bar);
    if (style == TChordLayer::Pad) {
      // The two detuned copies of each voice go to opposite sides, which makes the pad wide.
      for (int voice = 0; voice < 3; ++voice)
        for (int side = 0; side < 2; ++side)
          AddNote(layers[side ? ChordsRight : ChordsLeft],
                  {.start = start, .length = 4 * beat * 0.95,
                   .frequency = MidiFrequency(key.ChordNote(degree, voice) + 12) * (side ? 1.002 : 0.998),
                   .amplitude = 0.05 * level, .wave = TWave::Saw, .envelope = {0.35, 0.5, 0.7, 0.6}});
      return;
    }
    const int order[8] = {0, 1, 2, 3, 2, 1, 0, 1};  // up and down the chord, the octave on top
    for (int i = 0; i < 8; ++i) {
      const int note = order[i] == 3 ? key.ChordNote(degree, 0) + 24 : key.ChordNote(degree, order[i]) + 12;
      AddNote(layers[i % 2 ? ChordsRight : ChordsLeft],
              {.start = start + i * beat / 2, .length = beat * 0.3, .frequency = MidiFrequency(note),
               .amplitude = 0.11 * level, .wave = TWave::Triangle, .envelope = {0.003, 0.2, 0.25, 0.15}});
    }
  }

  void Voice(TLayer layer, TLead sound, double start, double length, int note, double level) {
    TSamples& out = layers[layer];
    switch (sound) {
      case TLead::Bell:
        AddBell(out, start, MidiFrequency(note), 0.22 * level, std::min(0.5, length));
        break;
      case TLead::Flute:
        AddNote(out, {.start = start, .length = length * 0.9, .frequency = MidiFrequency(note), .amplitude = 0.2 * level,
                      .wave = TWave::Sine, .envelope = {0.03, 0.1, 0.8, 0.12}, .vibratoRate = 5,
                      .vibratoDepth = 0.005});
        AddNote(out, {.start = start, .length = length * 0.9, .frequency = MidiFrequency(note) * 2,
                      .amplitude = 0.04 * level, .wave = TWave::Sine, .envelope = {0.03, 0.1, 0.8, 0.12}});
        break;
      case TLead::Reed:
        AddNote(out, {.start = start, .length = length * 0.85, .frequency = MidiFrequency(note),
                      .amplitude = 0.09 * level, .wave = TWave::Square, .envelope = {0.01, 0.1, 0.7, 0.08},
                      .vibratoRate = 5.5, .vibratoDepth = 0.004});
        break;
    }
  }

  // Full drums in the main sections; the bridge keeps only a light pulse.
  void Drums(int bar, bool light) {
    const double start = BarStart(bar);
    for (int i = 0; i < 8; ++i) {
      const double at = start + i * beat / 2;
      const uint64_t hit = uint64_t(bar * 8 + i);
      if (i % 4 == 0 && (!light || i == 0))
        AddNote(layers[Kick], {.start = at, .length = 0.12, .frequency = 120, .endFrequency = 45, .amplitude = 0.4,
                               .envelope = {0.002, 0.1, 0.0, 0.03}});
      if (i % 4 == 2 && piece.walkingBass && !light)
        AddNoise(layers[Snare], at, 0.15, 0.18, piece.seed + hit, 5000, 2500, 0.05);
      if (!light || i % 2 == 0)
        AddNoise(layers[Hats], at, 0.04, i % 2 ? 0.05 : 0.08, piece.seed * 31 + hit, 12000, 9000, 0.012);
    }
  }
};

// A motif: notes of a two-bar phrase as (eighth slot, length in eighths).
using TRhythm = std::vector<std::pair<int, int>>;

TRhythm MakeRhythm(TContentRandom& random, bool broad) {
  static const int lively[] = {1, 1, 2, 2, 2, 3, 4};
  static const int slow[] = {2, 3, 4, 4, 6, 8, 4};
  TRhythm rhythm;
  for (int slot = 0; slot < 16;) {
    const int length = std::min((broad ? slow : lively)[random.Below(7)], 16 - slot);
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

int DegreeAt(const TSectionPlan& section, int bar, int lastBar) {
  // The piece's last bar turns to the dominant so the loop leads back into the intro.
  if (bar == lastBar) return 4;
  return (*section.progression)[size_t(bar - section.firstBar) % section.progression->size()];
}

// The tune of one section. The return replays A's tune a third higher; B and the bridge have
// their own motifs, the bridge in long notes and a lower register.
void Melody(TRenderer& renderer, const TSectionPlan& section, int lastBar) {
  const TPiece& piece = renderer.piece;
  const TPart motifPart = section.part == TPart::Return ? TPart::A : section.part;
  TContentRandom random(piece.seed * 7 + uint64_t(motifPart));
  const bool broad = section.part == TPart::Bridge;
  const TRhythm motifs[2] = {MakeRhythm(random, broad), MakeRhythm(random, broad)};
  const int lift = section.part == TPart::Return ? 2 : section.part == TPart::Bridge ? -3 : 0;
  int step = 9;  // melody register: around the third above the octave
  for (int bar = section.firstBar; bar < section.firstBar + section.bars; bar += 2) {
    const int phrase = (bar - section.firstBar) / 2;
    const TRhythm& rhythm = motifs[phrase % 4 == 2 ? 1 : 0];  // A A' B A'' over each eight bars
    for (const auto& [slot, length] : rhythm) {
      const int degree = DegreeAt(section, bar + slot / 8, lastBar);
      if (slot % 2 == 0) step = NearestChordTone(step + random.Below(5) - 2, degree);
      else step += random.Uniform() < 0.5 ? -1 : 1;
      step = std::clamp(step, 5, 13);
      const double start = renderer.BarStart(bar) + slot * renderer.beat / 2;
      renderer.Voice(Lead, piece.lead, start, length * renderer.beat / 2, renderer.key.Note(step + lift) + 12, 1.0);
    }
  }
}

// A second voice under the tune in B and the return: the chord's third, held for half a bar.
void CounterLine(TRenderer& renderer, const TSectionPlan& section, int lastBar) {
  for (int bar = section.firstBar; bar < section.firstBar + section.bars; ++bar)
    for (int half = 0; half < 2; ++half) {
      const int degree = DegreeAt(section, bar, lastBar);
      const int note = renderer.key.ChordNote(degree, 1 + half) + 12;
      renderer.Voice(Counter, renderer.piece.counter, renderer.BarStart(bar) + half * 2 * renderer.beat,
                     2 * renderer.beat, note, 0.55);
    }
}

void RenderSection(TRenderer& renderer, const TSectionPlan& section, int lastBar) {
  const TPiece& piece = renderer.piece;
  const bool intro = section.part == TPart::Intro, bridge = section.part == TPart::Bridge;
  // The bridge swaps the chord style for contrast; the intro starts on a soft pad.
  const TChordLayer other = piece.chords == TChordLayer::Pad ? TChordLayer::Arpeggio : TChordLayer::Pad;
  const TChordLayer style = intro ? TChordLayer::Pad : bridge ? other : piece.chords;
  for (int bar = section.firstBar; bar < section.firstBar + section.bars; ++bar) {
    const int degree = DegreeAt(section, bar, lastBar);
    renderer.Bass(bar, degree, piece.walkingBass && !intro && !bridge);
    renderer.Chords(bar, degree, style, intro ? 0.8 : 1.0);
    // The drums come in over the intro's last two bars.
    if (piece.drums && (!intro || bar >= section.firstBar + section.bars - 2)) renderer.Drums(bar, intro || bridge);
  }
  if (!intro) Melody(renderer, section, lastBar);
  if (section.part == TPart::B || section.part == TPart::Return) CounterLine(renderer, section, lastBar);
}

std::vector<TSectionPlan> Plan(const TPiece& piece) {
  std::vector<TSectionPlan> plan;
  int bar = 0;
  for (TPart part : piece.form) {
    const TProgression* progression = part == TPart::B ? &piece.b : part == TPart::Bridge ? &piece.bridge : &piece.a;
    const int bars = part == TPart::Intro ? IntroBars : piece.sectionBars;
    plan.push_back({part, progression, bar, bars});
    bar += bars;
  }
  return plan;
}

// Adds a delayed copy of the tune into each side (the far side louder), wrapping round the loop.
void Echo(const TSamples& lead, size_t delay, TStereo& out) {
  const size_t n = out.left.size();
  for (size_t i = 0; i < n; ++i) {
    out.right[(i + delay) % n] += 0.28f * lead[i];
    out.left[(i + 2 * delay) % n] += 0.12f * lead[i];
  }
}

TStereo Mix(TRenderer& renderer, size_t loop) {
  TStereo out{TSamples(loop, 0.0f), TSamples(loop, 0.0f)};
  for (int layer = 0; layer < LayerCount; ++layer) {
    TSamples& samples = renderer.layers[size_t(layer)];
    // Fold the overhang past the loop's end back onto its start.
    samples.resize(std::max(samples.size(), loop), 0.0f);
    for (size_t i = loop; i < samples.size(); ++i) samples[i % loop] += samples[i];
    samples.resize(loop);
    // Equal-power panning.
    const double angle = (LayerPan[size_t(layer)] + 1) * std::numbers::pi / 4;
    const float left = float(std::cos(angle)), right = float(std::sin(angle));
    for (size_t i = 0; i < loop; ++i) {
      out.left[i] += left * samples[i];
      out.right[i] += right * samples[i];
    }
  }
  Echo(renderer.layers[Lead], SamplesFor(3 * renderer.beat / 2), out);
  return out;
}

TStereo Render(const TPiece& piece) {
  TRenderer renderer{piece, {piece.tonic, piece.minor}, 60.0 / piece.bpm, {}};
  const std::vector<TSectionPlan> plan = Plan(piece);
  const int bars = plan.back().firstBar + plan.back().bars;
  for (const TSectionPlan& section : plan) RenderSection(renderer, section, bars - 1);
  TStereo out = Mix(renderer, SamplesFor(renderer.BarStart(bars)));
  Normalize(out, MusicPeakDb);
  return out;
}

using enum TPart;
const std::vector<TPiece>& Pieces() {
  static const std::vector<TPiece> pieces{
      {Asset::MusicTitle, 100, 48, false, {0, 5, 3, 4}, {3, 4, 2, 5}, {5, 3, 1, 4}, {Intro, A, B, A, Bridge, A, B, Return},
       8, TChordLayer::Arpeggio, TLead::Bell, TLead::Flute, true, false, 0x5717},
      {Asset::MusicRunning, 128, 45, true, {0, 5, 2, 6}, {3, 0, 3, 4}, {5, 6, 2, 4}, {Intro, A, B, A, Bridge, B, Return},
       12, TChordLayer::Arpeggio, TLead::Reed, TLead::Bell, true, true, 0x2A11},
      {Asset::MusicFailed, 72, 50, true, {0, 3, 6, 4}, {5, 3, 0, 4}, {2, 5, 3, 4}, {Intro, A, B, A, Bridge, Return},
       8, TChordLayer::Pad, TLead::Flute, TLead::Bell, false, false, 0xFA11},
      {Asset::MusicMap, 108, 53, false, {0, 3, 1, 4}, {5, 1, 3, 4}, {3, 2, 5, 4}, {Intro, A, B, A, Bridge, A, B, Return},
       8, TChordLayer::Arpeggio, TLead::Flute, TLead::Bell, true, false, 0xC1EA},
      {Asset::MusicAbout, 88, 43, false, {0, 2, 3, 4}, {5, 2, 3, 0}, {3, 4, 5, 4}, {Intro, A, B, A, Bridge, B, Return},
       8, TChordLayer::Pad, TLead::Bell, TLead::Flute, false, false, 0xAB07},
  };
  return pieces;
}


std::vector<TSectionMark> SectionMarks(const TPiece& piece) {
  static const char* const names[] = {"intro", "A", "B", "bridge", "return"};
  std::vector<TSectionMark> marks;
  for (const TSectionPlan& section : Plan(piece))
    marks.push_back({names[int(section.part)], section.firstBar * 4 * 60.0 / piece.bpm});
  return marks;
}
}  // namespace

std::vector<TNamedMusic> MusicPieces() {
  std::vector<TNamedMusic> music;
  for (const TPiece& piece : Pieces()) music.push_back({piece.file, Render(piece), SectionMarks(piece)});
  return music;
}

void WriteMusic(const TContentFolder& game) {
  for (const TNamedMusic& piece : MusicPieces()) game.Write(piece.file, EncodeMp3(piece.samples));
}
