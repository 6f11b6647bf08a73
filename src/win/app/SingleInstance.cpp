#include "win/app/SingleInstance.h"

#include <string>

#include "win/util/UniqueHandle.h"

namespace vorda::win {
namespace {
UniqueKernelHandle gMutex;
bool gOwned = false;
}  // namespace

bool AcquireSingleInstance(int instanceNumber) noexcept {
  const std::wstring name = L"Tesk [Marobel]" + std::to_wstring(instanceNumber);
  gMutex.Attach(::CreateMutexW(nullptr, FALSE, name.c_str()));
  // Owned, abandoned by a process that ended, or a failed wait: go on.
  const DWORD wait = ::WaitForSingleObject(gMutex.Get(), 0);
  gOwned = wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED;
  return wait != WAIT_TIMEOUT;
}

void ReleaseSingleInstance() noexcept {
  if (gOwned && gMutex) ::ReleaseMutex(gMutex.Get());
  gOwned = false;
  gMutex.Close();
}

}  // namespace vorda::win
