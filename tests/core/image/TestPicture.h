#pragma once

#include <cstdint>
#include <vector>

#include "core/image/PixelView.h"

namespace vorda::image::testing {

struct TColour {
  std::uint8_t r, g, b;
};

// Four quadrants: red top left, green top right, blue bottom left, white
// bottom right, in blue-green-red order and padded rows as a DIB keeps them.
struct TTestPicture {
  static constexpr TColour kQuadrants[4] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 255}};

  TTestPicture(int width, int height, int bitsPerPixel, bool bottomUp) {
    const int bpp = bitsPerPixel / 8;
    const std::size_t stride = (static_cast<std::size_t>(width) * bpp + 3) / 4 * 4;
    bits.assign(stride * height, 0xEE);  // the padding must not reach the file
    for (int y = 0; y < height; ++y) {
      std::uint8_t* row = bits.data() + (bottomUp ? height - 1 - y : y) * stride;
      for (int x = 0; x < width; ++x) {
        const TColour c = At(x, y, width, height);
        row[x * bpp] = c.b;
        row[x * bpp + 1] = c.g;
        row[x * bpp + 2] = c.r;
        if (bpp == 4) row[x * bpp + 3] = 0x99;
      }
    }
    view = {bits.data(), width, height, bitsPerPixel, stride, bottomUp};
  }

  static TColour At(int x, int y, int width, int height) {
    return kQuadrants[(y >= height / 2) * 2 + (x >= width / 2)];
  }

  std::vector<std::uint8_t> bits;
  TPixelView view;
};

}  // namespace vorda::image::testing
