#include "win/actions/ProcessList.h"

#include <tlhelp32.h>

#include "win/actions/SystemLibrary.h"
#include "win/util/UniqueHandle.h"

namespace vorda::win {
namespace {

using EnumProcessesFn = BOOL(WINAPI*)(DWORD*, DWORD, DWORD*);
using EnumProcessModulesFn = BOOL(WINAPI*)(HANDLE, HMODULE*, DWORD, DWORD*);
using GetModuleFileNameExFn = DWORD(WINAPI*)(HANDLE, HMODULE, wchar_t*, DWORD);

constexpr DWORD kMaxPath = 300;

bool IsNtFamily() {
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof(info);
  return !::GetVersionExW(&info) || info.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

// All process identifiers; the buffer grows until the system leaves room in it.
std::vector<DWORD> ProcessIds(EnumProcessesFn enumProcesses) {
  std::vector<DWORD> ids(1024);
  for (;;) {
    DWORD bytes = 0;
    const DWORD size = static_cast<DWORD>(ids.size() * sizeof(DWORD));
    if (!enumProcesses(ids.data(), size, &bytes)) return {};
    if (bytes < size) {
      ids.resize(bytes / sizeof(DWORD));
      return ids;
    }
    ids.resize(ids.size() * 2);
  }
}

TAProcessInfo GetProcessListFromStatus() {
  const UniqueModule psapi = LoadSystemLibrary(L"PSAPI.dll");
  const auto enumProcesses = GetProc<EnumProcessesFn>(psapi, "EnumProcesses");
  const auto enumModules = GetProc<EnumProcessModulesFn>(psapi, "EnumProcessModules");
  const auto moduleFileName = GetProc<GetModuleFileNameExFn>(psapi, "GetModuleFileNameExW");
  if (!enumProcesses || !enumModules || !moduleFileName) return {};

  TAProcessInfo list;
  for (const DWORD id : ProcessIds(enumProcesses)) {
    TProcessInfo& info = list.emplace_back();
    const UniqueKernelHandle process(::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, id));
    if (!process) continue;
    // The first module is the executable; without it the name of the
    // process's executable is asked for all the same.
    HMODULE module = nullptr;
    DWORD needed = 0;
    if (!enumModules(process.Get(), &module, sizeof(module), &needed)) module = nullptr;
    wchar_t path[kMaxPath + 1] = {};
    const DWORD n = moduleFileName(process.Get(), module, path, kMaxPath);
    info.exe_path.assign(path, n);
    info.id = id;
  }
  return list;
}

}  // namespace

TAProcessInfo GetProcessListFromSnapshot() {
  const UniqueKernelHandle snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  if (!snapshot) return {};
  TAProcessInfo list;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof(entry);
  for (BOOL more = ::Process32FirstW(snapshot.Get(), &entry); more; more = ::Process32NextW(snapshot.Get(), &entry))
    list.push_back({entry.szExeFile, entry.th32ProcessID});
  return list;
}

TAProcessInfo GetProcessList() {
  try {
    return IsNtFamily() ? GetProcessListFromStatus() : GetProcessListFromSnapshot();
  } catch (...) {
    return {};
  }
}

std::wstring GetWindowExePath(HWND window, const TAProcessInfo& processes) {
  DWORD id = 0;
  ::GetWindowThreadProcessId(window, &id);
  if (processes.empty() || id == 0) return {};
  for (auto it = processes.rbegin(); it != processes.rend(); ++it)
    if (it->id == id) return it->exe_path;
  return {};
}

std::wstring GetWindowExePath(HWND window) {
  try {
    return GetWindowExePath(window, GetProcessList());
  } catch (...) {
    return {};
  }
}

}  // namespace vorda::win
