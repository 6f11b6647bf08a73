#include "core/actions/SystemPower.h"

#include <string>

#include "core/settings/TeskSettings.h"

namespace vorda::actions {

bool TSystemPower::SetPrivileges() { return api_.SetPrivileges(); }

std::uint32_t TSystemPower::ExitFlags(bool shutdown, bool force, bool ntFamily) noexcept {
  std::uint32_t flags = force ? kEwxForce : 0;
  if (shutdown)
    flags |= ntFamily ? kEwxPowerOff : kEwxShutdown;
  else
    flags |= kEwxReboot;
  return flags;
}

void TSystemPower::ExitSystem(bool shutdown) {
  const bool force = settings_.Force();
  const TPlatform platform = api_.Platform();
  const std::uint32_t flags = ExitFlags(shutdown, force, platform.ntFamily);

  if (platform.ntFamily && !SetPrivileges()) {
    reporter_.LogEvent(L"Error - SetPrivileges not possible: " + api_.LastErrorText());
    // Only asks the program to end: the shut-down is still attempted.
    reporter_.ShowError(L"SPNP - ", TActionMessage::amShutdownImpossible, true);
  }
  if (api_.ExitWindowsEx(flags, kShutdownReasonPlanned)) return;

  reporter_.LogEvent(L"Error - ExitWindowsEx failed: " + api_.LastErrorText());
  reporter_.ShowError(L"", force ? TActionMessage::amShutdownImpossible : TActionMessage::amShutdownCancelled, false);
  host_.ShowOptionsPage();
}

void TSystemPower::SuspendSystem(bool hibernate) {
  if (hibernate && !settings_.IsHibernationPossible()) {
    reporter_.ShowError(L"", TActionMessage::amHibernationDisabled, false);
    return;
  }
  const TPlatform platform = api_.Platform();
  if (platform.ntFamily && !SetPrivileges()) {
    ShowSuspendError(0, hibernate);
    return;
  }
  // SetSystemPowerState takes "suspend" (standby) rather than "hibernate".
  const bool suspend = !hibernate;
  if (platform.ntFamily && platform.majorVersion >= 5) {
    const std::optional<bool> suspended = api_.SetSuspendState(hibernate, true, false);
    if (!suspended.has_value()) {
      if (!api_.SetSystemPowerState(suspend, true)) ShowSuspendError(2, hibernate);
    } else if (!*suspended) {
      if (!api_.SetSystemPowerState(suspend, true)) ShowSuspendError(1, hibernate);
    }
    return;
  }
  if (!api_.SetSystemPowerState(suspend, true)) ShowSuspendError(2, hibernate);
}

void TSystemPower::ShowSuspendError(int code, bool hibernate) {
  reporter_.ShowMessageBox(TActionMessage::amSuspendFailed, TActionMessage::amErrorCaption, std::to_wstring(code));
  if (hibernate) settings_.SetIsHibernationPossible(false);
  host_.EnableMainWindow();
  host_.ShowOptionsPage();
}

}  // namespace vorda::actions
