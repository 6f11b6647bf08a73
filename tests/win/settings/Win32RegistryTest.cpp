#include "win/registry/Win32Registry.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/registry/Config.h"
#include "core/registry/Registry.h"
#include "support/Driver.h"
#include "win/settings/StoredTime.h"

namespace vorda::win {
namespace {

using registry::TRegistry;
using registry::TRootKey;
using ::testing::UnorderedElementsAre;

constexpr const wchar_t* kTestKey = L"Software\\VordaTests\\Registry";

// Writes raw data the program would never write itself.
void PutRaw(const wchar_t* name, DWORD type, const void* data, DWORD size) {
  HKEY key = nullptr;
  ASSERT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER, kTestKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  EXPECT_EQ(::RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
  ::RegCloseKey(key);
}

class Win32RegistryTest : public ::testing::Test {
 protected:
  void SetUp() override { test::DeleteRegTree(HKEY_CURRENT_USER, L"Software\\VordaTests"); }
  void TearDown() override { test::DeleteRegTree(HKEY_CURRENT_USER, L"Software\\VordaTests"); }
  TRegistry reg{Win32Registry()};
};

TEST_F(Win32RegistryTest, WritesWhatTheSystemReadsBack) {
  ASSERT_TRUE(reg.OpenKey(kTestKey, true));
  ASSERT_TRUE(reg.WriteString(L"s", L"zażółć gęślą jaźń"));
  ASSERT_TRUE(reg.WriteInteger(L"i", -2));
  ASSERT_TRUE(reg.WriteBool(L"b", true));
  ASSERT_TRUE(reg.WriteBinaryData(L"d", {1, 2, 3}));
  ASSERT_TRUE(reg.WriteExpandString(L"e", L"%TEMP%"));
  EXPECT_EQ(test::GetRegString(HKEY_CURRENT_USER, kTestKey, L"s"), L"zażółć gęślą jaźń");
  EXPECT_EQ(test::GetRegDword(HKEY_CURRENT_USER, kTestKey, L"i"), 0xFFFFFFFEu);
  EXPECT_EQ(test::GetRegDword(HKEY_CURRENT_USER, kTestKey, L"b"), 1u);

  EXPECT_EQ(reg.ReadString(L"S"), L"zażółć gęślą jaźń");
  EXPECT_EQ(reg.ReadInteger(L"i"), -2);
  EXPECT_EQ(reg.ReadBinaryData(L"d"), (std::vector<std::uint8_t>{1, 2, 3}));
  EXPECT_EQ(reg.ReadString(L"e"), L"%TEMP%");
  EXPECT_EQ(reg.GetDataType(L"e"), registry::rdExpandString);
  EXPECT_EQ(reg.GetDataType(L"d"), registry::rdBinary);
  EXPECT_EQ(reg.GetDataType(L"missing"), std::nullopt);
  EXPECT_THAT(reg.GetValueNames(), UnorderedElementsAre(L"s", L"i", L"b", L"d", L"e"));
}

TEST_F(Win32RegistryTest, HostileValuesReadSafely) {
  const wchar_t odd[] = L"ab";
  PutRaw(L"odd", REG_SZ, odd, 5);  // two characters and half of the NUL
  const wchar_t unterminated[] = {L'x', L'y'};
  PutRaw(L"unterminated", REG_SZ, unterminated, sizeof unterminated);
  const wchar_t embedded[] = L"12\0" L"34";
  PutRaw(L"embedded", REG_SZ, embedded, sizeof embedded);
  const WORD shortDword = 7;
  PutRaw(L"shortDword", REG_DWORD, &shortDword, sizeof shortDword);
  const ULONGLONG qword = 5;
  PutRaw(L"qword", REG_QWORD, &qword, sizeof qword);
  PutRaw(L"empty", REG_BINARY, nullptr, 0);
  const std::wstring big(300000, L'7');
  PutRaw(L"big", REG_SZ, big.c_str(), static_cast<DWORD>((big.size() + 1) * sizeof(wchar_t)));

  ASSERT_TRUE(reg.OpenKey(kTestKey, false));
  EXPECT_EQ(reg.ReadString(L"odd"), L"ab");
  EXPECT_EQ(reg.ReadString(L"unterminated"), L"xy");
  EXPECT_EQ(reg.ReadString(L"embedded"), L"12");
  EXPECT_EQ(reg.ReadInteger(L"shortDword"), std::nullopt);
  EXPECT_EQ(reg.GetDataType(L"shortDword"), registry::rdUnknown);
  EXPECT_EQ(reg.ReadInteger(L"qword"), std::nullopt);
  EXPECT_EQ(reg.GetDataType(L"qword"), registry::rdUnknown);
  EXPECT_EQ(reg.ReadBinaryData(L"empty"), std::vector<std::uint8_t>{});
  EXPECT_EQ(reg.ReadString(L"big"), big);
}

TEST_F(Win32RegistryTest, OpensWithoutCreatingOnlyWhatExists) {
  EXPECT_FALSE(reg.OpenKey(kTestKey, false));
  EXPECT_FALSE(reg.KeyExists(kTestKey));
  EXPECT_FALSE(reg.LastError().empty());
  ASSERT_TRUE(reg.OpenKey(kTestKey, true));
  EXPECT_TRUE(reg.KeyExists(L"\\Software\\VordaTests"));
}

TEST_F(Win32RegistryTest, AReadOnlyOpeningRefusesWrites) {
  ASSERT_TRUE(reg.OpenKey(kTestKey, true));
  TRegistry readOnly(Win32Registry(), registry::kKeyRead);
  ASSERT_TRUE(readOnly.OpenKey(kTestKey, false));
  EXPECT_FALSE(readOnly.WriteInteger(L"a", 1));
  EXPECT_THAT(readOnly.LastError(), ::testing::StartsWith(L"Can't write value \"a\": "));
  EXPECT_GT(readOnly.LastError().size(), std::wstring(L"Can't write value \"a\": ").size());
}

TEST_F(Win32RegistryTest, DeletesAKeyWithItsSubkeys) {
  test::SetRegDword(HKEY_CURRENT_USER, std::wstring(kTestKey) + L"\\A\\B\\C", L"x", 1);
  test::SetRegDword(HKEY_CURRENT_USER, std::wstring(kTestKey) + L"\\A\\D", L"y", 1);
  test::SetRegDword(HKEY_CURRENT_USER, kTestKey, L"keep", 1);
  ASSERT_TRUE(reg.OpenKey(kTestKey, false));
  EXPECT_THAT(reg.GetKeyNames(), UnorderedElementsAre(L"A"));
  EXPECT_TRUE(reg.DeleteKey(L"A"));
  EXPECT_TRUE(reg.GetKeyNames().empty());
  EXPECT_TRUE(reg.ValueExists(L"keep"));
  EXPECT_FALSE(reg.DeleteKey(L"A"));
  EXPECT_FALSE(reg.DeleteKey(L""));
  EXPECT_EQ(Win32Registry().DeleteKeyTree(TRootKey::CurrentUser, L"\\"), ERROR_INVALID_PARAMETER);
}

TEST_F(Win32RegistryTest, ReadFloatTakesEitherSeparatorInTheUsersLocale) {
  test::SetRegString(HKEY_CURRENT_USER, kTestKey, L"point", L"2.5");
  test::SetRegString(HKEY_CURRENT_USER, kTestKey, L"comma", L"2,5");
  test::SetRegString(HKEY_CURRENT_USER, kTestKey, L"runs", L"1.234,5");
  registry::TConfig config(Win32Registry(), registry::kKeyRead);
  config.SetDecimalSeparator(LocaleDecimalSeparator());
  ASSERT_TRUE(config.OpenKey(kTestKey, false));
  EXPECT_EQ(config.ReadFloat(L"point", 0, 10, 9), 2.5);
  EXPECT_EQ(config.ReadFloat(L"comma", 0, 10, 9), 2.5);
  EXPECT_EQ(config.ReadFloat(L"runs", 0, 10000, 9), 9);
  EXPECT_EQ(config.ReadFloat(L"missing", 0, 10, 0.1), 0.1);
}

TEST(Win32Registry, NamesTheRootKeys) {
  EXPECT_EQ(RootKeyHandle(TRootKey::CurrentUser), HKEY_CURRENT_USER);
  EXPECT_EQ(RootKeyHandle(TRootKey::LocalMachine), HKEY_LOCAL_MACHINE);
  EXPECT_EQ(RootKeyHandle(TRootKey::ClassesRoot), HKEY_CLASSES_ROOT);
  EXPECT_EQ(RootKeyHandle(TRootKey::Users), HKEY_USERS);
  EXPECT_EQ(RootKeyHandle(TRootKey::CurrentConfig), HKEY_CURRENT_CONFIG);
}

TEST(Win32Registry, TellsTheSystemsReason) {
  EXPECT_FALSE(Win32Registry().ErrorText(ERROR_ACCESS_DENIED).empty());
  EXPECT_NE(Win32Registry().ErrorText(ERROR_ACCESS_DENIED).back(), L'\n');
}

}  // namespace
}  // namespace vorda::win
