#include "win/system/Shortcut.h"

#include <windows.h>
#include <objidl.h>
#include <shlobj.h>

#include "win/system/FileHelpers.h"
#include "win/system/Paths.h"
#include "win/util/ComPtr.h"

namespace vorda::win {
namespace {

// The shell link object and the two interfaces it is driven through.
constexpr CLSID kShellLink = {0x00021401, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr IID kShellLinkW = {0x000214F9, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr IID kPersistFile = {0x0000010B, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

bool PathExists(const std::wstring& path) { return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::wstring FileName(const std::wstring& path) {
  const auto pos = path.find_last_of(L"\\/:");
  return pos == std::wstring::npos ? path : path.substr(pos + 1);
}

std::wstring FolderOf(const std::wstring& path) {
  const auto pos = path.find_last_of(L"\\/:");
  return pos == std::wstring::npos ? std::wstring{} : path.substr(0, pos + 1);
}

std::wstring ChangeExtension(const std::wstring& name, const std::wstring& extension) {
  const auto pos = name.find_last_of(L".\\/:");
  if (pos != std::wstring::npos && name[pos] == L'.') return name.substr(0, pos) + extension;
  return name + extension;
}

bool HasLinkExtension(const std::wstring& name) {
  const auto pos = name.find_last_of(L".\\/:");
  if (pos == std::wstring::npos || name[pos] != L'.') return false;
  return ::CompareStringW(LOCALE_INVARIANT, NORM_IGNORECASE, name.c_str() + pos, -1, L".lnk", -1) == CSTR_EQUAL;
}

std::wstring FullPath(const std::wstring& path) {
  const DWORD n = ::GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (n == 0) return path;
  std::wstring full(n, L'\0');
  const DWORD written = ::GetFullPathNameW(path.c_str(), n, full.data(), nullptr);
  if (written == 0 || written >= n) return path;
  full.resize(written);
  return full;
}

bool WriteLink(const std::wstring& linkPath, const std::wstring& target, const std::wstring& arguments,
               const std::wstring& workDir, const std::wstring& description) {
  // The caller's thread normally has COM already; this keeps a thread
  // without it working too.
  const ComScope com;
  ComPtr<IShellLinkW> link;
  if (::CoCreateInstance(kShellLink, nullptr, CLSCTX_INPROC_SERVER, kShellLinkW, link.PutVoid()) != S_OK || !link)
    return false;
  auto file = link.As<IPersistFile>(kPersistFile);
  if (!file) return false;
  if (link->SetPath(target.c_str()) != S_OK) return false;
  if (link->SetArguments(arguments.c_str()) != S_OK) return false;
  const std::wstring folder = !workDir.empty() && IsDirectory(workDir) ? workDir : FolderOf(target);
  link->SetWorkingDirectory(folder.c_str());
  if (link->SetDescription(description.c_str()) != S_OK) return false;
  return file->Save(linkPath.c_str(), FALSE) == S_OK;
}

}  // namespace

std::wstring LinkFileName(const std::wstring& target, const std::wstring& linkName) {
  if (linkName.empty()) return ChangeExtension(FileName(target), L".lnk");
  if (HasLinkExtension(linkName)) return linkName;
  return ChangeExtension(linkName, L".lnk");
}

std::wstring CreateShortcut(const std::wstring& target, const std::wstring& arguments, const std::wstring& workDir,
                            bool replace, const std::wstring& folder, const std::wstring& description,
                            const std::wstring& linkName) {
  if (target.empty() || !PathExists(target) || folder.empty()) return {};
  if (!IsDirectory(folder) && !ForceDirectories(folder)) return {};

  std::wstring linkPath = folder;
  if (linkPath.back() != L'\\' && linkPath.back() != L'/') linkPath += L'\\';
  linkPath += LinkFileName(target, linkName);

  if (PathExists(linkPath)) {
    if (!replace || !DeleteFiles({linkPath}, true)) return {};
  }
  if (!WriteLink(linkPath, target, arguments, workDir, description)) return {};
  return PathExists(linkPath) ? FullPath(linkPath) : std::wstring{};
}

std::wstring CreateShortcutIn(const std::wstring& target, const std::wstring& arguments,
                              const std::wstring& workDir, const std::wstring& subfolder, bool replace, int place,
                              const std::wstring& description, const std::wstring& linkName) {
  int number = sfDesktopDirectory;
  switch (place) {
    case spCommonStartMenu: number = sfCommonStartMenu; break;
    case spCommonPrograms: number = sfCommonPrograms; break;
    case spCommonDesktop: number = sfCommonDesktopDirectory; break;
    case spQuickLaunch: number = sfQuickLaunch; break;
    case spSendTo: number = sfSendTo; break;
    case spStartMenu: number = sfStartMenu; break;
    case spPrograms: number = sfPrograms; break;
    default: number = sfDesktopDirectory; break;
  }
  // Without the special folder the subfolder alone would be a relative path:
  // no link is written then.
  std::wstring folder = GetSpecialFolder(number);
  if (folder.empty()) return {};
  if (!subfolder.empty()) folder += subfolder;
  return CreateShortcut(target, arguments, workDir, replace, folder, description, linkName);
}

}  // namespace vorda::win
