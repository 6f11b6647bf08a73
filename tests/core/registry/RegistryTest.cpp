#include "core/registry/Registry.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "MemoryRegistry.h"

namespace vorda::registry {
namespace {

using testing::ElementsAre;
using testing::UnorderedElementsAre;

class RegistryTest : public testing::Test {
 protected:
  TMemoryRegistry backend;
  TRegistry reg{backend};
};

TEST_F(RegistryTest, OpensWithoutCreatingOnlyWhatExists) {
  EXPECT_FALSE(reg.OpenKey(L"SOFTWARE\\Marobel\\Vorda", false));
  EXPECT_FALSE(reg.HasCurrentKey());
  EXPECT_THAT(reg.LastError(), testing::HasSubstr(L"SOFTWARE\\Marobel\\Vorda"));
  ASSERT_TRUE(reg.OpenKey(L"\\SOFTWARE\\Marobel\\\\Vorda\\", true));
  EXPECT_EQ(reg.CurrentPath(), L"SOFTWARE\\Marobel\\Vorda");
  EXPECT_TRUE(backend.HasKey(TRootKey::CurrentUser, L"software\\marobel\\vorda"));
  EXPECT_FALSE(backend.HasKey(TRootKey::LocalMachine, L"SOFTWARE\\Marobel\\Vorda"));
}

TEST_F(RegistryTest, RelativePathsStartAtTheOpenKey) {
  ASSERT_TRUE(reg.OpenKey(L"SOFTWARE\\Marobel", true));
  ASSERT_TRUE(reg.OpenKey(L"Vorda", true));
  EXPECT_EQ(reg.CurrentPath(), L"SOFTWARE\\Marobel\\Vorda");
  EXPECT_TRUE(reg.KeyExists(L"\\SOFTWARE\\Marobel"));
  EXPECT_FALSE(reg.KeyExists(L"SOFTWARE"));  // SOFTWARE\Marobel\Vorda\SOFTWARE
  ASSERT_TRUE(reg.OpenKey(L"\\SOFTWARE", false));
  EXPECT_EQ(reg.CurrentPath(), L"SOFTWARE");
}

TEST_F(RegistryTest, WritesAndReadsEachType) {
  ASSERT_TRUE(reg.OpenKey(L"K", true));
  ASSERT_TRUE(reg.WriteString(L"s", L"tekst zażółć"));
  ASSERT_TRUE(reg.WriteExpandString(L"e", L"%TEMP%\\x"));
  ASSERT_TRUE(reg.WriteInteger(L"i", -5));
  ASSERT_TRUE(reg.WriteBool(L"b", true));
  ASSERT_TRUE(reg.WriteBinaryData(L"d", {1, 2, 3}));

  EXPECT_EQ(reg.ReadString(L"s"), L"tekst zażółć");
  EXPECT_EQ(reg.ReadString(L"e"), L"%TEMP%\\x");
  EXPECT_EQ(reg.ReadInteger(L"i"), -5);
  EXPECT_EQ(reg.ReadBool(L"b"), true);
  EXPECT_EQ(reg.ReadBinaryData(L"d"), (std::vector<std::uint8_t>{1, 2, 3}));
  EXPECT_EQ(reg.GetDataType(L"s"), rdString);
  EXPECT_EQ(reg.GetDataType(L"e"), rdExpandString);
  EXPECT_EQ(reg.GetDataType(L"i"), rdInteger);
  EXPECT_EQ(reg.GetDataType(L"d"), rdBinary);
  EXPECT_EQ(reg.GetDataType(L"missing"), std::nullopt);
  EXPECT_EQ(backend.Get(L"K", L"b")->number, 1u);
}

TEST_F(RegistryTest, ReadsOfAnotherTypeGiveNothing) {
  backend.PutString(L"K", L"s", L"5");
  backend.PutInteger(L"K", L"i", 5);
  backend.Put(TRootKey::CurrentUser, L"K", L"u", TRegValue{rdUnknown, {}, 0, {1, 2}});
  ASSERT_TRUE(reg.OpenKey(L"K", false));
  EXPECT_EQ(reg.ReadInteger(L"s"), std::nullopt);
  EXPECT_EQ(reg.ReadBool(L"s"), std::nullopt);
  EXPECT_EQ(reg.ReadString(L"i"), std::nullopt);
  EXPECT_EQ(reg.ReadBinaryData(L"i"), std::nullopt);
  EXPECT_EQ(reg.ReadBinaryData(L"s"), std::nullopt);
  EXPECT_EQ(reg.ReadBinaryData(L"u"), (std::vector<std::uint8_t>{1, 2}));
  EXPECT_EQ(reg.GetDataType(L"u"), rdUnknown);
}

TEST_F(RegistryTest, NamesIgnoreCase) {
  backend.PutInteger(L"K", L"Alarm", 5);
  ASSERT_TRUE(reg.OpenKey(L"k", false));
  EXPECT_TRUE(reg.ValueExists(L"ALARM"));
  EXPECT_EQ(reg.ReadInteger(L"alarm"), 5);
}

TEST_F(RegistryTest, DeletesValuesAMissingOneIncluded) {
  backend.PutInteger(L"K", L"a", 1);
  ASSERT_TRUE(reg.OpenKey(L"K", false));
  EXPECT_TRUE(reg.DeleteValue(L"a"));
  EXPECT_TRUE(reg.DeleteValue(L"a"));
  EXPECT_FALSE(reg.ValueExists(L"a"));
}

TEST_F(RegistryTest, DeletesAKeyWithItsSubkeysButNeverTheRoot) {
  backend.PutInteger(L"A\\B\\C", L"x", 1);
  backend.PutInteger(L"A\\D", L"y", 1);
  EXPECT_FALSE(reg.DeleteKey(L""));
  EXPECT_FALSE(reg.DeleteKey(L"\\"));
  EXPECT_TRUE(reg.DeleteKey(L"A\\B"));
  EXPECT_FALSE(backend.HasKey(TRootKey::CurrentUser, L"A\\B"));
  EXPECT_TRUE(backend.HasKey(TRootKey::CurrentUser, L"A\\D"));
  EXPECT_FALSE(reg.DeleteKey(L"A\\B"));
  // Relative to the open key; the open key itself cannot be named by "".
  ASSERT_TRUE(reg.OpenKey(L"A", false));
  EXPECT_FALSE(reg.DeleteKey(L""));
  EXPECT_TRUE(reg.DeleteKey(L"D"));
  EXPECT_TRUE(backend.HasKey(TRootKey::CurrentUser, L"A"));
}

TEST_F(RegistryTest, EnumeratesValuesAndSubkeys) {
  backend.PutInteger(L"K", L"one", 1);
  backend.PutString(L"K", L"two", L"2");
  backend.CreateKey(TRootKey::CurrentUser, L"K\\Sub");
  EXPECT_TRUE(reg.GetValueNames().empty());
  ASSERT_TRUE(reg.OpenKey(L"K", false));
  EXPECT_THAT(reg.GetValueNames(), UnorderedElementsAre(L"one", L"two"));
  EXPECT_THAT(reg.GetKeyNames(), ElementsAre(L"Sub"));
}

TEST_F(RegistryTest, RefusedWritesTellWhy) {
  backend.SetReadOnly(TRootKey::CurrentUser, L"K");
  ASSERT_TRUE(reg.OpenKey(L"K", false));
  EXPECT_FALSE(reg.WriteInteger(L"Alarm", 1));
  EXPECT_EQ(reg.LastError(), L"Can't write value \"Alarm\": Access is denied.");
  EXPECT_FALSE(reg.DeleteValue(L"x"));
  reg.CloseKey();
  EXPECT_FALSE(reg.WriteString(L"a", L"b"));
}

TEST_F(RegistryTest, AReadOnlyOpeningRefusesWrites) {
  backend.CreateKey(TRootKey::CurrentUser, L"K");
  TRegistry readOnly(backend, kKeyRead);
  ASSERT_TRUE(readOnly.OpenKey(L"K", false));
  EXPECT_FALSE(readOnly.WriteInteger(L"a", 1));
  EXPECT_FALSE(backend.Get(L"K", L"a"));
}

TEST_F(RegistryTest, ADeniedKeyExistsButDoesNotOpen) {
  backend.DenyAccess(TRootKey::CurrentUser, L"K");
  EXPECT_FALSE(reg.OpenKey(L"K", true));
  EXPECT_FALSE(reg.OpenKey(L"K\\Below", true));
  EXPECT_TRUE(reg.KeyExists(L"K"));
  EXPECT_EQ(reg.LastError(), L"Can't open key \"K\\Below\": Access is denied.");
}

TEST_F(RegistryTest, ChangingTheRootClosesTheKey) {
  ASSERT_TRUE(reg.OpenKey(L"K", true));
  reg.SetRootKey(TRootKey::LocalMachine);
  EXPECT_FALSE(reg.HasCurrentKey());
  ASSERT_TRUE(reg.OpenKey(L"K", true));
  EXPECT_TRUE(backend.HasKey(TRootKey::LocalMachine, L"K"));
}

}  // namespace
}  // namespace vorda::registry
