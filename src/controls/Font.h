#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "controls/Gdi.h"

namespace vorda::controls {

// What a font looks like, as the forms describe it.
struct TFontSpec {
  std::wstring name;
  // As LOGFONT's height: negative is the character height in pixels
  // ("a 12-pixel font" is -12), positive the cell height.
  int height = 0;
  bool bold = false;
  bool italic = false;
  bool underline = false;

  // The size in points at the screen's resolution, and back.
  int Size() const noexcept;
  void SetSize(int points) noexcept;

  LOGFONTW ToLogFont() const noexcept;
  static TFontSpec FromLogFont(const LOGFONTW& lf);
  // The description of an existing font (the default font's for null).
  static TFontSpec Of(HFONT font);

  bool operator==(const TFontSpec&) const = default;
};

UniqueFont CreateFontOf(const TFontSpec& spec) noexcept;

// The system's message font, shared by every control that is given no other;
// it lives as long as the program.
HFONT DefaultFont() noexcept;

// Pixels per logical inch of the screen.
int ScreenDpi() noexcept;

// The size of a single line of text in a font (the default font for null),
// "&" drawn as it is.
SIZE TextExtent(HFONT font, std::wstring_view text) noexcept;
inline int TextWidth(HFONT font, std::wstring_view text) noexcept { return TextExtent(font, text).cx; }

}  // namespace vorda::controls
