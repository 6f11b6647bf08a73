#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace vorda::actions {

// ExitWindowsEx flags and the reason the program gives.
inline constexpr std::uint32_t kEwxShutdown = 0x01;
inline constexpr std::uint32_t kEwxReboot = 0x02;
inline constexpr std::uint32_t kEwxForce = 0x04;
inline constexpr std::uint32_t kEwxPowerOff = 0x08;
inline constexpr std::uint32_t kShutdownReasonPlanned = 0x80000000u;

struct TPlatform {
  bool ntFamily = true;
  std::uint32_t majorVersion = 0;
};

// The system calls that end or suspend the session.
class IPowerApi {
 public:
  virtual ~IPowerApi() = default;

  virtual TPlatform Platform() = 0;
  // Enables SeShutdownPrivilege in the process token; false when a step failed.
  virtual bool SetPrivileges() = 0;
  virtual bool ExitWindowsEx(std::uint32_t flags, std::uint32_t reason) = 0;
  // SetSuspendState of the power-profile library; nothing when the library or
  // the function is missing.
  virtual std::optional<bool> SetSuspendState(bool hibernate, bool forceCritical, bool disableWakeEvent) = 0;
  virtual bool SetSystemPowerState(bool suspend, bool force) = 0;
  // The system's message text for the last error code; asked right after the
  // call that failed.
  virtual std::wstring LastErrorText() = 0;
};

}  // namespace vorda::actions
