#pragma once

#include "core/actions/PowerApi.h"

namespace vorda::win {

// The power calls of the final actions over Win32.
class TWinPowerApi final : public actions::IPowerApi {
 public:
  actions::TPlatform Platform() override;
  bool SetPrivileges() override;
  bool ExitWindowsEx(std::uint32_t flags, std::uint32_t reason) override;
  std::optional<bool> SetSuspendState(bool hibernate, bool forceCritical, bool disableWakeEvent) override;
  bool SetSystemPowerState(bool suspend, bool force) override;
  std::wstring LastErrorText() override;
};

}  // namespace vorda::win
