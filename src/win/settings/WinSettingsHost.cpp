#include "win/settings/WinSettingsHost.h"

#include "win/app/Application.h"
#include "win/cmdline/ProcessCmdLine.h"
#include "win/log/MsgLogger.h"
#include "win/registry/Win32Registry.h"
#include "win/settings/HibernationProbe.h"

namespace vorda::win {

registry::IRegistryBackend& TWinSettingsHost::Registry() { return Win32Registry(); }

bool TWinSettingsHost::IsHibernationAllowed() { return win::IsHibernationAllowed(); }

int TWinSettingsHost::InstanceNumber() { return CachedInstanceNumber(); }

std::wstring TWinSettingsHost::ExePath() { return win::ExePath(); }

bool TWinSettingsHost::LogEnabled() { return Logger != nullptr; }

void TWinSettingsHost::LogEvent(const std::wstring& line) { win::LogEvent(line); }

settings::ISettingsHost& SettingsHost() noexcept {
  static TWinSettingsHost host;
  return host;
}

}  // namespace vorda::win
