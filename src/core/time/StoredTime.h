#pragma once

#include <string>
#include <string_view>

#include "core/registry/RegistryBackend.h"
#include "core/time/DateTime.h"

namespace vorda::time {

// The stored-time text of a value of the settings key ("Time1" ...), or the
// default. A string is taken as stored, except that a "Time5" with hours above
// 00 written before the key held "Version" gives the default; a date-time kept
// as 8 raw bytes becomes its stored-time text. A text the time picker would
// refuse also gives the default, so a damaged value never reaches it.
std::wstring ReadStoredTime(registry::IRegistryBackend& backend, std::wstring_view name,
                            std::wstring_view defaultText);

// The same with a time of day as default (turned into text with its own hour).
std::wstring ReadStoredTime(registry::IRegistryBackend& backend, std::wstring_view name, TDateTime defaultTime);

}  // namespace vorda::time
