#pragma once

#include <string>

namespace vorda::win {

bool IsWin2000OrLater();
bool IsVistaOrLater();
bool IsWin7OrLater();
// The system's message text for the calling thread's last error code.
std::wstring GetLastErrorText();

bool IsAdminGroupMember();
bool IsProcessElevated();
// The user may install programs.
bool IsUserAdmin();

}  // namespace vorda::win
