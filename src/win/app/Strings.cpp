#include "win/app/Strings.h"

#include <windows.h>

namespace vorda::win {

std::wstring LoadStr(unsigned id) {
  const wchar_t* text = nullptr;
  // With a zero buffer size LoadStringW hands out a pointer into the resource.
  const int n = ::LoadStringW(::GetModuleHandleW(nullptr), id, reinterpret_cast<LPWSTR>(&text), 0);
  return n > 0 && text ? std::wstring(text, static_cast<std::size_t>(n)) : std::wstring{};
}

std::wstring LoadStrWith(unsigned id, std::wstring_view subject) {
  std::wstring text = LoadStr(id);
  if (const auto at = text.find(L"%s"); at != std::wstring::npos) text.replace(at, 2, subject);
  return text;
}

}  // namespace vorda::win
