#include "core/install/MessageFill.h"

#include <cwchar>

namespace vorda::install {
namespace {

bool IsConversion(wchar_t c) noexcept {
  return c == L's' || c == L'f' || c == L'd' || c == L'u' || c == L'g' || c == L'x';
}

bool IsFlagOrWidth(wchar_t c) noexcept {
  return c == L'-' || c == L'+' || c == L' ' || c == L'#' || c == L'.' || (c >= L'0' && c <= L'9');
}

}  // namespace

std::wstring FillPlaceholders(std::wstring_view pattern, const std::vector<std::wstring>& texts) {
  std::wstring out;
  out.reserve(pattern.size());
  std::size_t next = 0;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] != L'%') {
      out += pattern[i];
      continue;
    }
    if (i + 1 < pattern.size() && pattern[i + 1] == L'%') {
      out += L'%';
      ++i;
      continue;
    }
    std::size_t j = i + 1;
    while (j < pattern.size() && IsFlagOrWidth(pattern[j])) ++j;
    if (j < pattern.size() && IsConversion(pattern[j])) {
      if (next < texts.size()) out += texts[next];
      ++next;
      i = j;
    } else {
      out += L'%';  // not a directive: the text is kept as it is
    }
  }
  return out;
}

}  // namespace vorda::install
