#include "core/settings/SupportedSystem.h"

namespace vorda::settings {

bool IsSupportedSystem(const TSystemVersion& version, bool compatibilityLayer) noexcept {
  if (compatibilityLayer) return false;
  if (version.platform != TPlatform::pfWindowsNT) return false;
  if (version.major == 5) return true;
  return version.major == 6 && version.minor <= 1;
}

}  // namespace vorda::settings
