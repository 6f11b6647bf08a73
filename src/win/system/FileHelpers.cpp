#include "win/system/FileHelpers.h"

#include <shellapi.h>

#include "win/app/Application.h"
#include "win/util/UniqueHandle.h"

namespace vorda::win {
namespace {

// Upper case by the user's locale rules, as names of programs are compared.
std::wstring UpperCase(std::wstring text) {
  if (!text.empty()) ::CharUpperBuffW(text.data(), static_cast<DWORD>(text.size()));
  return text;
}

// Names separated and ended by NUL characters, with one more NUL at the end.
std::wstring DoubleNulList(const std::vector<std::wstring>& names) {
  std::wstring buffer;
  for (const auto& name : names) {
    buffer += name;
    buffer += L'\0';
  }
  buffer += L'\0';
  return buffer;
}

bool IsSeparator(wchar_t c) noexcept { return c == L'\\' || c == L'/'; }

}  // namespace

std::int32_t GetProgramFileSize(const std::wstring& name) {
  const std::wstring folder = ExeFolder();
  if (folder.empty()) return -1;
  WIN32_FIND_DATAW data{};
  UniqueFindHandle find(::FindFirstFileW((folder + name).c_str(), &data));
  if (!find) return -1;
  return static_cast<std::int32_t>(data.nFileSizeLow);
}

std::wstring DriveRoot(const std::wstring& driveOrPath) {
  if (driveOrPath.size() == 1) return driveOrPath + L":\\";
  if (driveOrPath.size() >= 2 && driveOrPath[1] == L':') return driveOrPath.substr(0, 2) + L'\\';
  // A network share: \\server\share
  if (driveOrPath.size() > 2 && IsSeparator(driveOrPath[0]) && IsSeparator(driveOrPath[1])) {
    const auto server = driveOrPath.find_first_of(L"\\/", 2);
    if (server == std::wstring::npos || server == 2) return {};
    const auto share = driveOrPath.find_first_of(L"\\/", server + 1);
    if (share == server + 1) return {};
    return driveOrPath.substr(0, share) + L'\\';
  }
  return {};
}

std::int64_t GetDiskFreeBytes(const std::wstring& driveOrPath) {
  const std::wstring root = DriveRoot(driveOrPath);
  if (root.empty()) return -1;
  ULARGE_INTEGER freeToCaller{};
  if (!::GetDiskFreeSpaceExW(root.c_str(), &freeToCaller, nullptr, nullptr)) return -1;
  return static_cast<std::int64_t>(freeToCaller.QuadPart);
}

std::wstring GetExeBaseName() {
  std::wstring name = ExePath();
  const auto slash = name.find_last_of(L"\\/:");
  if (slash != std::wstring::npos) name.erase(0, slash + 1);
  const auto dot = name.rfind(L'.');
  if (dot != std::wstring::npos) name.erase(dot);
  return UpperCase(std::move(name));
}

std::wstring GetTempDir() {
  wchar_t buffer[MAX_PATH + 1] = {};
  const DWORD n = ::GetTempPathW(MAX_PATH, buffer);
  if (n == 0 || n > MAX_PATH) return {};
  return std::wstring(buffer, n);
}

std::wstring GetModuleFileNameUpper(HMODULE module) {
  wchar_t buffer[MAX_PATH + 1] = {};
  const DWORD n = ::GetModuleFileNameW(module, buffer, MAX_PATH + 1);
  if (n == 0) return {};
  return UpperCase(std::wstring(buffer, n));
}

bool IsAppWindow(HWND window, bool excludeApplication) {
  if (!::IsWindowVisible(window) && !::IsIconic(window)) return false;
  const HWND owner = ::GetWindow(window, GW_OWNER);
  if (owner && owner != ::GetDesktopWindow()) return false;
  if (::GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) return false;
  if (excludeApplication && window == TApplication::Get().MainWindow()) return false;
  return true;
}

bool ShellFileOperation(const std::vector<std::wstring>& sources, const std::vector<std::wstring>& targets,
                        std::uint16_t flags, TShellOperation kind) {
  if (sources.empty()) return false;
  UINT func = FO_COPY;
  switch (kind) {
    case TShellOperation::Copy: func = FO_COPY; break;
    case TShellOperation::Delete: func = FO_DELETE; break;
    case TShellOperation::Move: func = FO_MOVE; break;
    case TShellOperation::Rename: func = FO_RENAME; break;
    default: return false;
  }
  const std::wstring from = DoubleNulList(sources);
  const std::wstring to = DoubleNulList(targets);
  SHFILEOPSTRUCTW op{};
  op.hwnd = nullptr;
  op.wFunc = func;
  op.pFrom = from.c_str();
  op.pTo = to.c_str();
  op.fFlags = flags;
  op.lpszProgressTitle = nullptr;
  // An operation that was cut short did not do what was asked, even when the
  // shell returns 0 for it.
  return ::SHFileOperationW(&op) == 0 && !op.fAnyOperationsAborted;
}

bool CopyFiles(const std::vector<std::wstring>& sources, const std::vector<std::wstring>& targets) {
  return ShellFileOperation(sources, targets, FOF_MULTIDESTFILES | FOF_SILENT | FOF_NOCONFIRMATION,
                            TShellOperation::Copy);
}

bool DeleteFiles(const std::vector<std::wstring>& names, bool toRecycleBin) {
  std::uint16_t flags = FOF_MULTIDESTFILES | FOF_SILENT | FOF_NOCONFIRMATION;
  if (toRecycleBin) flags |= FOF_ALLOWUNDO;
  return ShellFileOperation(names, {}, flags, TShellOperation::Delete);
}

}  // namespace vorda::win
