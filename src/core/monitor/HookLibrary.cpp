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
