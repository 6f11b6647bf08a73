#pragma once

#include <string>

#include "core/registry/RegistryBackend.h"

namespace vorda::settings {

// What the settings need of the system around them. The program passes the
// Windows one; the native tests pass fakes.
class ISettingsHost {
 public:
  virtual ~ISettingsHost() = default;
  virtual registry::IRegistryBackend& Registry() = 0;
  // Asked once, when the settings are created.
  virtual bool IsHibernationAllowed() = 0;
  // The instance number fixed at start (1 or more in a normal run).
  virtual int InstanceNumber() = 0;
  // The full path of the running executable.
  virtual std::wstring ExePath() = 0;
  // The diagnostic log: whether it is on, and its event line writer.
  virtual bool LogEnabled() = 0;
  virtual void LogEvent(const std::wstring& line) = 0;
};

}  // namespace vorda::settings
