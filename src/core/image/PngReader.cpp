#include "core/image/PngReader.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <string_view>

namespace vorda::image {
namespace {

constexpr std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr std::uint32_t kMaxChunkLength = 0x7FFFFFFF;

std::uint32_t BigEndian32(const std::uint8_t* p) noexcept {
  return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) | p[3];
}

std::uint8_t Paeth(int a, int b, int c) noexcept {
  const int p = a + b - c;
  const int pa = p > a ? p - a : a - p;
  const int pb = p > b ? p - b : b - p;
  const int pc = p > c ? p - c : c - p;
  if (pa <= pb && pa <= pc) return static_cast<std::uint8_t>(a);
  if (pb <= pc) return static_cast<std::uint8_t>(b);
  return static_cast<std::uint8_t>(c);
}

// Inflates a zlib stream into exactly out.size() bytes; false when the stream
// is damaged, ends early or holds more.
bool Inflate(const std::vector<std::uint8_t>& in, std::vector<std::uint8_t>& out) {
  z_stream z{};
  if (inflateInit(&z) != Z_OK) return false;
  z.next_in = const_cast<Bytef*>(in.data());
  z.next_out = out.data();
  bool ok = true;
  // zlib counts in uInt; the sizes here stay far below its limit.
  z.avail_in = static_cast<uInt>(in.size());
  z.avail_out = static_cast<uInt>(out.size());
  const int r = inflate(&z, Z_FINISH);
  if (r != Z_STREAM_END || z.avail_out != 0) ok = false;
  inflateEnd(&z);
  return ok;
}

bool Unfilter(std::vector<std::uint8_t>& raw, std::uint32_t width, std::uint32_t height, TRgbaImage& image) {
  const std::size_t stride = std::size_t{width} * 4;
  image.rgba.resize(stride * height);
  const std::uint8_t* previous = nullptr;
  for (std::uint32_t y = 0; y < height; ++y) {
    const std::uint8_t* src = raw.data() + y * (stride + 1);
    const std::uint8_t filter = src[0];
    ++src;
    std::uint8_t* row = image.rgba.data() + y * stride;
    for (std::size_t i = 0; i < stride; ++i) {
      const int a = i >= 4 ? row[i - 4] : 0;
      const int b = previous ? previous[i] : 0;
      const int c = previous && i >= 4 ? previous[i - 4] : 0;
      int value = src[i];
      switch (filter) {
        case 0: break;
        case 1: value += a; break;
        case 2: value += b; break;
        case 3: value += (a + b) / 2; break;
        case 4: value += Paeth(a, b, c); break;
        default: return false;
      }
      row[i] = static_cast<std::uint8_t>(value);
    }
    previous = row;
  }
  return true;
}

}  // namespace

std::optional<TRgbaImage> ReadPng(std::span<const std::uint8_t> file, TPngError* error) {
  auto fail = [error](TPngError e) -> std::optional<TRgbaImage> {
    if (error) *error = e;
    return std::nullopt;
  };
  if (error) *error = TPngError::peNone;
  if (file.size() < sizeof(kSignature) || std::memcmp(file.data(), kSignature, sizeof(kSignature)) != 0)
    return fail(TPngError::peSignature);

  std::size_t at = sizeof(kSignature);
  bool header = false;
  bool ended = false;
  std::uint32_t width = 0, height = 0;
  std::vector<std::uint8_t> compressed;
  std::size_t compressedLimit = 0;
  while (!ended) {
    if (file.size() - at < 12) return fail(TPngError::peTruncated);
    const std::uint32_t length = BigEndian32(file.data() + at);
    if (length > kMaxChunkLength) return fail(TPngError::peChunkLength);
    if (file.size() - at - 12 < length) return fail(TPngError::peTruncated);
    const std::uint8_t* type = file.data() + at + 4;
    const std::uint8_t* data = type + 4;
    const std::uint32_t stored = BigEndian32(data + length);
    // The check sum covers the type and the data.
    uLong crc = crc32(0L, Z_NULL, 0);
    crc = crc32(crc, type, 4);
    for (std::uint32_t done = 0; done < length;) {
      const std::uint32_t part = std::min<std::uint32_t>(length - done, 1u << 30);
      crc = crc32(crc, data + done, part);
      done += part;
    }
    if (static_cast<std::uint32_t>(crc) != stored) return fail(TPngError::peCrc);
    at += 12 + std::size_t{length};

    const std::string_view name(reinterpret_cast<const char*>(type), 4);
    if (name == "IHDR") {
      if (header || length != 13) return fail(TPngError::peHeader);
      header = true;
      width = BigEndian32(data);
      height = BigEndian32(data + 4);
      if (width == 0 || height == 0 || width > kMaxChunkLength || height > kMaxChunkLength)
        return fail(TPngError::peHeader);
      if (data[10] != 0 || data[11] != 0 || data[12] > 1) return fail(TPngError::peHeader);
      if (data[8] != 8 || data[9] != 6 || data[12] != 0) return fail(TPngError::peUnsupported);
      if (width > kPngMaxSide || height > kPngMaxSide) return fail(TPngError::peTooLarge);
      // A zlib stream cannot shrink data by more than about 1032:1; more input than that is junk.
      compressedLimit = (std::size_t{width} * 4 + 1) * height / 1000 + 4096;
      continue;
    }
    if (!header) return fail(TPngError::peHeader);
    if (name == "IDAT") {
      if (compressed.size() + length > compressedLimit) return fail(TPngError::peData);
      compressed.insert(compressed.end(), data, data + length);
    } else if (name == "IEND") {
      ended = true;
    } else if (name == "PLTE") {
      // A suggested palette of a true-colour picture; nothing to use.
    } else if ((type[0] & 0x20) == 0) {
      return fail(TPngError::peUnsupported);  // a critical chunk we do not know
    }
  }
  if (!header) return fail(TPngError::peHeader);

  std::vector<std::uint8_t> raw((std::size_t{width} * 4 + 1) * height);
  if (compressed.empty() || !Inflate(compressed, raw)) return fail(TPngError::peData);
  TRgbaImage image;
  image.width = width;
  image.height = height;
  if (!Unfilter(raw, width, height, image)) return fail(TPngError::peData);
  return image;
}

}  // namespace vorda::image
