#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

#include "core/actions/SessionApi.h"
#include "core/settings/TeskSettings.h"
#include "win/actions/PowerProfile.h"
#include "win/actions/Privileges.h"
#include "win/actions/WinActionReporter.h"
#include "win/actions/WinFinalActions.h"
#include "win/app/Application.h"
#include "win/app/Strings.h"
#include "win/settings/WinSettingsHost.h"
#include "win/util/UniqueHandle.h"

namespace vorda::win {
namespace {

using actions::TActionMessage;

// Whether SeShutdownPrivilege is enabled in the token of the process.
bool ShutdownPrivilegeEnabled() {
  UniqueKernelHandle token;
  if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, token.Put())) return false;
  LUID luid{};
  if (!::LookupPrivilegeValueW(nullptr, L"SeShutdownPrivilege", &luid)) return false;
  DWORD size = 0;
  ::GetTokenInformation(token.Get(), TokenPrivileges, nullptr, 0, &size);
  std::vector<BYTE> buffer(size);
  if (!::GetTokenInformation(token.Get(), TokenPrivileges, buffer.data(), size, &size)) return false;
  const auto* privileges = reinterpret_cast<const TOKEN_PRIVILEGES*>(buffer.data());
  for (DWORD i = 0; i < privileges->PrivilegeCount; ++i) {
    const LUID_AND_ATTRIBUTES& entry = privileges->Privileges[i];
    if (entry.Luid.LowPart == luid.LowPart && entry.Luid.HighPart == luid.HighPart)
      return (entry.Attributes & SE_PRIVILEGE_ENABLED) != 0;
  }
  return false;
}

TEST(SetPrivileges, EnablesTheShutdownPrivilegeOfTheProcess) {
  ASSERT_TRUE(SetPrivileges());
  EXPECT_TRUE(ShutdownPrivilegeEnabled());
}

TEST(SuspendState, IsFoundInThePowerProfileLibraryWithoutBeingCalled) {
  const TSuspendStateFunction function;
  EXPECT_TRUE(function.Found());
}

TEST(LockWorkStation, IsLookedUpAndARefusalIsHarmless) {
  // Wine has no session to lock: the call is refused and nothing else happens.
  EXPECT_FALSE(TWinSessionApi().LockWorkStation());
}

// An end-sequence host that the tests here never expect to be used.
class TUnusedHost final : public actions::IEndSequenceHost {
 public:
  void StopAlarm() override { ADD_FAILURE(); }
  void StopMonitoring() override { ADD_FAILURE(); }
  void SaveScreenshot(const std::wstring&) override { ADD_FAILURE(); }
  void SaveWindowPosition() override { ADD_FAILURE(); }
  void ShowOptionsPage() override { ADD_FAILURE(); }
  void EnableMainWindow() override { ADD_FAILURE(); }
  void Terminate() override { ADD_FAILURE(); }
};

struct TSysCommand {
  WPARAM wParam;
  LPARAM lParam;
};
std::vector<TSysCommand> gSysCommands;

LRESULT CALLBACK RecordSysCommand(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_SYSCOMMAND) {
    gSysCommands.push_back({wp, lp});
    return 0;  // the monitor of the test machine stays on
  }
  return ::DefWindowProcW(hwnd, msg, wp, lp);
}

TEST(MonitorOff, AsksTheApplicationWindowToPowerTheMonitorOff) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = RecordSysCommand;
  wc.hInstance = ::GetModuleHandleW(nullptr);
  wc.lpszClassName = L"VordaMonitorOffTest";
  ::RegisterClassW(&wc);
  HWND window = ::CreateWindowExW(0, wc.lpszClassName, L"", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                                  wc.hInstance, nullptr);
  ASSERT_NE(window, nullptr);
  TApplication::Get().SetMainWindow(window);

  settings::TTeskSettings settings(SettingsHost());
  TUnusedHost host;
  TWinFinalActions actions(settings, host, nullptr);
  actions.Actions().TurnOffMonitor();

  TApplication::Get().SetMainWindow(nullptr);
  ::DestroyWindow(window);
  ASSERT_EQ(gSysCommands.size(), 1u);
  EXPECT_EQ(gSysCommands[0].wParam, static_cast<WPARAM>(SC_MONITORPOWER));
  EXPECT_EQ(gSysCommands[0].lParam, 2);
}

struct TTextCase {
  TActionMessage message;
  const wchar_t* text;
};

class ActionTexts : public testing::TestWithParam<TTextCase> {};

TEST_P(ActionTexts, ComeFromTheStringTable) {
  EXPECT_EQ(LoadStr(TWinActionReporter::StringId(GetParam().message)), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Polish, ActionTexts,
    testing::Values(TTextCase{TActionMessage::amErrorCaption, L"Błąd"},
                    TTextCase{TActionMessage::amShutdownImpossible,
                              L"Zamknięcie systemu nie było możliwe. Proszę napisać o zaistniałej sytuacji pod "
                              L"adres: \"vorda@marobel.pl\""},
                    TTextCase{TActionMessage::amShutdownCancelled, L"Zamykanie systemu anulowano."},
                    TTextCase{TActionMessage::amHibernationDisabled,
                              L"Funkcja hibernacji w systemie została wyłączona!"},
                    TTextCase{TActionMessage::amSuspendFailed,
                              L"Systemowi nie udało się przejść w stan hibernacji / uśpienia."}));

TEST(ProgramNames, AreUpperCasedByTheSystemsRules) {
  EXPECT_EQ(TWinProgramApi().UpperCase(L"Zażółć gęślą jaźń - notepad.exe"), L"ZAŻÓŁĆ GĘŚLĄ JAŹŃ - NOTEPAD.EXE");
}

TEST(ProgramNames, OnlyAnExistingFileCountsAsAnExecutable) {
  TWinProgramApi api;
  EXPECT_TRUE(api.FileExists(ExePath()));
  EXPECT_FALSE(api.FileExists(ExeFolder()));
  EXPECT_FALSE(api.FileExists(ExeFolder() + L"no-such-program.exe"));
}

}  // namespace
}  // namespace vorda::win
