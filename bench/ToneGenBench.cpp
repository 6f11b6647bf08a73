// BuildWave for the warning beep (the defaults) and for a rich tone: stereo,
// all eight levels with mixed waveforms, shaped by the envelope.
#include <benchmark/benchmark.h>

#include "core/sound/ToneGen.h"

namespace {

using namespace vorda::sound;

void BM_BuildWaveDefaults(benchmark::State& state) {
  TToneGen gen;
  for (auto _ : state) {
    gen.Prepare();
    benchmark::DoNotOptimize(gen.GetDataBuffer());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * gen.BufferSize());
}
BENCHMARK(BM_BuildWaveDefaults)->Unit(benchmark::kMicrosecond);

void BM_BuildWaveStereoEightLevelsEnvelope(benchmark::State& state) {
  TToneGen gen;
  gen.SetStereo(true);
  const TTGWave waves[] = {TTGWave::tgSine,  TTGWave::tgSquare, TTGWave::tgTriangle, TTGWave::tgSawtooth,
                           TTGWave::tgNoise, TTGWave::tgSine,   TTGWave::tgTriangle, TTGWave::tgSquare};
  for (int i = 0; i < kAMLevelCount; ++i) gen.SetAMParameter(static_cast<TTGAMLevel>(i), 0.5f * (i + 1), 10, waves[i]);
  for (auto _ : state) {
    gen.PrepareADSR();
    benchmark::DoNotOptimize(gen.GetDataBuffer());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * gen.BufferSize());
}
BENCHMARK(BM_BuildWaveStereoEightLevelsEnvelope)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
