#pragma once

#include <string>

namespace vorda::win {

// Lower-cases the process's own command line in place, once, before anything
// reads it, and caches the instance number it gives.
void LowerCaseCommandLine() noexcept;

// The shared command-line services over the (lower-cased) process command line.
std::wstring CmdLineParam(int index);
int CmdLineParamCount();
int InstanceNumber();

// The instance number taken right after the lower-casing (1 before it).
int CachedInstanceNumber() noexcept;

}  // namespace vorda::win
