#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vorda::install {

// What the install record tells: the program folder and the shortcuts that
// still exist.
struct TInstallation {
  std::optional<std::wstring> folder;   // with its trailing "\"; none: no installation found
  std::vector<std::wstring> shortcuts;  // existing files named by the record, to delete at once
};

// Reads the subkey names of the install record (paths written with "/"): a
// name of an existing folder is the program folder (a later one replaces an
// earlier one), a name of an existing file is a shortcut, any other name is
// skipped.
TInstallation FindInstallation(const std::vector<std::wstring>& recordSubKeys,
                               const std::function<bool(const std::wstring&)>& isFolder,
                               const std::function<bool(const std::wstring&)>& isFile);

// What is left for the system to delete at the next restart.
struct TDeferredDeletion {
  std::vector<std::wstring> files;    // the program files, then the help indexes of the folder
  std::optional<std::wstring> folder;  // without its trailing "\", when nothing else remains in it
};

// The deletion of a program folder given the names of its entries: the
// program files always; the help indexes and the folder itself only when,
// ".gid" files and names beginning with "." aside, nothing but the program
// files is left in it.
TDeferredDeletion PlanDeferredDeletion(std::wstring folder, const std::vector<std::wstring>& entryNames);

}  // namespace vorda::install
