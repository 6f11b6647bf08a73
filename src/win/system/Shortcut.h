#pragma once

#include <string>

namespace vorda::win {

// The file name of a link: the link name when it ends in ".lnk" (any case),
// otherwise the link name or, without one, the target's file name with its
// extension replaced by ".lnk".
std::wstring LinkFileName(const std::wstring& target, const std::wstring& linkName);

// Writes a shell link; the full path of the link, or empty.
std::wstring CreateShortcut(const std::wstring& target, const std::wstring& arguments, const std::wstring& workDir,
                            bool replace, const std::wstring& folder, const std::wstring& description,
                            const std::wstring& linkName);

// Places of CreateShortcutIn.
enum TShortcutPlace : int {
  spCommonStartMenu = 0, spCommonPrograms = 1, spCommonDesktop = 2, spQuickLaunch = 3, spSendTo = 4,
  spStartMenu = 5, spPrograms = 6, spDesktop = 7
};

std::wstring CreateShortcutIn(const std::wstring& target, const std::wstring& arguments,
                              const std::wstring& workDir, const std::wstring& subfolder, bool replace, int place,
                              const std::wstring& description, const std::wstring& linkName);

}  // namespace vorda::win
