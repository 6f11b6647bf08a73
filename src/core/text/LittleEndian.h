#pragma once

#include <cstdint>

namespace vorda::text {

// Little-endian fields of file and record layouts (bitmaps, wave headers,
// shared-memory records), whatever the byte order of the host.
inline void Put16(std::uint8_t* p, std::uint32_t v) noexcept {
  p[0] = static_cast<std::uint8_t>(v);
  p[1] = static_cast<std::uint8_t>(v >> 8);
}

inline void Put32(std::uint8_t* p, std::uint32_t v) noexcept {
  Put16(p, v);
  Put16(p + 2, v >> 16);
}

inline std::uint16_t Get16(const std::uint8_t* p) noexcept {
  return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

inline std::uint32_t Get32(const std::uint8_t* p) noexcept {
  return Get16(p) | (static_cast<std::uint32_t>(Get16(p + 2)) << 16);
}

}  // namespace vorda::text
