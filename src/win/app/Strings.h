#pragma once

#include <string>

namespace vorda::win {

// A text of the program's string table (empty when the identifier is absent).
std::wstring LoadStr(unsigned id);

}  // namespace vorda::win
