#pragma once

#include "core/programs/SpecPrgStore.h"
#include "core/registry/RegistryBackend.h"

namespace vorda::win {

// The built-in special programs with their display names from the string table.
std::vector<programs::TSpecPrgRow> BuiltInSpecPrograms();

// Writes the built-in table under the root's SOFTWARE\Marobel\Vorda\SpecPrograms
// (the machine-wide root in an installation); false when it could not.
bool WriteBuiltInSpecPrograms(registry::TRootKey root = registry::TRootKey::LocalMachine);

}  // namespace vorda::win
