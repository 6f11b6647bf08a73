#pragma once

#include <windows.h>

#include "core/actions/FinalActions.h"
#include "win/actions/WinActionReporter.h"
#include "win/actions/WinPowerApi.h"
#include "win/actions/WinProgramApi.h"
#include "win/actions/WinSessionApi.h"

namespace vorda::win {

// The final actions of the main window over the real system: the form hands
// in the settings, the end-sequence host and its window, and calls
// DoFinalAction when the countdown has run out.
class TWinFinalActions {
 public:
  TWinFinalActions(settings::TTeskSettings& settings, actions::IEndSequenceHost& host, HWND mainWindow) noexcept
      : reporter_(mainWindow), actions_(settings, actions::TActionApis{power_, programs_, session_, reporter_}, host) {}
  TWinFinalActions(const TWinFinalActions&) = delete;
  TWinFinalActions& operator=(const TWinFinalActions&) = delete;

  void DoFinalAction() { actions_.DoFinalAction(); }
  // WM_QUERYENDSESSION: call before the default answer.
  void QueryEndSession() noexcept { actions_.QueryEndSession(); }
  // While true, the window's destruction does not save its position again.
  bool SystemIsClosing() const noexcept { return actions_.SystemIsClosing(); }

  actions::TFinalActions& Actions() noexcept { return actions_; }

 private:
  TWinPowerApi power_;
  TWinProgramApi programs_;
  TWinSessionApi session_;
  TWinActionReporter reporter_;
  actions::TFinalActions actions_;
};

}  // namespace vorda::win
