#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace vorda::image {

// A picture of 8-bit red, green, blue and straight alpha, row after row from the top.
struct TRgbaImage {
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  std::vector<std::uint8_t> rgba;  // width * height * 4 bytes
};

// Why a PNG file was refused.
enum class TPngError : std::uint8_t {
  peNone,
  peSignature,    // not a PNG file
  peTruncated,    // a chunk runs past the end, or IEND never came
  peChunkLength,  // a chunk length above 2^31 - 1
  peCrc,          // a chunk's check sum does not match
  peHeader,       // IHDR missing, misplaced, of the wrong size or with bad fields
  peUnsupported,  // anything but 8-bit RGBA, non-interlaced; an unknown critical chunk
  peTooLarge,     // more pixels than the reader takes
  peData,         // the compressed stream is damaged or of the wrong size, or a bad row filter
};

// The largest picture the reader takes; the program's own are tiny.
inline constexpr std::uint32_t kPngMaxSide = 4096;

// Decodes a PNG file of 8-bit RGBA, non-interlaced. Anything else, and any
// damage, gives nothing with the reason in error.
std::optional<TRgbaImage> ReadPng(std::span<const std::uint8_t> file, TPngError* error = nullptr);

}  // namespace vorda::image
