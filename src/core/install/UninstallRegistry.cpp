#include "core/install/UninstallRegistry.h"

#include "core/install/Autostart.h"
#include "core/install/InstallRecord.h"

namespace vorda::install {

using registry::TRootKey;

std::vector<std::wstring> InstallRecordSubKeys(registry::IRegistryBackend& backend) {
  registry::TRegStatus status = registry::kRegOk;
  auto key = backend.OpenKey(TRootKey::LocalMachine, kInstallRecordKey, registry::kKeyRead, false, status);
  return key ? key->SubKeyNames() : std::vector<std::wstring>{};
}

void RemoveInstallEntries(registry::IRegistryBackend& backend) {
  registry::TRegStatus status = registry::kRegOk;
  if (auto install = backend.OpenKey(TRootKey::LocalMachine, kInstallKey, registry::kKeyAllAccess, false, status))
    install->DeleteValue(L"Vorda");
  backend.DeleteKeyTree(TRootKey::LocalMachine, kInstallRecordKey);
  backend.DeleteKeyTree(TRootKey::LocalMachine, kProgramKey);
  backend.DeleteKeyTree(TRootKey::LocalMachine, kUninstallKey);
  backend.DeleteKeyTree(TRootKey::CurrentUser, kUserProgramKey);
  if (auto run = backend.OpenKey(TRootKey::CurrentUser, kRunKey, registry::kKeyAllAccess, false, status))
    for (const auto& name : AutostartValuesToRemove(run->ValueNames())) run->DeleteValue(name);
}

}  // namespace vorda::install
