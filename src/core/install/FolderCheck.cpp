#include "core/install/FolderCheck.h"

#include "core/install/MessageFill.h"

namespace vorda::install {

std::wstring NormalizeInstallFolder(std::wstring_view text) {
  std::size_t start = 0;
  while (start < text.size() && text[start] <= L' ') ++start;
  std::wstring folder(text.substr(start));
  if (!folder.empty() && folder.back() != L'\\') folder += L'\\';
  return folder;
}

bool IsWellFormedInstallFolder(std::wstring_view folder) {
  if (folder.size() < 4) return false;  // a drive root such as C:\ is no place for the program
  if (folder.find(L"\\\\") != std::wstring_view::npos) return false;
  if (folder.find(L':') != 1) return false;
  if (folder.find_first_of(L"*/<>?|\"") != std::wstring_view::npos) return false;
  return folder[2] == L'\\';
}

std::int64_t NeededSpace(std::span<const std::int32_t> fileSizes) {
  std::int64_t sum = 0;
  for (const auto size : fileSizes)
    if (size > 0) sum += size;
  return sum;
}

TFolderCheck CheckInstallFolder(std::wstring_view text, std::int64_t neededBytes, const TFolderSystem& system) {
  TFolderCheck check;
  check.folder = NormalizeInstallFolder(text);
  if (check.folder.empty()) {
    check.message = TInstallMessage::imNoFolder;
    return check;
  }
  if (!IsWellFormedInstallFolder(check.folder)) {
    check.message = TInstallMessage::imBadFolder;
    return check;
  }
  check.drive = check.folder[0];
  check.neededBytes = neededBytes;
  check.freeBytes = system.freeBytes ? system.freeBytes(check.drive) : -1;
  if (check.freeBytes >= 0 && check.freeBytes < neededBytes) {
    check.message = TInstallMessage::imNoSpace;
    return check;
  }
  if (!system.createFolder || !system.createFolder(check.folder)) check.message = TInstallMessage::imCannotCreate;
  return check;
}

std::wstring NoSpaceMessage(std::wstring_view pattern, const TFolderCheck& check,
                            const std::function<std::wstring(double)>& formatKilobytes) {
  return FillPlaceholders(pattern, {formatKilobytes(static_cast<double>(check.neededBytes) / 1024.0),
                                    std::wstring(1, check.drive),
                                    formatKilobytes(static_cast<double>(check.freeBytes) / 1024.0)});
}

}  // namespace vorda::install
