#include "win/actions/Privileges.h"

#include <windows.h>

#include "win/util/UniqueHandle.h"

namespace vorda::win {
namespace {

// Closing the token must not hide the error code of the step that failed.
bool Failed(UniqueKernelHandle& token) noexcept {
  const DWORD error = ::GetLastError();
  token.Close();
  ::SetLastError(error);
  return false;
}

}  // namespace

bool SetPrivileges() noexcept {
  UniqueKernelHandle token;
  if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, token.Put())) return false;
  TOKEN_PRIVILEGES privileges{};
  if (!::LookupPrivilegeValueW(nullptr, L"SeShutdownPrivilege", &privileges.Privileges[0].Luid)) return Failed(token);
  privileges.PrivilegeCount = 1;
  privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  TOKEN_PRIVILEGES previous{};
  DWORD returnLength = 0;
  if (!::AdjustTokenPrivileges(token.Get(), FALSE, &privileges, sizeof(previous), &previous, &returnLength))
    return Failed(token);
  return true;
}

}  // namespace vorda::win
