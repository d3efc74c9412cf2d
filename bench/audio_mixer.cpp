// The mixer's cost for 10 ms of output with twelve effects and two music pieces playing, and with
// one piece alone (a level at rest); the counter "percent_of_real_time" is the time spent per
// second of sound produced, in percent.

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "audio/mixer.h"

namespace {
constexpr int32_t TenMsFrames = DeviceRate / 100;

std::unique_ptr<TMixVoice> Voice(int32_t frames, int32_t seed, float gain) {
  auto voice = std::make_unique<TMixVoice>();
  voice->Pcm.resize(static_cast<size_t>(frames) * DeviceChannels);
  uint32_t state = static_cast<uint32_t>(seed) * 2654435761u + 1;
  for (int16_t& sample : voice->Pcm) {
    state = state * 1664525u + 1013904223u;
    sample = static_cast<int16_t>(state >> 17);
  }
  voice->Playing = true;
  voice->Looping = true;  // so every voice stays active however long the run
  voice->Gain = gain;
  return voice;
}

void BM_MixTenMilliseconds(benchmark::State& state) {
  std::vector<std::unique_ptr<TMixVoice>> voices;
  TMixer mixer;
  const auto effects = static_cast<int32_t>(state.range(0));
  const auto pieces = static_cast<int32_t>(state.range(1));
  for (int32_t i = 0; i < effects; ++i) voices.push_back(Voice(DeviceRate / 2 + 997 * i, i, AttenuationToGain(-1000)));
  for (int32_t i = 0; i < pieces; ++i) voices.push_back(Voice(DeviceRate * 10, 100 + i, 0.7f));
  for (auto& voice : voices) mixer.Add(voice.get());
  std::vector<int16_t> out(static_cast<size_t>(TenMsFrames) * DeviceChannels);
  for (auto _ : state) {
    mixer.Mix(out.data(), TenMsFrames);
    benchmark::DoNotOptimize(out.data());
    benchmark::ClobberMemory();
  }
  // elapsed / (iterations * 10 ms) * 100
  state.counters["percent_of_real_time"] = benchmark::Counter(static_cast<double>(state.iterations()) * 0.0001,
                                                              benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_MixTenMilliseconds)
    ->ArgNames({"effects", "music"})
    ->Args({12, 2})
    ->Args({0, 1})
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
}  // namespace

BENCHMARK_MAIN();
