#include "win/install/Uninstaller.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "InstallFixture.h"
#include "win/util/UniqueHandle.h"

namespace vorda::win::test {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::Not;

std::wstring WithoutSeparator(std::wstring path) {
  path.pop_back();
  return path;
}

class UninstallerTest : public InstallFixture {
 protected:
  void SetUp() override {
    InstallFixture::SetUp();
    ASSERT_EQ(RunInstall(Request()), TInstallOutcome::ioDone);
    SetRegDword(HKEY_CURRENT_USER, L"SOFTWARE\\Marobel\\Vorda", L"Logger", 0);
    for (const auto* name : {L"Kelvari1", L"Kelvari 1", L"Kelvari2", L"VordaTestOther"})
      SetRegString(HKEY_CURRENT_USER, std::wstring(install::kRunKey), name, L"x");
  }

  TUninstallOutcome RunUninstall() {
    uninstallUi = {};
    return Uninstall(TUninstallRequest{}, uninstallUi, Win32Registry());
  }

  FakeInstallUi uninstallUi;
};

TEST_F(UninstallerTest, DeletesLinksSchedulesFilesAndRemovesTheEntries) {
  ASSERT_EQ(RunUninstall(), TUninstallOutcome::uoDone);
  EXPECT_TRUE(uninstallUi.errors.empty());
  EXPECT_EQ(uninstallUi.maximum, 3);
  EXPECT_THAT(uninstallUi.positions, ElementsAre(1, 2, 3));
  EXPECT_FALSE(FileExists(desktopLink));
  EXPECT_FALSE(FileExists(programsLink));
  // The files stay until the next start of the system, then go with their folder.
  EXPECT_TRUE(FileExists(folder + L"Vorda.exe"));
  const auto pending = PendingOperations();
  for (const auto name : install::kProgramFiles) EXPECT_THAT(pending, Contains(L"\\??\\" + folder + std::wstring(name)));
  EXPECT_THAT(pending, Contains(L"\\??\\" + WithoutSeparator(folder)));

  EXPECT_FALSE(GetRegString(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Marobel\\Vorda", L"Install Path"));
  EXPECT_FALSE(GetRegString(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Marobel\\Install", L"Vorda"));
  EXPECT_FALSE(GetRegString(HKEY_LOCAL_MACHINE, std::wstring(install::kInstallRecordKey), L"Author"));
  EXPECT_FALSE(GetRegString(HKEY_LOCAL_MACHINE, std::wstring(install::kUninstallKey), L"DisplayName"));
  EXPECT_FALSE(GetRegDword(HKEY_CURRENT_USER, L"SOFTWARE\\Marobel\\Vorda", L"Logger"));
  for (const auto* name : {L"Kelvari1", L"Kelvari 1", L"Kelvari2"})
    EXPECT_FALSE(GetRegString(HKEY_CURRENT_USER, std::wstring(install::kRunKey), name));
  EXPECT_TRUE(GetRegString(HKEY_CURRENT_USER, std::wstring(install::kRunKey), L"VordaTestOther"));
}

TEST_F(UninstallerTest, AForeignFileKeepsTheFolder) {
  Put(folder + L"Vorda.log", "log");
  ASSERT_EQ(RunUninstall(), TUninstallOutcome::uoDone);
  const auto pending = PendingOperations();
  EXPECT_THAT(pending, Contains(L"\\??\\" + folder + L"SH.dll"));
  EXPECT_THAT(pending, Not(Contains(L"\\??\\" + WithoutSeparator(folder))));
}

TEST_F(UninstallerTest, ASecondUninstallationFindsNothing) {
  ASSERT_EQ(RunUninstall(), TUninstallOutcome::uoDone);
  const auto pending = PendingOperations();
  EXPECT_EQ(RunUninstall(), TUninstallOutcome::uoNotInstalled);
  ASSERT_EQ(uninstallUi.errors.size(), 1u);
  EXPECT_EQ(uninstallUi.errors[0].text,
            L"Znalezienie informacji o instalacji Vorda nie było możliwe. Zostały usunięte, uszkodzone albo program "
            L"Elmqvara nie jest zainstalowany w systemie.");
  EXPECT_TRUE(uninstallUi.errors[0].fatal);
  EXPECT_TRUE(uninstallUi.positions.empty());
  EXPECT_EQ(PendingOperations(), pending);
}

class WinInitFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    base = MakeTempFolder(L"vorda-wininit");
    ini = base + L"wininit.ini";
    std::filesystem::create_directories(std::filesystem::path(base + L"Vorda"));
    for (const auto name : install::kProgramFiles)
      std::ofstream(std::filesystem::path(base + L"Vorda\\" + std::wstring(name))) << "x";
    plan = install::PlanDeferredDeletion(base + L"Vorda\\", FolderEntries(base + L"Vorda\\"));
  }
  void TearDown() override {
    ::SetFileAttributesW(ini.c_str(), FILE_ATTRIBUTE_NORMAL);
    std::error_code ignored;
    std::filesystem::remove_all(std::filesystem::path(base), ignored);
  }
  static std::wstring Short(const std::wstring& path) {
    wchar_t buffer[MAX_PATH] = {};
    ::GetShortPathNameW(path.c_str(), buffer, MAX_PATH);
    return buffer;
  }

  static std::string Narrow(std::wstring_view text) { return InstallFixture::Narrow(text); }

  std::wstring base, ini;
  install::TDeferredDeletion plan;
  FakeInstallUi ui;
};

TEST_F(WinInitFileTest, LinesGoIntoTheRenameSection) {
  ASSERT_TRUE(plan.folder);
  std::ofstream(std::filesystem::path(ini), std::ios::binary) << "[Rename]\r\nNUL=C:\\OLD.TXT\r\n";
  ASSERT_TRUE(ScheduleWithWinInit(ini, plan, ui));
  const std::wstring dir = Short(base + L"Vorda");
  const std::string expected = "[Rename]\r\nNUL=" + Narrow(Short(base + L"Vorda\\Vorda.exe")) + "\r\nNUL=" +
                               Narrow(Short(base + L"Vorda\\Vorda.chm")) + "\r\nNUL=" +
                               Narrow(Short(base + L"Vorda\\SH.dll")) + "\r\nDIRNUL=" + Narrow(dir) +
                               "\r\nNUL=C:\\OLD.TXT\r\n";
  EXPECT_EQ(ReadFileBytes(ini), expected);
  EXPECT_TRUE(ui.retryTexts.empty());
}

TEST_F(WinInitFileTest, AFileInUseAsksAndCancelEndsAtOnce) {
  std::ofstream(std::filesystem::path(ini), std::ios::binary) << "[rename]\r\n";
  // Another program holds the file without sharing it.
  UniqueFileHandle holder(::CreateFileW(ini.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(holder);
  int asked = 0;
  ui.answerRetry = [&] { return ++asked < 2; };
  EXPECT_FALSE(ScheduleWithWinInit(ini, plan, ui));
  EXPECT_EQ(asked, 2);
  ASSERT_EQ(ui.retryTexts.size(), 2u);
  EXPECT_EQ(ui.retryTexts[0].rfind(L"Zapisanie do pliku " + ini + L" nie było możliwe.", 0), 0u);
  EXPECT_EQ(ui.ended, true);
  holder.Close();
  EXPECT_EQ(ReadFileBytes(ini), "[rename]\r\n");
}

}  // namespace
}  // namespace vorda::win::test
