#include "win/install/Installer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "InstallFixture.h"
#include "core/registry/Registry.h"
#include "win/install/InstallFolder.h"
#include "win/util/UniqueHandle.h"

namespace vorda::win::test {
namespace {

using registry::TRootKey;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

using InstallerTest = InstallFixture;

// Every value the record should hold, read back from the registry of the prefix.
void ExpectRecordInRegistry(const install::TInstallInfo& expected) {
  auto& backend = Win32Registry();
  for (const auto& step : install::InstallRecord(expected)) {
    registry::TRegStatus status = registry::kRegOk;
    auto key = backend.OpenKey(TRootKey::LocalMachine, step.key, registry::kKeyRead, false, status);
    ASSERT_TRUE(key) << std::string(step.key.begin(), step.key.end());
    if (!step.value) continue;
    const auto value = key->QueryValue(step.name);
    ASSERT_TRUE(value) << std::string(step.name.begin(), step.name.end());
    EXPECT_EQ(value->type, step.value->type);
    EXPECT_EQ(value->text, step.value->text);
    EXPECT_EQ(value->number, step.value->number);
    EXPECT_EQ(value->data, step.value->data);
  }
}

install::TInstallInfo ExpectedInfo(const std::wstring& folder, std::vector<std::wstring> links) {
  install::TInstallInfo info;
  info.folder = folder;
  info.shortcuts = std::move(links);
  info.version = {2.52, L"2.52", L"2.52.3.43"};
  info.displayName = L"Vorda (Elmqvara)";
  info.email = L"vorda@marobel.pl";
  info.webSite = L"http://www.marobel.pl";
  info.programPage = L"http://www.marobel.pl/programy/vorda_home.htm";
  return info;
}

TEST_F(InstallerTest, CopiesTheFilesCreatesTheLinksAndWritesTheRecord) {
  auto request = Request();
  request.writeSpecPrograms = [this] {
    ++specProgramsWritten_;
    // The table comes first: nothing of the record is there yet.
    EXPECT_FALSE(GetRegString(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Marobel\\Vorda", L"Install Path"));
  };
  ASSERT_EQ(RunInstall(request), TInstallOutcome::ioDone);
  EXPECT_TRUE(ui.errors.empty());
  EXPECT_EQ(specProgramsWritten_, 1);
  EXPECT_EQ(ui.maximum, 5);
  EXPECT_THAT(ui.positions, ElementsAre(1, 2, 3, 4, 5));
  for (const auto name : install::kProgramFiles)
    EXPECT_EQ(ReadFileBytes(folder + std::wstring(name)), "source " + Narrow(name));
  EXPECT_TRUE(FileExists(desktopLink));
  EXPECT_TRUE(FileExists(programsLink));
  ExpectRecordInRegistry(ExpectedInfo(folder, {desktopLink, programsLink}));
  // The start-up sequence reads the version by another letter case.
  registry::TRegistry reg(Win32Registry(), registry::kKeyRead);
  reg.SetRootKey(TRootKey::LocalMachine);
  ASSERT_TRUE(reg.OpenKey(std::wstring(install::kInstallRecordKey), false));
  const auto version = reg.ReadBinaryData(L"Version");
  ASSERT_TRUE(version);
  EXPECT_EQ(install::BytesToDouble(*version), 2.52);
}

TEST_F(InstallerTest, InstallingAgainReplacesTheFiles) {
  auto request = Request();
  request.desktopLink = false;
  request.programsLink = false;
  ASSERT_EQ(RunInstall(request), TInstallOutcome::ioDone);
  EXPECT_FALSE(FileExists(desktopLink));
  EXPECT_FALSE(FileExists(programsLink));
  Put(source + L"Vorda.exe", "newer program");
  request.desktopLink = true;
  ASSERT_EQ(RunInstall(request), TInstallOutcome::ioDone);
  EXPECT_TRUE(ui.errors.empty());
  EXPECT_EQ(ReadFileBytes(folder + L"Vorda.exe"), "newer program");
  EXPECT_TRUE(FileExists(desktopLink));
  ExpectRecordInRegistry(ExpectedInfo(folder, {desktopLink}));
}

TEST_F(InstallerTest, MissingHookLibraryIsFatalAfterTheFirstTwoFiles) {
  ::DeleteFileW((source + L"SH.dll").c_str());
  EXPECT_EQ(RunInstall(Request()), TInstallOutcome::ioFileMissing);
  ASSERT_EQ(ui.errors.size(), 1u);
  EXPECT_EQ(ui.errors[0].text, L"Brak pliku \"SH.dll\". Kontynuowanie instalacji nie jest możliwe, program "
                               L"instalacyjny kończy swoje działanie.");
  EXPECT_TRUE(ui.errors[0].fatal);
  EXPECT_THAT(ui.positions, ElementsAre(1, 2));
  EXPECT_TRUE(FileExists(folder + L"Vorda.exe"));
  EXPECT_TRUE(FileExists(folder + L"Vorda.chm"));
  EXPECT_FALSE(FileExists(folder + L"SH.dll"));
  EXPECT_FALSE(FileExists(desktopLink));
  EXPECT_EQ(specProgramsWritten_, 0);
  EXPECT_FALSE(GetRegString(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Marobel\\Vorda", L"Install Path"));
  EXPECT_FALSE(GetRegString(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Marobel\\Install", L"Vorda"));
  EXPECT_FALSE(GetRegString(HKEY_LOCAL_MACHINE, std::wstring(install::kUninstallKey), L"DisplayName"));
}

class CopyFailureTest : public InstallFixture, public ::testing::WithParamInterface<bool> {};

// A target that cannot be replaced asks Retry/Cancel: a retry after the cause
// is gone goes on, a cancel ends the program before any link or registry entry.
TEST_P(CopyFailureTest, AsksToRetry) {
  const bool retry = GetParam();
  const std::wstring blocked = folder + L"Vorda.chm";
  Put(blocked, "old help");
  // Another program holds the file without sharing it.
  UniqueFileHandle holder(::CreateFileW(blocked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(holder);
  ui.answerRetry = [&] {
    if (retry) holder.Close();
    return retry;
  };
  const auto outcome = RunInstall(Request());
  holder.Close();
  ASSERT_EQ(ui.retryTexts.size(), 1u);
  EXPECT_THAT(ui.retryTexts[0], HasSubstr(L"Skopiowanie pliku do \"" + blocked + L"\" nie jest możliwe."));
  if (retry) {
    EXPECT_EQ(outcome, TInstallOutcome::ioDone);
    EXPECT_EQ(ReadFileBytes(blocked), "source Vorda.chm");
    EXPECT_FALSE(ui.ended);
  } else {
    EXPECT_EQ(outcome, TInstallOutcome::ioCancelled);
    EXPECT_EQ(ui.ended, false);  // when control returns to the message loop
    EXPECT_FALSE(FileExists(folder + L"SH.dll"));
    EXPECT_FALSE(FileExists(desktopLink));
    EXPECT_FALSE(GetRegString(HKEY_LOCAL_MACHINE, std::wstring(install::kUninstallKey), L"DisplayName"));
  }
}

INSTANTIATE_TEST_SUITE_P(Answers, CopyFailureTest, ::testing::Bool());

TEST(InstallFolderTest, ChecksAndCreatesTheFolderOnDisk) {
  const std::wstring base = MakeTempFolder(L"vorda-install-folder");
  const auto check = CheckInstallFolderOnDisk(L"  " + base + L"a\\b");
  EXPECT_EQ(check.message, install::TInstallMessage::imNone);
  EXPECT_EQ(check.folder, base + L"a\\b\\");
  EXPECT_TRUE(std::filesystem::is_directory(std::filesystem::path(base + L"a\\b")));
  std::error_code ignored;
  std::filesystem::remove_all(std::filesystem::path(base), ignored);

  const auto bad = CheckInstallFolderOnDisk(L"C:");
  EXPECT_EQ(bad.message, install::TInstallMessage::imBadFolder);
  EXPECT_THAT(FolderCheckText(bad), HasSubstr(L"Nieprawidłowy format katalogu."));
  EXPECT_EQ(FolderCheckText(CheckInstallFolderOnDisk(L"")), L"Nie podałeś katalogu.");
}

TEST(InstallFolderTest, NoSpaceTextUsesTheLocalesSeparator) {
  install::TFolderCheck check;
  check.message = install::TInstallMessage::imNoSpace;
  check.drive = L'D';
  check.neededBytes = 1536;
  check.freeBytes = 512;
  wchar_t separator[8] = {};
  ::GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8);
  const std::wstring s = separator;
  EXPECT_EQ(FolderCheckText(check), L"Brak wystarczającej ilości miejsca na dysku. \r\nWymagane miejsce: 1" + s +
                                        L"50KB, ilość wolnego miejsca na dysku D: 0" + s + L"50KB.");
}

}  // namespace
}  // namespace vorda::win::test
