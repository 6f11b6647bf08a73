#include "win/actions/WinPowerApi.h"

#include <windows.h>

#include "win/actions/PowerProfile.h"
#include "win/actions/Privileges.h"
#include "win/system/SystemInfo.h"

namespace vorda::win {

actions::TPlatform TWinPowerApi::Platform() {
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof(info);
  // Every supported system answers; should one not, the NT family is the safer guess.
  if (!::GetVersionExW(&info)) return {true, 0};
  return {info.dwPlatformId == VER_PLATFORM_WIN32_NT, info.dwMajorVersion};
}

bool TWinPowerApi::SetPrivileges() { return win::SetPrivileges(); }

bool TWinPowerApi::ExitWindowsEx(std::uint32_t flags, std::uint32_t reason) {
  return ::ExitWindowsEx(flags, reason) != FALSE;
}

std::optional<bool> TWinPowerApi::SetSuspendState(bool hibernate, bool forceCritical, bool disableWakeEvent) {
  const TSuspendStateFunction function;
  if (!function.Found()) return std::nullopt;
  return function.Call(hibernate, forceCritical, disableWakeEvent);
}

bool TWinPowerApi::SetSystemPowerState(bool suspend, bool force) {
  return ::SetSystemPowerState(suspend ? TRUE : FALSE, force ? TRUE : FALSE) != FALSE;
}

std::wstring TWinPowerApi::LastErrorText() { return GetLastErrorText(); }

}  // namespace vorda::win
