#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>

#include "MemoryRegistry.h"
#include "core/install/Autostart.h"
#include "core/install/FolderCount.h"
#include "core/install/InstallRecord.h"
#include "core/install/UninstallPlan.h"
#include "core/install/UninstallRegistry.h"
#include "core/install/WinInit.h"

namespace vorda::install {
namespace {

using registry::TRegValue;
using registry::TRootKey;
using testing::ElementsAre;
using testing::UnorderedElementsAre;

TEST(FolderCountTest, SkipsDotNamesAndHelpIndexes) {
  EXPECT_EQ(FolderCount({L".", L"..", L"Vorda.exe", L"Vorda.chm", L"SH.dll", L"VORDA.GID", L"x.gid"}), 3);
  EXPECT_EQ(FolderCount({L".", L"..", L".hidden", L"Vorda.exe", L"log.txt", L"sub"}), 3);
  EXPECT_EQ(FolderCount({L"a.gid.txt", L"gid"}), 2);
  EXPECT_EQ(FolderCount({}), 0);
}

struct FindCase {
  std::vector<std::wstring> subKeys;
  std::optional<std::wstring> folder;
  std::vector<std::wstring> shortcuts;
};

class FindInstallationTest : public testing::TestWithParam<FindCase> {
 protected:
  const std::set<std::wstring> folders{L"C:\\Program Files\\Marobel\\Vorda\\", L"D:\\Vorda\\"};
  const std::set<std::wstring> files{L"C:\\Users\\Public\\Desktop\\Vorda.lnk"};
};

TEST_P(FindInstallationTest, FolderAndExistingShortcuts) {
  const auto found = FindInstallation(
      GetParam().subKeys, [&](const std::wstring& p) { return folders.contains(p); },
      [&](const std::wstring& p) { return files.contains(p); });
  EXPECT_EQ(found.folder, GetParam().folder);
  EXPECT_EQ(found.shortcuts, GetParam().shortcuts);
}

INSTANTIATE_TEST_SUITE_P(
    Records, FindInstallationTest,
    testing::Values(
        FindCase{{L"C:/Users/Public/Desktop/Vorda.lnk", L"C:/Program Files/Marobel/Vorda/"},
                 L"C:\\Program Files\\Marobel\\Vorda\\",
                 {L"C:\\Users\\Public\\Desktop\\Vorda.lnk"}},
        // Installed twice: the later folder in the listing is the one cleaned up.
        FindCase{{L"C:/Program Files/Marobel/Vorda/", L"D:/Vorda/"}, L"D:\\Vorda\\", {}},
        // A shortcut the user deleted already is skipped.
        FindCase{{L"C:/Users/Public/Desktop/Gone.lnk", L"D:/Vorda/"}, L"D:\\Vorda\\", {}},
        // Nothing left of the installation.
        FindCase{{L"E:/Old/"}, std::nullopt, {}}, FindCase{{}, std::nullopt, {}}));

TEST(FindInstallationTest, AFolderNamedWithoutTheTrailingSeparatorGetsIt) {
  const auto found = FindInstallation({L"D:/Vorda"}, [](const std::wstring& p) { return p == L"D:\\Vorda"; },
                                      [](const std::wstring&) { return false; });
  EXPECT_EQ(found.folder, L"D:\\Vorda\\");
}

struct DeletionCase {
  std::vector<std::wstring> entries;
  std::vector<std::wstring> extraFiles;
  bool folderGoes;
};

class DeferredDeletionTest : public testing::TestWithParam<DeletionCase> {};

TEST_P(DeferredDeletionTest, FolderOnlyWhenOnlyTheProgramFilesRemain) {
  const auto plan = PlanDeferredDeletion(L"D:\\Vorda", GetParam().entries);
  std::vector<std::wstring> files{L"D:\\Vorda\\Vorda.exe", L"D:\\Vorda\\Vorda.chm", L"D:\\Vorda\\SH.dll"};
  for (const auto& extra : GetParam().extraFiles) files.push_back(L"D:\\Vorda\\" + extra);
  EXPECT_EQ(plan.files, files);
  EXPECT_EQ(plan.folder, GetParam().folderGoes ? std::optional<std::wstring>(L"D:\\Vorda") : std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(
    Folders, DeferredDeletionTest,
    testing::Values(DeletionCase{{L".", L"..", L"Vorda.exe", L"Vorda.chm", L"SH.dll"}, {}, true},
                    DeletionCase{{L".", L"..", L"VORDA.EXE", L"vorda.chm", L"sh.DLL", L"VORDA.GID"}, {L"VORDA.GID"}, true},
                    // A log of the user keeps the folder.
                    DeletionCase{{L".", L"..", L"Vorda.exe", L"Vorda.chm", L"SH.dll", L"Vorda.log"}, {}, false},
                    // Three entries, but not the three program files.
                    DeletionCase{{L".", L"..", L"Vorda.exe", L"SH.dll", L"notes.txt"}, {}, false},
                    // The help file is gone already: nothing foreign remains.
                    DeletionCase{{L".", L"..", L"Vorda.exe", L"SH.dll"}, {}, true},
                    DeletionCase{{L".", L"..", L"Vorda.exe", L"Vorda.chm", L"SH.dll", L"sub"}, {}, false},
                    DeletionCase{{}, {}, false}));

struct WinInitCase {
  std::vector<std::wstring> before;
  std::wstring folder;
  std::vector<std::wstring> after;
};

class WinInitTest : public testing::TestWithParam<WinInitCase> {};

TEST_P(WinInitTest, LinesGoRightAfterTheRenameSection) {
  auto lines = GetParam().before;
  AddWinInitDeletions(lines, {L"D:\\VORDA\\VORDA.EXE", L"D:\\VORDA\\VORDA.CHM", L"D:\\VORDA\\SH.DLL"},
                      GetParam().folder);
  EXPECT_EQ(lines, GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    Files, WinInitTest,
    testing::Values(
        WinInitCase{{L"[Rename]", L"NUL=C:\\OLD.TXT"},
                    L"",
                    {L"[Rename]", L"NUL=D:\\VORDA\\VORDA.EXE", L"NUL=D:\\VORDA\\VORDA.CHM", L"NUL=D:\\VORDA\\SH.DLL",
                     L"NUL=C:\\OLD.TXT"}},
        WinInitCase{{L"[other]", L"a=b", L"[RENAME]", L"[rename]"},
                    L"D:\\VORDA",
                    {L"[other]", L"a=b", L"[RENAME]", L"NUL=D:\\VORDA\\VORDA.EXE", L"NUL=D:\\VORDA\\VORDA.CHM",
                     L"NUL=D:\\VORDA\\SH.DLL", L"DIRNUL=D:\\VORDA", L"[rename]"}},
        WinInitCase{{L"[other]", L"a=b"},
                    L"",
                    {L"[rename]", L"NUL=D:\\VORDA\\VORDA.EXE", L"NUL=D:\\VORDA\\VORDA.CHM", L"NUL=D:\\VORDA\\SH.DLL",
                     L"[other]", L"a=b"}},
        WinInitCase{{},
                    L"D:\\VORDA",
                    {L"[rename]", L"NUL=D:\\VORDA\\VORDA.EXE", L"NUL=D:\\VORDA\\VORDA.CHM", L"NUL=D:\\VORDA\\SH.DLL",
                     L"DIRNUL=D:\\VORDA"}}));

TEST(WinInitTest, FilesWithoutAShortPathAreLeftOut) {
  std::vector<std::wstring> lines;
  AddWinInitDeletions(lines, {L"", L"D:\\VORDA\\SH.DLL"}, L"");
  EXPECT_THAT(lines, ElementsAre(L"[rename]", L"NUL=D:\\VORDA\\SH.DLL"));
}

TEST(AutostartTest, EntriesOfEveryInstance) {
  EXPECT_THAT(AutostartValuesToRemove({L"Kelvari1", L"Kelvari 1", L"kelvari12", L"Kelvari0", L"Kelvari", L"Kelvari ",
                                       L"Kelvari1x", L"Kelvari  2", L"Other", L"XKelvari1", L"KELVARI 7"}),
              ElementsAre(L"Kelvari1", L"Kelvari 1", L"kelvari12", L"Kelvari0", L"KELVARI 7"));
}

class RemoveEntriesTest : public testing::Test {
 protected:
  void SetUp() override {
    TInstallInfo info;
    info.folder = L"D:\\Vorda\\";
    info.shortcuts = {L"C:\\Desktop\\Vorda.lnk"};
    info.version = {3.0, L"3.0", L"3.0.0.1"};
    ApplyRegWrites(backend, TRootKey::LocalMachine, InstallRecord(info));
    backend.Put(TRootKey::LocalMachine, L"SOFTWARE\\Marobel\\Vorda\\SpecPrograms\\TrueWindows", L"x", TRegValue::Integer(1));
    backend.Put(TRootKey::LocalMachine, L"SOFTWARE\\Marobel\\Install\\Other", L"Author", TRegValue::String(L"Marobel"));
    backend.Put(TRootKey::LocalMachine, L"SOFTWARE\\Marobel\\Install", L"Other", TRegValue::String(L"Other"));
    backend.PutInteger(L"SOFTWARE\\Marobel\\Vorda", L"Logger", 1);
    backend.PutString(L"SOFTWARE\\Marobel\\Vorda\\SpecPrograms", L"A", L"b");
    backend.PutString(L"SOFTWARE\\Marobel\\Other", L"keep", L"me");
    for (const auto* name : {L"Kelvari1", L"Kelvari 1", L"Kelvari3", L"Other"})
      backend.PutString(L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run", name, L"x");
  }
  registry::TMemoryRegistry backend;
};

TEST_F(RemoveEntriesTest, RecordSubkeysAreListed) {
  EXPECT_THAT(InstallRecordSubKeys(backend), UnorderedElementsAre(L"C:/Desktop/Vorda.lnk", L"D:/Vorda/"));
}

TEST_F(RemoveEntriesTest, RemovesTheProgramsEntriesAndNothingElse) {
  RemoveInstallEntries(backend);
  EXPECT_FALSE(backend.HasKey(TRootKey::LocalMachine, L"SOFTWARE\\Marobel\\Install\\Vorda"));
  EXPECT_FALSE(backend.Get(TRootKey::LocalMachine, L"SOFTWARE\\Marobel\\Install", L"Vorda"));
  EXPECT_FALSE(backend.HasKey(TRootKey::LocalMachine, L"SOFTWARE\\Marobel\\Vorda"));
  EXPECT_FALSE(backend.HasKey(TRootKey::LocalMachine, kUninstallKey));
  EXPECT_FALSE(backend.HasKey(TRootKey::CurrentUser, L"SOFTWARE\\Marobel\\Vorda"));
  EXPECT_FALSE(backend.Get(std::wstring(kRunKey), L"Kelvari1"));
  EXPECT_FALSE(backend.Get(std::wstring(kRunKey), L"Kelvari 1"));
  EXPECT_FALSE(backend.Get(std::wstring(kRunKey), L"Kelvari3"));

  EXPECT_TRUE(backend.Get(std::wstring(kRunKey), L"Other"));
  EXPECT_TRUE(backend.Get(TRootKey::LocalMachine, L"SOFTWARE\\Marobel\\Install", L"Other"));
  EXPECT_TRUE(backend.HasKey(TRootKey::LocalMachine, L"SOFTWARE\\Marobel\\Install\\Other"));
  EXPECT_TRUE(backend.Get(L"SOFTWARE\\Marobel\\Other", L"keep"));
  EXPECT_TRUE(InstallRecordSubKeys(backend).empty());
}

TEST(RemoveEntriesEmptyTest, NothingToRemoveIsNoError) {
  registry::TMemoryRegistry backend;
  RemoveInstallEntries(backend);
  EXPECT_FALSE(backend.HasKey(TRootKey::CurrentUser, std::wstring(kRunKey)));
  EXPECT_FALSE(backend.HasKey(TRootKey::LocalMachine, std::wstring(kInstallKey)));
  EXPECT_TRUE(InstallRecordSubKeys(backend).empty());
}

}  // namespace
}  // namespace vorda::install
