#include "win/system/Paths.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>

#include <string>

#include "TestSupport.h"
#include "win/system/FileHelpers.h"

namespace vorda::win {
namespace {

using test::ScopedRegValue;
using test::TestFolder;

std::wstring Upper(std::wstring text) {
  ::CharUpperBuffW(text.data(), static_cast<DWORD>(text.size()));
  return text;
}

std::wstring SystemFolder(UINT (*get)(LPWSTR, UINT)) {
  wchar_t buffer[MAX_PATH] = {};
  return std::wstring(buffer, get(buffer, MAX_PATH)) + L"\\";
}

constexpr const wchar_t* kMapGroups = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\GrpConv\\MapGroups";
constexpr const wchar_t* kShellFolders =
    L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";

TEST(GetSpecialFolder, AppDataWithSubfolderIsCreated) {
  const std::wstring appData = GetSpecialFolder(sfAppData);
  ASSERT_FALSE(appData.empty());
  EXPECT_EQ(appData.back(), L'\\');
  std::error_code ignored;
  std::filesystem::remove_all(appData + L"Solvane", ignored);

  EXPECT_EQ(GetSpecialFolder(sfAppData, L"Solvane"), appData + L"Solvane\\");
  EXPECT_TRUE(IsDirectory(appData + L"Solvane"));
  // Missing parents are created too; an existing folder is simply returned.
  EXPECT_EQ(GetSpecialFolder(sfAppData, L"Solvane\\a\\b"), appData + L"Solvane\\a\\b\\");
  EXPECT_TRUE(IsDirectory(appData + L"Solvane\\a\\b"));
  EXPECT_EQ(GetSpecialFolder(sfAppData, L"Solvane"), appData + L"Solvane\\");
  std::filesystem::remove_all(appData + L"Solvane\\a", ignored);
}

TEST(GetSpecialFolder, SubfolderThatCannotBeMadeGivesEmpty) {
  EXPECT_EQ(GetSpecialFolder(sfAppData, L"bad*name"), L"");
}

TEST(GetSpecialFolder, SystemWindowsAndProgramFiles) {
  EXPECT_EQ(Upper(GetSpecialFolder(sfSystem)), Upper(SystemFolder(::GetSystemDirectoryW)));
  EXPECT_EQ(Upper(GetSpecialFolder(sfWindows)), Upper(SystemFolder(::GetWindowsDirectoryW)));
  EXPECT_EQ(GetSpecialFolder(sfProgramFiles), GetProgramFilesDir());
}

TEST(GetSpecialFolder, VirtualFolderAndUnknownNumbersGiveEmpty) {
  EXPECT_EQ(GetSpecialFolder(sfBitBucket), L"");
  EXPECT_EQ(GetSpecialFolder(42), L"");
  EXPECT_EQ(GetSpecialFolder(-1), L"");
  EXPECT_EQ(GetSpecialFolder(42, L"Solvane"), L"");
}

class SpecialFolderNumberTest : public ::testing::TestWithParam<int> {};

TEST_P(SpecialFolderNumberTest, EmptyOrAValidPathWithSeparator) {
  const std::wstring path = GetSpecialFolder(GetParam());
  if (path.empty()) return;
  EXPECT_EQ(path.back(), L'\\') << path;
  EXPECT_TRUE(IsValidPath(path)) << path;
}

INSTANTIATE_TEST_SUITE_P(AllNumbers, SpecialFolderNumberTest, ::testing::Range(0, 42));

TEST(GetSpecialFolder, QuickLaunchFromTheRegistry) {
  TestFolder folder(L"vorda-quick");
  const std::wstring quick = folder.Path() + L"Quick Launch";
  {
    ScopedRegValue value(HKEY_CURRENT_USER, kMapGroups, L"Quick Launch", quick);
    ASSERT_TRUE(value.Ok());
    EXPECT_EQ(GetSpecialFolder(sfQuickLaunch), quick + L"\\");
    EXPECT_EQ(GetSpecialFolder(sfQuickLaunch, L"Vorda"), quick + L"\\Vorda\\");
    EXPECT_TRUE(IsDirectory(quick + L"\\Vorda"));
  }
  {
    ScopedRegValue value(HKEY_CURRENT_USER, kMapGroups, L"Quick Launch", L"Quick Launch");
    ASSERT_TRUE(value.Ok());
    EXPECT_EQ(GetSpecialFolder(sfQuickLaunch), L"");
    EXPECT_EQ(GetSpecialFolder(sfQuickLaunch, L"Vorda"), L"");
  }
  {
    ScopedRegValue value(HKEY_CURRENT_USER, kMapGroups, L"Quick Launch", folder.Path() + L"Quick*");
    ASSERT_TRUE(value.Ok());
    EXPECT_EQ(GetSpecialFolder(sfQuickLaunch), L"");
  }
}

struct FallbackCase {
  int number;
  const wchar_t* registryName;  // the all-users folder's entry under User Shell Folders
  int fallback;
};

class SpecialFolderFallbackTest : public ::testing::TestWithParam<FallbackCase> {};

// An all-users folder that the shell cannot give (here: it points to a drive
// that does not exist) is replaced by the user's own.
TEST_P(SpecialFolderFallbackTest, UsersOwnFolderWhenTheCommonOneIsMissing) {
  const FallbackCase& c = GetParam();
  const std::wstring own = GetSpecialFolder(c.fallback);
  ASSERT_FALSE(own.empty());
  ScopedRegValue value(HKEY_LOCAL_MACHINE, kShellFolders, c.registryName, L"Q:\\Vorda missing folder");
  ASSERT_TRUE(value.Ok());
  EXPECT_EQ(GetSpecialFolder(c.number), own);
}

INSTANTIATE_TEST_SUITE_P(Table, SpecialFolderFallbackTest,
                         ::testing::Values(FallbackCase{sfCommonMusic, L"CommonMusic", sfMyMusic},
                                           FallbackCase{sfCommonPictures, L"CommonPictures", sfMyPictures},
                                           FallbackCase{sfCommonVideo, L"CommonVideo", sfMyVideo}));

TEST(GetProgramFilesDir, ShellAnswerWithSeparator) {
  const std::wstring dir = GetProgramFilesDir();
  EXPECT_EQ(Upper(dir), L"C:\\PROGRAM FILES\\");
  EXPECT_TRUE(IsDirectory(dir));
}

struct PathCase {
  const wchar_t* path;
  bool relative;
  bool valid;
};

class PathTestsTable : public ::testing::TestWithParam<PathCase> {};

TEST_P(PathTestsTable, RelativeAndValid) {
  EXPECT_EQ(IsRelativePath(GetParam().path), GetParam().relative);
  EXPECT_EQ(IsValidPath(GetParam().path), GetParam().valid);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PathTestsTable,
    ::testing::Values(PathCase{L"", true, false}, PathCase{L"Vorda.exe", true, false},
                      PathCase{L"Quick Launch", true, false}, PathCase{L"dir\\file.txt", true, false},
                      PathCase{L"C:\\Program Files\\Vorda", false, true}, PathCase{L"C:\\Vorda.exe", false, true},
                      PathCase{L"C:\\", false, true}, PathCase{L"\\\\server\\share\\dir", false, true},
                      PathCase{L"C:\\dir\\*.txt", false, false}, PathCase{L"C:\\dir\\file?.txt", false, false},
                      PathCase{L"C:\\dir/file.txt", false, false}, PathCase{L"C:\\a<b", false, false},
                      PathCase{L"C:\\a>b", false, false}, PathCase{L"C:\\a|b", false, false},
                      PathCase{L"C:\\\"quoted\"", false, false}));

TEST(IsDirectory, FoldersFilesAndMissingPaths) {
  TestFolder folder(L"vorda-isdir");
  const std::wstring file = folder.Write(L"file.txt", "x");
  EXPECT_TRUE(IsDirectory(folder.Path()));
  EXPECT_FALSE(IsDirectory(file));
  EXPECT_FALSE(IsDirectory(folder.Path() + L"missing"));
}

TEST(ForceDirectories, CreatesMissingParents) {
  TestFolder folder(L"vorda-force");
  EXPECT_TRUE(ForceDirectories(folder.Path() + L"a\\b\\c\\"));
  EXPECT_TRUE(IsDirectory(folder.Path() + L"a\\b\\c"));
  EXPECT_TRUE(ForceDirectories(folder.Path() + L"a\\b"));
  const std::wstring file = folder.Write(L"file", "x");
  EXPECT_FALSE(ForceDirectories(file + L"\\sub"));
  EXPECT_FALSE(ForceDirectories(L""));
}

TEST(GetShellDisplayName, MissingPathComesBackUnchanged) {
  EXPECT_EQ(GetShellDisplayName(L"C:\\no such folder\\file.txt"), L"C:\\no such folder\\file.txt");
}

class GetDisplayPathTest : public ::testing::Test {
 protected:
  TestFolder folder_{L"vorda-display"};
  std::wstring file_ = folder_.Write(L"Mixed Case Folder\\Long File Name.Data.txt", "x");
};

TEST_F(GetDisplayPathTest, NamesComeBackAsTheShellShowsThem) {
  const std::wstring display = GetDisplayPath(Upper(file_));
  EXPECT_EQ(Upper(display), Upper(file_));
  const std::wstring tail = L"\\Mixed Case Folder\\Long File Name.Data.TXT";
  ASSERT_GE(display.size(), tail.size());
  EXPECT_EQ(display.substr(display.size() - tail.size()), tail) << display;
}

TEST_F(GetDisplayPathTest, ShortFormGivesTheLongNames) {
  wchar_t shortName[MAX_PATH] = {};
  ASSERT_NE(::GetShortPathNameW(file_.c_str(), shortName, MAX_PATH), 0u);
  const std::wstring display = GetDisplayPath(shortName);
  const std::wstring tail = L"\\Mixed Case Folder\\Long File Name.Data";
  ASSERT_GE(display.size(), tail.size()) << display;
  EXPECT_NE(display.find(tail), std::wstring::npos) << display;
}

TEST_F(GetDisplayPathTest, MissingFileGivesEmpty) {
  EXPECT_EQ(GetDisplayPath(folder_.Path() + L"missing.txt"), L"");
  EXPECT_EQ(GetDisplayPath(L""), L"");
}

}  // namespace
}  // namespace vorda::win
