#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/programs/ProgramList.h"

namespace vorda::win {

// A window's title, as long as it is.
std::wstring GetWindowTitle(HWND window);
// A window's class name, at most 63 characters.
std::wstring GetWindowClass(HWND window);
// Upper case by the system's locale rules.
std::wstring UpperCaseName(std::wstring_view text);
// The program's upper case for the rules of the program lists.
const programs::TUpperCase& ProgramUpperCase();

// Whether the window is left out of the program lists; own is this
// program's main window.
bool IsIgnoredWindow(HWND window, HWND own, std::wstring_view className, std::wstring_view title);

// The top-level windows as the lists see them, in the system's order.
std::vector<programs::TTopWindow> TopLevelWindows(HWND own);

// The entries of the close-program list of the advanced options.
std::vector<std::wstring> CloseAppListItems(HWND own, bool showClasses, bool exactName);

}  // namespace vorda::win
