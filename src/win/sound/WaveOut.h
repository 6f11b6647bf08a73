#pragma once

#include "core/sound/WaveOut.h"

namespace vorda::win {

// The system's sound output: PlaySound from memory and the wave-out volume.
class TWaveOut final : public sound::IWaveOut {
 public:
  void StopSound() noexcept override;
  void PlayImage(const std::uint8_t* image, std::uint32_t flags) noexcept override;
  std::optional<sound::TWaveOutCaps> GetDevCaps(std::uint32_t device) noexcept override;
  std::optional<std::uint32_t> GetVolume(std::uint32_t device) noexcept override;
  void SetVolume(std::uint32_t device, std::uint32_t volume) noexcept override;
};

// The one output the program's generators share; it holds no state.
TWaveOut& SystemWaveOut() noexcept;

}  // namespace vorda::win
