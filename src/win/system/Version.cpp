#include "win/system/Version.h"

#include <windows.h>
#include <shellapi.h>
#include <winver.h>

#include <charconv>
#include <cstdio>
#include <string_view>
#include <vector>

namespace vorda::win {
namespace {

// The whole version resource of a file; empty when it has none.
std::vector<BYTE> ReadVersionResource(const std::wstring& file) {
  DWORD handle = 0;
  const DWORD size = ::GetFileVersionInfoSizeW(file.c_str(), &handle);
  if (size == 0) return {};
  std::vector<BYTE> data(size);
  if (!::GetFileVersionInfoW(file.c_str(), 0, size, data.data())) return {};
  return data;
}

// The fixed part of a version resource, or null when the resource has none.
const VS_FIXEDFILEINFO* FixedPart(std::vector<BYTE>& resource) {
  void* value = nullptr;
  UINT length = 0;
  if (!::VerQueryValueW(resource.data(), L"\\", &value, &length) || !value || length < sizeof(VS_FIXEDFILEINFO))
    return nullptr;
  return static_cast<const VS_FIXEDFILEINFO*>(value);
}

bool IsExecutable(const std::wstring& file) {
  return ::SHGetFileInfoW(file.c_str(), 0, nullptr, 0, SHGFI_EXETYPE) != 0;
}

}  // namespace

std::wstring GetFileVersionText(const std::wstring& file, bool full, bool withPrivateBuild) {
  std::vector<BYTE> resource = ReadVersionResource(file);
  if (resource.empty()) return {};
  const VS_FIXEDFILEINFO* fixed = FixedPart(resource);
  if (!fixed) return {};
  std::wstring text = std::to_wstring(HIWORD(fixed->dwFileVersionMS)) + L'.' +
                      std::to_wstring(LOWORD(fixed->dwFileVersionMS));
  if (full) {
    text += L'.' + std::to_wstring(HIWORD(fixed->dwFileVersionLS)) + L'.' +
            std::to_wstring(LOWORD(fixed->dwFileVersionLS));
  }
  if (withPrivateBuild) {
    const std::wstring privateBuild = GetVersionString(file, L"PrivateBuild");
    if (!privateBuild.empty()) text += L" (" + privateBuild + L")";
  }
  return text;
}

double GetFileVersionNumber(const std::wstring& file) {
  const std::wstring text = GetFileVersionText(file, false, false);
  if (text.empty()) return -1;
  // The text is "major.minor" in ASCII digits; from_chars reads it with a
  // point whatever the locale's decimal separator is.
  std::string narrow;
  for (const wchar_t c : text) {
    if (c > 0x7F) return -1;
    narrow += static_cast<char>(c);
  }
  double value = 0;
  const auto [end, error] = std::from_chars(narrow.data(), narrow.data() + narrow.size(), value);
  if (error != std::errc{} || end != narrow.data() + narrow.size()) return -1;
  return value;
}

std::wstring GetVersionString(const std::wstring& file, const std::wstring& key) {
  if (!IsExecutable(file)) return {};
  std::vector<BYTE> resource = ReadVersionResource(file);
  if (resource.empty()) return {};

  void* value = nullptr;
  UINT length = 0;
  if (!::VerQueryValueW(resource.data(), L"\\VarFileInfo\\Translation", &value, &length) || !value ||
      length < 2 * sizeof(WORD))
    return {};
  const auto* translation = static_cast<const WORD*>(value);
  wchar_t block[9] = {};
  std::swprintf(block, 9, L"%04X%04X", translation[0], translation[1]);

  const std::wstring subBlock = L"\\StringFileInfo\\" + std::wstring(block) + L"\\" + key;
  value = nullptr;
  length = 0;
  if (!::VerQueryValueW(resource.data(), subBlock.c_str(), &value, &length) || !value || length == 0) return {};
  // The length counts the terminating NUL; stop at the first NUL in any case.
  const auto* text = static_cast<const wchar_t*>(value);
  return std::wstring(text, ::wcsnlen(text, length));
}

}  // namespace vorda::win
