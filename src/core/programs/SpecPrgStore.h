#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/programs/ProgramList.h"
#include "core/programs/SpecPrg.h"
#include "core/registry/RegistryBackend.h"

namespace vorda::programs {

// Both the machine-wide table and the per-user learned titles live here.
inline constexpr std::wstring_view kSpecProgramsKey = L"SOFTWARE\\Marobel\\Vorda\\SpecPrograms";
inline constexpr std::wstring_view kTrueWindowsSubKey = L"TrueWindows";

// Installation errors of the machine-wide table, by their numbers.
enum TSpecPrgLoadError : int {
  sleNone = 0,
  sleKeyMissing = 1,  // the key cannot be opened
  sleEmptyName = 2,   // a row with an empty class or display name
  sleNoWindow = 3,    // a row with no window to watch instead
};

// Reads the machine-wide table into table (replacing it), in the order the
// registry gives the value names.
TSpecPrgLoadError LoadSpecPrograms(registry::IRegistryBackend& backend, TSpecPrgTable& table,
                                   const TUpperCase& upper);

// The per-user part: the learned titles of every row are added, upper case.
// A key whose default value is empty or missing is deleted with its subkeys.
// False when the key could not be read or deleted.
bool LoadUserSpecPrograms(registry::IRegistryBackend& backend, TSpecPrgTable& table, const TUpperCase& upper);

// A window of a special program's class seen with a title its row does not
// hold yet: the title is added to the row and stored for the user under the
// next free number. Storing is best effort; the row learns the title anyway.
void LearnSpecPrgTitle(registry::IRegistryBackend& backend, TSpecPrgTable& table, std::wstring_view className,
                       std::wstring_view title, const TUpperCase& upper);

// One row as the installation writes it.
struct TSpecPrgRow {
  std::wstring className;
  std::wstring displayName;
  std::wstring classValue;  // the class of the window to watch, may be empty
  std::wstring titleValue;  // the title of the window to watch, may be empty
};

// Writes the rows under the root (the machine-wide one in an installation);
// false with nothing more written when a key or value cannot be written.
bool WriteSpecPrograms(registry::IRegistryBackend& backend, registry::TRootKey root,
                       const std::vector<TSpecPrgRow>& rows);

}  // namespace vorda::programs
