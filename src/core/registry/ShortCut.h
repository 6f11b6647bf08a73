#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vorda::registry {

// A keyboard shortcut: the virtual key in the low byte, modifier bits above.
using TShortCut = std::uint16_t;
constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;

// The text of a key combination ("Ctrl+Shift+F5", "Alt+X", "Del"), modifiers
// and key names in any letter case; the empty text is no shortcut (0).
// Nothing when the text names no key.
std::optional<TShortCut> TextToShortCut(std::wstring_view text);

}  // namespace vorda::registry
