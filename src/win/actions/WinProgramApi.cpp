#include "win/actions/WinProgramApi.h"

#include <windows.h>

#include "win/app/Application.h"
#include "win/system/FileHelpers.h"
#include "win/system/Paths.h"
#include "win/util/UniqueHandle.h"

namespace vorda::win {
namespace {

HWND Handle(actions::TWindowId window) noexcept { return reinterpret_cast<HWND>(window); }

BOOL CALLBACK VisitWindow(HWND window, LPARAM param) noexcept {
  try {
    (*reinterpret_cast<const std::function<void(actions::TWindowId)>*>(param))(
        reinterpret_cast<actions::TWindowId>(window));
  } catch (...) {
    // One window that cannot be handled does not stop the others.
  }
  return TRUE;
}

}  // namespace

void TWinProgramApi::EnumTopLevelWindows(const std::function<void(actions::TWindowId)>& visit) {
  processes_.reset();
  ::EnumWindows(VisitWindow, reinterpret_cast<LPARAM>(&visit));
  processes_.reset();
}

bool TWinProgramApi::IsAppWindow(actions::TWindowId window, bool excludeApplication) {
  return win::IsAppWindow(Handle(window), excludeApplication);
}

std::wstring TWinProgramApi::WindowTitle(actions::TWindowId window) {
  const int length = ::GetWindowTextLengthW(Handle(window));
  if (length <= 0) return {};
  std::wstring title(static_cast<std::size_t>(length) + 1, L'\0');
  const int n = ::GetWindowTextW(Handle(window), title.data(), length + 1);
  title.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
  return title;
}

std::wstring TWinProgramApi::WindowClass(actions::TWindowId window) {
  wchar_t name[64] = {};
  const int n = ::GetClassNameW(Handle(window), name, 64);
  return std::wstring(name, n > 0 ? static_cast<std::size_t>(n) : 0);
}

actions::TProcessId TWinProgramApi::WindowProcessId(actions::TWindowId window) {
  DWORD id = 0;
  ::GetWindowThreadProcessId(Handle(window), &id);
  return id;
}

std::wstring TWinProgramApi::WindowExePath(actions::TWindowId window) {
  if (!processes_) processes_ = GetProcessList();
  return GetWindowExePath(Handle(window), *processes_);
}

void TWinProgramApi::PostWindowMessage(actions::TWindowId window, std::uint32_t message, std::uintptr_t wParam,
                                 std::intptr_t lParam) {
  ::PostMessageW(Handle(window), message, wParam, lParam);
}

bool TWinProgramApi::TerminateProcess(actions::TProcessId process, std::uint32_t exitCode) {
  if (process == 0) return false;
  const UniqueKernelHandle handle(::OpenProcess(PROCESS_TERMINATE, FALSE, process));
  return handle && ::TerminateProcess(handle.Get(), exitCode) != FALSE;
}

actions::TProcessId TWinProgramApi::OwnProcessId() { return ::GetCurrentProcessId(); }

std::wstring TWinProgramApi::ApplicationTitle() { return TApplication::Get().Title(); }

std::wstring TWinProgramApi::UpperCase(std::wstring_view text) {
  std::wstring upper(text);
  if (!upper.empty()) ::CharUpperBuffW(upper.data(), static_cast<DWORD>(upper.size()));
  return upper;
}

bool TWinProgramApi::FileExists(const std::wstring& path) {
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return false;
  if (!(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) return !(attributes & FILE_ATTRIBUTE_DIRECTORY);
  // A link counts when what it leads to is a file.
  const UniqueFileHandle target(::CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                              nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  BY_HANDLE_FILE_INFORMATION info{};
  return target && ::GetFileInformationByHandle(target.Get(), &info) &&
         !(info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool TWinProgramApi::IsValidPath(const std::wstring& path) { return win::IsValidPath(path); }

}  // namespace vorda::win
