#include "win/settings/HibernationProbe.h"

#include <windows.h>

#include <string>

#include "win/util/UniqueHandle.h"

namespace vorda::win {

bool IsHibernationAllowed() noexcept {
  // Only the system's own copy of the library, never one from the current folder.
  wchar_t folder[MAX_PATH];
  const UINT n = ::GetSystemDirectoryW(folder, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return false;
  try {
    const std::wstring path = std::wstring(folder, n) + L"\\powrprof.dll";
    UniqueModule library(::LoadLibraryW(path.c_str()));
    using Fn = BOOLEAN(WINAPI*)();
    const auto allowed = GetProc<Fn>(library, "IsPwrHibernateAllowed");
    return allowed && allowed() != 0;
  } catch (...) {
    return false;
  }
}

}  // namespace vorda::win
