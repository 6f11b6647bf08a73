#pragma once

#include <windows.h>

#include <string>

namespace vorda::win {

// Starts the program with administrator rights (the shell's "runas" verb,
// no error interface, waiting until the start is complete); whether the
// shell reported success. A declined elevation prompt is a failure.
bool RunAsAdmin(HWND owner, const std::wstring& path, const std::wstring& parameters) noexcept;

}  // namespace vorda::win
