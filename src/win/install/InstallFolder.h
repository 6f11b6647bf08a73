#pragma once

#include <string>

#include "core/install/FolderCheck.h"

namespace vorda::win {

// The folder page's checks against this computer: the sizes of the program
// files beside the executable, the free space of the folder's drive, the
// creation of the folder.
install::TFolderCheck CheckInstallFolderOnDisk(const std::wstring& text);

// The message of a failed check as the user reads it (empty for none).
std::wstring FolderCheckText(const install::TFolderCheck& check);

// A number with two decimals and the decimal separator of the user's locale.
std::wstring FormatKilobytes(double value);

}  // namespace vorda::win
