#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vorda::programs {

// The marker that tells a window class from a title in a program entry.
inline constexpr std::wstring_view kClassMarker = L"KO>>";

// How a watched program is recognised.
enum TWhoIsClosed : std::uint8_t {
  wicWindowClass = 0,  // by the class of the window that closes
  wicProgramName = 1,  // by the title of the window that closes
  wicMainWindow = 2,   // by a window of a class (and title) looked for periodically
};

// A special program: one whose closing is told by another window than the
// chosen one. The class is the key; the learned titles grow while the program runs.
struct TSpecPrg {
  std::wstring widoczna_nazwa;          // shown while the program is watched
  std::wstring szukana_klasa;           // identifying window class, upper case
  std::wstring mon_prg;                 // title of the window to watch instead, upper case
  std::wstring mon_class;               // class of the window to watch instead, upper case
  std::vector<std::wstring> naglowki;   // titles seen for this program, no duplicates (any case)
};

using TSpecPrgTable = std::vector<TSpecPrg>;

}  // namespace vorda::programs
