#include "core/sound/Random.h"

namespace vorda::sound {
namespace {

std::uint32_t seed = 0;

}  // namespace

std::uint32_t RandSeed() noexcept { return seed; }

void SetRandSeed(std::uint32_t value) noexcept { seed = value; }

std::uint32_t Random(std::uint32_t range) noexcept {
  seed = seed * 134775813u + 1u;
  return static_cast<std::uint32_t>((static_cast<std::uint64_t>(seed) * range) >> 32);
}

}  // namespace vorda::sound
