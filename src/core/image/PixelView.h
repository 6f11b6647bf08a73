#pragma once

#include <cstddef>
#include <cstdint>

namespace vorda::image {

// A picture in memory laid out as device-independent bitmap pixels: blue,
// green, red per pixel (and one unused byte at 32 bits per pixel), rows
// stride bytes apart. A bottom-up picture keeps its bottom row first, as a
// bitmap with a positive height does.
struct TPixelView {
  const std::uint8_t* bits = nullptr;
  int width = 0;
  int height = 0;
  int bitsPerPixel = 32;  // 24 or 32
  std::size_t stride = 0;
  bool bottomUp = false;

  bool IsValid() const noexcept {
    return bits != nullptr && width > 0 && height > 0 && (bitsPerPixel == 24 || bitsPerPixel == 32) &&
           stride >= static_cast<std::size_t>(width) * (bitsPerPixel / 8);
  }
  int BytesPerPixel() const noexcept { return bitsPerPixel / 8; }
  // Row y counted from the top of the picture.
  const std::uint8_t* Row(int y) const noexcept {
    const int fromStart = bottomUp ? height - 1 - y : y;
    return bits + static_cast<std::size_t>(fromStart) * stride;
  }
};

}  // namespace vorda::image
