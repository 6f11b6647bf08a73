#pragma once

#include <cstdint>
#include <cstring>
#include <string>

#include "core/sound/ToneGen.h"

namespace vorda::sound::testing {

// Reads a generator's WAV image: header fields and samples by frame.
class TWaveView {
 public:
  explicit TWaveView(const TToneGen& gen) : p_(gen.GetDataBuffer()), size_(gen.BufferSize()) {}

  std::uint32_t U32(std::size_t at) const {
    return p_[at] | p_[at + 1] << 8 | p_[at + 2] << 16 | std::uint32_t{p_[at + 3]} << 24;
  }
  std::uint16_t U16(std::size_t at) const { return static_cast<std::uint16_t>(p_[at] | p_[at + 1] << 8); }
  std::string Tag(std::size_t at) const { return std::string(reinterpret_cast<const char*>(p_ + at), 4); }

  std::uint32_t DataLength() const { return U32(40); }
  std::uint16_t Channels() const { return U16(22); }
  std::uint16_t Bits() const { return U16(34); }
  std::uint32_t Frames() const { return DataLength() / (Channels() * Bits() / 8); }
  std::uint32_t Size() const { return size_; }
  std::uint8_t Byte(std::size_t at) const { return p_[at]; }

  // Channel ch of frame i: signed, 8-bit samples as their distance from 128.
  int Sample(std::size_t frame, int ch = 0) const {
    const std::size_t index = frame * Channels() + ch;
    if (Bits() == 8) return p_[44 + index] - 128;
    return static_cast<std::int16_t>(U16(44 + index * 2));
  }

  // FNV-1a over the whole image: pins every byte of a build.
  std::uint64_t Hash() const {
    std::uint64_t h = 14695981039346656037ull;
    for (std::uint32_t i = 0; i < size_; ++i) h = (h ^ p_[i]) * 1099511628211ull;
    return h;
  }

 private:
  const std::uint8_t* p_;
  std::uint32_t size_;
};

}  // namespace vorda::sound::testing
