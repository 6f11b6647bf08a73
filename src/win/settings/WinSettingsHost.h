#pragma once

#include "core/settings/SettingsHost.h"

namespace vorda::win {

// The settings' view of Windows: the real registry, the power-profile probe,
// the cached instance number, the running executable and the diagnostic log.
class TWinSettingsHost : public settings::ISettingsHost {
 public:
  registry::IRegistryBackend& Registry() override;
  bool IsHibernationAllowed() override;
  int InstanceNumber() override;
  std::wstring ExePath() override;
  bool LogEnabled() override;
  void LogEvent(const std::wstring& line) override;
};

// The process's one host, for the settings object of the main window.
settings::ISettingsHost& SettingsHost() noexcept;

}  // namespace vorda::win
