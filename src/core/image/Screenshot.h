#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "core/image/PixelView.h"

namespace vorda::image {

enum class TScreenshotFormat : std::uint8_t { sfBmp, sfJpeg };

// A path whose extension is ".bmp" in any case names a bitmap; every other
// path (".jpg", ".jpeg", ".png", none at all) gets JPEG data.
TScreenshotFormat ScreenshotFormat(std::wstring_view path) noexcept;

// The screenshot file's contents for the path: a bitmap file, or a colour
// baseline JPEG at quality 90. Empty when the picture cannot be encoded.
std::vector<std::uint8_t> EncodeScreenshot(std::wstring_view path, const TPixelView& picture);

}  // namespace vorda::image
