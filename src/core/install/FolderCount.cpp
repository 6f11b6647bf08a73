#include "core/install/FolderCount.h"

#include "core/install/InstallRecord.h"

namespace vorda::install {

bool IsHelpIndexFile(std::wstring_view name) {
  const auto dot = name.rfind(L'.');
  return dot != std::wstring_view::npos && SameText(name.substr(dot), L".gid");
}

int FolderCount(const std::vector<std::wstring>& entryNames) {
  int count = 0;
  for (const auto& name : entryNames)
    if (!name.empty() && name.front() != L'.' && !IsHelpIndexFile(name)) ++count;
  return count;
}

}  // namespace vorda::install
