#pragma once

#include "win/util/UniqueHandle.h"

namespace vorda::win {

// Loads a library of the system folder only, never a copy that lies next to
// the program or in the current folder. Empty when it cannot be loaded.
UniqueModule LoadSystemLibrary(const wchar_t* fileName) noexcept;

}  // namespace vorda::win
