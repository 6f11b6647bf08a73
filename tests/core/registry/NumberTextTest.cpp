#include "core/registry/NumberText.h"

#include <gtest/gtest.h>

#include <limits>

namespace vorda::registry {
namespace {

struct IntCase {
  const wchar_t* text;
  std::optional<std::int64_t> expected;
};

class ParseDecimalTest : public testing::TestWithParam<IntCase> {};

TEST_P(ParseDecimalTest, IsStrict) { EXPECT_EQ(ParseDecimal(GetParam().text), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseDecimalTest,
    testing::Values(IntCase{L"0", 0}, IntCase{L"42", 42}, IntCase{L"-17", -17}, IntCase{L"+8", 8},
                    IntCase{L"007", 7}, IntCase{L"9223372036854775807", std::numeric_limits<std::int64_t>::max()},
                    IntCase{L"-9223372036854775808", std::numeric_limits<std::int64_t>::min()},
                    IntCase{L"9223372036854775808", std::nullopt}, IntCase{L"", std::nullopt},
                    IntCase{L"-", std::nullopt}, IntCase{L" 5", std::nullopt}, IntCase{L"5 ", std::nullopt},
                    IntCase{L"1.0", std::nullopt}, IntCase{L"0x10", std::nullopt}, IntCase{L"abc", std::nullopt},
                    IntCase{L"\x0661", std::nullopt}));  // a non-ASCII digit

TEST(StrToInt, KeepsToThe32BitRange) {
  EXPECT_EQ(StrToInt(L"2147483647"), 2147483647);
  EXPECT_EQ(StrToInt(L"-2147483648"), std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(StrToInt(L"2147483648"), std::nullopt);
  EXPECT_EQ(StrToInt(L"-2147483649"), std::nullopt);
}

struct FloatCase {
  const wchar_t* text;
  wchar_t separator;
  std::optional<double> expected;
};

class SeparatorTolerantTest : public testing::TestWithParam<FloatCase> {};

TEST_P(SeparatorTolerantTest, ReadsAnyOneSeparator) {
  EXPECT_EQ(SeparatorTolerantToFloat(GetParam().text, GetParam().separator), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    CommaLocale, SeparatorTolerantTest,
    testing::Values(FloatCase{L"2.5", L',', 2.5}, FloatCase{L"2,5", L',', 2.5}, FloatCase{L"12", L',', 12.0},
                    FloatCase{L"1.234,5", L',', std::nullopt},  // two runs
                    FloatCase{L"1e5", L',', 1.5},               // the letter is taken as the separator
                    FloatCase{L"1::5", L',', 1.5},              // one run of several characters
                    FloatCase{L"-2.5", L',', -2.5}, FloatCase{L"+2.5", L',', 2.5},
                    FloatCase{L"-5", L',', -5.0}, FloatCase{L"7", L',', 7.0}, FloatCase{L",5", L',', 0.5},
                    FloatCase{L".5", L',', std::nullopt},  // the first character is never a separator
                    FloatCase{L"5.", L',', std::nullopt}, FloatCase{L"", L',', std::nullopt},
                    FloatCase{L"abc", L',', std::nullopt}, FloatCase{L"2.5x", L',', std::nullopt},
                    FloatCase{L" 2.5", L',', std::nullopt}, FloatCase{L"1.2.3", L',', std::nullopt}));

INSTANTIATE_TEST_SUITE_P(
    PointLocale, SeparatorTolerantTest,
    testing::Values(FloatCase{L"2.5", L'.', 2.5}, FloatCase{L"2,5", L'.', 2.5}, FloatCase{L"0.125", L'.', 0.125},
                    FloatCase{L"1,234.5", L'.', std::nullopt}));

TEST(SeparatorTolerant, HostileTextsGiveNothingOrANumber) {
  // A huge number overflows; a long run of digits with one separator is fine.
  EXPECT_EQ(SeparatorTolerantToFloat(std::wstring(100000, L'9'), L','), std::nullopt);
  EXPECT_EQ(SeparatorTolerantToFloat(L"2," + std::wstring(100000, L'0') + L"1", L','), 2.0);
  EXPECT_EQ(SeparatorTolerantToFloat(std::wstring(100000, L'x'), L','), std::nullopt);
  EXPECT_EQ(SeparatorTolerantToFloat(std::wstring(L"1\0" L"5", 3), L','), 1.5);
}

TEST(StrToFloat, KnowsOnlyTheLocaleSeparator) {
  EXPECT_EQ(StrToFloat(L"2,5", L','), 2.5);
  EXPECT_EQ(StrToFloat(L"2.5", L','), std::nullopt);
  EXPECT_EQ(StrToFloat(L"1,5e2", L','), 150.0);
  EXPECT_EQ(StrToFloat(L"1e", L','), std::nullopt);
  EXPECT_EQ(StrToFloat(L"1e999", L','), std::nullopt);
  EXPECT_EQ(StrToFloat(L"-0", L','), 0.0);
}

}  // namespace
}  // namespace vorda::registry
