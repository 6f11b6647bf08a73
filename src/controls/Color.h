#pragma once

#include <windows.h>

#include <cstdint>

#include "controls/Gdi.h"

namespace vorda::controls {

// A colour as the forms use it: an RGB value (0x00BBGGRR), or a system colour
// (0xFF000000 | COLOR_ index) that follows the user's colour scheme.
using TColor = std::uint32_t;

constexpr TColor SysColor(int index) noexcept { return 0xFF000000u | static_cast<std::uint32_t>(index); }
constexpr bool IsSysColor(TColor color) noexcept { return (color & 0xFF000000u) == 0xFF000000u; }

inline constexpr TColor clBtnFace = SysColor(COLOR_BTNFACE);
inline constexpr TColor clBtnHighlight = SysColor(COLOR_BTNHIGHLIGHT);
inline constexpr TColor clBtnShadow = SysColor(COLOR_BTNSHADOW);
inline constexpr TColor clBtnText = SysColor(COLOR_BTNTEXT);
inline constexpr TColor clGrayText = SysColor(COLOR_GRAYTEXT);
inline constexpr TColor clWindow = SysColor(COLOR_WINDOW);
inline constexpr TColor clWindowText = SysColor(COLOR_WINDOWTEXT);
inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clMaroon = 0x000080;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clWhite = 0xFFFFFF;

// The RGB value now: a system colour is looked up in the current scheme.
inline COLORREF ColorToRGB(TColor color) noexcept {
  return IsSysColor(color) ? ::GetSysColor(static_cast<int>(color & 0xFF)) : static_cast<COLORREF>(color & 0xFFFFFF);
}

// A solid brush of one colour. System colours use the system's shared brush,
// other colours a brush of its own, made when the colour is set.
class TSolidBrush {
 public:
  explicit TSolidBrush(TColor color = clBtnFace) { SetColor(color); }

  TColor Color() const noexcept { return color_; }
  void SetColor(TColor color) {
    color_ = color;
    own_.Close();
    if (!IsSysColor(color)) own_.Attach(::CreateSolidBrush(ColorToRGB(color)));
  }
  HBRUSH Get() const noexcept {
    return IsSysColor(color_) ? ::GetSysColorBrush(static_cast<int>(color_ & 0xFF)) : own_.Get();
  }

 private:
  TColor color_ = clBtnFace;
  UniqueBrush own_;
};

}  // namespace vorda::controls
