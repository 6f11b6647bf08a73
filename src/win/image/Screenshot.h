#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/image/PixelView.h"

namespace vorda::win {

// A copy of the primary screen as 32-bit top-down pixels.
struct TScreenPicture {
  std::vector<std::uint8_t> bits;
  image::TPixelView view;
};

// The primary screen copied with BitBlt into a bitmap of the screen's own
// format, then read out as 32-bit pixels. False when any step fails.
bool CaptureScreen(TScreenPicture& picture) noexcept;

// Saves the primary screen to the path: a bitmap file for a ".bmp" extension
// in any case, JPEG data (quality 90, colour, baseline) for any other name.
// An existing file is replaced. False on any failure, and then no file of
// this call is left behind.
bool SaveScreenshot(const std::wstring& path) noexcept;

}  // namespace vorda::win
