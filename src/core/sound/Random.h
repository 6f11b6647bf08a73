#pragma once

#include <cstdint>

namespace vorda::sound {

// The program's own pseudo-random generator: seed := seed * 134775813 + 1
// (modulo 2^32). Main thread only, like everything that draws from it.
std::uint32_t RandSeed() noexcept;
void SetRandSeed(std::uint32_t seed) noexcept;

// Steps the seed and gives 0 .. range - 1: the high half of the unsigned
// 64-bit product seed * range.
std::uint32_t Random(std::uint32_t range) noexcept;

// Keeps the caller's random sequence across a piece of work that reseeds.
class TRandSeedKeeper {
 public:
  TRandSeedKeeper() noexcept : saved_(RandSeed()) {}
  TRandSeedKeeper(const TRandSeedKeeper&) = delete;
  TRandSeedKeeper& operator=(const TRandSeedKeeper&) = delete;
  ~TRandSeedKeeper() { SetRandSeed(saved_); }

 private:
  std::uint32_t saved_;
};

}  // namespace vorda::sound
