#pragma once

#include "core/actions/ActionReporter.h"
#include "core/actions/EndSequenceHost.h"
#include "core/actions/PowerApi.h"
#include "core/actions/ProgramApi.h"
#include "core/actions/ProgramCloser.h"
#include "core/actions/SessionApi.h"
#include "core/actions/SystemPower.h"
#include "core/settings/TeskCommand.h"

namespace vorda::settings {
class TTeskSettings;
}

namespace vorda::actions {

// The system calls the final actions use.
struct TActionApis {
  IPowerApi& power;
  IProgramApi& programs;
  ISessionApi& session;
  IActionReporter& reporter;
};

// The end of a countdown: stops what runs, keeps the screenshot and the
// window position where the action ends the session, carries out the final
// action of the settings and ends the program, whether the action worked or not.
class TFinalActions {
 public:
  TFinalActions(settings::TTeskSettings& settings, const TActionApis& apis, IEndSequenceHost& host) noexcept;

  void DoFinalAction();

  // The session is ending (WM_QUERYENDSESSION): the window position is not
  // saved again when the window is destroyed.
  void QueryEndSession() noexcept { FSystemIsClosing = true; }
  bool SystemIsClosing() const noexcept { return FSystemIsClosing; }

  void HangUpModem();
  void LockComputer();
  void TurnOffMonitor();

  TSystemPower& Power() noexcept { return power_; }
  TProgramCloser& Closer() noexcept { return closer_; }

  // The actions before which a screenshot is taken, and those that end or
  // lock the session, so that the window position is saved first.
  static bool TakesScreenshot(settings::TTeskCommand action) noexcept;
  static bool EndsSession(settings::TTeskCommand action) noexcept;

 private:
  void Dispatch(settings::TTeskCommand action);

  settings::TTeskSettings& settings_;
  TActionApis apis_;
  IEndSequenceHost& host_;
  TSystemPower power_;
  TProgramCloser closer_;
  bool FSystemIsClosing = false;
};

}  // namespace vorda::actions
