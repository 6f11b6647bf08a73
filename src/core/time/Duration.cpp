#include "core/time/Duration.h"

#include <cstdio>

#include "core/registry/NumberText.h"

namespace vorda::time {
namespace {

constexpr int kDurationYear = 2008;
constexpr int kDaysOf2008 = 366;

std::wstring Format(const wchar_t* format, int a, int b, int c) {
  wchar_t buffer[64];
  std::swprintf(buffer, 64, format, a, b, c);
  return buffer;
}

std::optional<int> Field(std::wstring_view text) {
  const auto v = registry::StrToInt(text);
  return v ? std::optional<int>(*v) : std::nullopt;
}

}  // namespace

TDateTime DurationZero() noexcept { return *EncodeDate(kDurationYear, 1, 1); }

TConverted<TDateTime> TextToDuration(std::wstring_view text) {
  using R = TConverted<TDateTime>;
  const auto colon = text.find(L':');
  if (colon == std::wstring_view::npos) return R::Fail(TTimeError::teNotValidTime, text);

  const auto hoursText = text.substr(0, colon);
  const auto hours = registry::ParseDecimal(hoursText);
  if (!hours) return R::Fail(TTimeError::teNotValidInteger, hoursText);
  // Hours are a 16-bit number; anything beyond is refused rather than wrapped,
  // as a wrapped count would silently turn into a short duration.
  if (*hours < 0 || *hours > 0xFFFF) return R::Fail(TTimeError::teInvalidDateTime, text);

  const auto minutesText = text.substr(colon + 1).substr(0, 2);
  const auto secondsText = colon + 4 <= text.size() ? text.substr(colon + 4).substr(0, 2) : std::wstring_view{};
  const auto minutes = Field(minutesText);
  if (!minutes) return R::Fail(TTimeError::teNotValidInteger, minutesText);
  const auto seconds = Field(secondsText);
  if (!seconds) return R::Fail(TTimeError::teNotValidInteger, secondsText);

  int dayOfYear = static_cast<int>(*hours / 24);
  if (dayOfYear >= kDaysOf2008) return R::Fail(TTimeError::teInvalidDateTime, text);
  int month = 1;
  while (dayOfYear >= DaysInMonth(kDurationYear, month)) dayOfYear -= DaysInMonth(kDurationYear, month++);

  const auto value = EncodeDateTime(TDate{kDurationYear, month, dayOfYear + 1},
                                    TTime{static_cast<int>(*hours % 24), *minutes, *seconds, 0});
  if (!value) return R::Fail(TTimeError::teInvalidDateTime, text);
  return R::Ok(*value);
}

TConverted<std::wstring> DurationToText(TDateTime value) {
  using R = TConverted<std::wstring>;
  const auto parts = DecodeDateTime(value);
  if (!parts || parts->date.year > kDurationYear) return R::Fail(TTimeError::teOutside2008);
  int hours = parts->time.hour;
  if (parts->date.year == kDurationYear) {
    int dayOfYear = parts->date.day - 1;
    for (int m = 1; m < parts->date.month; ++m) dayOfYear += DaysInMonth(kDurationYear, m);
    hours += 24 * dayOfYear;
  }
  return R::Ok(Format(L"%d:%.2d:%.2d", hours, parts->time.minute, parts->time.second));
}

std::wstring TimeToString(TDateTime value, std::uint16_t hour99) {
  const TTime t = DecodeDateTime(value).value_or(TDateTimeParts{}).time;
  wchar_t buffer[64];
  std::swprintf(buffer, 64, L"%.2d:%.2d:%.2d.%.3d", static_cast<int>(hour99), t.minute, t.second, t.millisecond);
  return buffer;
}

std::uint16_t HourOf(TDateTime value) noexcept {
  const auto parts = DecodeDateTime(value);
  return parts ? static_cast<std::uint16_t>(parts->time.hour) : 0;
}

TConverted<TDateTime> StringToTime(std::wstring_view text) {
  using R = TConverted<TDateTime>;
  if (text.size() != 12 || text[2] != L':' || text[5] != L':' || text[8] != L'.')
    return R::Fail(TTimeError::teNotValidStoredTime, text);
  const auto hours = Field(text.substr(0, 2));
  if (!hours) return R::Fail(TTimeError::teNotValidInteger, text.substr(0, 2));
  if (*hours > 23) return R::Fail(TTimeError::teHourTooLarge);
  const auto ms = Field(text.substr(9, 3));
  if (!ms) return R::Fail(TTimeError::teNotValidInteger, text.substr(9, 3));
  const auto seconds = Field(text.substr(6, 2));
  if (!seconds) return R::Fail(TTimeError::teNotValidInteger, text.substr(6, 2));
  const auto minutes = Field(text.substr(3, 2));
  if (!minutes) return R::Fail(TTimeError::teNotValidInteger, text.substr(3, 2));
  const auto value = EncodeTime(*hours, *minutes, *seconds, *ms);
  if (!value) return R::Fail(TTimeError::teInvalidDateTime, text);
  return R::Ok(*value);
}

}  // namespace vorda::time
