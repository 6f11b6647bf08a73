#pragma once

#include <cstdint>
#include <optional>

namespace vorda::sound {

// PlaySound flags used for a tone image.
inline constexpr std::uint32_t kSndAsync = 0x1;
inline constexpr std::uint32_t kSndMemory = 0x4;
inline constexpr std::uint32_t kSndLoop = 0x8;

// What the volume functions need of a wave-out device's capabilities.
inline constexpr std::uint32_t kWaveCapsVolume = 0x4;  // dwSupport: volume control
inline constexpr std::uint32_t kWaveFormat1S16 = 0x8;  // dwFormats: 11.025 kHz stereo 16-bit

struct TWaveOutCaps {
  std::uint32_t formats = 0;
  std::uint32_t support = 0;
};

// The system's sound output as the tone generator uses it. The Windows one
// lives in the Windows layer; tests hand in a recording fake.
class IWaveOut {
 public:
  virtual ~IWaveOut() = default;
  // Stops every sound the process plays.
  virtual void StopSound() noexcept = 0;
  // Plays a whole RIFF image from memory with the given PlaySound flags; with
  // kSndMemory alone the call returns when the sound has ended.
  virtual void PlayImage(const std::uint8_t* image, std::uint32_t flags) noexcept = 0;
  virtual std::optional<TWaveOutCaps> GetDevCaps(std::uint32_t device) noexcept = 0;
  // Left level in the low word, right in the high word; empty on failure.
  virtual std::optional<std::uint32_t> GetVolume(std::uint32_t device) noexcept = 0;
  virtual void SetVolume(std::uint32_t device, std::uint32_t volume) noexcept = 0;
};

}  // namespace vorda::sound
