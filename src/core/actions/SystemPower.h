#pragma once

#include "core/actions/ActionReporter.h"
#include "core/actions/EndSequenceHost.h"
#include "core/actions/PowerApi.h"

namespace vorda::settings {
class TTeskSettings;
}

namespace vorda::actions {

// Shut-down, restart, hibernation and standby, with the shutdown privilege
// and the error reports of each.
class TSystemPower {
 public:
  TSystemPower(settings::TTeskSettings& settings, IPowerApi& api, IActionReporter& reporter,
               IEndSequenceHost& host) noexcept
      : settings_(settings), api_(api), reporter_(reporter), host_(host) {}

  // Enables the shutdown privilege of the process; true on success.
  bool SetPrivileges();
  // Shuts the computer down (true) or restarts it (false).
  void ExitSystem(bool shutdown);
  // Hibernates (true) or puts the computer into standby (false). Returns after
  // the computer has woken up, or at once when it failed.
  void SuspendSystem(bool hibernate);
  // The error box of SuspendSystem; a failed hibernation marks hibernation as
  // not possible.
  void ShowSuspendError(int code, bool hibernate);

  // The ExitWindowsEx flags of a request.
  static std::uint32_t ExitFlags(bool shutdown, bool force, bool ntFamily) noexcept;

 private:
  settings::TTeskSettings& settings_;
  IPowerApi& api_;
  IActionReporter& reporter_;
  IEndSequenceHost& host_;
};

}  // namespace vorda::actions
