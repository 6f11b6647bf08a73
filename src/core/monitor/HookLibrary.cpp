#include "core/monitor/HookLibrary.h"

#include "core/monitor/ShShared.h"

namespace vorda::monitor {

std::wstring SHMappingName(std::wstring_view path, const TUpper& upper) {
  std::wstring slashed(path);
  for (wchar_t& ch : slashed)
    if (ch == L'\\') ch = L'/';
  return upper(slashed);
}

std::wstring SHModuleName(std::uint32_t copy) {
  return copy == 0 ? std::wstring(L"SH.dll") : L"SH" + std::to_wstring(copy) + L".dll";
}

std::wstring SHLibraryPath(std::wstring_view exeFolder, std::wstring_view tempFolder, std::uint32_t copy) {
  return std::wstring(copy == 0 ? exeFolder : tempFolder) + SHModuleName(copy);
}

TInputActivity InputActivity(std::uint32_t message, TScreenPoint cursor, TScreenPoint lastMousePos) noexcept {
  if (IsKeyOrButtonMessage(message)) return {true, lastMousePos};
  if (message == kMouseMove && !(cursor == lastMousePos)) return {true, cursor};
  return {false, lastMousePos};
}

}  // namespace vorda::monitor

namespace vorda::monitor {

bool IsSHCopyName(std::wstring_view name) noexcept {
  auto lower = [](wchar_t ch) { return ch >= L'A' && ch <= L'Z' ? static_cast<wchar_t>(ch - L'A' + L'a') : ch; };
  auto startsWith = [&](std::wstring_view text, std::wstring_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
      if (lower(text[i]) != prefix[i]) return false;
    return true;
  };
  if (!startsWith(name, L"sh") || name.size() < 7) return false;
  const std::wstring_view digits = name.substr(2, name.size() - 6);
  for (wchar_t ch : digits)
    if (ch < L'0' || ch > L'9') return false;
  return startsWith(name.substr(name.size() - 4), L".dll");
}

}  // namespace vorda::monitor
