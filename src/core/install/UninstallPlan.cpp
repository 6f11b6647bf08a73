#include "core/install/UninstallPlan.h"

#include <algorithm>

#include "core/install/FolderCount.h"
#include "core/install/InstallRecord.h"

namespace vorda::install {
namespace {

bool IsProgramFile(std::wstring_view name) {
  return std::any_of(kProgramFiles.begin(), kProgramFiles.end(),
                     [&](std::wstring_view file) { return SameText(file, name); });
}

}  // namespace

TInstallation FindInstallation(const std::vector<std::wstring>& recordSubKeys,
                               const std::function<bool(const std::wstring&)>& isFolder,
                               const std::function<bool(const std::wstring&)>& isFile) {
  TInstallation found;
  for (const auto& name : recordSubKeys) {
    std::wstring path = KeyNameToPath(name);
    if (path.empty()) continue;
    if (isFolder(path)) {
      if (path.back() != L'\\') path += L'\\';
      found.folder = std::move(path);
    } else if (isFile(path)) {
      found.shortcuts.push_back(std::move(path));
    }
  }
  return found;
}

TDeferredDeletion PlanDeferredDeletion(std::wstring folder, const std::vector<std::wstring>& entryNames) {
  if (folder.empty() || folder.back() != L'\\') folder += L'\\';
  TDeferredDeletion plan;
  for (const auto file : kProgramFiles) plan.files.push_back(folder + std::wstring(file));
  // The count of what remains decides; the names make sure a foreign file
  // never makes the folder go.
  const int count = FolderCount(entryNames);
  const bool onlyProgramFiles =
      count > 0 && std::all_of(entryNames.begin(), entryNames.end(), [](const std::wstring& name) {
        return name.empty() || name.front() == L'.' || IsHelpIndexFile(name) || IsProgramFile(name);
      });
  if (!onlyProgramFiles) return plan;
  for (const auto& name : entryNames)
    if (!name.empty() && name.front() != L'.' && IsHelpIndexFile(name)) plan.files.push_back(folder + name);
  folder.pop_back();
  plan.folder = std::move(folder);
  return plan;
}

}  // namespace vorda::install
