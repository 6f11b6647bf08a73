#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/sound/WaveOut.h"

namespace vorda::sound::testing {

// Records what the generator asks of the sound output.
class TFakeWaveOut final : public IWaveOut {
 public:
  std::optional<TWaveOutCaps> caps;
  std::optional<std::uint32_t> volume;
  std::vector<std::string> calls;
  std::vector<std::uint32_t> playFlags;
  std::vector<std::uint32_t> volumesSet;
  const std::uint8_t* lastImage = nullptr;

  void StopSound() noexcept override { calls.push_back("stop"); }
  void PlayImage(const std::uint8_t* image, std::uint32_t flags) noexcept override {
    calls.push_back("play");
    playFlags.push_back(flags);
    lastImage = image;
  }
  std::optional<TWaveOutCaps> GetDevCaps(std::uint32_t) noexcept override { return caps; }
  std::optional<std::uint32_t> GetVolume(std::uint32_t) noexcept override { return volume; }
  void SetVolume(std::uint32_t, std::uint32_t v) noexcept override {
    volumesSet.push_back(v);
    volume = v;
  }
};

}  // namespace vorda::sound::testing
