// Writes the built-in special-program table into the registry of the Windows
// it runs on (HKEY_LOCAL_MACHINE), as an installation does. The Wine benches
// of the tests and of scripts/run use it to stand for an installed Vorda.
//   vorda_write_specprg [/remove]
#include <windows.h>

#include <cwchar>

#include "core/programs/SpecPrgStore.h"
#include "win/programs/SpecPrograms.h"
#include "win/registry/Win32Registry.h"

int wmain(int argc, wchar_t** argv) {
  using namespace vorda;
  if (argc > 1 && std::wcscmp(argv[1], L"/remove") == 0)
    return win::Win32Registry().DeleteKeyTree(registry::TRootKey::LocalMachine, programs::kSpecProgramsKey) ==
                   registry::kRegOk
               ? 0
               : 1;
  return win::WriteBuiltInSpecPrograms(registry::TRootKey::LocalMachine) ? 0 : 1;
}
