#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/settings/SettingsHost.h"
#include "core/settings/TeskCommand.h"

namespace vorda::registry {
class TConfig;
class TRegistry;
}  // namespace vorda::registry

namespace vorda::settings {

// The user's options for the final action and for the main window while a
// countdown runs, with their store in the settings key and the autostart
// entry of the Run key. One object per normal run, owned by the main window.
class TTeskSettings {
 public:
  // The defaults, and whether the system allows hibernation (asked once).
  explicit TTeskSettings(ISettingsHost& host);

  // Reads the settings key (read-only) and the autostart entry. False when the
  // key cannot be opened (nothing changes) or a value breaks the load (the
  // values read before it stay; the error goes to the log).
  bool LoadFromRegistry();
  // Writes the settings key and creates or removes the autostart entry, which
  // starts this instance with the trigger mainActionIdx (1..5). False when the
  // settings key cannot be opened or written (the error goes to the log).
  bool SaveToRegistry(std::int32_t mainActionIdx);
  // Writes LogLine to the log when the log is on.
  void SaveToLog();
  // "Settings (<instance>): AutoStartup=Y, ...": the settings in one line.
  std::wstring LogLine() const;

  // The final action to carry out: standby in place of hibernation while the
  // system does not allow hibernation.
  TTeskCommand GetMainAction() const noexcept;
  TTeskCommand MainAction() const noexcept { return GetMainAction(); }
  void SetMainAction(TTeskCommand value) noexcept { FMainAction = value; }
  // The final action as stored.
  TTeskCommand StoredMainAction() const noexcept { return FMainAction; }

  // Warning tones sound before the final action.
  bool GetSoundWarning() const noexcept { return FAlarm > 0; }
  bool SoundWarning() const noexcept { return GetSoundWarning(); }

  std::int32_t AppWindowState() const noexcept { return FAppWindowState; }
  void SetAppWindowState(std::int32_t value) noexcept { FAppWindowState = value; }
  std::int32_t Alarm() const noexcept { return FAlarm; }
  void SetAlarm(std::int32_t value) noexcept { FAlarm = value; }
  bool AutoStartup() const noexcept { return FAutoStartup; }
  void SetAutoStartup(bool value) noexcept { FAutoStartup = value; }
  const std::wstring& CloseApp() const noexcept { return FCloseApp; }
  void SetCloseApp(std::wstring value) { FCloseApp = std::move(value); }
  bool ExactProgramName() const noexcept { return FExactProgramName; }
  void SetExactProgramName(bool value) noexcept { FExactProgramName = value; }
  bool Force() const noexcept { return FForce; }
  void SetForce(bool value) noexcept { FForce = value; }
  bool MinimizeToTray() const noexcept { return FMinimizeToTray; }
  void SetMinimizeToTray(bool value) noexcept { FMinimizeToTray = value; }
  const std::wstring& Screenshot() const noexcept { return FScreenshot; }
  void SetScreenshot(std::wstring value) { FScreenshot = std::move(value); }
  bool ShowWindowsClasses() const noexcept { return FShowWindowsClasses; }
  void SetShowWindowsClasses(bool value) noexcept { FShowWindowsClasses = value; }
  bool WatchInternalWindows() const noexcept { return FWatchInternalWindows; }
  void SetWatchInternalWindows(bool value) noexcept { FWatchInternalWindows = value; }
  std::int32_t SecToShutdown() const noexcept { return FSecToShutdown; }
  void SetSecToShutdown(std::int32_t value) noexcept { FSecToShutdown = value; }
  bool IsHibernationPossible() const noexcept { return FIsHibernationPossible; }
  void SetIsHibernationPossible(bool value) noexcept { FIsHibernationPossible = value; }
  std::uint32_t SilenceDetectionCounter() const noexcept { return FSilenceDetectionCounter; }
  void SetSilenceDetectionCounter(std::uint32_t value) noexcept { FSilenceDetectionCounter = value; }
  bool ProgressOnTaskbar() const noexcept { return FProgressOnTaskbar; }

 private:
  std::wstring LoadValues(registry::TConfig& config);
  std::wstring SaveValues(registry::TRegistry& reg, std::int32_t mainActionIdx);
  void LogError(std::wstring_view prefix, std::wstring_view message);

  ISettingsHost& host_;

  std::int32_t FAppWindowState = 0;
  std::int32_t FAlarm = 0;
  bool FAutoStartup = false;
  std::wstring FCloseApp;
  bool FExactProgramName = false;
  bool FForce = true;
  TTeskCommand FMainAction = tcmdShutdownComputer;
  bool FMinimizeToTray = false;
  std::wstring FScreenshot;
  bool FShowWindowsClasses = false;
  bool FWatchInternalWindows = false;
  std::int32_t FSecToShutdown = 10;
  bool FIsHibernationPossible = false;
  std::uint32_t FSilenceDetectionCounter = 10;
  bool FProgressOnTaskbar = true;
};

// The name of the autostart value of an instance: "Kelvari1", "Kelvari12" ...
std::wstring AutoStartValueName(int instance);

// The data of the autostart value: the executable path (in double quotes when
// it holds a blank), a blank, and the arguments: the trigger number for the
// first instance, "instanceNN <trigger>" from instance 2 on.
std::wstring AutoStartCommand(std::wstring_view exePath, int instance, std::int32_t mainActionIdx);

}  // namespace vorda::settings
