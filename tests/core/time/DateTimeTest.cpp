#include "core/time/DateTime.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace vorda::time {
namespace {

struct DateCase {
  TDate date;
  double expected;
};

class EncodeDateTest : public testing::TestWithParam<DateCase> {};

TEST_P(EncodeDateTest, CountsDaysFromTheEpoch) {
  const auto& c = GetParam();
  EXPECT_EQ(EncodeDate(c.date.year, c.date.month, c.date.day), c.expected);
  const auto parts = DecodeDateTime(c.expected);
  ASSERT_TRUE(parts);
  EXPECT_EQ(parts->date, c.date);
  EXPECT_EQ(parts->time, TTime{});
}

INSTANTIATE_TEST_SUITE_P(Cases, EncodeDateTest,
                         testing::Values(DateCase{{1899, 12, 30}, 0}, DateCase{{1899, 12, 31}, 1},
                                         DateCase{{1899, 12, 29}, -1}, DateCase{{1900, 3, 1}, 61},
                                         DateCase{{2008, 1, 1}, 39448}, DateCase{{2008, 2, 29}, 39507},
                                         DateCase{{2008, 12, 31}, 39813}, DateCase{{1, 1, 1}, -693593},
                                         DateCase{{9999, 12, 31}, 2958465}));

TEST(EncodeDate, RefusesDaysThatDoNotExist) {
  EXPECT_FALSE(EncodeDate(2007, 2, 29));
  EXPECT_FALSE(EncodeDate(2008, 13, 1));
  EXPECT_FALSE(EncodeDate(2008, 0, 1));
  EXPECT_FALSE(EncodeDate(2008, 4, 31));
  EXPECT_FALSE(EncodeDate(2008, 1, 0));
  EXPECT_FALSE(EncodeDate(0, 1, 1));
  EXPECT_FALSE(EncodeDate(10000, 1, 1));
  EXPECT_TRUE(EncodeDate(2000, 2, 29));
  EXPECT_FALSE(EncodeDate(1900, 2, 29));
}

TEST(EncodeTime, RefusesFieldsOutOfRange) {
  EXPECT_EQ(EncodeTime(12, 0, 0, 0), 0.5);
  EXPECT_EQ(EncodeTime(6, 0, 0, 0), 0.25);
  EXPECT_FALSE(EncodeTime(24, 0, 0, 0));
  EXPECT_FALSE(EncodeTime(0, 60, 0, 0));
  EXPECT_FALSE(EncodeTime(0, 0, 60, 0));
  EXPECT_FALSE(EncodeTime(0, 0, 0, 1000));
  EXPECT_FALSE(EncodeTime(-1, 0, 0, 0));
}

TEST(DecodeDateTime, BeforeTheEpochTheFractionCountsForward) {
  const auto parts = DecodeDateTime(-1.25);
  ASSERT_TRUE(parts);
  EXPECT_EQ(parts->date, (TDate{1899, 12, 29}));
  EXPECT_EQ(parts->time, (TTime{6, 0, 0, 0}));
  EXPECT_EQ(EncodeDateTime({1899, 12, 29}, {6, 0, 0, 0}), -1.25);
}

TEST(DecodeDateTime, RoundTripsEveryMillisecondExactly) {
  // Across a whole day on the dates the program uses, every millisecond comes
  // back as written (sampled with a step prime to the day's length).
  for (const TDate date : {TDate{1899, 12, 30}, TDate{2008, 1, 1}, TDate{2008, 12, 31}, TDate{1800, 6, 1}}) {
    for (std::int64_t ms = 0; ms < kMSecsPerDay; ms += 997) {
      const TTime t{static_cast<int>(ms / 3600000), static_cast<int>(ms / 60000 % 60),
                    static_cast<int>(ms / 1000 % 60), static_cast<int>(ms % 1000)};
      const auto value = EncodeDateTime(date, t);
      ASSERT_TRUE(value);
      const auto parts = DecodeDateTime(*value);
      ASSERT_TRUE(parts);
      ASSERT_EQ(parts->date, date) << ms;
      ASSERT_EQ(parts->time, t) << ms;
    }
    const TTime last{23, 59, 59, 999};
    EXPECT_EQ(DecodeDateTime(*EncodeDateTime(date, last))->time, last);
  }
}

TEST(DecodeDateTime, RefusesNumbersThatAreNoDate) {
  EXPECT_FALSE(DecodeDateTime(std::numeric_limits<double>::quiet_NaN()));
  EXPECT_FALSE(DecodeDateTime(std::numeric_limits<double>::infinity()));
  EXPECT_FALSE(DecodeDateTime(-std::numeric_limits<double>::infinity()));
  EXPECT_FALSE(DecodeDateTime(1e300));
  EXPECT_FALSE(DecodeDateTime(-693594));
  EXPECT_FALSE(DecodeDateTime(2958466));
  EXPECT_TRUE(DecodeDateTime(2958465.5));
  EXPECT_TRUE(DecodeDateTime(-693593));
}

}  // namespace
}  // namespace vorda::time
