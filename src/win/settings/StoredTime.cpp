#include "win/settings/StoredTime.h"

#include <windows.h>

#include "core/time/StoredTime.h"
#include "lang/StringIds.h"
#include "win/app/Strings.h"
#include "win/log/MsgLogger.h"
#include "win/registry/Win32Registry.h"
#include "win/system/ErrorBox.h"

namespace vorda::win {

std::wstring ReadStoredTime(std::wstring_view name, std::wstring_view defaultText) {
  return time::ReadStoredTime(Win32Registry(), name, defaultText);
}

std::wstring ReadStoredTime(std::wstring_view name, time::TDateTime defaultTime) {
  return time::ReadStoredTime(Win32Registry(), name, defaultTime);
}

std::wstring DurationToText(time::TDateTime value) {
  auto text = time::DurationToText(value);
  if (text) return std::move(*text);
  LogEvent(L"Error - DateTime outside 2008!");
  ShowError(LoadStr(IDS_INTERNAL_ERROR), true);
  return {};
}

std::wstring TimeErrorText(time::TTimeError error, std::wstring_view subject) {
  unsigned id = 0;
  switch (error) {
    case time::TTimeError::teNone: return {};
    case time::TTimeError::teNotValidTime: id = IDS_NOT_VALID_TIME; break;
    case time::TTimeError::teNotValidStoredTime: id = IDS_NOT_VALID_STORED_TIME; break;
    case time::TTimeError::teHourTooLarge: id = IDS_FUNCTION_NOT_IMPLEMENTED; break;
    case time::TTimeError::teNotValidInteger: id = IDS_NOT_VALID_INTEGER; break;
    case time::TTimeError::teInvalidDateTime: id = IDS_INVALID_DATE_TIME; break;
    case time::TTimeError::teOutside2008: id = IDS_INTERNAL_ERROR; break;
  }
  return LoadStrWith(id, subject);
}

wchar_t LocaleDecimalSeparator() noexcept {
  wchar_t buffer[8] = {};
  if (::GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, buffer, 8) > 1) return buffer[0];
  return L'.';
}

}  // namespace vorda::win
