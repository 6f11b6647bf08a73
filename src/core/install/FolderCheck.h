#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "core/install/InstallMessages.h"

namespace vorda::install {

// The folder text as the folder page puts it back: leading blanks removed
// and, unless it is empty, a trailing backslash.
std::wstring NormalizeInstallFolder(std::wstring_view text);

// Whether a normalised folder has the only accepted shape, a folder below a
// drive root: "X:\name\...", no doubled backslash, none of * / < > ? | ".
bool IsWellFormedInstallFolder(std::wstring_view folder);

// The space the program files take: the sum of their sizes; a missing file
// (-1) counts as nothing.
std::int64_t NeededSpace(std::span<const std::int32_t> fileSizes);

// What the folder checks ask the system.
struct TFolderSystem {
  // Bytes free to the user on the drive of that letter, -1 when unknown.
  std::function<std::int64_t(wchar_t drive)> freeBytes;
  // Creates the folder with its missing parents; true when it exists afterwards.
  std::function<bool(const std::wstring& folder)> createFolder;
};

struct TFolderCheck {
  std::wstring folder;                             // the normalised text
  TInstallMessage message = TInstallMessage::imNone;  // imNone: the folder exists and may be used
  // The amounts of imNoSpace, in bytes, and the drive letter.
  std::int64_t neededBytes = 0;
  std::int64_t freeBytes = 0;
  wchar_t drive = 0;
};

// The checks of the folder page in their order: empty, shape, free space,
// creation. Unknown free space does not stop the installation: a drive that
// cannot be asked fails at the creation instead.
TFolderCheck CheckInstallFolder(std::wstring_view text, std::int64_t neededBytes, const TFolderSystem& system);

// The text of imNoSpace from its pattern: the needed and the free space in
// kilobytes, each written by formatKilobytes (two decimals in the user's
// locale), and the drive letter between them.
std::wstring NoSpaceMessage(std::wstring_view pattern, const TFolderCheck& check,
                            const std::function<std::wstring(double)>& formatKilobytes);

}  // namespace vorda::install
