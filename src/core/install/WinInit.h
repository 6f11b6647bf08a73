#pragma once

#include <string>
#include <vector>

namespace vorda::install {

// Adds deletion requests to the lines of "wininit.ini", which the Windows 95
// family carries out at its next start: after the first line that reads
// "[rename]" in any case (or after a new first line "[rename]"), one line
// "NUL=" + short path per file and, when a folder is given, "DIRNUL=" + its
// short path below them, so that the files go before their folder.
void AddWinInitDeletions(std::vector<std::wstring>& lines, const std::vector<std::wstring>& shortFiles,
                         const std::wstring& shortFolder);

}  // namespace vorda::install
