#include "controls/PngBitmap.h"

#include <span>

#include "core/image/PngReader.h"

namespace vorda::controls {

TDib32 LoadPngResource(HMODULE module, const wchar_t* name) noexcept {
  try {
    HRSRC info = ::FindResourceW(module, name, MAKEINTRESOURCEW(10));  // RT_RCDATA
    if (!info) return {};
    HGLOBAL loaded = ::LoadResource(module, info);
    const auto* bytes = static_cast<const std::uint8_t*>(loaded ? ::LockResource(loaded) : nullptr);
    if (!bytes) return {};
    const auto image = image::ReadPng(std::span<const std::uint8_t>(bytes, ::SizeofResource(module, info)));
    if (!image) return {};
    TDib32 dib = CreateDib32(static_cast<int>(image->width), static_cast<int>(image->height));
    if (!dib) return {};
    const std::uint8_t* p = image->rgba.data();
    for (int y = 0; y < dib.height; ++y)
      for (int x = 0; x < dib.width; ++x, p += 4)
        dib.At(x, y) = (std::uint32_t{p[3]} << 24) | (std::uint32_t{p[0]} << 16) | (std::uint32_t{p[1]} << 8) | p[2];
    PremultiplyAlpha(dib);
    return dib;
  } catch (...) {
    return {};
  }
}

}  // namespace vorda::controls
