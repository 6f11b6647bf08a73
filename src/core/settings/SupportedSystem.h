#pragma once

#include <cstdint>

namespace vorda::settings {

// The platform families as the system's version query names them.
enum class TPlatform : std::uint8_t { pfWin32s = 0, pfWindows9x = 1, pfWindowsNT = 2 };

struct TSystemVersion {
  TPlatform platform = TPlatform::pfWindowsNT;
  std::uint32_t major = 0;
  std::uint32_t minor = 0;
};

// The program runs on the NT family from 5.0 up to 6.1, and never under a
// compatibility layer (which makes the system report another version).
bool IsSupportedSystem(const TSystemVersion& version, bool compatibilityLayer) noexcept;

}  // namespace vorda::settings
