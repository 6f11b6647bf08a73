#include "core/settings/TeskCommand.h"

namespace vorda::settings {

const wchar_t* TeskCommandName(TTeskCommand command) noexcept {
  switch (command) {
    case tcmdShutdownComputer: return L"tcmdShutdownComputer";
    case tcmdHibernation: return L"tcmdHibernation";
    case tcmdCloseProgram: return L"tcmdCloseProgram";
    case tcmdModemDisconnect: return L"tcmdModemDisconnect";
    case tcmdBlockWindowsUser: return L"tcmdBlockWindowsUser";
    case tcmdTurnOffMonitor: return L"tcmdTurnOffMonitor";
    case tcmdSuspend: return L"tcmdSuspend";
    case tcmdRestartComputer: return L"tcmdRestartComputer";
  }
  return L"";
}

}  // namespace vorda::settings
