#pragma once

#include <cstdint>
#include <vector>

#include "core/image/PixelView.h"

namespace vorda::image {

inline constexpr int kJpegQuality = 90;

// The picture as a baseline colour JPEG file (YCbCr, not progressive) at the
// given quality (1..100). Empty when the picture is not valid or the encoder
// fails; the encoder never prints anything.
std::vector<std::uint8_t> EncodeJpeg(const TPixelView& picture, int quality = kJpegQuality);

}  // namespace vorda::image
