#pragma once

#include <gtest/gtest.h>

#include <string>

#include "support/Driver.h"

namespace vorda::test {

inline const std::wstring kVorda = VORDA_EXE;
inline const std::wstring kVordaKey = L"SOFTWARE\\Marobel\\Vorda";
inline constexpr auto kStartTimeout = 30s;  // the first start after the bench came up is slow

inline std::wstring LogPath() { return AppDataFolder() + L"Solvane\\Vorda.log"; }
inline std::string ReadLog() { return ReadFileBytes(LogPath()); }

// The final action closes the windows of a class that nobody has, so the end
// of a countdown is seen without touching anything else in the prefix; the
// log is on and starts empty.
class HarmlessActionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Clean();
    ASSERT_TRUE(SetRegDword(HKEY_CURRENT_USER, kVordaKey, L"MainAction", 2));
    ASSERT_TRUE(SetRegString(HKEY_CURRENT_USER, kVordaKey, L"CloseApp", L"KO>>VordaTestNoSuchWindowClass"));
    ASSERT_TRUE(SetRegDword(HKEY_CURRENT_USER, kVordaKey, L"Logger", 1));
  }
  void TearDown() override { Clean(); }
  static void Clean() {
    for (const wchar_t* name : {L"MainAction", L"CloseApp", L"Time1", L"Time", L"cbxMonitoredApp", L"Logger"})
      DeleteRegValue(HKEY_CURRENT_USER, kVordaKey, name);
    ::DeleteFileW(LogPath().c_str());
  }
};

}  // namespace vorda::test
