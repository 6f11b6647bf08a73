#pragma once

#include <cwchar>
#include <cwctype>
#include <new>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "MemoryRegistry.h"
#include "core/actions/ActionReporter.h"
#include "core/actions/EndSequenceHost.h"
#include "core/actions/PowerApi.h"
#include "core/actions/ProgramApi.h"
#include "core/actions/SessionApi.h"
#include "core/settings/SettingsHost.h"

namespace vorda::actions::test {

// Every call that changes something, in order, across all seams.
using TJournal = std::vector<std::wstring>;

inline std::wstring Hex(std::uint64_t value) {
  wchar_t buffer[32];
  std::swprintf(buffer, 32, L"0x%llX", static_cast<unsigned long long>(value));
  return buffer;
}

inline std::wstring Flag(bool value) { return value ? L"1" : L"0"; }

inline std::wstring Name(TActionMessage message) {
  switch (message) {
    case TActionMessage::amErrorCaption: return L"ErrorCaption";
    case TActionMessage::amShutdownImpossible: return L"ShutdownImpossible";
    case TActionMessage::amShutdownCancelled: return L"ShutdownCancelled";
    case TActionMessage::amHibernationDisabled: return L"HibernationDisabled";
    case TActionMessage::amSuspendFailed: return L"SuspendFailed";
  }
  return L"?";
}

inline std::wstring Upper(std::wstring_view text) {
  std::wstring result(text);
  for (wchar_t& ch : result) ch = static_cast<wchar_t>(std::towupper(ch));
  return result;
}

class TFakeSettingsHost final : public settings::ISettingsHost {
 public:
  registry::TMemoryRegistry registry;
  bool hibernation = true;

  registry::IRegistryBackend& Registry() override { return registry; }
  bool IsHibernationAllowed() override { return hibernation; }
  int InstanceNumber() override { return 1; }
  std::wstring ExePath() override { return L"C:\\Program Files\\Vorda\\Vorda.exe"; }
  bool LogEnabled() override { return false; }
  void LogEvent(const std::wstring&) override {}
};

class TFakePower final : public IPowerApi {
 public:
  explicit TFakePower(TJournal& journal) : journal_(journal) {}

  TPlatform platform{true, 6};
  bool privileges = true;
  bool exitWindows = true;
  bool exitWindowsThrows = false;
  std::optional<bool> suspendState = true;
  bool systemPowerState = true;
  std::wstring lastError = L"Access is denied.";

  TPlatform Platform() override { return platform; }
  bool SetPrivileges() override {
    journal_.push_back(L"SetPrivileges");
    return privileges;
  }
  bool ExitWindowsEx(std::uint32_t flags, std::uint32_t reason) override {
    journal_.push_back(L"ExitWindowsEx(" + Hex(flags) + L"," + Hex(reason) + L")");
    if (exitWindowsThrows) throw std::bad_alloc();
    return exitWindows;
  }
  std::optional<bool> SetSuspendState(bool hibernate, bool forceCritical, bool disableWakeEvent) override {
    journal_.push_back(L"SetSuspendState(" + Flag(hibernate) + L"," + Flag(forceCritical) + L"," +
                       Flag(disableWakeEvent) + (suspendState ? L")" : L") missing"));
    return suspendState;
  }
  bool SetSystemPowerState(bool suspend, bool force) override {
    journal_.push_back(L"SetSystemPowerState(" + Flag(suspend) + L"," + Flag(force) + L")");
    return systemPowerState;
  }
  std::wstring LastErrorText() override { return lastError; }

 private:
  TJournal& journal_;
};

struct TFakeWindow {
  TWindowId id = 0;
  std::wstring title;
  std::wstring className;
  TProcessId process = 0;
  std::wstring exePath;
  bool appWindow = true;  // visible or minimised, not owned, not a tool window
};

class TFakePrograms final : public IProgramApi {
 public:
  explicit TFakePrograms(TJournal& journal) : journal_(journal) {}

  std::vector<TFakeWindow> windows;
  TProcessId ownProcess = 100;
  TWindowId applicationWindow = 1;  // the program's own hidden window
  std::wstring applicationTitle = L"Vorda";
  std::set<std::wstring> files;  // upper case

  void EnumTopLevelWindows(const std::function<void(TWindowId)>& visit) override {
    for (const TFakeWindow& window : windows) visit(window.id);
  }
  bool IsAppWindow(TWindowId window, bool excludeApplication) override {
    if (excludeApplication && window == applicationWindow) return false;
    return Find(window) && Find(window)->appWindow;
  }
  std::wstring WindowTitle(TWindowId window) override { return Find(window) ? Find(window)->title : L""; }
  std::wstring WindowClass(TWindowId window) override {
    return Find(window) ? Find(window)->className.substr(0, 63) : L"";
  }
  TProcessId WindowProcessId(TWindowId window) override { return Find(window) ? Find(window)->process : 0; }
  std::wstring WindowExePath(TWindowId window) override { return Find(window) ? Find(window)->exePath : L""; }
  void PostWindowMessage(TWindowId window, std::uint32_t message, std::uintptr_t wParam,
                         std::intptr_t lParam) override {
    journal_.push_back(L"PostWindowMessage(" + std::to_wstring(window) + L"," + Hex(message) + L"," + Hex(wParam) +
                       L"," + Hex(static_cast<std::uint64_t>(lParam)) + L")");
  }
  bool TerminateProcess(TProcessId process, std::uint32_t exitCode) override {
    journal_.push_back(L"TerminateProcess(" + std::to_wstring(process) + L"," + std::to_wstring(exitCode) + L")");
    return true;
  }
  TProcessId OwnProcessId() override { return ownProcess; }
  std::wstring ApplicationTitle() override { return applicationTitle; }
  std::wstring UpperCase(std::wstring_view text) override { return Upper(text); }
  bool FileExists(const std::wstring& path) override { return files.count(Upper(path)) > 0; }
  bool IsValidPath(const std::wstring& path) override {
    return path.size() > 2 && path[1] == L':' && path.find_first_of(L"?/*<>|\"") == std::wstring::npos;
  }

 private:
  const TFakeWindow* Find(TWindowId id) const {
    for (const TFakeWindow& window : windows)
      if (window.id == id) return &window;
    return nullptr;
  }
  TJournal& journal_;
};

class TFakeSession final : public ISessionApi {
 public:
  explicit TFakeSession(TJournal& journal) : journal_(journal) {}

  bool lockWorks = true;
  bool connected = true;

  bool LockWorkStation() override {
    journal_.push_back(L"LockWorkStation");
    return lockWorks;
  }
  void SendToApplicationWindow(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) override {
    journal_.push_back(L"SendToApplicationWindow(" + Hex(message) + L"," + Hex(wParam) + L"," +
                       std::to_wstring(lParam) + L")");
  }
  bool InternetGetConnectedState() override {
    journal_.push_back(L"InternetGetConnectedState");
    return connected;
  }
  bool InternetAutodialHangup() override {
    journal_.push_back(L"InternetAutodialHangup");
    return true;
  }

 private:
  TJournal& journal_;
};

class TFakeReporter final : public IActionReporter {
 public:
  explicit TFakeReporter(TJournal& journal) : journal_(journal) {}

  void ShowError(const std::wstring& prefix, TActionMessage text, bool fatal) override {
    journal_.push_back(L"ShowError(" + prefix + Name(text) + (fatal ? L", fatal)" : L")"));
  }
  void ShowMessageBox(TActionMessage text, TActionMessage caption, const std::wstring& captionSuffix) override {
    journal_.push_back(L"MessageBox(" + Name(text) + L"," + Name(caption) + captionSuffix + L")");
  }
  void LogEvent(const std::wstring& line) override { journal_.push_back(L"Log: " + line); }

 private:
  TJournal& journal_;
};

class TFakeHost final : public IEndSequenceHost {
 public:
  explicit TFakeHost(TJournal& journal) : journal_(journal) {}

  void StopAlarm() override { journal_.push_back(L"StopAlarm"); }
  void StopMonitoring() override { journal_.push_back(L"StopMonitoring"); }
  void SaveScreenshot(const std::wstring& path) override { journal_.push_back(L"SaveScreenshot(" + path + L")"); }
  void SaveWindowPosition() override { journal_.push_back(L"SaveWindowPosition"); }
  void ShowOptionsPage() override { journal_.push_back(L"ShowOptionsPage"); }
  void EnableMainWindow() override { journal_.push_back(L"EnableMainWindow"); }
  void Terminate() override { journal_.push_back(L"Terminate"); }

 private:
  TJournal& journal_;
};

}  // namespace vorda::actions::test
