#pragma once

#include <cstdint>
#include <vector>

#include "core/image/PixelView.h"

namespace vorda::image {

// The picture as a Windows bitmap file (BITMAPFILEHEADER, BITMAPINFOHEADER,
// uncompressed bottom-up rows padded to four bytes) with the picture's own
// depth; the unused byte of 32-bit pixels is written as 0. Empty when the
// picture is not valid or the file would pass 2 GB.
std::vector<std::uint8_t> EncodeBmp(const TPixelView& picture);

}  // namespace vorda::image
