#include "core/settings/TeskSettings.h"

#include <cstdio>
#include <exception>
#include <limits>

#include "core/registry/Config.h"
#include "core/registry/NumberText.h"
#include "core/settings/SettingsKeys.h"
#include "core/text/Utf8.h"

namespace vorda::settings {
namespace {

const wchar_t* Flag(bool value) noexcept { return value ? L"Y" : L"N"; }

// The counter is written as unsigned decimal text; a signed text such as "-1"
// (read as 4294967295) is accepted too, so whatever was written reads back.
std::optional<std::uint32_t> CounterOf(std::wstring_view text) {
  const auto n = registry::ParseDecimal(text);
  if (!n || *n < std::numeric_limits<std::int32_t>::min() || *n > std::numeric_limits<std::uint32_t>::max())
    return std::nullopt;
  return static_cast<std::uint32_t>(*n);
}

std::wstring WhatOf(const std::exception& e) { return text::FromUtf8(e.what()); }

}  // namespace

std::wstring AutoStartValueName(int instance) { return L"Kelvari" + std::to_wstring(instance); }

std::wstring AutoStartCommand(std::wstring_view exePath, int instance, std::int32_t mainActionIdx) {
  std::wstring command;
  if (exePath.find(L' ') != std::wstring_view::npos) {
    command = L"\"";
    command += exePath;
    command += L"\"";
  } else {
    command = exePath;
  }
  command += L' ';
  if (instance < 2) {
    command += std::to_wstring(mainActionIdx);
  } else {
    wchar_t args[64];
    std::swprintf(args, 64, L"instance%.2d %d", instance, static_cast<int>(mainActionIdx));
    command += args;
  }
  return command;
}

TTeskSettings::TTeskSettings(ISettingsHost& host) : host_(host) {
  try {
    FIsHibernationPossible = host_.IsHibernationAllowed();
  } catch (...) {
    FIsHibernationPossible = false;
  }
}

TTeskCommand TTeskSettings::GetMainAction() const noexcept {
  if (FMainAction == tcmdHibernation && !FIsHibernationPossible) return tcmdSuspend;
  return FMainAction;
}

void TTeskSettings::LogError(std::wstring_view prefix, std::wstring_view message) {
  if (!host_.LogEnabled()) return;
  std::wstring line(prefix);
  line += message;
  host_.LogEvent(line);
}

std::wstring TTeskSettings::LoadValues(registry::TConfig& config) {
  FAppWindowState = config.ReadInt(L"AppWndState", 0, 2, FAppWindowState);
  // 0 (warnings off) is out of range: the field keeps its 0, which means the same.
  FAlarm = config.ReadInt(L"Alarm", 2, 60, FAlarm);
  FCloseApp = config.ReadStr(L"CloseApp", FCloseApp);
  FExactProgramName = config.ReadBool(L"ExactProgramName", FExactProgramName);
  FForce = config.ReadBool(L"Force", FForce);
  FMainAction = static_cast<TTeskCommand>(config.ReadInt(L"MainAction", 0, kTeskCommandCount - 1, FMainAction));
  FMinimizeToTray = config.ReadBool(L"MinimizeToTray", FMinimizeToTray);
  FScreenshot = config.ReadStr(L"Screenshot", FScreenshot);
  FShowWindowsClasses = config.ReadBool(L"ShowClassNames", FShowWindowsClasses);
  FWatchInternalWindows = config.ReadBool(L"WatchInternalWindows", FWatchInternalWindows);
  if (const auto sec = config.ReadInt(L"Time4", 0, 128, FSecToShutdown); sec != 119) FSecToShutdown = sec;

  const std::wstring counter = config.ReadStr(L"SilenceDetectionCounter", std::to_wstring(FSilenceDetectionCounter));
  const auto value = CounterOf(counter);
  if (!value) return L"'" + counter + L"' is not a valid number";
  FSilenceDetectionCounter = *value;

  FProgressOnTaskbar = config.ReadBool(L"ProgressOnTaskbar", FProgressOnTaskbar);

  config.CloseKey();
  // The entry's data is not examined: its presence is the setting.
  FAutoStartup = config.OpenKey(kRunKey, false) && config.ValueExists(AutoStartValueName(host_.InstanceNumber()));
  config.CloseKey();
  return {};
}

bool TTeskSettings::LoadFromRegistry() {
  registry::TConfig config(host_.Registry(), registry::kKeyRead);
  config.SetRootKey(registry::TRootKey::CurrentUser);
  if (!config.OpenKey(kSettingsKey, false)) return false;

  std::wstring error;
  try {
    error = LoadValues(config);
  } catch (const std::exception& e) {
    error = WhatOf(e);
    if (error.empty()) error = L"unknown error";
  }
  const bool ok = error.empty();
  if (!ok) LogError(L"Error LoadFromRegistry - ", error);

  // No program to close: fall back to shutting down.
  if (FMainAction == tcmdCloseProgram && (FCloseApp.empty() || FCloseApp == L"?" || FCloseApp == L"KO>>"))
    FMainAction = tcmdShutdownComputer;
  return ok;
}

std::wstring TTeskSettings::SaveValues(registry::TRegistry& reg, std::int32_t mainActionIdx) {
  const int instance = host_.InstanceNumber();
  const bool written = reg.WriteInteger(L"AppWndState", FAppWindowState) && reg.WriteInteger(L"Alarm", FAlarm) &&
                       reg.WriteString(L"CloseApp", FCloseApp) &&
                       reg.WriteBool(L"ExactProgramName", FExactProgramName) && reg.WriteBool(L"Force", FForce) &&
                       reg.WriteInteger(L"MainAction", FMainAction) &&
                       reg.WriteBool(L"MinimizeToTray", FMinimizeToTray) &&
                       reg.WriteString(L"Screenshot", FScreenshot) &&
                       reg.WriteBool(L"ShowClassNames", FShowWindowsClasses) &&
                       reg.WriteBool(L"WatchInternalWindows", FWatchInternalWindows) &&
                       reg.WriteInteger(L"Time4", FSecToShutdown) &&
                       reg.WriteString(L"SilenceDetectionCounter", std::to_wstring(FSilenceDetectionCounter)) &&
                       reg.WriteBool(L"ProgressOnTaskbar", FProgressOnTaskbar) &&
                       // Names of older versions.
                       reg.DeleteValue(L"CloseProgram-Name") &&
                       reg.DeleteValue(L"AutoStartup i" + std::to_wstring(instance));
  if (!written) return reg.LastError();
  reg.CloseKey();

  if (!reg.OpenKey(kRunKey, true)) {
    FAutoStartup = false;
    LogError(L"Error - Can't write to registy: ", kRunKey);
    return {};
  }
  const bool entry =
      FAutoStartup
          ? reg.WriteString(AutoStartValueName(instance), AutoStartCommand(host_.ExePath(), instance, mainActionIdx))
          : reg.DeleteValue(AutoStartValueName(instance)) &&
                reg.DeleteValue(L"Kelvari " + std::to_wstring(instance));
  if (!entry) return reg.LastError();
  reg.CloseKey();
  return {};
}

bool TTeskSettings::SaveToRegistry(std::int32_t mainActionIdx) {
  registry::TRegistry reg(host_.Registry());
  reg.SetRootKey(registry::TRootKey::CurrentUser);
  if (!reg.OpenKey(kSettingsKey, true)) return false;

  std::wstring error;
  try {
    error = SaveValues(reg, mainActionIdx);
  } catch (const std::exception& e) {
    error = WhatOf(e);
    if (error.empty()) error = L"unknown error";
  }
  if (error.empty()) return true;
  LogError(L"Error SaveToRegistry - ", error);
  return false;
}

std::wstring TTeskSettings::LogLine() const {
  std::wstring line = L"Settings (" + std::to_wstring(host_.InstanceNumber()) + L"): ";
  line += L"AutoStartup=";
  line += Flag(FAutoStartup);
  line += L", AppWndState=" + std::to_wstring(FAppWindowState);
  line += L", MinimizeToTray=";
  line += Flag(FMinimizeToTray);
  line += L", Alarm=" + std::to_wstring(FAlarm);
  line += L", ExactAppName=";
  line += Flag(FExactProgramName);
  line += L", MainEvent=";
  line += TeskCommandName(FMainAction);
  line += L", Force=";
  line += Flag(FForce);
  line += L", ShowClassNames=";
  line += Flag(FShowWindowsClasses);
  line += L", WatchInternalWindows=";
  line += Flag(FWatchInternalWindows);
  line += L", SilenceDetectionCounter=" + std::to_wstring(FSilenceDetectionCounter) + L".";
  return line;
}

void TTeskSettings::SaveToLog() {
  try {
    if (host_.LogEnabled()) host_.LogEvent(LogLine());
  } catch (...) {
  }
}

}  // namespace vorda::settings
