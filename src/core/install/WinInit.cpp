#include "core/install/WinInit.h"

#include <iterator>

#include "core/install/InstallRecord.h"

namespace vorda::install {

void AddWinInitDeletions(std::vector<std::wstring>& lines, const std::vector<std::wstring>& shortFiles,
                         const std::wstring& shortFolder) {
  std::size_t at = 0;
  while (at < lines.size() && !SameText(lines[at], L"[rename]")) ++at;
  if (at == lines.size()) {
    lines.insert(lines.begin(), L"[rename]");
    at = 0;
  }
  std::vector<std::wstring> added;
  for (const auto& file : shortFiles)
    if (!file.empty()) added.push_back(L"NUL=" + file);
  if (!shortFolder.empty()) added.push_back(L"DIRNUL=" + shortFolder);
  lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at + 1), std::make_move_iterator(added.begin()),
               std::make_move_iterator(added.end()));
}

}  // namespace vorda::install
