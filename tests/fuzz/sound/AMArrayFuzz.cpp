// libFuzzer target: any bytes as the "AMArrayData" stream, then a tone built
// from the levels read (hostile frequencies, amplitudes and waveforms), with
// and without the envelope.
#include <cstddef>
#include <cstdint>
#include <span>

#include "core/sound/ToneGen.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vorda::sound;
  const std::uint8_t settings = size > 0 ? data[0] : 0;
  TToneGen gen;
  const int read = gen.ReadAMArray(std::span(data, size).subspan(size > 0 ? 1 : 0));
  if (read < 0 || read > kAMLevelCount) __builtin_trap();
  gen.SetStereo(settings & 1);
  gen.SetResolution(settings & 2 ? TTGResolution::tg8Bit : TTGResolution::tg16Bit);
  gen.SetQuality(settings & 4 ? TTGQuality::tgLoQ : TTGQuality::tgHiQ);
  gen.SetAMUseMultiplier(settings & 8);
  gen.SetDuration(static_cast<std::uint8_t>(10 + (settings >> 4)));
  gen.SetAMLevel(static_cast<TTGAMLevel>(settings >> 5));
  if (!(settings & 16 ? gen.PrepareADSR() : gen.Prepare())) return 0;
  const std::uint8_t* image = gen.GetDataBuffer();
  if (image[0] != 'R' || gen.BufferSize() < 76) __builtin_trap();
  return 0;
}
