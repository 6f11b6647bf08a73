#pragma once

#include <cstdint>
#include <optional>

namespace vorda::time {

// The platform's date-time number: whole days since 30 December 1899 as a
// double, the time of day as its fraction. Before that day the whole part is
// negative and the fraction still counts forward from midnight (-1.25 is
// 29 December 1899, 06:00).
using TDateTime = double;

constexpr std::int64_t kMSecsPerDay = 86'400'000;

struct TDate {
  int year = 0, month = 0, day = 0;
  bool operator==(const TDate&) const = default;
};

struct TTime {
  int hour = 0, minute = 0, second = 0, millisecond = 0;
  bool operator==(const TTime&) const = default;
};

struct TDateTimeParts {
  TDate date;
  TTime time;
  bool operator==(const TDateTimeParts&) const = default;
};

bool IsLeapYear(int year) noexcept;
// 0 for a month outside 1..12.
int DaysInMonth(int year, int month) noexcept;

// Years 1 to 9999; nothing for a day that does not exist.
std::optional<TDateTime> EncodeDate(int year, int month, int day) noexcept;
// Hours 0..23, minutes and seconds 0..59, milliseconds 0..999.
std::optional<TDateTime> EncodeTime(int hour, int minute, int second, int millisecond) noexcept;
std::optional<TDateTime> EncodeDateTime(const TDate& date, const TTime& time) noexcept;

// A finite number between 1 January of year 1 and the end of year 9999: the
// only numbers that decode.
bool IsValidDateTime(TDateTime value) noexcept;

// Exact to the millisecond (the nearest one); nothing for an invalid number.
std::optional<TDateTimeParts> DecodeDateTime(TDateTime value) noexcept;

}  // namespace vorda::time
