#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace vorda::monitor {

// Upper-cases a text with the system's locale rules.
using TUpper = std::function<std::wstring(std::wstring_view)>;

// The name of the block that belongs to the library file at path.
std::wstring SHMappingName(std::wstring_view path, const TUpper& upper);

// The library file an instance uses: the installed one next to the program for
// copy 0, "SH" + n + ".dll" in the temporary folder for copy n.
std::wstring SHLibraryPath(std::wstring_view exeFolder, std::wstring_view tempFolder, std::uint32_t copy);
// The module name of a copy ("SH.dll", "SH1.dll", ...).
std::wstring SHModuleName(std::uint32_t copy);

// A point of the screen.
struct TScreenPoint {
  std::int32_t x = 0;
  std::int32_t y = 0;
  bool operator==(const TScreenPoint&) const = default;
};

// What one reported message means to the idle watch.
struct TInputActivity {
  bool active = false;         // the active count becomes 1
  TScreenPoint lastMousePos;   // the position kept for the next mouse move
};

// Keys, buttons and wheels are activity; a mouse move only when the cursor has
// moved since the last one; anything else is not.
TInputActivity InputActivity(std::uint32_t message, TScreenPoint cursor, TScreenPoint lastMousePos) noexcept;

}  // namespace vorda::monitor

namespace vorda::monitor {

// A file name that the program's own copies of the library carry: "SH" and a
// number, then ".dll", in any letter case. Other files of the temporary folder
// are not the program's to delete.
bool IsSHCopyName(std::wstring_view fileName) noexcept;

}  // namespace vorda::monitor
