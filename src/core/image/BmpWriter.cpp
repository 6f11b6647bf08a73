#include "core/image/BmpWriter.h"

#include <cstring>

#include "core/text/LittleEndian.h"

namespace vorda::image {
namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint64_t kMaxFileSize = 0x7FFFFFFF;

using text::Put16;
using text::Put32;

}  // namespace

std::vector<std::uint8_t> EncodeBmp(const TPixelView& picture) {
  if (!picture.IsValid()) return {};
  const std::uint64_t rowSize = (static_cast<std::uint64_t>(picture.width) * picture.bitsPerPixel + 31) / 32 * 4;
  const std::uint64_t imageSize = rowSize * static_cast<std::uint64_t>(picture.height);
  const std::uint64_t offBits = kFileHeaderSize + kInfoHeaderSize;
  if (offBits + imageSize > kMaxFileSize) return {};

  std::vector<std::uint8_t> file(static_cast<std::size_t>(offBits + imageSize), 0);
  std::uint8_t* h = file.data();
  h[0] = 'B';
  h[1] = 'M';
  Put32(h + 2, static_cast<std::uint32_t>(file.size()));
  Put32(h + 10, static_cast<std::uint32_t>(offBits));
  std::uint8_t* info = h + kFileHeaderSize;
  Put32(info, kInfoHeaderSize);
  Put32(info + 4, static_cast<std::uint32_t>(picture.width));
  Put32(info + 8, static_cast<std::uint32_t>(picture.height));  // positive: bottom-up
  Put16(info + 12, 1);                                          // planes
  Put16(info + 14, static_cast<std::uint32_t>(picture.bitsPerPixel));
  Put32(info + 16, 0);  // BI_RGB
  Put32(info + 20, static_cast<std::uint32_t>(imageSize));

  const int bpp = picture.BytesPerPixel();
  std::uint8_t* out = h + offBits;
  for (int y = picture.height - 1; y >= 0; --y, out += rowSize) {
    const std::uint8_t* row = picture.Row(y);
    if (bpp == 3) {
      std::memcpy(out, row, static_cast<std::size_t>(picture.width) * 3);
    } else {
      for (int x = 0; x < picture.width; ++x) std::memcpy(out + x * 4, row + x * 4, 3);
    }
  }
  return file;
}

}  // namespace vorda::image
