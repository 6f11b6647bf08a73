#include "controls/DateTimePicker99.h"

#include <commctrl.h>

#include <cmath>
#include <string>

namespace vorda::controls {
namespace {

std::optional<time::TDateTime> FromSystemTime(const SYSTEMTIME& st) noexcept {
  return time::EncodeDateTime({st.wYear, st.wMonth, st.wDay},
                              {st.wHour, st.wMinute, st.wSecond, st.wMilliseconds});
}

std::optional<SYSTEMTIME> ToSystemTime(time::TDateTime value) noexcept {
  const auto parts = time::DecodeDateTime(value);
  if (!parts) return std::nullopt;
  SYSTEMTIME st{};
  st.wYear = static_cast<WORD>(parts->date.year);
  st.wMonth = static_cast<WORD>(parts->date.month);
  st.wDay = static_cast<WORD>(parts->date.day);
  // 30 December 1899, day 0, was a Saturday.
  const auto day = static_cast<long long>(std::floor(*time::EncodeDate(parts->date.year, parts->date.month,
                                                                         parts->date.day)));
  st.wDayOfWeek = static_cast<WORD>(((day + 6) % 7 + 7) % 7);
  st.wHour = static_cast<WORD>(parts->time.hour);
  st.wMinute = static_cast<WORD>(parts->time.minute);
  st.wSecond = static_cast<WORD>(parts->time.second);
  st.wMilliseconds = static_cast<WORD>(parts->time.millisecond);
  return st;
}

}  // namespace

bool TDateTimePicker99::Create(TParent parent, int left, int top, int id) noexcept {
  if (!CreateControl(DATETIMEPICK_CLASSW, parent, {left, top, kDefaultWidth, kDefaultHeight}, L"",
                     WS_VISIBLE | WS_TABSTOP | DTS_TIMEFORMAT, 0, id))
    return false;
  // Never a date after 2008: the countdown reads the value as a duration.
  SetValue(0.0);
  return true;
}

time::TDateTime TDateTimePicker99::Value() const noexcept {
  SYSTEMTIME st{};
  if (!Handle() || ::SendMessageW(Handle(), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&st)) != GDT_VALID)
    return 0;
  return FromSystemTime(st).value_or(0.0);
}

bool TDateTimePicker99::SetValue(time::TDateTime value) noexcept {
  const auto st = ToSystemTime(value);
  if (!Handle() || !st) return false;
  return ::SendMessageW(Handle(), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&*st)) != 0;
}

std::uint16_t TDateTimePicker99::Hour99() const noexcept { return time::HourOf(Value()); }

std::wstring TDateTimePicker99::AsString() const { return TimeToString(Value(), Hour99()); }

bool TDateTimePicker99::SetAsString(std::wstring_view text) {
  const auto value = StringToTime(text);
  return value && SetValue(*value);
}

bool TDateTimePicker99::SetFormat(std::wstring_view format) noexcept {
  if (!Handle()) return false;
  try {
    if (format.empty()) return ::SendMessageW(Handle(), DTM_SETFORMATW, 0, 0) != 0;
    const std::wstring f(format);
    return ::SendMessageW(Handle(), DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(f.c_str())) != 0;
  } catch (...) {
    return false;
  }
}

std::wstring TDateTimePicker99::TimeToString(time::TDateTime value, std::uint16_t hour99) {
  return time::TimeToString(value, hour99);
}

time::TConverted<time::TDateTime> TDateTimePicker99::StringToTime(std::wstring_view text) {
  return time::StringToTime(text);
}

}  // namespace vorda::controls
