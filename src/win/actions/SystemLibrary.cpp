#include "win/actions/SystemLibrary.h"

#include <string>

namespace vorda::win {

UniqueModule LoadSystemLibrary(const wchar_t* fileName) noexcept {
  wchar_t folder[MAX_PATH];
  const UINT n = ::GetSystemDirectoryW(folder, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return {};
  try {
    const std::wstring path = std::wstring(folder, n) + L"\\" + fileName;
    return UniqueModule(::LoadLibraryW(path.c_str()));
  } catch (...) {
    return {};
  }
}

}  // namespace vorda::win
