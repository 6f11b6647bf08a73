#include <gtest/gtest.h>

#include "support/Driver.h"

namespace vorda::test {
namespace {

const std::wstring kVorda = VORDA_EXE;
const std::wstring kKey = L"SOFTWARE\\Marobel\\Vorda";
constexpr auto kTimeout = 30s;

std::wstring LogPath() { return AppDataFolder() + L"Solvane\\Vorda.log"; }

std::size_t Count(const std::string& text, const std::string& what) {
  std::size_t n = 0;
  for (auto pos = text.find(what); pos != std::string::npos; pos = text.find(what, pos + 1)) ++n;
  return n;
}

// Starts the program, waits for its window and closes it as a user would.
void RunOnce() {
  TProcess vorda;
  ASSERT_TRUE(vorda.Start(kVorda, L""));
  HWND form = vorda.WaitForWindow(L"TVordaForm", kTimeout);
  ASSERT_NE(form, nullptr);
  ::PostMessageW(form, WM_CLOSE, 0, 0);
  ASSERT_TRUE(vorda.WaitForExit(kTimeout).has_value());
}

class LogSwitch : public ::testing::Test {
 protected:
  void SetUp() override { Clean(); }
  void TearDown() override { Clean(); }
  static void Clean() {
    DeleteRegValue(HKEY_CURRENT_USER, kKey, L"Logger");
    DeleteRegValue(HKEY_LOCAL_MACHINE, kKey, L"Logger");
    ::DeleteFileW(LogPath().c_str());
  }
};

struct SwitchCase {
  int user;     // -1: no value
  int machine;  // -1: no value
  bool logs;
};

class LogSwitchCases : public LogSwitch, public ::testing::WithParamInterface<SwitchCase> {};

TEST_P(LogSwitchCases, TheUserValueWinsAndTheMachineValueIsTheFallBack) {
  const SwitchCase c = GetParam();
  if (c.user >= 0) ASSERT_TRUE(SetRegDword(HKEY_CURRENT_USER, kKey, L"Logger", static_cast<DWORD>(c.user)));
  if (c.machine >= 0) ASSERT_TRUE(SetRegDword(HKEY_LOCAL_MACHINE, kKey, L"Logger", static_cast<DWORD>(c.machine)));
  RunOnce();
  EXPECT_EQ(FileExists(LogPath()), c.logs);
}

INSTANTIATE_TEST_SUITE_P(Cases, LogSwitchCases,
                         ::testing::Values(SwitchCase{-1, -1, false}, SwitchCase{1, -1, true},
                                           SwitchCase{-1, 1, true}, SwitchCase{0, 1, false},
                                           SwitchCase{1, 0, true}, SwitchCase{2, -1, true},
                                           SwitchCase{-1, 0, false}));

TEST_F(LogSwitch, AValueOfTheWrongTypeIsOffWithoutFallingBack) {
  ASSERT_TRUE(SetRegString(HKEY_CURRENT_USER, kKey, L"Logger", L"1"));
  ASSERT_TRUE(SetRegDword(HKEY_LOCAL_MACHINE, kKey, L"Logger", 1));
  RunOnce();
  EXPECT_FALSE(FileExists(LogPath()));
}

TEST_F(LogSwitch, EachStartAppendsTheSeparatorAndTheHeader) {
  ASSERT_TRUE(SetRegDword(HKEY_CURRENT_USER, kKey, L"Logger", 1));
  RunOnce();
  RunOnce();
  const std::string log = ReadFileBytes(LogPath());
  ASSERT_GE(log.size(), 3u);
  EXPECT_EQ(log.substr(0, 3), "\xEF\xBB\xBF");
  EXPECT_EQ(Count(log, "\xEF\xBB\xBF"), 1u);
  EXPECT_EQ(Count(log, ": " + std::string(40, '-') + "\r\n"), 2u);
  const std::string version(VORDA_VERSION_TEXT, VORDA_VERSION_TEXT + wcslen(VORDA_VERSION_TEXT));
  EXPECT_EQ(Count(log, "Vorda.exe] Version: [" + version + "]\r\n"), 2u) << log;
  EXPECT_EQ(Count(log, ": Application: ["), 2u);
  // Every line is "yyyymmdd hhnnss.zzz: message" and ends with CR LF.
  std::size_t start = 3;
  while (start < log.size()) {
    const auto end = log.find("\r\n", start);
    ASSERT_NE(end, std::string::npos);
    const std::string line = log.substr(start, end - start);
    ASSERT_GE(line.size(), 21u);
    EXPECT_EQ(line[8], ' ');
    EXPECT_EQ(line[15], '.');
    EXPECT_EQ(line.substr(19, 2), ": ");
    start = end + 2;
  }
}

}  // namespace
}  // namespace vorda::test
