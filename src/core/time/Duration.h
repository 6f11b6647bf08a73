#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/time/DateTime.h"

namespace vorda::time {

// Why a time text or value was refused. The Windows layer turns each into a
// message of the string table; the subject is the text that message names.
enum class TTimeError : std::uint8_t {
  teNone,
  teNotValidTime,        // "'%s' is not a valid time": a duration text without a colon
  teNotValidStoredTime,  // "''%s'' is not a valid time": not the 12-character stored-time shape
  teHourTooLarge,        // "Function not implemented.": stored-time hours above 23
  teNotValidInteger,     // a field that is not a decimal number
  teInvalidDateTime,     // a field out of range, or a duration of 366 days or more
  teOutside2008,         // a duration value after 2008: an internal error
};

template <typename T>
struct TConverted {
  std::optional<T> value;
  TTimeError error = TTimeError::teNone;
  std::wstring subject;

  explicit operator bool() const noexcept { return value.has_value(); }
  const T& operator*() const { return *value; }

  static TConverted Ok(T v) { return TConverted{std::move(v), TTimeError::teNone, {}}; }
  static TConverted Fail(TTimeError e, std::wstring_view s = {}) {
    return TConverted{std::nullopt, e, std::wstring(s)};
  }
};

// The zero duration: 1 January 2008, 00:00:00.
TDateTime DurationZero() noexcept;

// Duration text ("%d:%.2d:%.2d", hours unpadded) to the duration value: that
// span after 1 January 2008, hours from 24 up rolling into later days of 2008.
// A stored-time text parses too (its milliseconds are dropped).
TConverted<TDateTime> TextToDuration(std::wstring_view text);

// The duration text of a duration value. A value before 2008 is read as a
// plain time of day; a value after 2008 is refused with teOutside2008.
TConverted<std::wstring> DurationToText(TDateTime value);

// Stored-time text "%.2d:%.2d:%.2d.%.3d": the hours given, the minutes,
// seconds and milliseconds of the value (an invalid value reads as midnight).
std::wstring TimeToString(TDateTime value, std::uint16_t hour99);

// The hour of day of a value (0 for an invalid value).
std::uint16_t HourOf(TDateTime value) noexcept;

// The time of day (date part 0) that a 12-character stored-time text describes.
TConverted<TDateTime> StringToTime(std::wstring_view text);

}  // namespace vorda::time
