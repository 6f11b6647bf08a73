#include "core/time/DateTime.h"

#include <cmath>

namespace vorda::time {
namespace {

// Days from 1 January 1970 of a civil date (proleptic Gregorian calendar).
constexpr std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) noexcept {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const auto yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

constexpr TDate CivilFromDays(std::int64_t z) noexcept {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const auto doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const std::int64_t y = static_cast<std::int64_t>(yoe) + era * 400;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  const unsigned d = doy - (153 * mp + 2) / 5 + 1;
  const unsigned m = mp < 10 ? mp + 3 : mp - 9;
  return TDate{static_cast<int>(y + (m <= 2)), static_cast<int>(m), static_cast<int>(d)};
}

constexpr std::int64_t kEpoch = DaysFromCivil(1899, 12, 30);
// 1 January of year 1 and the day after 31 December 9999, as date-time numbers.
constexpr double kMinDateTime = static_cast<double>(DaysFromCivil(1, 1, 1) - kEpoch);
constexpr double kMaxDateTime = static_cast<double>(DaysFromCivil(10000, 1, 1) - kEpoch);

}  // namespace

bool IsLeapYear(int year) noexcept { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) noexcept {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

std::optional<TDateTime> EncodeDate(int year, int month, int day) noexcept {
  if (year < 1 || year > 9999 || day < 1 || day > DaysInMonth(year, month)) return std::nullopt;
  return static_cast<double>(DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) - kEpoch);
}

std::optional<TDateTime> EncodeTime(int hour, int minute, int second, int millisecond) noexcept {
  if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 || millisecond < 0 ||
      millisecond > 999)
    return std::nullopt;
  const std::int64_t ms = ((hour * 60LL + minute) * 60 + second) * 1000 + millisecond;
  return static_cast<double>(ms) / static_cast<double>(kMSecsPerDay);
}

std::optional<TDateTime> EncodeDateTime(const TDate& date, const TTime& time) noexcept {
  const auto d = EncodeDate(date.year, date.month, date.day);
  const auto t = EncodeTime(time.hour, time.minute, time.second, time.millisecond);
  if (!d || !t) return std::nullopt;
  // Before the epoch the time of day still counts forward from the day's midnight.
  return *d >= 0 ? *d + *t : *d - *t;
}

bool IsValidDateTime(TDateTime value) noexcept {
  return std::isfinite(value) && value >= kMinDateTime && value < kMaxDateTime;
}

std::optional<TDateTimeParts> DecodeDateTime(TDateTime value) noexcept {
  if (!IsValidDateTime(value)) return std::nullopt;
  std::int64_t days = 0;
  std::int64_t msOfDay = 0;
  if (value >= 0) {
    const auto total = std::llround(value * static_cast<double>(kMSecsPerDay));
    days = total / kMSecsPerDay;
    msOfDay = total % kMSecsPerDay;
  } else {
    days = static_cast<std::int64_t>(std::trunc(value));
    msOfDay = std::llround((static_cast<double>(days) - value) * static_cast<double>(kMSecsPerDay));
    if (msOfDay >= kMSecsPerDay) {  // rounded up to the next midnight
      days -= 1;
      msOfDay = 0;
    }
  }
  TDateTimeParts parts;
  parts.date = CivilFromDays(days + kEpoch);
  if (parts.date.year > 9999) return std::nullopt;  // the last millisecond rounded up
  parts.time.millisecond = static_cast<int>(msOfDay % 1000);
  parts.time.second = static_cast<int>(msOfDay / 1000 % 60);
  parts.time.minute = static_cast<int>(msOfDay / 60000 % 60);
  parts.time.hour = static_cast<int>(msOfDay / 3600000);
  return parts;
}

}  // namespace vorda::time
