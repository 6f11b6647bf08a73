#include "win/system/Paths.h"

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <array>
#include <vector>

#include "win/app/Application.h"
#include "win/util/ComPtr.h"
#include "win/util/UniqueHandle.h"

namespace vorda::win {
namespace {

constexpr int kQuickLaunch = 41;

// The shell folder identifier (CSIDL) of each folder number below 41.
constexpr std::array<int, 41> kFolderIds = {
    48 /*ADMINTOOLS*/,        29 /*ALTSTARTUP*/,       26 /*APPDATA*/,
    10 /*BITBUCKET*/,         59 /*CDBURN_AREA*/,      47 /*COMMON_ADMINTOOLS*/,
    30 /*COMMON_ALTSTARTUP*/, 35 /*COMMON_APPDATA*/,   25 /*COMMON_DESKTOPDIRECTORY*/,
    46 /*COMMON_DOCUMENTS*/,  31 /*COMMON_FAVORITES*/, 53 /*COMMON_MUSIC*/,
    54 /*COMMON_PICTURES*/,   23 /*COMMON_PROGRAMS*/,  22 /*COMMON_STARTMENU*/,
    24 /*COMMON_STARTUP*/,    45 /*COMMON_TEMPLATES*/, 55 /*COMMON_VIDEO*/,
    33 /*COOKIES*/,           16 /*DESKTOPDIRECTORY*/, 6 /*FAVORITES*/,
    20 /*FONTS*/,             34 /*HISTORY*/,          32 /*INTERNET_CACHE*/,
    28 /*LOCAL_APPDATA*/,     5 /*MYDOCUMENTS*/,       13 /*MYMUSIC*/,
    39 /*MYPICTURES*/,        14 /*MYVIDEO*/,          40 /*PROFILE*/,
    62 /*PROFILES*/,          38 /*PROGRAM_FILES*/,    43 /*PROGRAM_FILES_COMMON*/,
    2 /*PROGRAMS*/,           8 /*RECENT*/,            9 /*SENDTO*/,
    11 /*STARTMENU*/,         7 /*STARTUP*/,           37 /*SYSTEM*/,
    21 /*TEMPLATES*/,         36 /*WINDOWS*/,
};

bool IsSeparator(wchar_t c) noexcept { return c == L'\\' || c == L'/'; }

std::wstring WithTrailingSeparator(std::wstring path) {
  if (!path.empty() && path.back() != L'\\') path += L'\\';
  return path;
}

std::wstring WithoutTrailingSeparators(std::wstring path) {
  while (path.size() > 1 && IsSeparator(path.back())) path.pop_back();
  return path;
}

// The folder part up to and including the last separator or drive colon.
std::wstring FolderPart(const std::wstring& path) {
  const auto pos = path.find_last_of(L"\\:");
  return pos == std::wstring::npos ? std::wstring{} : path.substr(0, pos + 1);
}

// The extension of the file name, from its last point on; empty without one.
std::wstring Extension(const std::wstring& path) {
  const auto pos = path.find_last_of(L".\\:");
  return pos != std::wstring::npos && path[pos] == L'.' ? path.substr(pos) : std::wstring{};
}

bool IsWin95Family() {
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof(info);
  return ::GetVersionExW(&info) && info.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS;
}

// The all-users folders that the Windows 95 family lacks become the user's own.
int Win95Folder(int number) {
  switch (number) {
    case sfCommonAltStartup: return sfAltStartup;
    case sfCommonDesktopDirectory: return sfDesktopDirectory;
    case sfCommonFavorites: return sfFavorites;
    case sfCommonPrograms: return sfPrograms;
    case sfCommonStartMenu: return sfStartMenu;
    case sfCommonStartup: return sfStartup;
    case sfCommonTemplates: return sfTemplates;
    case sfProgramFilesCommon: return sfProgramFiles;
    default: return number;
  }
}

// A folder asked for in place of one that the shell does not give; -1: none.
int FallbackFolder(int number) {
  switch (number) {
    case sfCommonAdminTools: return sfAdminTools;
    case sfCommonAppData: return sfAppData;
    case sfCommonMusic: return sfMyMusic;
    case sfCommonPictures: return sfMyPictures;
    case sfCommonVideo: return sfMyVideo;
    default: return -1;
  }
}

std::wstring ReadRegString(HKEY root, const wchar_t* subKey, const wchar_t* name) {
  UniqueRegKey key;
  if (::RegOpenKeyExW(root, subKey, 0, KEY_READ, key.Put()) != ERROR_SUCCESS) return {};
  DWORD type = 0;
  DWORD size = 0;
  if (::RegQueryValueExW(key.Get(), name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return {};
  if ((type != REG_SZ && type != REG_EXPAND_SZ) || size == 0) return {};
  std::vector<wchar_t> buffer(size / sizeof(wchar_t) + 1, L'\0');
  if (::RegQueryValueExW(key.Get(), name, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &size) !=
      ERROR_SUCCESS)
    return {};
  buffer.back() = L'\0';
  return std::wstring(buffer.data());
}

// SHGetFolderPathW of shell32, looked up at run time; empty on any failure.
std::wstring ShellFolderPath(int csidl) {
  using SHGetFolderPathWFn = HRESULT(WINAPI*)(HWND, int, HANDLE, DWORD, LPWSTR);
  UniqueModule shell32(::LoadLibraryW(L"shell32.dll"));
  const auto getFolderPath = GetProc<SHGetFolderPathWFn>(shell32, "SHGetFolderPathW");
  if (!getFolderPath) return {};
  wchar_t buffer[MAX_PATH + 1] = {};
  if (FAILED(getFolderPath(TApplication::Get().MainWindow(), csidl, nullptr, 0, buffer))) return {};
  buffer[MAX_PATH] = L'\0';
  return buffer;
}

// The same folder through its item list; empty when it has no file-system path.
std::wstring ShellFolderPathFromIdList(int csidl) {
  ComPtr<IMalloc> allocator;
  if (FAILED(::SHGetMalloc(allocator.Put())) || !allocator) return {};
  LPITEMIDLIST items = nullptr;
  if (FAILED(::SHGetSpecialFolderLocation(TApplication::Get().MainWindow(), csidl, &items)) || !items) return {};
  wchar_t buffer[MAX_PATH + 1] = {};
  std::wstring path;
  if (::SHGetPathFromIDListW(items, buffer)) path = buffer;
  allocator->Free(items);
  return path;
}

std::wstring FolderOfNumber(int number) {
  if (number >= 0 && number < kQuickLaunch) {
    const int csidl = kFolderIds[static_cast<std::size_t>(number)];
    std::wstring path = ShellFolderPath(csidl);
    std::wstring fromIdList = ShellFolderPathFromIdList(csidl);
    // The item list's answer is preferred, but it never throws away a
    // folder that the first query found.
    if (!fromIdList.empty()) path = std::move(fromIdList);
    return path;
  }
  if (number == kQuickLaunch) {
    std::wstring path = ReadRegString(HKEY_CURRENT_USER,
                                      L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\GrpConv\\MapGroups",
                                      L"Quick Launch");
    return IsValidPath(path) ? path : std::wstring{};
  }
  return {};
}

std::wstring SystemFolder(bool windows) {
  wchar_t buffer[MAX_PATH] = {};
  const UINT n = windows ? ::GetWindowsDirectoryW(buffer, MAX_PATH) : ::GetSystemDirectoryW(buffer, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return {};
  return std::wstring(buffer, n);
}

bool DirectoryExists(const std::wstring& path) {
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The shell's name of the last part of a path, or that part as it is written.
std::wstring DisplayNameOfLastPart(const std::wstring& path, std::size_t separator) {
  SHFILEINFOW info{};
  if (::SHGetFileInfoW(path.c_str(), 0, &info, sizeof(info), SHGFI_DISPLAYNAME) && info.szDisplayName[0])
    return info.szDisplayName;
  return path.substr(separator + 1);
}

// Puts back an extension that a display name may have hidden, in the letter
// case it was given in; a point inside the name itself is left alone.
std::wstring WithExtension(std::wstring path, const std::wstring& extension) {
  if (extension.empty()) return path;
  const auto nameStart = path.find_last_of(L"\\:");
  const std::size_t nameLength = nameStart == std::wstring::npos ? path.size() : path.size() - nameStart - 1;
  if (nameLength > extension.size() &&
      ::CompareStringW(LOCALE_INVARIANT, NORM_IGNORECASE, path.c_str() + path.size() - extension.size(),
                       static_cast<int>(extension.size()), extension.c_str(),
                       static_cast<int>(extension.size())) == CSTR_EQUAL)
    path.resize(path.size() - extension.size());
  return path + extension;
}

}  // namespace

std::wstring GetShellDisplayName(const std::wstring& path) {
  SHFILEINFOW info{};
  if (::SHGetFileInfoW(path.c_str(), 0, &info, sizeof(info), SHGFI_DISPLAYNAME) && info.szDisplayName[0])
    return info.szDisplayName;
  return path;
}

std::wstring GetDisplayPath(const std::wstring& path) {
  const std::wstring fullName = WithoutTrailingSeparators(path);
  if (fullName.empty()) return {};
  const std::wstring extension = Extension(fullName);

  std::wstring rest(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = ::GetShortPathNameW(fullName.c_str(), rest.data(), static_cast<DWORD>(rest.size()));
    if (n == 0) return {};
    if (n < rest.size()) {
      rest.resize(n);
      break;
    }
    rest.resize(n);
  }

  std::wstring result;
  for (auto pos = rest.rfind(L'\\'); pos != std::wstring::npos; pos = rest.rfind(L'\\')) {
    result = L'\\' + DisplayNameOfLastPart(rest, pos) + result;
    rest.erase(pos);
  }
  return WithExtension(rest + result, extension);
}

std::wstring GetProgramFilesDir() {
  std::wstring path = ShellFolderPath(CSIDL_PROGRAM_FILES);
  if (path.empty())
    path = ReadRegString(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion", L"ProgramFilesDir");
  if (path.empty()) path = L"C:\\Program files";
  return WithTrailingSeparator(std::move(path));
}

std::wstring GetSpecialFolder(int number, const std::wstring& subfolder) {
  if (IsWin95Family()) number = Win95Folder(number);

  std::wstring path = FolderOfNumber(number);
  if (path.empty()) {
    if (number == sfSystem) {
      path = SystemFolder(false);
    } else if (number == sfWindows) {
      path = SystemFolder(true);
    } else if (const int fallback = FallbackFolder(number); fallback >= 0) {
      path = GetSpecialFolder(fallback);
    }
  }
  if (path.empty()) return {};
  path = WithTrailingSeparator(std::move(path));
  if (subfolder.empty()) return path;

  path += subfolder;
  if (!ForceDirectories(path) || !IsValidPath(path)) return {};
  return WithTrailingSeparator(std::move(path));
}

bool ForceDirectories(const std::wstring& path) {
  const std::wstring folder = WithoutTrailingSeparators(path);
  if (folder.empty() || (folder.size() == 1 && IsSeparator(folder[0]))) return false;
  if (DirectoryExists(folder)) return true;
  const auto slash = folder.find_last_of(L"\\/");
  if (slash != std::wstring::npos && slash > 0 && !ForceDirectories(folder.substr(0, slash))) return false;
  if (::CreateDirectoryW(folder.c_str(), nullptr)) return true;
  return ::GetLastError() == ERROR_ALREADY_EXISTS && DirectoryExists(folder);
}

bool IsDirectory(const std::wstring& path) {
  using PathIsDirectoryWFn = BOOL(WINAPI*)(LPCWSTR);
  UniqueModule shlwapi(::LoadLibraryW(L"shlwapi.dll"));
  if (const auto isDirectory = GetProc<PathIsDirectoryWFn>(shlwapi, "PathIsDirectoryW"))
    return isDirectory(path.c_str()) != FALSE;
  return DirectoryExists(path);
}

bool IsRelativePath(const std::wstring& path) {
  using PathIsRelativeWFn = BOOL(WINAPI*)(LPCWSTR);
  UniqueModule shlwapi(::LoadLibraryW(L"shlwapi.dll"));
  if (const auto isRelative = GetProc<PathIsRelativeWFn>(shlwapi, "PathIsRelativeW"))
    return isRelative(path.c_str()) != FALSE;
  const bool hasDrive = path.size() >= 2 && path[1] == L':';
  const bool isShare = path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1]);
  return !hasDrive && !isShare;
}

bool IsValidPath(const std::wstring& path) {
  if (IsRelativePath(path) || FolderPart(path).empty()) return false;
  return path.find_first_of(L"?/*<>|\"") == std::wstring::npos;
}

}  // namespace vorda::win
