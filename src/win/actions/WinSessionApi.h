#pragma once

#include "core/actions/SessionApi.h"

namespace vorda::win {

// Locking, the monitor's power and the dial-up connection over Win32.
class TWinSessionApi final : public actions::ISessionApi {
 public:
  bool LockWorkStation() override;
  // The message goes to the application's window (TApplication::MainWindow).
  void SendToApplicationWindow(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) override;
  bool InternetGetConnectedState() override;
  bool InternetAutodialHangup() override;
};

}  // namespace vorda::win
