#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace vorda::win {

// Size of a file in the executable's folder (low 32 bits), -1 when not found.
std::int32_t GetProgramFileSize(const std::wstring& name);
// The root folder of a single drive letter ("C" -> "C:\") or of a path's drive
// or network share; empty when the path names none.
std::wstring DriveRoot(const std::wstring& driveOrPath);
// Bytes free to the user on the drive of a path or a single drive letter; -1 on failure.
std::int64_t GetDiskFreeBytes(const std::wstring& driveOrPath);
// The executable's file name without folder and extension, upper case.
std::wstring GetExeBaseName();
// The temporary folder with its trailing separator, empty on failure.
std::wstring GetTempDir();
// A module's full file name in upper case, empty on failure.
std::wstring GetModuleFileNameUpper(HMODULE module);
// Tells a program's main window among all top-level windows.
bool IsAppWindow(HWND window, bool excludeApplication);

enum class TShellOperation { Copy = 0, Delete = 1, Move = 2, Rename = 3 };
bool ShellFileOperation(const std::vector<std::wstring>& sources, const std::vector<std::wstring>& targets,
                        std::uint16_t flags, TShellOperation kind);
bool CopyFiles(const std::vector<std::wstring>& sources, const std::vector<std::wstring>& targets);
bool DeleteFiles(const std::vector<std::wstring>& names, bool toRecycleBin);

}  // namespace vorda::win
