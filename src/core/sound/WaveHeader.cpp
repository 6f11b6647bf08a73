#include "core/sound/WaveHeader.h"

#include <cstring>

#include "core/text/LittleEndian.h"

namespace vorda::sound {
using text::Put16;
using text::Put32;

std::array<std::uint8_t, kWaveHeaderSize> MakeWaveHeader(bool stereo, TTGResolution resolution, TTGQuality quality,
                                                         std::uint32_t dataLength) noexcept {
  std::array<std::uint8_t, kWaveHeaderSize> h{};
  const std::uint32_t channels = stereo ? 2 : 1;
  const std::uint32_t bytes = BytesPerSample(resolution);
  const std::uint32_t rate = SampleRate(quality);
  std::memcpy(&h[0], "RIFF", 4);
  Put32(&h[4], dataLength + 36);
  std::memcpy(&h[8], "WAVE", 4);
  std::memcpy(&h[12], "fmt ", 4);
  Put32(&h[16], 16);
  Put16(&h[20], 1);  // PCM
  Put16(&h[22], channels);
  Put32(&h[24], rate);
  Put32(&h[28], channels * rate * bytes);
  Put16(&h[32], bytes * channels);
  Put16(&h[34], bytes * 8);
  std::memcpy(&h[36], "data", 4);
  Put32(&h[40], dataLength);
  return h;
}

}  // namespace vorda::sound
