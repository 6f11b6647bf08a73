#include "core/monitor/HookLibrary.h"

#include <gtest/gtest.h>

#include <cwctype>

#include "core/monitor/ShShared.h"

namespace vorda::monitor {
namespace {

std::wstring Upper(std::wstring_view text) {
  std::wstring out(text);
  for (wchar_t& ch : out) ch = static_cast<wchar_t>(std::towupper(ch));
  return out;
}

TEST(SHMappingName, SlashesAndUpperCase) {
  EXPECT_EQ(SHMappingName(L"C:\\Program Files\\Marobel\\Vorda\\SH.dll", Upper),
            L"C:/PROGRAM FILES/MAROBEL/VORDA/SH.DLL");
  EXPECT_EQ(SHMappingName(L"\\\\server\\share/SH1.dll", Upper), L"//SERVER/SHARE/SH1.DLL");
  wchar_t buffer[] = L"C:\\a\\SH.dll";
  SlashPathInPlace(buffer);
  EXPECT_STREQ(buffer, L"C:/a/SH.dll");
}

TEST(SHLibraryPath, InstalledFileOrNumberedCopy) {
  EXPECT_EQ(SHLibraryPath(L"C:\\P\\", L"C:\\T\\", 0), L"C:\\P\\SH.dll");
  EXPECT_EQ(SHLibraryPath(L"C:\\P\\", L"C:\\T\\", 1), L"C:\\T\\SH1.dll");
  EXPECT_EQ(SHLibraryPath(L"C:\\P\\", L"C:\\T\\", 12), L"C:\\T\\SH12.dll");
  EXPECT_EQ(SHModuleName(2), L"SH2.dll");
}

struct InputCase {
  std::uint32_t message;
  TScreenPoint cursor;
  TScreenPoint last;
  bool active;
  TScreenPoint kept;
};

class InputActivityTest : public ::testing::TestWithParam<InputCase> {};

TEST_P(InputActivityTest, KeysButtonsAndRealMovesCount) {
  const InputCase& c = GetParam();
  const TInputActivity r = InputActivity(c.message, c.cursor, c.last);
  EXPECT_EQ(r.active, c.active) << std::hex << c.message;
  EXPECT_EQ(r.lastMousePos, c.kept) << std::hex << c.message;
}

constexpr TScreenPoint kAt{10, 20};
constexpr TScreenPoint kUnset{-1, -1};

INSTANTIATE_TEST_SUITE_P(
    Messages, InputActivityTest,
    ::testing::Values(InputCase{0x0100, kAt, kUnset, true, kUnset},   // WM_KEYDOWN
                      InputCase{0x0109, kAt, kUnset, true, kUnset},   // WM_UNICHAR
                      InputCase{0x010A, kAt, kUnset, false, kUnset},
                      InputCase{0x00FF, kAt, kUnset, false, kUnset},
                      InputCase{0x0201, kAt, kAt, true, kAt},         // WM_LBUTTONDOWN
                      InputCase{0x020E, kAt, kAt, true, kAt},         // WM_MOUSEHWHEEL
                      InputCase{0x020F, kAt, kUnset, false, kUnset},
                      InputCase{0x0200, kAt, kUnset, true, kAt},      // the first move
                      InputCase{0x0200, kAt, kAt, false, kAt},        // no movement
                      InputCase{0x0200, {10, 21}, kAt, true, {10, 21}},
                      InputCase{0x0200, {11, 20}, kAt, true, {11, 20}},
                      InputCase{0x0113, kAt, kUnset, false, kUnset})); // WM_TIMER

TEST(InputMessages, TheLibraryReportsOnlyKeyboardAndMouse) {
  EXPECT_TRUE(IsInputMessage(0x0200));
  EXPECT_TRUE(IsInputMessage(0x0104));
  EXPECT_FALSE(IsInputMessage(0x000F));
  EXPECT_FALSE(IsInputMessage(WMSHGetMsg));
}

}  // namespace
}  // namespace vorda::monitor

namespace vorda::monitor {
namespace {

TEST(IsSHCopyName, OnlyNumberedCopies) {
  for (const wchar_t* name : {L"SH1.dll", L"sh12.DLL", L"SH0.dll"}) EXPECT_TRUE(IsSHCopyName(name)) << name;
  for (const wchar_t* name : {L"SH.dll", L"SHELL32.dll", L"SH1x.dll", L"SH1.dll.bak", L"XSH1.dll", L"SH1.exe", L""})
    EXPECT_FALSE(IsSHCopyName(name)) << name;
}

}  // namespace
}  // namespace vorda::monitor
