#include "core/install/InstallRecord.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "MemoryRegistry.h"

namespace vorda::install {
namespace {

using registry::TRegValue;
using registry::TRootKey;

const std::wstring kFolder = L"C:\\Program Files\\Marobel\\Vorda\\";
const std::wstring kRecord = L"SOFTWARE\\Marobel\\Install\\Vorda";
const std::wstring kFolderKey = kRecord + L"\\C:/Program Files/Marobel/Vorda/";
const std::wstring kUninstall = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Vorda";

TInstallInfo Info(std::vector<std::wstring> shortcuts) {
  TInstallInfo info;
  info.folder = kFolder;
  info.shortcuts = std::move(shortcuts);
  info.version = {2.52, L"2.52", L"2.52.3.43"};
  info.displayName = L"Vorda (Elmqvara)";
  info.email = L"vorda@marobel.pl";
  info.webSite = L"http://www.marobel.pl";
  info.programPage = L"http://www.marobel.pl/programy/vorda_home.htm";
  return info;
}

// A step as a comparable row: key, name, type and the value as text.
struct Row {
  std::wstring key, name;
  registry::TRegDataType type;
  std::wstring text;
  std::uint32_t number;
  std::vector<std::uint8_t> data;
  bool operator==(const Row&) const = default;
};

Row Str(const std::wstring& key, const wchar_t* name, std::wstring text) {
  return {key, name, registry::rdString, std::move(text), 0, {}};
}
Row Dword(const std::wstring& key, const wchar_t* name, std::uint32_t n) {
  return {key, name, registry::rdInteger, {}, n, {}};
}
Row Float(const std::wstring& key, const wchar_t* name, double d) {
  return {key, name, registry::rdBinary, {}, 0, DoubleToBytes(d)};
}
Row KeyOnly(const std::wstring& key) { return {key, {}, registry::rdUnknown, {}, 0, {}}; }

std::vector<Row> Rows(const std::vector<TRegWrite>& writes) {
  std::vector<Row> rows;
  for (const auto& w : writes) {
    if (!w.value) {
      rows.push_back(KeyOnly(w.key));
      continue;
    }
    rows.push_back({w.key, w.name, w.value->type, w.value->text, w.value->number, w.value->data});
  }
  return rows;
}

TEST(InstallRecordTest, EveryValueInItsOrderAndType) {
  const std::wstring desktop = L"C:\\Users\\Public\\Desktop\\Vorda.lnk";
  const std::wstring programs = L"C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\Vorda.lnk";
  const std::vector<Row> expected = {
      Str(L"SOFTWARE\\Marobel\\Vorda", L"Install Path", kFolder),
      Str(L"SOFTWARE\\Marobel\\Install", L"Vorda", L"Vorda (Elmqvara)"),
      Str(kRecord, L"Author", L"Marobel"),
      Str(kRecord, L"e-mail", L"vorda@marobel.pl"),
      Float(kRecord, L"version", 2.52),
      Dword(kRecord, L"Type", 0),
      Float(kRecord, L"RequiredVersionOfUninstaller", 0.31),
      KeyOnly(kRecord + L"\\C:/Users/Public/Desktop/Vorda.lnk"),
      KeyOnly(kRecord + L"\\C:/ProgramData/Microsoft/Windows/Start Menu/Programs/Vorda.lnk"),
      Str(kFolderKey, L"File1", L"Vorda.exe"),
      Str(kFolderKey, L"File2", L"Vorda.chm"),
      Str(kFolderKey, L"File3", L"SH.dll"),
      Dword(kFolderKey, L"NoF", 3),
      Str(kUninstall, L"DisplayName", L"Vorda (Elmqvara)"),
      Str(kUninstall, L"UninstallString", L"\"C:\\Program Files\\Marobel\\Vorda\\Vorda.exe\" /uninstall"),
      Str(kUninstall, L"DisplayIcon", L"C:\\Program Files\\Marobel\\Vorda\\Vorda.exe,0"),
      Dword(kUninstall, L"NoModify", 1),
      Dword(kUninstall, L"NoRepair", 1),
      Str(kUninstall, L"Publisher", L"Marobel"),
      Str(kUninstall, L"URLInfoAbout", L"http://www.marobel.pl"),
      Str(kUninstall, L"URLUpdateInfo", L"http://www.marobel.pl/programy/vorda_home.htm"),
      Str(kUninstall, L"DisplayVersion", L"2.52.3.43"),
      Dword(kUninstall, L"MinorVersion", 52),
      Dword(kUninstall, L"MajorVersion", 2),
      Dword(kUninstall, L"Language", 1045),
  };
  EXPECT_EQ(Rows(InstallRecord(Info({desktop, programs}))), expected);
}

TEST(InstallRecordTest, WithoutShortcutsOnlyTheFolderSubkey) {
  const auto writes = InstallRecord(Info({}));
  const auto keyOnly = std::count_if(writes.begin(), writes.end(), [](const TRegWrite& w) { return !w.value; });
  EXPECT_EQ(keyOnly, 0);
  EXPECT_EQ(writes.size(), 23u);
}

TEST(InstallRecordTest, FloatsAreEightLittleEndianBytes) {
  // 2.52 = 0x400428F5C28F5C29
  EXPECT_EQ(DoubleToBytes(2.52), (std::vector<std::uint8_t>{0x29, 0x5C, 0x8F, 0xC2, 0xF5, 0x28, 0x04, 0x40}));
  EXPECT_EQ(BytesToDouble(DoubleToBytes(0.31)), 0.31);
  EXPECT_EQ(BytesToDouble(DoubleToBytes(-1.0)), -1.0);
  EXPECT_EQ(BytesToDouble(std::vector<std::uint8_t>{1, 2, 3, 4}), std::nullopt);
}

TEST(InstallRecordTest, AppliedRecordReadsBackFromTheRegistry) {
  registry::TMemoryRegistry backend;
  const auto failures = ApplyRegWrites(backend, TRootKey::LocalMachine,
                                       InstallRecord(Info({L"C:\\Users\\Public\\Desktop\\Vorda.lnk"})));
  EXPECT_TRUE(failures.empty());
  EXPECT_TRUE(backend.HasKey(TRootKey::LocalMachine, kRecord + L"\\C:/Users/Public/Desktop/Vorda.lnk"));
  EXPECT_EQ(backend.Get(TRootKey::LocalMachine, kFolderKey, L"NoF")->number, 3u);
  // The start-up sequence reads "version" as "Version".
  const auto version = backend.Get(TRootKey::LocalMachine, kRecord, L"Version");
  ASSERT_TRUE(version);
  EXPECT_EQ(BytesToDouble(version->data), 2.52);
  EXPECT_FALSE(backend.HasKey(TRootKey::CurrentUser, kRecord));
}

TEST(InstallRecordTest, AFailedStepDoesNotStopTheOthers) {
  registry::TMemoryRegistry backend;
  backend.DenyAccess(TRootKey::LocalMachine, L"SOFTWARE\\Marobel\\Vorda");
  const auto failures = ApplyRegWrites(backend, TRootKey::LocalMachine, InstallRecord(Info({})));
  ASSERT_EQ(failures.size(), 1u);
  EXPECT_THAT(failures.front(), testing::HasSubstr(L"Install Path"));
  EXPECT_EQ(backend.Get(TRootKey::LocalMachine, kUninstall, L"Language")->number, 1045u);
}

struct UninstallStringCase {
  const wchar_t* command;
  const wchar_t* folder;
};

class UninstallStringTest : public testing::TestWithParam<UninstallStringCase> {};

TEST_P(UninstallStringTest, FolderComesBackFromTheCommand) {
  EXPECT_EQ(FolderFromUninstallString(GetParam().command), GetParam().folder);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, UninstallStringTest,
    testing::Values(UninstallStringCase{L"\"C:\\Program Files\\Marobel\\Vorda\\Vorda.exe\" /uninstall",
                                        L"C:\\Program Files\\Marobel\\Vorda\\"},
                    UninstallStringCase{L"\"D:\\V\\Vorda.exe\" /uninstall", L"D:\\V\\"},
                    UninstallStringCase{L"\"C:Vorda.exe\" /uninstall", L"C:"},
                    UninstallStringCase{L"\"Vorda.exe\" /uninstall", L""},
                    UninstallStringCase{L"\" /uninstall", L""},
                    UninstallStringCase{L"", L""}));

TEST(UninstallStringTest, WrittenCommandRoundTrips) {
  EXPECT_EQ(UninstallString(kFolder), L"\"C:\\Program Files\\Marobel\\Vorda\\Vorda.exe\" /uninstall");
  EXPECT_EQ(FolderFromUninstallString(UninstallString(kFolder)), kFolder);
}

}  // namespace
}  // namespace vorda::install
