#include "win/system/SystemInfo.h"

#include <windows.h>

#include <vector>

#include "win/util/UniqueHandle.h"

namespace vorda::win {
namespace {

OSVERSIONINFOW VersionRecord() {
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof(info);
  if (!::GetVersionExW(&info)) {
    // Not expected on any supported system; the NT family is the safer guess.
    info = OSVERSIONINFOW{};
    info.dwPlatformId = VER_PLATFORM_WIN32_NT;
  }
  return info;
}

// The thread's token when it impersonates, otherwise the process's.
UniqueKernelHandle OpenQueryToken() {
  UniqueKernelHandle token;
  if (::OpenThreadToken(::GetCurrentThread(), TOKEN_QUERY, TRUE, token.Put())) return token;
  if (::GetLastError() != ERROR_NO_TOKEN) return {};
  if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, token.Put())) return {};
  return token;
}

}  // namespace

bool IsWin2000OrLater() {
  const OSVERSIONINFOW info = VersionRecord();
  return info.dwPlatformId == VER_PLATFORM_WIN32_NT && info.dwMajorVersion > 4;
}

bool IsVistaOrLater() {
  const OSVERSIONINFOW info = VersionRecord();
  return info.dwPlatformId == VER_PLATFORM_WIN32_NT && info.dwMajorVersion > 5;
}

bool IsWin7OrLater() {
  const OSVERSIONINFOW info = VersionRecord();
  return info.dwMajorVersion > 6 || (info.dwMajorVersion == 6 && info.dwMinorVersion >= 1);
}

std::wstring GetLastErrorText() {
  const DWORD code = ::GetLastError();
  wchar_t* buffer = nullptr;
  const DWORD n = ::FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
      reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::wstring text;
  if (n != 0 && buffer) text.assign(buffer, n);
  if (buffer) ::LocalFree(buffer);
  // The system ends its messages with a line break.
  while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' ')) text.pop_back();
  return text;
}

bool IsAdminGroupMember() {
  const UniqueKernelHandle token = OpenQueryToken();
  if (!token) return false;

  // Users of a domain may belong to many groups: the list is read whole.
  DWORD size = 0;
  ::GetTokenInformation(token.Get(), TokenGroups, nullptr, 0, &size);
  if (size == 0) return false;
  std::vector<BYTE> buffer(size);
  if (!::GetTokenInformation(token.Get(), TokenGroups, buffer.data(), size, &size)) return false;
  const auto* groups = reinterpret_cast<const TOKEN_GROUPS*>(buffer.data());

  SID_IDENTIFIER_AUTHORITY ntAuthority = SECURITY_NT_AUTHORITY;
  PSID administrators = nullptr;
  if (!::AllocateAndInitializeSid(&ntAuthority, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0, 0,
                                  0, 0, &administrators))
    return false;
  bool member = false;
  for (DWORD i = 0; i < groups->GroupCount && !member; ++i)
    member = ::EqualSid(groups->Groups[i].Sid, administrators) != FALSE;
  ::FreeSid(administrators);
  return member;
}

bool IsProcessElevated() {
  UniqueKernelHandle token;
  if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, token.Put())) return false;
  TOKEN_ELEVATION elevation{};
  DWORD size = 0;
  if (!::GetTokenInformation(token.Get(), TokenElevation, &elevation, sizeof(elevation), &size)) return false;
  return elevation.TokenIsElevated != 0;
}

bool IsUserAdmin() {
  const OSVERSIONINFOW info = VersionRecord();
  if (info.dwPlatformId != VER_PLATFORM_WIN32_NT) return true;
  return info.dwMajorVersion >= 6 ? IsProcessElevated() : IsAdminGroupMember();
}

}  // namespace vorda::win
