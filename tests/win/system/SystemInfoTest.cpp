#include "win/system/SystemInfo.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <optional>

#include "TestSupport.h"
#include "win/app/Application.h"
#include "win/util/UniqueHandle.h"

namespace vorda::win {
namespace {

// The test bench presents Windows 7.
TEST(VersionTests, Windows7CountsAsEveryOlderStep) {
  EXPECT_TRUE(IsWin2000OrLater());
  EXPECT_TRUE(IsVistaOrLater());
  EXPECT_TRUE(IsWin7OrLater());
}

TEST(GetLastErrorText, SystemTextOfTheLastErrorWithoutLineBreak) {
  ::SetLastError(ERROR_FILE_NOT_FOUND);
  const std::wstring notFound = GetLastErrorText();
  ::SetLastError(ERROR_ACCESS_DENIED);
  const std::wstring denied = GetLastErrorText();
  ASSERT_FALSE(notFound.empty());
  ASSERT_FALSE(denied.empty());
  EXPECT_NE(notFound, denied);
  EXPECT_NE(notFound.back(), L'\n');
  EXPECT_NE(notFound.back(), L'\r');
}

constexpr DWORD kMember = 1, kElevated = 2, kUserAdmin = 4;

// The exit code of the probe program started with the token given (the
// caller's own when none), or nothing when it could not be run.
std::optional<DWORD> RunSystemProbe(const wchar_t* mode, HANDLE token = nullptr) {
  std::wstring commandLine = L"\"" + ExeFolder() + L"SystemProbe.exe\" " + mode;
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info{};
  const BOOL started =
      token ? ::CreateProcessAsUserW(token, nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                     nullptr, &startup, &info)
            : ::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                               &info);
  if (!started) return std::nullopt;
  UniqueKernelHandle process(info.hProcess);
  UniqueKernelHandle thread(info.hThread);
  DWORD code = 0;
  if (::WaitForSingleObject(process.Get(), 60000) != WAIT_OBJECT_0 || !::GetExitCodeProcess(process.Get(), &code))
    return std::nullopt;
  return code;
}

TEST(IsUserAdmin, ElevatedProcessMayInstall) {
  ASSERT_TRUE(IsProcessElevated()) << "the bench runs tests elevated";
  EXPECT_TRUE(IsAdminGroupMember());
  EXPECT_TRUE(IsUserAdmin());
  EXPECT_EQ(RunSystemProbe(L"admin"), kMember | kElevated | kUserAdmin);
}

// The same user without elevation is still in the Administrators group, but
// from Vista on that alone does not let him install.
TEST(IsUserAdmin, GroupMemberWithoutElevationMayNot) {
  UniqueKernelHandle own;
  ASSERT_TRUE(::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, own.Put()));
  TOKEN_LINKED_TOKEN linked{};
  DWORD size = 0;
  ASSERT_TRUE(::GetTokenInformation(own.Get(), TokenLinkedToken, &linked, sizeof(linked), &size));
  UniqueKernelHandle limited(linked.LinkedToken);
  UniqueKernelHandle primary;
  ASSERT_TRUE(
      ::DuplicateTokenEx(limited.Get(), TOKEN_ALL_ACCESS, nullptr, SecurityImpersonation, TokenPrimary, primary.Put()));
  EXPECT_EQ(RunSystemProbe(L"admin", primary.Get()), kMember);
}

// The bench can make a program believe it runs on the Windows 95 family.
TEST(Windows95Family, AllUsersFoldersAreTheUsersOwnAndEveryoneIsAdmin) {
  test::ScopedRegValue version(HKEY_CURRENT_USER, L"Software\\Wine\\AppDefaults\\SystemProbe.exe", L"Version",
                               L"win98");
  ASSERT_TRUE(version.Ok());
  const std::optional<DWORD> answer = RunSystemProbe(L"folders");
  ASSERT_TRUE(answer.has_value());
  if (!(*answer & 8)) GTEST_SKIP() << "this system cannot present the Windows 95 family";
  EXPECT_EQ(*answer, 1u | 2u | 4u | 8u);
}

TEST(Windows95Family, NtKeepsTheAllUsersFolders) {
  const std::optional<DWORD> answer = RunSystemProbe(L"folders");
  ASSERT_TRUE(answer.has_value());
  EXPECT_EQ(*answer & (1u | 2u | 8u), 0u);
}

}  // namespace
}  // namespace vorda::win
