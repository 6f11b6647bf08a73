#include "win/settings/StoredTime.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "core/settings/SettingsKeys.h"
#include "support/Driver.h"

namespace vorda::win {
namespace {

const std::wstring kSettings(settings::kSettingsKey);

void PutRawDateTime(const wchar_t* name, double value) {
  HKEY key = nullptr;
  ASSERT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER, kSettings.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                              nullptr),
            ERROR_SUCCESS);
  EXPECT_EQ(::RegSetValueExW(key, name, 0, REG_BINARY, reinterpret_cast<const BYTE*>(&value), sizeof value),
            ERROR_SUCCESS);
  ::RegCloseKey(key);
}

class StoredTimeWinTest : public ::testing::Test {
 protected:
  void SetUp() override { test::DeleteRegTree(HKEY_CURRENT_USER, kSettings); }
  void TearDown() override { test::DeleteRegTree(HKEY_CURRENT_USER, kSettings); }
};

TEST_F(StoredTimeWinTest, ReadsStoredText) {
  test::SetRegString(HKEY_CURRENT_USER, kSettings, L"Time1", L"02:00:00.000");
  test::SetRegString(HKEY_CURRENT_USER, kSettings, L"Time5", L"02:00:00.000");
  EXPECT_EQ(ReadStoredTime(L"Time1", L"01:00:00.000"), L"02:00:00.000");
  EXPECT_EQ(ReadStoredTime(L"Time5", L"00:02:00.000"), L"00:02:00.000");  // written before "Version"
  test::SetRegString(HKEY_CURRENT_USER, kSettings, L"Version", L"3.0.0.1");
  EXPECT_EQ(ReadStoredTime(L"Time5", L"00:02:00.000"), L"02:00:00.000");
}

TEST_F(StoredTimeWinTest, ReadsARawDateTime) {
  // 21:15:30.500 as a time of day, and 1:30 as a duration of 2008.
  PutRawDateTime(L"Time3", (21 * 3600 + 15 * 60 + 30.5) / 86400);
  PutRawDateTime(L"Time1", 39448.0 + 1.5 / 24);
  EXPECT_EQ(ReadStoredTime(L"Time3", L"01:00:00.000"), L"21:15:30.500");
  EXPECT_EQ(ReadStoredTime(L"Time1", L"01:00:00.000"), L"01:30:00.000");
}

TEST_F(StoredTimeWinTest, ADamagedValueGivesTheDefault) {
  test::SetRegString(HKEY_CURRENT_USER, kSettings, L"Time1", L"25:00:00.000");
  test::SetRegDword(HKEY_CURRENT_USER, kSettings, L"Time2", 7);
  EXPECT_EQ(ReadStoredTime(L"Time1", L"01:00:00.000"), L"01:00:00.000");
  EXPECT_EQ(ReadStoredTime(L"Time2", L"00:45:00.000"), L"00:45:00.000");
}

TEST_F(StoredTimeWinTest, AMissingValueGivesTheDefaultAndTheKeyIsCreated) {
  EXPECT_EQ(ReadStoredTime(L"Time3", 0.5), L"12:00:00.000");
  HKEY key = nullptr;
  EXPECT_EQ(::RegOpenKeyExW(HKEY_CURRENT_USER, kSettings.c_str(), 0, KEY_READ, &key), ERROR_SUCCESS);
  if (key) ::RegCloseKey(key);
}

TEST(DurationTextWin, WritesTheDurationText) {
  EXPECT_EQ(DurationToText(39448.0 + 25.0 / 24), L"25:00:00");
  EXPECT_EQ(DurationToText(0.5), L"12:00:00");
}

TEST(TimeErrorText, ComesFromTheStringTable) {
  EXPECT_EQ(TimeErrorText(time::TTimeError::teNotValidTime, L"5"), L"'5' is not a valid time");
  EXPECT_EQ(TimeErrorText(time::TTimeError::teNotValidStoredTime, L"1:00:00.000"),
            L"''1:00:00.000'' is not a valid time");
  EXPECT_EQ(TimeErrorText(time::TTimeError::teHourTooLarge, L""), L"Function not implemented.");
  EXPECT_EQ(TimeErrorText(time::TTimeError::teOutside2008, L""), L"Nieoczekiwany błąd wewnętrzy.");
  // A subject that looks like a format stays as it is.
  EXPECT_EQ(TimeErrorText(time::TTimeError::teNotValidTime, L"%s%n"), L"'%s%n' is not a valid time");
}

}  // namespace
}  // namespace vorda::win
