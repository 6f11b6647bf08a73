#include "core/registry/Config.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>

#include "MemoryRegistry.h"

namespace vorda::registry {
namespace {

constexpr const wchar_t* kKey = L"SOFTWARE\\Marobel\\Vorda";

TRegValue Bytes(std::vector<std::uint8_t> data) { return TRegValue::Binary(std::move(data)); }

// A value stored under the name "v" before the read; none for a missing value.
class ConfigFixture {
 protected:
  TConfig& Open(std::optional<TRegValue> stored, std::uint32_t access = kKeyRead) {
    backend_.CreateKey(TRootKey::CurrentUser, kKey);
    if (stored) backend_.Put(TRootKey::CurrentUser, kKey, L"v", *stored);
    config_ = std::make_unique<TConfig>(backend_, access);
    EXPECT_TRUE(config_->OpenKey(kKey, false));
    return *config_;
  }
  TMemoryRegistry backend_;
  std::unique_ptr<TConfig> config_;
};

struct IntCase {
  const char* what;
  std::optional<TRegValue> stored;
  std::int32_t min, max, defaultValue, expected;
};

class ReadIntTest : public ConfigFixture, public testing::TestWithParam<IntCase> {};

TEST_P(ReadIntTest, GivesTheValueInRangeOrTheDefault) {
  const auto& c = GetParam();
  EXPECT_EQ(Open(c.stored).ReadInt(L"v", c.min, c.max, c.defaultValue), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadIntTest,
    testing::Values(IntCase{"missing", std::nullopt, 0, 10, 7, 7},
                    IntCase{"text 5", TRegValue::String(L"5"), 0, 10, 7, 7},
                    IntCase{"equal to max", TRegValue::Integer(10), 0, 10, 7, 10},
                    IntCase{"max + 1", TRegValue::Integer(11), 0, 10, 7, 7},
                    IntCase{"equal to min", TRegValue::Integer(2), 2, 60, 0, 2},
                    IntCase{"min - 1", TRegValue::Integer(1), 2, 60, 0, 0},
                    IntCase{"DWORD read as signed", TRegValue::Integer(0xFFFFFFFF), -5, 5, 0, -1},
                    IntCase{"4 bytes of binary", Bytes({1, 0, 0, 0}), 0, 10, 7, 7},
                    IntCase{"odd-sized binary", Bytes({1, 2, 3}), 0, 10, 7, 7},
                    IntCase{"unknown type", TRegValue{rdUnknown, {}, 0, {1, 0}}, 0, 10, 7, 7},
                    IntCase{"default outside the range", std::nullopt, 0, 10, 99, 99}));

struct BoolCase {
  const char* what;
  std::optional<TRegValue> stored;
  bool defaultValue, expected;
};

class ReadBoolTest : public ConfigFixture, public testing::TestWithParam<BoolCase> {};

TEST_P(ReadBoolTest, AcceptsOnlyDwordZeroAndOne) {
  const auto& c = GetParam();
  EXPECT_EQ(Open(c.stored).ReadBool(L"v", c.defaultValue), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Cases, ReadBoolTest,
                         testing::Values(BoolCase{"2, default false", TRegValue::Integer(2), false, false},
                                         BoolCase{"2, default true", TRegValue::Integer(2), true, true},
                                         BoolCase{"0, default true", TRegValue::Integer(0), true, false},
                                         BoolCase{"1, default false", TRegValue::Integer(1), false, true},
                                         BoolCase{"text 1", TRegValue::String(L"1"), false, false},
                                         BoolCase{"missing", std::nullopt, true, true}));

struct StrCase {
  const char* what;
  std::optional<TRegValue> stored;
  std::wstring expected;
};

class ReadStrTest : public ConfigFixture, public testing::TestWithParam<StrCase> {};

TEST_P(ReadStrTest, GivesTextValuesOnly) {
  const auto& c = GetParam();
  EXPECT_EQ(Open(c.stored).ReadStr(L"v", L"default"), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadStrTest,
    testing::Values(StrCase{"DWORD", TRegValue::Integer(5), L"default"},
                    StrCase{"empty string", TRegValue::String(L""), L""},
                    StrCase{"expandable string", TRegValue::ExpandString(L"%TEMP%"), L"%TEMP%"},
                    StrCase{"binary", Bytes({'a', 0, 'b', 0}), L"default"},
                    StrCase{"missing", std::nullopt, L"default"},
                    StrCase{"very long", TRegValue::String(std::wstring(1 << 20, L'x')), std::wstring(1 << 20, L'x')}));

struct FloatCase {
  const char* what;
  std::optional<TRegValue> stored;
  double min, max, defaultValue, expected;
};

class ReadFloatTest : public ConfigFixture, public testing::TestWithParam<FloatCase> {};

TEST_P(ReadFloatTest, ToleratesAnySeparatorInACommaLocale) {
  const auto& c = GetParam();
  TConfig& config = Open(c.stored);
  config.SetDecimalSeparator(L',');
  EXPECT_EQ(config.ReadFloat(L"v", c.min, c.max, c.defaultValue), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadFloatTest,
    testing::Values(FloatCase{"2.5", TRegValue::String(L"2.5"), 0, 100, 9, 2.5},
                    FloatCase{"2,5", TRegValue::String(L"2,5"), 0, 100, 9, 2.5},
                    FloatCase{"12", TRegValue::String(L"12"), 0, 100, 9, 12},
                    FloatCase{"1.234,5: two runs", TRegValue::String(L"1.234,5"), 0, 10000, 9, 9},
                    FloatCase{"1e5: the letter is the separator", TRegValue::String(L"1e5"), 0, 1e9, 9, 1.5},
                    FloatCase{"above max", TRegValue::String(L"100,5"), 0, 100, 9, 9},
                    FloatCase{"equal to min", TRegValue::String(L"-1.5"), -1.5, 0, 9, -1.5},
                    FloatCase{"not a number", TRegValue::String(L"abc"), 0, 100, 9, 9},
                    FloatCase{"empty text", TRegValue::String(L""), 0, 100, 9, 9},
                    FloatCase{"missing, fraction default", std::nullopt, 0, 1, 1.0 / 3, 1.0 / 3},
                    FloatCase{"missing, whole default", std::nullopt, 0, 100, 12, 12},
                    FloatCase{"missing, tiny default", std::nullopt, 0, 1, 1e-7, 1e-7},
                    FloatCase{"missing, default outside the range", std::nullopt, 0, 1, 5, 5},
                    FloatCase{"DWORD", TRegValue::Integer(3), 0, 100, 9, 9},
                    FloatCase{"odd-sized binary", Bytes({1, 2, 3, 4, 5, 6, 7}), 0, 100, 9, 9},
                    FloatCase{"huge text", TRegValue::String(std::wstring(1 << 16, L'9')), 0, 1e308, 9, 9},
                    FloatCase{"long text with a comma",
                              TRegValue::String(L"2," + std::wstring(1 << 16, L'0')), 0, 100, 9, 2}));

struct ShortCutCase {
  const char* what;
  std::optional<TRegValue> stored;
  TShortCut expected;
};

class ReadShortCutTest : public ConfigFixture, public testing::TestWithParam<ShortCutCase> {};

TEST_P(ReadShortCutTest, ReadsTextOrNumber) {
  const auto& c = GetParam();
  EXPECT_EQ(Open(c.stored).ReadShortCut(L"v", 0x1234), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadShortCutTest,
    testing::Values(ShortCutCase{"Ctrl+A", TRegValue::String(L"Ctrl+A"), 0x4041},
                    ShortCutCase{"shift+ctrl+f5", TRegValue::String(L"shift+ctrl+f5"), 0x6074},
                    ShortCutCase{"Alt+Del", TRegValue::String(L"Alt+Del"), 0x802E},
                    ShortCutCase{"empty text: no shortcut", TRegValue::String(L""), 0},
                    ShortCutCase{"unknown key", TRegValue::String(L"Ctrl+Nonsense"), 0x1234},
                    ShortCutCase{"unknown modifier", TRegValue::String(L"Hyper+A"), 0x1234},
                    ShortCutCase{"DWORD", TRegValue::Integer(0x4042), 0x4042},
                    ShortCutCase{"DWORD 0xFFFF", TRegValue::Integer(0xFFFF), 0xFFFF},
                    ShortCutCase{"DWORD above 0xFFFF", TRegValue::Integer(0x10000), 0x1234},
                    ShortCutCase{"binary", Bytes({0x41, 0x40}), 0x1234},
                    ShortCutCase{"missing", std::nullopt, 0x1234}));

class ConfigTest : public ConfigFixture, public testing::Test {};

TEST_F(ConfigTest, ReadColorAcceptsEveryDword) {
  EXPECT_EQ(Open(TRegValue::Integer(0xFF000005)).ReadColor(L"v", 7), static_cast<TColor>(0xFF000005));
  EXPECT_EQ(config_->ReadColor(L"missing", 7), 7);
}

TEST_F(ConfigTest, ReadColorRefusesText) { EXPECT_EQ(Open(TRegValue::String(L"clRed")).ReadColor(L"v", 7), 7); }

TEST_F(ConfigTest, ReadsGiveTheDefaultWithoutAnOpenKey) {
  TConfig config(backend_);
  EXPECT_EQ(config.ReadInt(L"v", 0, 10, 3), 3);
  EXPECT_EQ(config.ReadStr(L"v", L"d"), L"d");
  EXPECT_EQ(config.ReadFloat(L"v", 0, 10, 2.5), 2.5);
}

TEST_F(ConfigTest, DeleteKeyAndKeyExistsAnswerFalseOnFailure) {
  backend_.CreateKey(TRootKey::CurrentUser, L"A\\B");
  backend_.DenyAccess(TRootKey::CurrentUser, L"A\\Denied");
  TConfig config(backend_);
  EXPECT_TRUE(config.KeyExists(L"A\\B"));
  EXPECT_FALSE(config.KeyExists(L"A\\C"));
  EXPECT_TRUE(config.DeleteKey(L"A\\B"));
  EXPECT_FALSE(config.KeyExists(L"A\\B"));
  EXPECT_FALSE(config.DeleteKey(L"A\\B"));
  EXPECT_FALSE(config.DeleteKey(L"A\\Denied"));
  EXPECT_FALSE(config.DeleteKey(L""));
}

struct KeyCase {
  const wchar_t* name;
  std::uint32_t expected;
};

class StrToKeyTest : public testing::TestWithParam<KeyCase> {};

TEST_P(StrToKeyTest, MatchesWholeNamesInAnyCase) { EXPECT_EQ(TConfig::StrToKey(GetParam().name), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(Cases, StrToKeyTest,
                         testing::Values(KeyCase{L"HKEY_CLASSES_ROOT", 0x80000000},
                                         KeyCase{L"HKEY_CURRENT_USER", 0x80000001},
                                         KeyCase{L"hkey_local_machine", 0x80000002},
                                         KeyCase{L"HKEY_USERS", 0x80000003},
                                         KeyCase{L"HKEY_PERFORMANCE_DATA", 0x80000004},
                                         KeyCase{L"Hkey_Current_Config", 0x80000005},
                                         KeyCase{L"HKEY_DYN_DATA", 0x80000006}, KeyCase{L"HKLM", 0},
                                         KeyCase{L" HKEY_USERS", 0}, KeyCase{L"HKEY_USERS ", 0},
                                         KeyCase{L"HKEY_USERS\\x", 0}, KeyCase{L"", 0}));

}  // namespace
}  // namespace vorda::registry
