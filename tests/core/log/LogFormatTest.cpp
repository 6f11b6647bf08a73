#include "core/log/LogFormat.h"

#include <gtest/gtest.h>

namespace vorda::log {
namespace {

TEST(LogFormat, EventLineHasTheTimestampAndFlattenedMessage) {
  const LocalTime t{2026, 3, 7, 9, 5, 4, 7};
  EXPECT_EQ(FormatTimestamp(t), L"20260307 090504.007");
  EXPECT_EQ(EventLine(t, L"a\r\nb\nc\rd"), L"20260307 090504.007: a--b-c-d");
  EXPECT_EQ(EventLine({2008, 12, 31, 23, 59, 59, 999}, L""), L"20081231 235959.999: ");
}

TEST(LogFormat, SeparatorHeaderAndExecTime) {
  EXPECT_EQ(SeparatorLine(), std::wstring(40, L'-'));
  EXPECT_EQ(HeaderLine(L"C:\\p\\Vorda.exe", L"3.0.0.1"), L"Application: [C:\\p\\Vorda.exe] Version: [3.0.0.1]");
  EXPECT_EQ(ExecTimeLine(L"Load", 250), L"Load executing time: 250ms");
}

TEST(LogFormat, FileNames) {
  EXPECT_EQ(LogFileName(L"C:\\users\\a\\Application Data\\Solvane\\", L"C:\\Program Files\\Marobel\\Vorda.exe"),
            L"C:\\users\\a\\Application Data\\Solvane\\Vorda.log");
  EXPECT_EQ(LogFileName(L"", L"Vorda.exe"), L"\\Vorda.log");
  EXPECT_EQ(LogFileName(L"C:\\x.y\\", L"C:\\a.b\\prog"), L"C:\\x.y\\prog.log");
  EXPECT_EQ(BackupFileName(L"C:\\s\\Vorda.log"), L"C:\\s\\Vorda.bak");
  EXPECT_EQ(BackupFileName(L"C:\\s.d\\Vorda"), L"C:\\s.d\\Vorda.bak");
  EXPECT_EQ(NumberedFileName(L"C:\\s\\Vorda.log", 1), L"C:\\s\\Vorda.log1");
  EXPECT_EQ(NumberedFileName(L"C:\\s\\Vorda.log", 12), L"C:\\s\\Vorda.log12");
}

TEST(LogFormat, RotationAndFreeSpaceThresholds) {
  EXPECT_FALSE(NeedsRotation(5242880, 5242880));
  EXPECT_TRUE(NeedsRotation(5242881, 5242880));
  EXPECT_FALSE(NeedsRotation(1LL << 40, 0));
  EXPECT_FALSE(NeedsRotation(1LL << 40, -1));
  EXPECT_FALSE(EnoughFreeSpace(10485761));
  EXPECT_TRUE(EnoughFreeSpace(10485762));
}

}  // namespace
}  // namespace vorda::log
