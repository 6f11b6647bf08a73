#pragma once

#include <functional>
#include <string>

#include "core/install/InstallRecord.h"
#include "core/registry/RegistryBackend.h"
#include "win/install/InstallUi.h"

namespace vorda::win {

struct TInstallRequest {
  std::wstring sourceFolder;  // where the program files are (the installer's folder), ending with "\"
  std::wstring folder;        // the checked target folder, ending with "\"
  bool desktopLink = true;    // "Pulpit": the desktop of all users
  bool programsLink = true;   // "<MenuStart>\Programy": the Programs folder of all users
  std::wstring versionSource; // the executable whose version is recorded (the running one)
  // Writes the built-in special-program table to HKEY_LOCAL_MACHINE; run
  // before the install record.
  std::function<void()> writeSpecPrograms;
};

enum class TInstallOutcome {
  ioDone,
  ioFileMissing,     // a program file is missing: the fatal box was shown
  ioCancelled,       // the user cancelled a failed copy: the program ends
  ioRegistryFailed,  // files and links are in place, some registry entries are not
};

// The version of an executable as the install record keeps it.
install::TProgramVersion ReadProgramVersion(const std::wstring& file);

// Copies the program files, creates the links asked for, and writes the
// install record and the entry in the list of installed programs, moving
// the progress from 0 to 5.
TInstallOutcome Install(const TInstallRequest& request, IInstallUi& ui, registry::IRegistryBackend& backend);

}  // namespace vorda::win
