#include "controls/Font.h"

#include <cwchar>

namespace vorda::controls {

int ScreenDpi() noexcept {
  TWindowDC screen(nullptr);
  const int dpi = screen.Get() ? ::GetDeviceCaps(screen.Get(), LOGPIXELSY) : 0;
  return dpi > 0 ? dpi : 96;
}

int TFontSpec::Size() const noexcept {
  const int pixels = height < 0 ? -height : height;
  return ::MulDiv(pixels, 72, ScreenDpi());
}

void TFontSpec::SetSize(int points) noexcept { height = -::MulDiv(points, ScreenDpi(), 72); }

LOGFONTW TFontSpec::ToLogFont() const noexcept {
  LOGFONTW lf{};
  lf.lfHeight = height;
  lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = italic ? TRUE : FALSE;
  lf.lfUnderline = underline ? TRUE : FALSE;
  lf.lfCharSet = DEFAULT_CHARSET;
  lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
  lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  lf.lfQuality = DEFAULT_QUALITY;
  lf.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  ::wcsncpy(lf.lfFaceName, name.c_str(), LF_FACESIZE - 1);
  return lf;
}

TFontSpec TFontSpec::FromLogFont(const LOGFONTW& lf) {
  TFontSpec spec;
  spec.name = lf.lfFaceName;
  spec.height = lf.lfHeight;
  spec.bold = lf.lfWeight >= FW_BOLD;
  spec.italic = lf.lfItalic != 0;
  spec.underline = lf.lfUnderline != 0;
  return spec;
}

TFontSpec TFontSpec::Of(HFONT font) {
  LOGFONTW lf{};
  if (!::GetObjectW(font ? font : DefaultFont(), sizeof(lf), &lf)) return TFontSpec{};
  return FromLogFont(lf);
}

UniqueFont CreateFontOf(const TFontSpec& spec) noexcept {
  const LOGFONTW lf = spec.ToLogFont();
  return UniqueFont(::CreateFontIndirectW(&lf));
}

HFONT DefaultFont() noexcept {
  static const UniqueFont font = [] {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
      return UniqueFont(::CreateFontIndirectW(&metrics.lfMessageFont));
    return UniqueFont();
  }();
  return font ? font.Get() : static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
}

SIZE TextExtent(HFONT font, std::wstring_view text) noexcept {
  SIZE size{};
  TWindowDC screen(nullptr);
  if (!screen.Get()) return size;
  TSelectObject select(screen.Get(), font ? font : DefaultFont());
  ::GetTextExtentPoint32W(screen.Get(), text.data(), static_cast<int>(text.size()), &size);
  return size;
}

}  // namespace vorda::controls
