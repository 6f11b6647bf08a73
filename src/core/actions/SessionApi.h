#pragma once

#include <cstdint>

namespace vorda::actions {

inline constexpr std::uint32_t kWmSysCommand = 0x0112;
inline constexpr std::uintptr_t kScMonitorPower = 0xF170;
inline constexpr std::intptr_t kMonitorPowerOff = 2;

// The calls of the actions that leave the computer running: locking the
// workstation, the monitor's power and the dial-up connection.
class ISessionApi {
 public:
  virtual ~ISessionApi() = default;

  // False when the system lacks the function or refuses.
  virtual bool LockWorkStation() = 0;
  // Sends a message to the application's hidden window and waits until it is handled.
  virtual void SendToApplicationWindow(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) = 0;
  virtual bool InternetGetConnectedState() = 0;
  virtual bool InternetAutodialHangup() = 0;
};

}  // namespace vorda::actions
