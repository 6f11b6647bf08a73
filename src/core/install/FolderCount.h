#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vorda::install {

// A help index the system leaves beside a help file (".gid", any case).
bool IsHelpIndexFile(std::wstring_view name);

// The entries of a folder listing (files and subfolders by name) that count:
// those whose names do not begin with "." and that are no help index.
int FolderCount(const std::vector<std::wstring>& entryNames);

}  // namespace vorda::install
