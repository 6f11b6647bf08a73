#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vorda::install {

// Whether a value of the Run key is an autostart entry of the program:
// "Kelvari", an optional blank, and an instance number.
bool IsAutostartValueName(std::wstring_view name);

// The autostart entries among the values of the Run key, of every instance
// number: an uninstallation leaves no instance starting with the system.
std::vector<std::wstring> AutostartValuesToRemove(const std::vector<std::wstring>& valueNames);

}  // namespace vorda::install
