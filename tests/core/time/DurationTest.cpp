#include "core/time/Duration.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <limits>

namespace vorda::time {
namespace {

TDateTime At(TDate date, TTime time) { return *EncodeDateTime(date, time); }

struct ParseCase {
  const wchar_t* text;
  TDate date;
  TTime time;
};

class TextToDurationTest : public testing::TestWithParam<ParseCase> {};

TEST_P(TextToDurationTest, RollsHoursIntoTheDaysOf2008) {
  const auto& c = GetParam();
  const auto value = TextToDuration(c.text);
  ASSERT_TRUE(value) << static_cast<int>(value.error);
  EXPECT_EQ(*value, At(c.date, c.time));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TextToDurationTest,
    testing::Values(ParseCase{L"0:00:00", {2008, 1, 1}, {0, 0, 0, 0}},
                    ParseCase{L"25:00:00", {2008, 1, 2}, {1, 0, 0, 0}},
                    ParseCase{L"744:00:00", {2008, 2, 1}, {0, 0, 0, 0}},
                    ParseCase{L"1416:00:00", {2008, 2, 29}, {0, 0, 0, 0}},
                    ParseCase{L"1440:00:00", {2008, 3, 1}, {0, 0, 0, 0}},
                    ParseCase{L"01:00:00.000", {2008, 1, 1}, {1, 0, 0, 0}},
                    ParseCase{L"12:34:56.789", {2008, 1, 1}, {12, 34, 56, 0}},
                    ParseCase{L"1:05x09", {2008, 1, 1}, {1, 5, 9, 0}},  // the middle character is not read
                    ParseCase{L"8783:59:59", {2008, 12, 31}, {23, 59, 59, 0}},
                    ParseCase{L"007:05:09", {2008, 1, 1}, {7, 5, 9, 0}}));

struct BadCase {
  const wchar_t* text;
  TTimeError error;
  const wchar_t* subject;
};

class TextToDurationErrorTest : public testing::TestWithParam<BadCase> {};

TEST_P(TextToDurationErrorTest, RefusesMalformedText) {
  const auto& c = GetParam();
  const auto value = TextToDuration(c.text);
  EXPECT_FALSE(value);
  EXPECT_EQ(value.error, c.error);
  EXPECT_EQ(value.subject, c.subject);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TextToDurationErrorTest,
    testing::Values(BadCase{L"5", TTimeError::teNotValidTime, L"5"},
                    BadCase{L"", TTimeError::teNotValidTime, L""},
                    BadCase{L"a:00:00", TTimeError::teNotValidInteger, L"a"},
                    BadCase{L":00:00", TTimeError::teNotValidInteger, L""},
                    BadCase{L"1:0", TTimeError::teNotValidInteger, L""},  // the seconds are missing
                    BadCase{L"1:00", TTimeError::teNotValidInteger, L""},
                    BadCase{L"1:5:09", TTimeError::teNotValidInteger, L"5:"},
                    BadCase{L"1:60:00", TTimeError::teInvalidDateTime, L"1:60:00"},
                    BadCase{L"1:00:60", TTimeError::teInvalidDateTime, L"1:00:60"},
                    BadCase{L"8784:00:00", TTimeError::teInvalidDateTime, L"8784:00:00"},
                    BadCase{L"65560:00:00", TTimeError::teInvalidDateTime, L"65560:00:00"},
                    BadCase{L"-1:00:00", TTimeError::teInvalidDateTime, L"-1:00:00"},
                    BadCase{L"99999999999999999999:00:00", TTimeError::teNotValidInteger,
                            L"99999999999999999999"}));

TEST(TextToDuration, FromTextNoLongerThanItsFieldsNeeds) {
  // Bytes after the seconds are ignored however many there are.
  const auto value = TextToDuration(L"2:03:04" + std::wstring(100000, L'z'));
  ASSERT_TRUE(value);
  EXPECT_EQ(*value, At({2008, 1, 1}, {2, 3, 4, 0}));
}

TEST(DurationZero, IsTheFirstSecondOf2008) {
  EXPECT_EQ(DurationZero(), *TextToDuration(L"0:00:00"));
  EXPECT_EQ(DurationZero(), 39448.0);
}

struct TextCase {
  TDateTime value;
  const wchar_t* expected;
};

class DurationToTextTest : public testing::TestWithParam<TextCase> {};

TEST_P(DurationToTextTest, WritesUnpaddedHours) {
  const auto text = DurationToText(GetParam().value);
  ASSERT_TRUE(text);
  EXPECT_EQ(*text, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DurationToTextTest,
    testing::Values(TextCase{At({2008, 1, 1}, {0, 0, 0, 0}), L"0:00:00"},
                    TextCase{At({2008, 1, 2}, {1, 0, 0, 0}), L"25:00:00"},
                    TextCase{At({2008, 2, 1}, {0, 0, 0, 0}), L"744:00:00"},
                    TextCase{At({2008, 12, 31}, {23, 59, 59, 999}), L"8783:59:59"},
                    // Times of day: the date part is not looked at.
                    TextCase{*EncodeTime(13, 45, 30, 250), L"13:45:30"},
                    TextCase{At({2007, 6, 1}, {5, 6, 7, 0}), L"5:06:07"},
                    TextCase{At({1899, 12, 29}, {6, 0, 1, 0}), L"6:00:01"},
                    // The difference of two durations is a time of day.
                    TextCase{At({2008, 1, 1}, {2, 0, 0, 0}) - At({2008, 1, 1}, {0, 30, 0, 0}), L"1:30:00"}));

TEST(DurationToText, RefusesValuesAfter2008) {
  for (const TDateTime value : {At({2009, 1, 1}, {0, 0, 0, 0}), At({2025, 5, 17}, {12, 0, 0, 0}),
                                std::numeric_limits<double>::quiet_NaN(), 1e300}) {
    const auto text = DurationToText(value);
    EXPECT_FALSE(text) << value;
    EXPECT_EQ(text.error, TTimeError::teOutside2008);
  }
}

TEST(Durations, RoundTripEverySpanOf2008) {
  // Spans of up to 366 days, sampled with a step prime to the minute and the
  // hour, plus the last second of the year.
  constexpr int kLast = 366 * 86400 - 1;
  for (int s = 0;; s += s < 7200 ? 1 : 3607) {
    if (s > kLast) s = kLast;
    wchar_t text[32];
    std::swprintf(text, 32, L"%d:%.2d:%.2d", s / 3600, s / 60 % 60, s % 60);
    const auto value = TextToDuration(text);
    ASSERT_TRUE(value) << text;
    const auto back = DurationToText(*value);
    ASSERT_TRUE(back) << text;
    ASSERT_EQ(*back, text);
    // Counting down one second gives the previous span.
    if (s > 0) {
      const auto earlier = DurationToText(*value - 1.0 / 86400);
      ASSERT_TRUE(earlier);
      std::swprintf(text, 32, L"%d:%.2d:%.2d", (s - 1) / 3600, (s - 1) / 60 % 60, (s - 1) % 60);
      ASSERT_EQ(*earlier, text);
    }
    if (s == kLast) break;
  }
}

TEST(TimeToString, TakesTheHoursGiven) {
  EXPECT_EQ(TimeToString(*EncodeTime(7, 5, 3, 4), 7), L"07:05:03.004");
  EXPECT_EQ(TimeToString(*EncodeTime(13, 0, 0, 0), 5), L"05:00:00.000");
  EXPECT_EQ(TimeToString(At({2008, 1, 2}, {1, 2, 3, 999}), 1), L"01:02:03.999");
  EXPECT_EQ(TimeToString(std::numeric_limits<double>::quiet_NaN(), 0), L"00:00:00.000");
}

TEST(HourOf, IsTheHourOfDay) {
  EXPECT_EQ(HourOf(*EncodeTime(23, 59, 59, 999)), 23);
  EXPECT_EQ(HourOf(At({2008, 1, 2}, {1, 0, 0, 0})), 1);
  EXPECT_EQ(HourOf(std::numeric_limits<double>::infinity()), 0);
}

struct StoredCase {
  const wchar_t* text;
  TTimeError error;  // teNone: accepted
  TTime time;
};

class StringToTimeTest : public testing::TestWithParam<StoredCase> {};

TEST_P(StringToTimeTest, ReadsOnlyTheStoredShape) {
  const auto& c = GetParam();
  const auto value = StringToTime(c.text);
  EXPECT_EQ(value.error, c.error);
  if (c.error == TTimeError::teNone) {
    ASSERT_TRUE(value);
    EXPECT_EQ(*value, *EncodeTime(c.time.hour, c.time.minute, c.time.second, c.time.millisecond));
  } else {
    EXPECT_FALSE(value);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StringToTimeTest,
    testing::Values(StoredCase{L"23:59:59.999", TTimeError::teNone, {23, 59, 59, 999}},
                    StoredCase{L"00:00:00.000", TTimeError::teNone, {0, 0, 0, 0}},
                    StoredCase{L"01:00:00.000", TTimeError::teNone, {1, 0, 0, 0}},
                    StoredCase{L"24:00:00.000", TTimeError::teHourTooLarge, {}},
                    StoredCase{L"25:00:00.000", TTimeError::teHourTooLarge, {}},
                    StoredCase{L"99:99:99.999", TTimeError::teHourTooLarge, {}},
                    StoredCase{L"1:00:00.000", TTimeError::teNotValidStoredTime, {}},
                    StoredCase{L"01:00:00.0000", TTimeError::teNotValidStoredTime, {}},
                    StoredCase{L"01-00:00.000", TTimeError::teNotValidStoredTime, {}},
                    StoredCase{L"01:00:00,000", TTimeError::teNotValidStoredTime, {}},
                    StoredCase{L"", TTimeError::teNotValidStoredTime, {}},
                    StoredCase{L"ab:00:00.000", TTimeError::teNotValidInteger, {}},
                    StoredCase{L"01:0x:00.000", TTimeError::teNotValidInteger, {}},
                    StoredCase{L"12:60:00.000", TTimeError::teInvalidDateTime, {}},
                    StoredCase{L"12:00:60.000", TTimeError::teInvalidDateTime, {}},
                    StoredCase{L"-1:00:00.000", TTimeError::teInvalidDateTime, {}}));

TEST(StringToTime, NamesTheRefusedText) {
  EXPECT_EQ(StringToTime(L"1:00:00.000").subject, L"1:00:00.000");
}

TEST(StoredTime, TimeToStringAndStringToTimeAgree) {
  for (std::int64_t ms = 0; ms < kMSecsPerDay; ms += 7919) {
    const TDateTime t = static_cast<double>(ms) / static_cast<double>(kMSecsPerDay);
    const auto text = TimeToString(t, HourOf(t));
    const auto back = StringToTime(text);
    ASSERT_TRUE(back) << text;
    ASSERT_EQ(*back, t) << text;
  }
}

}  // namespace
}  // namespace vorda::time
