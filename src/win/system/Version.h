#pragma once

#include <string>

namespace vorda::win {

// "a.b" or, full, "a.b.c.d"; with the private build " (text)" is appended
// when the file has one. Empty when the file has no version resource.
std::wstring GetFileVersionText(const std::wstring& file, bool full, bool withPrivateBuild);
// major.minor as a number whatever the locale's decimal separator; -1 on failure.
double GetFileVersionNumber(const std::wstring& file);
// A string of the version resource's first translation, empty when absent.
std::wstring GetVersionString(const std::wstring& file, const std::wstring& key);

}  // namespace vorda::win
