#pragma once

#include <cwctype>
#include <string>
#include <string_view>

#include "core/programs/ProgramList.h"

namespace vorda::programs {

// The tests' upper case: ASCII and the Polish letters are enough here.
inline std::wstring TestUpper(std::wstring_view text) {
  std::wstring out(text);
  for (wchar_t& c : out) {
    if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - 32);
    switch (c) {
      case L'ą': c = L'Ą'; break;
      case L'ł': c = L'Ł'; break;
      case L'ó': c = L'Ó'; break;
      default: break;
    }
  }
  return out;
}

inline const TUpperCase kUpper = TestUpper;

}  // namespace vorda::programs
