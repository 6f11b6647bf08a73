#include "win/system/FileHelpers.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "TestSupport.h"
#include "win/app/Application.h"
#include "win/system/Paths.h"

namespace vorda::win {
namespace {

using test::FileExists;
using test::ReadFile;
using test::TestFolder;

std::wstring Upper(std::wstring text) {
  ::CharUpperBuffW(text.data(), static_cast<DWORD>(text.size()));
  return text;
}

TEST(GetProgramFileSize, SizeOfAFileNextToTheExecutable) {
  const std::wstring name = L"size-probe-" + std::to_wstring(::GetCurrentProcessId()) + L".bin";
  const std::wstring path = ExeFolder() + name;
  std::ofstream(std::filesystem::path(path), std::ios::binary) << std::string(1234, 'x');
  EXPECT_EQ(GetProgramFileSize(name), 1234);
  // A full path is looked up inside the executable's folder too, so it is not found.
  EXPECT_EQ(GetProgramFileSize(path), -1);
  ::DeleteFileW(path.c_str());
  EXPECT_EQ(GetProgramFileSize(name), -1);
}

struct DriveRootCase {
  const wchar_t* input;
  const wchar_t* root;
};

class DriveRootTest : public ::testing::TestWithParam<DriveRootCase> {};

TEST_P(DriveRootTest, NamesTheDriveAskedFor) { EXPECT_EQ(DriveRoot(GetParam().input), GetParam().root); }

INSTANTIATE_TEST_SUITE_P(Table, DriveRootTest,
                         ::testing::Values(DriveRootCase{L"C", L"C:\\"}, DriveRootCase{L"C:", L"C:\\"},
                                           DriveRootCase{L"c:\\windows\\system32", L"c:\\"},
                                           DriveRootCase{L"D:file.txt", L"D:\\"},
                                           DriveRootCase{L"\\\\server\\share\\dir\\f.txt", L"\\\\server\\share\\"},
                                           DriveRootCase{L"\\\\server\\share", L"\\\\server\\share\\"},
                                           DriveRootCase{L"\\\\server", L""}, DriveRootCase{L"dir\\file", L""},
                                           DriveRootCase{L"", L""}));

TEST(GetDiskFreeBytes, LetterAndPathOfAnExistingDrive) {
  EXPECT_GT(GetDiskFreeBytes(L"C"), 0);
  EXPECT_GT(GetDiskFreeBytes(GetTempDir()), 0);
}

TEST(GetDiskFreeBytes, FailsForAMissingDriveOrARelativePath) {
  const DWORD drives = ::GetLogicalDrives();
  wchar_t missing = 0;
  for (wchar_t letter = L'Z'; letter >= L'D' && !missing; --letter)
    if (!(drives & (1u << (letter - L'A')))) missing = letter;
  ASSERT_NE(missing, 0) << "every drive letter is in use";
  EXPECT_EQ(GetDiskFreeBytes(std::wstring(1, missing)), -1);
  EXPECT_EQ(GetDiskFreeBytes(std::wstring(1, missing) + L":\\folder"), -1);
  EXPECT_EQ(GetDiskFreeBytes(L"relative\\folder"), -1);
}

TEST(ModuleNames, ExecutableAndModulesInUpperCase) {
  EXPECT_EQ(GetExeBaseName(), L"WIN_SYSTEM_TESTS");
  EXPECT_EQ(GetModuleFileNameUpper(nullptr), Upper(ExePath()));
  const std::wstring kernel = GetModuleFileNameUpper(::GetModuleHandleW(L"kernel32.dll"));
  EXPECT_NE(kernel.find(L"\\KERNEL32.DLL"), std::wstring::npos) << kernel;
  EXPECT_EQ(GetModuleFileNameUpper(reinterpret_cast<HMODULE>(static_cast<INT_PTR>(0x10))), L"");
}

TEST(GetTempDir, ExistingFolderWithTrailingSeparator) {
  const std::wstring temp = GetTempDir();
  ASSERT_FALSE(temp.empty());
  EXPECT_EQ(temp.back(), L'\\');
  EXPECT_TRUE(IsDirectory(temp));
}

// Top-level windows of a plain class, destroyed at the end of each test.
class IsAppWindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = ::DefWindowProcW;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = kClass;
    ::RegisterClassW(&wc);
  }
  void TearDown() override {
    TApplication::Get().SetMainWindow(nullptr);
    for (auto it = windows_.rbegin(); it != windows_.rend(); ++it) ::DestroyWindow(*it);
  }
  HWND Create(DWORD style, DWORD exStyle = 0, HWND owner = nullptr) {
    HWND hwnd = ::CreateWindowExW(exStyle, kClass, L"Vorda test", style, 10, 10, 200, 100, owner, nullptr,
                                  ::GetModuleHandleW(nullptr), nullptr);
    if (hwnd) windows_.push_back(hwnd);
    return hwnd;
  }

  static constexpr const wchar_t* kClass = L"VordaIsAppWindowTest";
  std::vector<HWND> windows_;
};

TEST_F(IsAppWindowTest, VisibleTopLevelWindowIsOne) {
  HWND hwnd = Create(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  ASSERT_TRUE(hwnd);
  EXPECT_TRUE(IsAppWindow(hwnd, false));
  EXPECT_TRUE(IsAppWindow(hwnd, true));
}

TEST_F(IsAppWindowTest, MinimisedWindowIsOneEvenWhenHidden) {
  HWND shown = Create(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  ASSERT_TRUE(shown);
  ::ShowWindow(shown, SW_MINIMIZE);
  ASSERT_TRUE(::IsIconic(shown));
  EXPECT_TRUE(IsAppWindow(shown, false));

  HWND hiddenMinimised = Create(WS_OVERLAPPEDWINDOW | WS_MINIMIZE);
  ASSERT_TRUE(hiddenMinimised);
  ASSERT_FALSE(::IsWindowVisible(hiddenMinimised));
  EXPECT_TRUE(IsAppWindow(hiddenMinimised, false));
}

TEST_F(IsAppWindowTest, HiddenWindowIsNotOne) {
  HWND hwnd = Create(WS_OVERLAPPEDWINDOW);
  ASSERT_TRUE(hwnd);
  EXPECT_FALSE(IsAppWindow(hwnd, false));
}

TEST_F(IsAppWindowTest, OwnedDialogIsNotOne) {
  HWND owner = Create(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  HWND dialog = Create(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, WS_EX_DLGMODALFRAME, owner);
  ASSERT_TRUE(dialog);
  ASSERT_EQ(::GetWindow(dialog, GW_OWNER), owner);
  EXPECT_FALSE(IsAppWindow(dialog, false));
}

TEST_F(IsAppWindowTest, ToolWindowIsNotOne) {
  HWND hwnd = Create(WS_OVERLAPPEDWINDOW | WS_VISIBLE, WS_EX_TOOLWINDOW);
  ASSERT_TRUE(hwnd);
  EXPECT_FALSE(IsAppWindow(hwnd, false));
}

TEST_F(IsAppWindowTest, ApplicationWindowOnlyWhenNotExcluded) {
  HWND hwnd = Create(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  ASSERT_TRUE(hwnd);
  TApplication::Get().SetMainWindow(hwnd);
  EXPECT_TRUE(IsAppWindow(hwnd, false));
  EXPECT_FALSE(IsAppWindow(hwnd, true));
}

TEST(ShellFileOperation, EmptySourceListDoesNothing) {
  EXPECT_FALSE(ShellFileOperation({}, {L"C:\\nowhere"}, 0x15, TShellOperation::Copy));
  EXPECT_FALSE(CopyFiles({}, {}));
  EXPECT_FALSE(DeleteFiles({}, false));
}

TEST(ShellFileOperation, CopiesEachSourceToItsTargetOverwriting) {
  TestFolder folder(L"vorda-copy");
  const std::wstring a = folder.Write(L"a.txt", "first");
  const std::wstring b = folder.Write(L"b.txt", "second");
  const std::wstring existing = folder.Write(L"out\\b-copy.txt", "old content");
  const std::wstring aCopy = folder.Path() + L"out\\a-copy.txt";

  ASSERT_TRUE(CopyFiles({a, b}, {aCopy, existing}));
  EXPECT_EQ(ReadFile(aCopy), "first");
  EXPECT_EQ(ReadFile(existing), "second");
  EXPECT_TRUE(FileExists(a));
  EXPECT_TRUE(FileExists(b));
}

TEST(ShellFileOperation, DeletesFilesAndFailsForMissingOnes) {
  TestFolder folder(L"vorda-delete");
  const std::wstring a = folder.Write(L"a.txt", "a");
  const std::wstring b = folder.Write(L"b with spaces.txt", "b");

  ASSERT_TRUE(DeleteFiles({a, b}, false));
  EXPECT_FALSE(FileExists(a));
  EXPECT_FALSE(FileExists(b));
  EXPECT_FALSE(DeleteFiles({a}, false));
}

TEST(ShellFileOperation, MovesAndRenames) {
  TestFolder folder(L"vorda-move");
  const std::wstring a = folder.Write(L"a.txt", "moved");
  const std::wstring moved = folder.Path() + L"b.txt";
  ASSERT_TRUE(ShellFileOperation({a}, {moved}, 0x15, TShellOperation::Move));
  EXPECT_FALSE(FileExists(a));
  EXPECT_EQ(ReadFile(moved), "moved");

  const std::wstring renamed = folder.Path() + L"c.txt";
  ASSERT_TRUE(ShellFileOperation({moved}, {renamed}, 0x15, TShellOperation::Rename));
  EXPECT_FALSE(FileExists(moved));
  EXPECT_EQ(ReadFile(renamed), "moved");
}

}  // namespace
}  // namespace vorda::win
