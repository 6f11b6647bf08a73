#include "core/image/JpegWriter.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <memory>

// jpeglib.h expects FILE and size_t to be declared before it.
#include <jpeglib.h>

namespace vorda::image {
namespace {

// The library reports fatal errors through error_exit, which must not return:
// it jumps back to EncodeJpeg. No object with a destructor lives in the
// frames it jumps over.
struct TJpegError {
  jpeg_error_mgr pub;
  std::jmp_buf jump;
};

[[noreturn]] void ErrorExit(j_common_ptr cinfo) { std::longjmp(reinterpret_cast<TJpegError*>(cinfo->err)->jump, 1); }

void OutputMessage(j_common_ptr) {}

// Collects the encoded bytes in a vector, a block at a time.
struct TVectorDestination {
  static constexpr std::size_t kBlockSize = 64 * 1024;

  jpeg_destination_mgr pub;
  std::vector<std::uint8_t>* out;
  JOCTET block[kBlockSize];

  bool Append(std::size_t n) noexcept {
    try {
      out->insert(out->end(), block, block + n);
      return true;
    } catch (...) {
      return false;
    }
  }
};

TVectorDestination* DestinationOf(j_compress_ptr cinfo) { return reinterpret_cast<TVectorDestination*>(cinfo->dest); }

void InitDestination(j_compress_ptr cinfo) {
  TVectorDestination* d = DestinationOf(cinfo);
  d->pub.next_output_byte = d->block;
  d->pub.free_in_buffer = TVectorDestination::kBlockSize;
}

boolean EmptyOutputBuffer(j_compress_ptr cinfo) {
  TVectorDestination* d = DestinationOf(cinfo);
  if (!d->Append(TVectorDestination::kBlockSize)) ErrorExit(reinterpret_cast<j_common_ptr>(cinfo));
  InitDestination(cinfo);
  return TRUE;
}

void TermDestination(j_compress_ptr cinfo) {
  TVectorDestination* d = DestinationOf(cinfo);
  if (!d->Append(TVectorDestination::kBlockSize - d->pub.free_in_buffer))
    ErrorExit(reinterpret_cast<j_common_ptr>(cinfo));
}

// Blue-green-red(-unused) pixels to the red-green-blue the encoder takes.
void ToRgb(const TPixelView& picture, int y, JSAMPLE* rgb) noexcept {
  const std::uint8_t* src = picture.Row(y);
  const int step = picture.BytesPerPixel();
  for (int x = 0; x < picture.width; ++x, src += step, rgb += 3) {
    rgb[0] = src[2];
    rgb[1] = src[1];
    rgb[2] = src[0];
  }
}

bool Encode(const TPixelView& picture, int quality, std::vector<std::uint8_t>& out, std::vector<JSAMPLE>& row,
            TVectorDestination& destination) {
  jpeg_compress_struct cinfo{};
  TJpegError error{};
  cinfo.err = jpeg_std_error(&error.pub);
  error.pub.error_exit = ErrorExit;
  error.pub.output_message = OutputMessage;
  if (setjmp(error.jump)) {
    jpeg_destroy_compress(&cinfo);
    return false;
  }
  jpeg_create_compress(&cinfo);
  destination.out = &out;
  destination.pub.init_destination = InitDestination;
  destination.pub.empty_output_buffer = EmptyOutputBuffer;
  destination.pub.term_destination = TermDestination;
  cinfo.dest = &destination.pub;

  cinfo.image_width = static_cast<JDIMENSION>(picture.width);
  cinfo.image_height = static_cast<JDIMENSION>(picture.height);
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, quality, TRUE);
  jpeg_start_compress(&cinfo, TRUE);
  while (cinfo.next_scanline < cinfo.image_height) {
    ToRgb(picture, static_cast<int>(cinfo.next_scanline), row.data());
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&cinfo, rows, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  return true;
}

}  // namespace

std::vector<std::uint8_t> EncodeJpeg(const TPixelView& picture, int quality) {
  if (!picture.IsValid() || picture.width > JPEG_MAX_DIMENSION || picture.height > JPEG_MAX_DIMENSION) return {};
  std::vector<std::uint8_t> out;
  try {
    std::vector<JSAMPLE> row(static_cast<std::size_t>(picture.width) * 3);
    auto destination = std::make_unique<TVectorDestination>();
    if (!Encode(picture, std::clamp(quality, 1, 100), out, row, *destination)) return {};
  } catch (...) {
    return {};
  }
  return out;
}

}  // namespace vorda::image
