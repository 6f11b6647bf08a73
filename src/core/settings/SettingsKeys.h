#pragma once

#include <string_view>

namespace vorda::settings {

// Under HKEY_CURRENT_USER: the settings of every instance, and the key from
// which Windows starts programs at logon.
inline constexpr std::wstring_view kSettingsKey = L"SOFTWARE\\Marobel\\Vorda";
inline constexpr std::wstring_view kRunKey = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

}  // namespace vorda::settings
