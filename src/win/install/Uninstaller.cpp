#include "win/install/Uninstaller.h"

#include <windows.h>

#include "core/install/MessageFill.h"
#include "core/install/UninstallRegistry.h"
#include "core/install/WinInit.h"
#include "lang/StringIds.h"
#include "win/app/Strings.h"
#include "win/log/MsgLogger.h"
#include "win/system/Paths.h"
#include "win/util/UniqueHandle.h"

namespace vorda::win {
namespace {

bool FolderExists(const std::wstring& path) {
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FileExists(const std::wstring& path) {
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::wstring ShortPath(const std::wstring& path) {
  const DWORD n = ::GetShortPathNameW(path.c_str(), nullptr, 0);
  if (n == 0) return {};
  std::wstring buffer(n, L'\0');
  const DWORD written = ::GetShortPathNameW(path.c_str(), buffer.data(), n);
  if (written == 0 || written >= n) return {};
  buffer.resize(written);
  return buffer;
}

// The lines of a text file in the system's code page; none when it is missing.
std::vector<std::wstring> ReadLines(const std::wstring& path) {
  std::vector<std::wstring> lines;
  UniqueFileHandle file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return lines;
  std::string bytes;
  char chunk[4096];
  DWORD read = 0;
  while (::ReadFile(file.Get(), chunk, sizeof(chunk), &read, nullptr) && read > 0) bytes.append(chunk, read);
  std::wstring text;
  if (!bytes.empty()) {
    const int n = ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    text.resize(static_cast<std::size_t>(n));
    ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(), n);
  }
  std::size_t start = 0;
  while (start < text.size()) {
    auto end = text.find(L'\n', start);
    if (end == std::wstring::npos) end = text.size();
    std::wstring line = text.substr(start, end - start);
    if (!line.empty() && line.back() == L'\r') line.pop_back();
    lines.push_back(std::move(line));
    start = end + 1;
  }
  return lines;
}

bool WriteLines(const std::wstring& path, const std::vector<std::wstring>& lines) {
  std::wstring text;
  for (const auto& line : lines) text += line + L"\r\n";
  std::string bytes;
  if (!text.empty()) {
    const int n = ::WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    bytes.resize(static_cast<std::size_t>(n));
    ::WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), bytes.data(), n, nullptr, nullptr);
  }
  UniqueFileHandle file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  DWORD written = 0;
  return ::WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
         written == bytes.size();
}

bool IsWindows9x() {
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof(info);
  return ::GetVersionExW(&info) && info.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS;
}

}  // namespace

TUninstallRequest SystemUninstallRequest() {
  TUninstallRequest request;
  request.windows9x = IsWindows9x();
  if (request.windows9x) request.winInitPath = GetSpecialFolder(sfWindows) + L"wininit.ini";
  return request;
}

std::vector<std::wstring> FolderEntries(const std::wstring& folder) {
  std::vector<std::wstring> names;
  std::wstring pattern = folder;
  if (!pattern.empty() && pattern.back() != L'\\') pattern += L'\\';
  pattern += L"*.*";
  WIN32_FIND_DATAW data{};
  UniqueFindHandle find(::FindFirstFileW(pattern.c_str(), &data));
  if (!find) return names;
  do names.emplace_back(data.cFileName);
  while (::FindNextFileW(find.Get(), &data));
  return names;
}

bool ScheduleWithWinInit(const std::wstring& winInitPath, const install::TDeferredDeletion& plan, IInstallUi& ui) {
  auto lines = ReadLines(winInitPath);
  std::vector<std::wstring> shortFiles;
  for (const auto& file : plan.files) shortFiles.push_back(ShortPath(file));
  install::AddWinInitDeletions(lines, shortFiles, plan.folder ? ShortPath(*plan.folder) : std::wstring{});
  while (!WriteLines(winInitPath, lines)) {
    LogEvent(L"Error - Uninstall: cannot write " + winInitPath);
    if (!ui.AskRetry(install::FillPlaceholders(LoadStr(IDS_UNINSTALL_WININIT_FAILED), {winInitPath}))) {
      ui.EndProgram(true);
      return false;
    }
  }
  return true;
}

TUninstallOutcome Uninstall(const TUninstallRequest& request, IInstallUi& ui, registry::IRegistryBackend& backend) {
  ui.SetProgressMax(3);
  const auto found = install::FindInstallation(install::InstallRecordSubKeys(backend), FolderExists, FileExists);
  for (const auto& link : found.shortcuts) ::DeleteFileW(link.c_str());
  if (!found.folder) {
    LogEvent(L"Error - Uninstall: no installation folder in the install record");
    ui.ShowError(LoadStr(IDS_UNINSTALL_NOT_FOUND), true);
    return TUninstallOutcome::uoNotInstalled;
  }
  ui.SetProgress(1);

  const auto plan = install::PlanDeferredDeletion(*found.folder, FolderEntries(*found.folder));
  if (request.windows9x) {
    if (!ScheduleWithWinInit(request.winInitPath, plan, ui)) return TUninstallOutcome::uoCancelled;
  } else {
    // The system deletes them at its next start; the running program is one of them.
    for (const auto& file : plan.files) ::MoveFileExW(file.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
    if (plan.folder) ::MoveFileExW(plan.folder->c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
  }
  ui.SetProgress(2);

  install::RemoveInstallEntries(backend);
  ui.SetProgress(3);
  return TUninstallOutcome::uoDone;
}

}  // namespace vorda::win
