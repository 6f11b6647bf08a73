#pragma once

#include <string>
#include <string_view>

namespace vorda::win {

// A text of the program's string table (empty when the identifier is absent).
std::wstring LoadStr(unsigned id);
// The text with its one "%s" replaced by subject, which is data, never a format.
std::wstring LoadStrWith(unsigned id, std::wstring_view subject);

}  // namespace vorda::win
