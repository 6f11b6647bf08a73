#include "core/install/Autostart.h"

#include "core/install/InstallRecord.h"

namespace vorda::install {

bool IsAutostartValueName(std::wstring_view name) {
  constexpr std::wstring_view kPrefix = L"Kelvari";
  if (name.size() <= kPrefix.size() || !SameText(name.substr(0, kPrefix.size()), kPrefix)) return false;
  std::wstring_view number = name.substr(kPrefix.size());
  if (number.front() == L' ') number.remove_prefix(1);
  if (number.empty()) return false;
  for (const wchar_t c : number)
    if (c < L'0' || c > L'9') return false;
  return true;
}

std::vector<std::wstring> AutostartValuesToRemove(const std::vector<std::wstring>& valueNames) {
  std::vector<std::wstring> names;
  for (const auto& name : valueNames)
    if (IsAutostartValueName(name)) names.push_back(name);
  return names;
}

}  // namespace vorda::install
