#pragma once

#include <string>
#include <vector>

#include "core/install/UninstallPlan.h"
#include "core/registry/RegistryBackend.h"
#include "win/install/InstallUi.h"

namespace vorda::win {

struct TUninstallRequest {
  bool windows9x = false;   // deferred deletion through wininit.ini instead of the system's own list
  std::wstring winInitPath; // "wininit.ini" in the Windows folder
};

// The request for this system.
TUninstallRequest SystemUninstallRequest();

enum class TUninstallOutcome {
  uoDone,
  uoNotInstalled,  // no folder in the install record: the fatal box was shown
  uoCancelled,     // wininit.ini could not be written and the user cancelled
};

// The names of a folder's entries (files and subfolders, "." and ".."
// included, as a search for "*.*" lists them).
std::vector<std::wstring> FolderEntries(const std::wstring& folder);

// Adds the deletions of the plan to wininit.ini (short paths), asking to
// retry while the file cannot be saved; false when the user cancelled (the
// program then ends at once).
bool ScheduleWithWinInit(const std::wstring& winInitPath, const install::TDeferredDeletion& plan, IInstallUi& ui);

// Deletes the links of the install record, leaves the program files and,
// when nothing else is in it, the folder for the system to delete at the
// next start, and removes the registry entries, moving the progress from 0
// to 3.
TUninstallOutcome Uninstall(const TUninstallRequest& request, IInstallUi& ui, registry::IRegistryBackend& backend);

}  // namespace vorda::win
