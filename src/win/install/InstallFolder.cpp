#include "win/install/InstallFolder.h"

#include <windows.h>

#include <array>
#include <cstdio>

#include "core/install/InstallRecord.h"
#include "lang/StringIds.h"
#include "win/app/Strings.h"
#include "win/system/FileHelpers.h"
#include "win/system/Paths.h"

namespace vorda::win {

install::TFolderCheck CheckInstallFolderOnDisk(const std::wstring& text) {
  std::array<std::int32_t, install::kProgramFiles.size()> sizes{};
  for (std::size_t i = 0; i < sizes.size(); ++i) sizes[i] = GetProgramFileSize(std::wstring(install::kProgramFiles[i]));
  const install::TFolderSystem system{
      [](wchar_t drive) { return GetDiskFreeBytes(std::wstring(1, drive)); },
      [](const std::wstring& folder) { return ForceDirectories(folder); }};
  return install::CheckInstallFolder(text, install::NeededSpace(sizes), system);
}

std::wstring FormatKilobytes(double value) {
  wchar_t buffer[64] = {};
  std::swprintf(buffer, 64, L"%.2f", value);
  std::wstring text = buffer;
  wchar_t separator[8] = {};
  if (::GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8) > 1) {
    if (const auto dot = text.find(L'.'); dot != std::wstring::npos) text.replace(dot, 1, separator);
  }
  return text;
}

std::wstring FolderCheckText(const install::TFolderCheck& check) {
  using enum install::TInstallMessage;
  switch (check.message) {
    case imNoFolder: return LoadStr(IDS_INSTALL_NO_FOLDER);
    case imBadFolder: return LoadStr(IDS_INSTALL_BAD_FOLDER);
    case imNoSpace: return install::NoSpaceMessage(LoadStr(IDS_INSTALL_NO_SPACE), check, FormatKilobytes);
    case imCannotCreate: return LoadStr(IDS_INSTALL_CANNOT_CREATE);
    case imNone: break;
  }
  return {};
}

}  // namespace vorda::win
