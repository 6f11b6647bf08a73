#pragma once

#include <string>
#include <vector>

#include "core/registry/RegistryBackend.h"

namespace vorda::install {

// The subkey names of the install record under HKEY_LOCAL_MACHINE; empty
// when there is no record.
std::vector<std::wstring> InstallRecordSubKeys(registry::IRegistryBackend& backend);

// Removes the program's registry entries: the install record and its name,
// the program's machine key (install path, special-program table), the entry
// in the list of installed programs, the current user's settings and the
// autostart entries of every instance. What does not exist is no error;
// SOFTWARE\Marobel\Install and SOFTWARE\Marobel stay.
void RemoveInstallEntries(registry::IRegistryBackend& backend);

}  // namespace vorda::install
