#pragma once

#include <cstdint>

namespace vorda::settings {

// The final action, stored as its ordinal.
enum TTeskCommand : std::uint8_t {
  tcmdShutdownComputer = 0,
  tcmdHibernation = 1,
  tcmdCloseProgram = 2,
  tcmdModemDisconnect = 3,
  tcmdBlockWindowsUser = 4,
  tcmdTurnOffMonitor = 5,
  tcmdSuspend = 6,
  tcmdRestartComputer = 7,
};

constexpr int kTeskCommandCount = 8;

// The name the log uses ("tcmdShutdownComputer" ...).
const wchar_t* TeskCommandName(TTeskCommand command) noexcept;

}  // namespace vorda::settings
