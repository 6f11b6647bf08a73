#include "core/actions/FinalActions.h"

#include <string>

#include "core/settings/TeskSettings.h"

namespace vorda::actions {

using namespace settings;

TFinalActions::TFinalActions(TTeskSettings& settings, const TActionApis& apis, IEndSequenceHost& host) noexcept
    : settings_(settings),
      apis_(apis),
      host_(host),
      power_(settings, apis.power, apis.reporter, host),
      closer_(settings, apis.programs) {}

bool TFinalActions::TakesScreenshot(TTeskCommand action) noexcept {
  return action == tcmdShutdownComputer || action == tcmdHibernation || action == tcmdRestartComputer;
}

bool TFinalActions::EndsSession(TTeskCommand action) noexcept {
  return action != tcmdCloseProgram && action != tcmdModemDisconnect && action != tcmdTurnOffMonitor;
}

void TFinalActions::DoFinalAction() {
  host_.StopAlarm();
  host_.StopMonitoring();
  // The getter gives standby in place of a hibernation the system refuses.
  const TTeskCommand action = settings_.MainAction();
  if (!settings_.Screenshot().empty() && TakesScreenshot(action)) host_.SaveScreenshot(settings_.Screenshot());
  if (EndsSession(action)) {
    host_.SaveWindowPosition();
    FSystemIsClosing = true;
  }
  // The program ends whatever became of the action.
  try {
    Dispatch(action);
  } catch (...) {
    apis_.reporter.LogEvent(L"Error - The final action failed.");
  }
  host_.Terminate();
}

void TFinalActions::Dispatch(TTeskCommand action) {
  switch (action) {
    case tcmdShutdownComputer: power_.ExitSystem(true); break;
    case tcmdHibernation:
      if (settings_.IsHibernationPossible()) power_.SuspendSystem(true);
      break;
    case tcmdCloseProgram: closer_.CloseChosenProgram(); break;
    case tcmdModemDisconnect: HangUpModem(); break;
    case tcmdBlockWindowsUser: LockComputer(); break;
    case tcmdTurnOffMonitor: TurnOffMonitor(); break;
    case tcmdSuspend: power_.SuspendSystem(false); break;
    case tcmdRestartComputer: power_.ExitSystem(false); break;
  }
}

void TFinalActions::HangUpModem() {
  // The kind of connection is not examined; nothing is reported either way.
  if (apis_.session.InternetGetConnectedState()) apis_.session.InternetAutodialHangup();
}

void TFinalActions::LockComputer() { apis_.session.LockWorkStation(); }

void TFinalActions::TurnOffMonitor() {
  apis_.session.SendToApplicationWindow(kWmSysCommand, kScMonitorPower, kMonitorPowerOff);
}

}  // namespace vorda::actions
