#include <windows.h>

#include <aclapi.h>
#include <gtest/gtest.h>

#include "core/settings/SettingsKeys.h"
#include "core/settings/TeskSettings.h"
#include "core/text/Utf8.h"
#include "support/Driver.h"
#include "win/app/Application.h"
#include "win/log/MsgLogger.h"
#include "win/settings/HibernationProbe.h"
#include "win/settings/WinSettingsHost.h"

namespace vorda::win {
namespace {

using settings::TTeskSettings;
using test::DeleteRegValue;
using test::GetRegDword;
using test::GetRegString;
using test::SetRegDword;
using test::SetRegString;

const std::wstring kSettings(settings::kSettingsKey);
const std::wstring kRun(settings::kRunKey);

// Another instance started from another folder.
class OtherInstanceHost final : public TWinSettingsHost {
 public:
  OtherInstanceHost(int instance, std::wstring exePath) : instance_(instance), exePath_(std::move(exePath)) {}
  int InstanceNumber() override { return instance_; }
  std::wstring ExePath() override { return exePath_; }

 private:
  int instance_;
  std::wstring exePath_;
};

class SettingsWinTest : public ::testing::Test {
 protected:
  void SetUp() override { Clean(); }
  void TearDown() override {
    Logger.reset();
    Clean();
  }
  static void Clean() {
    test::DeleteRegTree(HKEY_CURRENT_USER, kSettings);
    for (const wchar_t* name : {L"Kelvari1", L"Kelvari 1", L"Kelvari2", L"Kelvari 2"})
      DeleteRegValue(HKEY_CURRENT_USER, kRun, name);
  }
};

std::wstring ThisExe() {
  wchar_t path[MAX_PATH] = {};
  ::GetModuleFileNameW(nullptr, path, MAX_PATH);
  return path;
}

TEST_F(SettingsWinTest, SavesAndLoadsTheWholeSettingsKey) {
  TTeskSettings saved(SettingsHost());
  saved.SetAppWindowState(1);
  saved.SetAlarm(20);
  saved.SetCloseApp(L"Notatnik KO>>Notepad");
  saved.SetExactProgramName(true);
  saved.SetForce(false);
  saved.SetMainAction(settings::tcmdCloseProgram);
  saved.SetMinimizeToTray(true);
  saved.SetScreenshot(L"C:\\Zrzuty\\ekran.jpg");
  saved.SetShowWindowsClasses(true);
  saved.SetWatchInternalWindows(true);
  saved.SetSecToShutdown(45);
  saved.SetSilenceDetectionCounter(16);
  saved.SetAutoStartup(true);
  ASSERT_TRUE(saved.SaveToRegistry(3));

  const HKEY hkcu = HKEY_CURRENT_USER;
  EXPECT_EQ(GetRegDword(hkcu, kSettings, L"AppWndState"), 1u);
  EXPECT_EQ(GetRegDword(hkcu, kSettings, L"Alarm"), 20u);
  EXPECT_EQ(GetRegString(hkcu, kSettings, L"CloseApp"), L"Notatnik KO>>Notepad");
  EXPECT_EQ(GetRegDword(hkcu, kSettings, L"ExactProgramName"), 1u);
  EXPECT_EQ(GetRegDword(hkcu, kSettings, L"Force"), 0u);
  EXPECT_EQ(GetRegDword(hkcu, kSettings, L"MainAction"), 2u);
  EXPECT_EQ(GetRegDword(hkcu, kSettings, L"MinimizeToTray"), 1u);
  EXPECT_EQ(GetRegString(hkcu, kSettings, L"Screenshot"), L"C:\\Zrzuty\\ekran.jpg");
  EXPECT_EQ(GetRegDword(hkcu, kSettings, L"ShowClassNames"), 1u);
  EXPECT_EQ(GetRegDword(hkcu, kSettings, L"WatchInternalWindows"), 1u);
  EXPECT_EQ(GetRegDword(hkcu, kSettings, L"Time4"), 45u);
  EXPECT_EQ(GetRegString(hkcu, kSettings, L"SilenceDetectionCounter"), L"16");
  EXPECT_EQ(GetRegDword(hkcu, kSettings, L"ProgressOnTaskbar"), 1u);

  const std::wstring exe = ThisExe();
  const bool blank = exe.find(L' ') != std::wstring::npos;
  EXPECT_EQ(GetRegString(hkcu, kRun, L"Kelvari1"), (blank ? L"\"" + exe + L"\"" : exe) + L" 3");

  TTeskSettings loaded(SettingsHost());
  ASSERT_TRUE(loaded.LoadFromRegistry());
  EXPECT_EQ(loaded.LogLine(), saved.LogLine());
  EXPECT_EQ(loaded.CloseApp(), saved.CloseApp());
  EXPECT_EQ(loaded.Screenshot(), saved.Screenshot());
  EXPECT_EQ(loaded.SecToShutdown(), 45);
  EXPECT_TRUE(loaded.AutoStartup());
  EXPECT_EQ(loaded.MainAction(), settings::tcmdCloseProgram);

  loaded.SetAutoStartup(false);
  ASSERT_TRUE(loaded.SaveToRegistry(3));
  EXPECT_FALSE(GetRegString(hkcu, kRun, L"Kelvari1"));
  TTeskSettings again(SettingsHost());
  ASSERT_TRUE(again.LoadFromRegistry());
  EXPECT_FALSE(again.AutoStartup());
}

TEST_F(SettingsWinTest, AnotherInstanceNamesItselfInTheEntry) {
  OtherInstanceHost host(2, L"C:\\Program Files\\Vorda\\Vorda.exe");
  TTeskSettings s(host);
  s.SetAutoStartup(true);
  ASSERT_TRUE(s.SaveToRegistry(3));
  EXPECT_EQ(GetRegString(HKEY_CURRENT_USER, kRun, L"Kelvari2"), L"\"C:\\Program Files\\Vorda\\Vorda.exe\" instance02 3");
  EXPECT_FALSE(GetRegString(HKEY_CURRENT_USER, kRun, L"Kelvari1"));
}

TEST_F(SettingsWinTest, SavingRemovesOlderValuesAndBothEntryForms) {
  SetRegString(HKEY_CURRENT_USER, kSettings, L"CloseProgram-Name", L"x");
  SetRegDword(HKEY_CURRENT_USER, kSettings, L"AutoStartup i1", 1);
  SetRegString(HKEY_CURRENT_USER, kRun, L"Kelvari1", L"x");
  SetRegString(HKEY_CURRENT_USER, kRun, L"Kelvari 1", L"x");
  ASSERT_TRUE(TTeskSettings(SettingsHost()).SaveToRegistry(1));
  EXPECT_FALSE(GetRegString(HKEY_CURRENT_USER, kSettings, L"CloseProgram-Name"));
  EXPECT_FALSE(GetRegDword(HKEY_CURRENT_USER, kSettings, L"AutoStartup i1"));
  EXPECT_FALSE(GetRegString(HKEY_CURRENT_USER, kRun, L"Kelvari1"));
  EXPECT_FALSE(GetRegString(HKEY_CURRENT_USER, kRun, L"Kelvari 1"));
}

TEST_F(SettingsWinTest, LoadsHandWrittenValuesWithinTheirRanges) {
  SetRegDword(HKEY_CURRENT_USER, kSettings, L"Alarm", 61);
  SetRegDword(HKEY_CURRENT_USER, kSettings, L"Time4", 128);
  SetRegDword(HKEY_CURRENT_USER, kSettings, L"SilenceDetectionCounter", 3);
  SetRegDword(HKEY_CURRENT_USER, kSettings, L"Force", 2);
  SetRegString(HKEY_CURRENT_USER, kSettings, L"AppWndState", L"2");
  TTeskSettings s(SettingsHost());
  ASSERT_TRUE(s.LoadFromRegistry());
  EXPECT_EQ(s.Alarm(), 0);
  EXPECT_EQ(s.SecToShutdown(), 128);
  EXPECT_EQ(s.SilenceDetectionCounter(), 10u);
  EXPECT_TRUE(s.Force());
  EXPECT_EQ(s.AppWindowState(), 0);
}

TEST_F(SettingsWinTest, AMissingSettingsKeyLeavesTheDefaults) {
  SetRegString(HKEY_CURRENT_USER, kRun, L"Kelvari1", L"x");
  TTeskSettings s(SettingsHost());
  EXPECT_FALSE(s.LoadFromRegistry());
  EXPECT_FALSE(s.AutoStartup());
  EXPECT_EQ(s.LogLine(), TTeskSettings(SettingsHost()).LogLine());
}

// A settings key whose access list lets nobody in.
class LockedKey {
 public:
  LockedKey() {
    SetRegDword(HKEY_CURRENT_USER, kSettings, L"Alarm", 30);
    SetDacl(&emptyAcl_);
  }
  ~LockedKey() { SetDacl(nullptr); }
  bool Locked() const {
    HKEY key = nullptr;
    const LSTATUS rc = ::RegOpenKeyExW(HKEY_CURRENT_USER, kSettings.c_str(), 0, KEY_READ, &key);
    if (key) ::RegCloseKey(key);
    return rc == ERROR_ACCESS_DENIED;
  }

 private:
  void SetDacl(ACL* acl) {
    if (acl) ::InitializeAcl(acl, sizeof(ACL), ACL_REVISION);
    std::wstring name = L"CURRENT_USER\\" + kSettings;
    ::SetNamedSecurityInfoW(name.data(), SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION, nullptr, nullptr, acl,
                            nullptr);
  }
  ACL emptyAcl_{};
};

TEST_F(SettingsWinTest, ASettingsKeyThatCannotBeOpenedIsNeitherReadNorWritten) {
  SetRegString(HKEY_CURRENT_USER, kRun, L"Kelvari1", L"x");
  LockedKey locked;
  ASSERT_TRUE(locked.Locked());
  TTeskSettings s(SettingsHost());
  EXPECT_FALSE(s.LoadFromRegistry());
  EXPECT_EQ(s.Alarm(), 0);
  EXPECT_FALSE(s.AutoStartup());
  s.SetAutoStartup(false);
  EXPECT_FALSE(s.SaveToRegistry(1));
  EXPECT_EQ(GetRegString(HKEY_CURRENT_USER, kRun, L"Kelvari1"), L"x");  // the entry is left alone
}

TEST_F(SettingsWinTest, WritesItsLinesToTheLog) {
  const std::wstring logFile = test::AppDataFolder() + L"Solvane\\win_settings_tests.log";
  ::DeleteFileW(logFile.c_str());
  ASSERT_TRUE(StartLogger(0));
  SetRegString(HKEY_CURRENT_USER, kSettings, L"SilenceDetectionCounter", L"abc");
  TTeskSettings s(SettingsHost());
  EXPECT_FALSE(s.LoadFromRegistry());
  s.SaveToLog();
  Logger.reset();

  const std::string log = test::ReadFileBytes(logFile);
  EXPECT_NE(log.find(": Error LoadFromRegistry - 'abc' is not a valid number\r\n"), std::string::npos) << log;
  EXPECT_NE(log.find(": " + text::ToUtf8(s.LogLine()) + "\r\n"), std::string::npos) << log;
  EXPECT_NE(log.find("MainEvent=tcmdShutdownComputer"), std::string::npos);
  ::DeleteFileW(logFile.c_str());
}

TEST(HibernationProbe, AnswersAsThePowerLibraryDoes) {
  bool expected = false;
  if (HMODULE library = ::LoadLibraryW(L"powrprof.dll")) {
    using Fn = BOOLEAN(WINAPI*)();
    if (auto fn = reinterpret_cast<Fn>(reinterpret_cast<void*>(::GetProcAddress(library, "IsPwrHibernateAllowed"))))
      expected = fn() != 0;
    ::FreeLibrary(library);
  }
  EXPECT_EQ(IsHibernationAllowed(), expected);
  EXPECT_EQ(TTeskSettings(SettingsHost()).IsHibernationPossible(), expected);
}

}  // namespace
}  // namespace vorda::win
