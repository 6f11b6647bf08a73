#pragma once

#include <array>
#include <cstdint>

#include "core/sound/ToneTypes.h"

namespace vorda::sound {

// A tone image is the RIFF header, the sample data and a spare tail that the
// last frames of an envelope may run into; the tail is not part of the sound.
inline constexpr std::uint32_t kWaveHeaderSize = 44;
inline constexpr std::uint32_t kWaveSpareSize = 32;

// Samples per second: 96000 for tgHiQ, 44100 for tgLoQ.
constexpr std::uint32_t SampleRate(TTGQuality q) noexcept { return q == TTGQuality::tgHiQ ? 96000 : 44100; }
constexpr std::uint32_t BytesPerSample(TTGResolution r) noexcept { return r == TTGResolution::tg16Bit ? 2 : 1; }

// The 44-byte PCM header for dataLength bytes of samples (little-endian).
std::array<std::uint8_t, kWaveHeaderSize> MakeWaveHeader(bool stereo, TTGResolution resolution, TTGQuality quality,
                                                         std::uint32_t dataLength) noexcept;

}  // namespace vorda::sound
