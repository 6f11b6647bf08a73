#pragma once

#include <string>
#include <string_view>

#include "core/time/DateTime.h"
#include "core/time/Duration.h"

namespace vorda::win {

// The stored-time text of a value of the settings key of the current user,
// or the default (see the core's ReadStoredTime).
std::wstring ReadStoredTime(std::wstring_view name, std::wstring_view defaultText);
std::wstring ReadStoredTime(std::wstring_view name, time::TDateTime defaultTime);

// The duration text of a value. A value after 2008 is an internal error: it is
// logged, the fatal error box is shown, and the text is empty.
std::wstring DurationToText(time::TDateTime value);

// The message of the string table that tells why a conversion was refused,
// with the refused text put in.
std::wstring TimeErrorText(time::TTimeError error, std::wstring_view subject);

// The user's decimal separator, for the registry reader's numbers.
wchar_t LocaleDecimalSeparator() noexcept;

}  // namespace vorda::win
