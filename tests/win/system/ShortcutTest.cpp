#include "win/system/Shortcut.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <objidl.h>
#include <shellapi.h>
#include <shlobj.h>

#include <string>

#include "TestSupport.h"
#include "win/app/Application.h"
#include "win/system/Paths.h"
#include "win/util/ComPtr.h"

namespace vorda::win {
namespace {

using test::FileExists;
using test::ScopedRegValue;
using test::TestFolder;

std::wstring WithoutSeparator(std::wstring path) {
  while (!path.empty() && path.back() == L'\\') path.pop_back();
  return path;
}

// What a link file says, read back through the shell.
struct LinkContent {
  std::wstring path, arguments, workDir, description;
};

LinkContent ReadLink(const std::wstring& file) {
  LinkContent content;
  ComPtr<IShellLinkW> link;
  if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link.PutVoid())))
    return content;
  auto persist = link.As<IPersistFile>(IID_IPersistFile);
  if (!persist || FAILED(persist->Load(file.c_str(), STGM_READ))) return content;
  wchar_t buffer[1024] = {};
  if (SUCCEEDED(link->GetPath(buffer, 1024, nullptr, SLGP_RAWPATH))) content.path = buffer;
  buffer[0] = 0;
  if (SUCCEEDED(link->GetArguments(buffer, 1024))) content.arguments = buffer;
  buffer[0] = 0;
  if (SUCCEEDED(link->GetWorkingDirectory(buffer, 1024))) content.workDir = buffer;
  buffer[0] = 0;
  if (SUCCEEDED(link->GetDescription(buffer, 1024))) content.description = buffer;
  return content;
}

// Items in the recycle bins of all drives; -1 when the shell cannot tell.
LONGLONG RecycledItems() {
  SHQUERYRBINFO info{};
  info.cbSize = sizeof(info);
  if (FAILED(::SHQueryRecycleBinW(nullptr, &info))) return -1;
  return info.i64NumItems;
}

class ShortcutTest : public ::testing::Test {
 protected:
  ComScope com_;
  TestFolder folder_{L"vorda-links"};
  std::wstring target_ = ExePath();
};

TEST_F(ShortcutTest, WritesTheLinkAndMissingFolders) {
  const std::wstring links = folder_.Path() + L"a\\b";
  const std::wstring link = CreateShortcut(target_, L"/tryb 1", L"", false, links, L"Opis skrótu", L"Vorda.lnk");
  EXPECT_EQ(link, links + L"\\Vorda.lnk");
  ASSERT_TRUE(FileExists(link));
  const LinkContent content = ReadLink(link);
  EXPECT_EQ(content.path, target_);
  EXPECT_EQ(content.arguments, L"/tryb 1");
  EXPECT_EQ(content.description, L"Opis skrótu");
  // Without a working folder the target's own folder is used.
  EXPECT_EQ(WithoutSeparator(content.workDir), WithoutSeparator(ExeFolder()));
}

TEST_F(ShortcutTest, WorkingFolderOnlyWhenItExists) {
  const std::wstring work = folder_.Path() + L"work";
  ASSERT_TRUE(ForceDirectories(work));
  const std::wstring withWork = CreateShortcut(target_, L"", work, false, folder_.Path(), L"", L"Work");
  ASSERT_FALSE(withWork.empty());
  EXPECT_EQ(WithoutSeparator(ReadLink(withWork).workDir), work);

  const std::wstring missing = CreateShortcut(target_, L"", folder_.Path() + L"missing", false, folder_.Path(),
                                              L"", L"Missing");
  ASSERT_FALSE(missing.empty());
  EXPECT_EQ(WithoutSeparator(ReadLink(missing).workDir), WithoutSeparator(ExeFolder()));
}

TEST_F(ShortcutTest, ExistingLinkIsKeptWithoutReplace) {
  const std::wstring link = CreateShortcut(target_, L"", L"", false, folder_.Path(), L"old", L"Vorda.lnk");
  ASSERT_FALSE(link.empty());
  EXPECT_EQ(CreateShortcut(target_, L"", L"", false, folder_.Path(), L"new", L"Vorda.lnk"), L"");
  EXPECT_EQ(ReadLink(link).description, L"old");
}

TEST_F(ShortcutTest, ReplaceSendsTheOldLinkToTheRecycleBin) {
  const std::wstring link = CreateShortcut(target_, L"", L"", false, folder_.Path(), L"old", L"Vorda.lnk");
  ASSERT_FALSE(link.empty());
  const LONGLONG recycledBefore = RecycledItems();

  EXPECT_EQ(CreateShortcut(target_, L"", L"", true, folder_.Path(), L"new", L"Vorda.lnk"), link);
  EXPECT_EQ(ReadLink(link).description, L"new");
  if (recycledBefore >= 0) {
    EXPECT_EQ(RecycledItems(), recycledBefore + 1);
  }
}

TEST_F(ShortcutTest, NothingWithoutAnExistingTargetOrAFolder) {
  EXPECT_EQ(CreateShortcut(folder_.Path() + L"missing.exe", L"", L"", true, folder_.Path(), L"", L""), L"");
  EXPECT_EQ(CreateShortcut(L"", L"", L"", true, folder_.Path(), L"", L"Vorda"), L"");
  EXPECT_EQ(CreateShortcut(target_, L"", L"", true, L"", L"", L"Vorda"), L"");
  EXPECT_FALSE(FileExists(folder_.Path() + L"missing.lnk"));
  EXPECT_FALSE(FileExists(folder_.Path() + L"Vorda.lnk"));
}

struct LinkNameCase {
  const wchar_t* linkName;
  const wchar_t* fileName;
};

class LinkFileNameTest : public ::testing::TestWithParam<LinkNameCase> {};

TEST_P(LinkFileNameTest, NameOfTheLinkFile) {
  EXPECT_EQ(LinkFileName(L"C:\\Program Files\\Vorda\\Vorda.exe", GetParam().linkName), GetParam().fileName);
}

INSTANTIATE_TEST_SUITE_P(Table, LinkFileNameTest,
                         ::testing::Values(LinkNameCase{L"Vorda.lnk", L"Vorda.lnk"},
                                           LinkNameCase{L"Vorda.LNK", L"Vorda.LNK"},
                                           LinkNameCase{L"Vorda", L"Vorda.lnk"},
                                           LinkNameCase{L"Vorda.exe", L"Vorda.lnk"},
                                           LinkNameCase{L"", L"Vorda.lnk"}));

TEST_F(ShortcutTest, LinkFileIsNamedAfterTheTargetWithoutALinkName) {
  const std::wstring link = CreateShortcut(target_, L"", L"", false, folder_.Path(), L"", L"");
  EXPECT_EQ(link, folder_.Path() + L"win_system_tests.lnk");
  EXPECT_TRUE(FileExists(link));
}

TEST_F(ShortcutTest, PlacedInTheUsersDesktopWithSubfolder) {
  const std::wstring sub = L"Vorda test " + std::to_wstring(::GetCurrentProcessId());
  const std::wstring desktop = GetSpecialFolder(sfDesktopDirectory);
  ASSERT_FALSE(desktop.empty());
  const std::wstring link = CreateShortcutIn(target_, L"", L"", sub, false, spDesktop, L"", L"Vorda");
  EXPECT_EQ(link, desktop + sub + L"\\Vorda.lnk");
  EXPECT_TRUE(FileExists(link));
  // Unknown places mean the desktop as well.
  EXPECT_EQ(CreateShortcutIn(target_, L"", L"", sub, true, 99, L"", L"Vorda"), link);
  std::error_code ignored;
  std::filesystem::remove_all(desktop + sub, ignored);
}

TEST_F(ShortcutTest, QuickLaunchPlaceFollowsTheRegistry) {
  const std::wstring quick = folder_.Path() + L"Quick Launch";
  {
    ScopedRegValue value(HKEY_CURRENT_USER, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\GrpConv\\MapGroups",
                         L"Quick Launch", quick);
    ASSERT_TRUE(value.Ok());
    EXPECT_EQ(CreateShortcutIn(target_, L"", L"", L"", false, spQuickLaunch, L"", L"Vorda"),
              quick + L"\\Vorda.lnk");
  }
  {
    // A relative folder gives no Quick Launch, and then no link is written
    // anywhere, not even under the subfolder in the current folder.
    ScopedRegValue value(HKEY_CURRENT_USER, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\GrpConv\\MapGroups",
                         L"Quick Launch", L"relative");
    ASSERT_TRUE(value.Ok());
    EXPECT_EQ(CreateShortcutIn(target_, L"", L"", L"Vorda", false, spQuickLaunch, L"", L"Vorda"), L"");
  }
}

}  // namespace
}  // namespace vorda::win
