// The PNG reader takes any bytes: it decodes them or refuses them, and a
// decoded picture always has its four bytes for every pixel.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "core/image/PngReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto image = vorda::image::ReadPng(std::span<const std::uint8_t>(data, size));
  if (image && image->rgba.size() != std::size_t{image->width} * image->height * 4) std::abort();
  return 0;
}
