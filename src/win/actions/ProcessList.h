#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace vorda::win {

struct TProcessInfo {
  std::wstring exe_path;  // full path of the process's executable file
  std::uint32_t id = 0;
};
using TAProcessInfo = std::vector<TProcessInfo>;

// The running processes with their executable files. On the NT family from the
// process-status functions: one entry per process, empty (no path, id 0) for a
// process that cannot be opened; empty when the functions are missing.
// Elsewhere from a process snapshot.
TAProcessInfo GetProcessList();
// The process snapshot: executable file names as the snapshot gives them.
TAProcessInfo GetProcessListFromSnapshot();

// The executable path of the process that owns the window, as the system
// gives it; empty when unknown.
std::wstring GetWindowExePath(HWND window);
// The same, looked up in a list built before.
std::wstring GetWindowExePath(HWND window, const TAProcessInfo& processes);

}  // namespace vorda::win
