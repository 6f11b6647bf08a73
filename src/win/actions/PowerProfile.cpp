#include "win/actions/PowerProfile.h"

#include "win/actions/SystemLibrary.h"

namespace vorda::win {

TSuspendStateFunction::TSuspendStateFunction() noexcept
    : library_(LoadSystemLibrary(L"PowrProf.dll")), function_(GetProc<Function>(library_, "SetSuspendState")) {}

bool TSuspendStateFunction::Call(bool hibernate, bool forceCritical, bool disableWakeEvent) const noexcept {
  if (!function_) return false;
  return function_(hibernate ? TRUE : FALSE, forceCritical ? TRUE : FALSE, disableWakeEvent ? TRUE : FALSE) != FALSE;
}

}  // namespace vorda::win
