#pragma once

#include <cstdint>

namespace vorda::sound {

enum class TTGWave : std::uint8_t { tgSine, tgSquare, tgTriangle, tgSawtooth, tgNoise };
enum class TTGResolution : std::uint8_t { tg16Bit, tg8Bit };
enum class TTGQuality : std::uint8_t { tgHiQ, tgLoQ };
enum class TTGAMLevel : std::uint8_t {
  tgAMLevel1,
  tgAMLevel2,
  tgAMLevel3,
  tgAMLevel4,
  tgAMLevel5,
  tgAMLevel6,
  tgAMLevel7,
  tgAMLevel8
};

// Extra voices mixed over the base voice.
inline constexpr int kAMLevelCount = 8;

// A waveform value that names one of the five shapes (a stream may carry others).
constexpr bool IsKnownWave(TTGWave w) noexcept { return static_cast<std::uint8_t>(w) <= 4; }

}  // namespace vorda::sound
