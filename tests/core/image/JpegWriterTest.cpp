#include <gtest/gtest.h>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>

// jpeglib.h expects FILE and size_t to be declared before it.
#include <jpeglib.h>

#include "TestPicture.h"
#include "core/image/JpegWriter.h"

namespace vorda::image {
namespace {

using testing::TTestPicture;

// What the library reads back from a file.
struct TDecoded {
  bool ok = false;
  int width = 0, height = 0, components = 0;
  bool progressive = true;
  J_COLOR_SPACE colourSpace = JCS_UNKNOWN;
  int lumaDc = 0, lumaFirstAc = 0, chromaDc = 0;  // quantisation table entries
  std::vector<std::uint8_t> rgb;
};

struct TDecodeError {
  jpeg_error_mgr pub;
  std::jmp_buf jump;
};

void DecodeInto(const std::vector<std::uint8_t>& file, TDecoded& out, std::vector<std::uint8_t>& rgb) {
  jpeg_decompress_struct cinfo{};
  TDecodeError error{};
  cinfo.err = jpeg_std_error(&error.pub);
  error.pub.error_exit = [](j_common_ptr c) { std::longjmp(reinterpret_cast<TDecodeError*>(c->err)->jump, 1); };
  error.pub.output_message = [](j_common_ptr) {};
  if (setjmp(error.jump)) {
    jpeg_destroy_decompress(&cinfo);
    return;
  }
  jpeg_create_decompress(&cinfo);
  jpeg_mem_src(&cinfo, file.data(), static_cast<unsigned long>(file.size()));
  jpeg_read_header(&cinfo, TRUE);
  out.progressive = cinfo.progressive_mode;
  out.colourSpace = cinfo.jpeg_color_space;
  out.lumaDc = cinfo.quant_tbl_ptrs[0]->quantval[0];
  out.lumaFirstAc = cinfo.quant_tbl_ptrs[0]->quantval[1];
  out.chromaDc = cinfo.quant_tbl_ptrs[1]->quantval[0];
  cinfo.out_color_space = JCS_RGB;
  jpeg_start_decompress(&cinfo);
  out.width = static_cast<int>(cinfo.output_width);
  out.height = static_cast<int>(cinfo.output_height);
  out.components = cinfo.output_components;
  rgb.resize(static_cast<std::size_t>(out.width) * out.height * 3);
  while (cinfo.output_scanline < cinfo.output_height) {
    JSAMPROW row = rgb.data() + static_cast<std::size_t>(cinfo.output_scanline) * out.width * 3;
    jpeg_read_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_decompress(&cinfo);
  jpeg_destroy_decompress(&cinfo);
  out.ok = true;
}

TDecoded Decode(const std::vector<std::uint8_t>& file) {
  TDecoded out;
  std::vector<std::uint8_t> rgb;
  DecodeInto(file, out, rgb);
  out.rgb = std::move(rgb);
  return out;
}

// The frame markers up to the first scan: SOF0 (0xC0) is baseline.
std::vector<int> FrameMarkers(const std::vector<std::uint8_t>& f) {
  std::vector<int> markers;
  std::size_t at = 2;
  while (at + 4 <= f.size() && f[at] == 0xFF && f[at + 1] != 0xDA) {
    const int marker = f[at + 1];
    if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC)
      markers.push_back(marker);
    at += 2 + (f[at + 2] << 8 | f[at + 3]);
  }
  return markers;
}

class JpegWriter : public ::testing::TestWithParam<std::tuple<int, bool>> {};

TEST_P(JpegWriter, DecodesBackAsABaselineColourPictureOfTheSameSize) {
  const auto [bitsPerPixel, bottomUp] = GetParam();
  const int width = 97, height = 61;
  TTestPicture picture(width, height, bitsPerPixel, bottomUp);
  const auto file = EncodeJpeg(picture.view);
  ASSERT_GT(file.size(), 4u);
  EXPECT_EQ(file[0], 0xFF);
  EXPECT_EQ(file[1], 0xD8);
  EXPECT_EQ(file[file.size() - 2], 0xFF);
  EXPECT_EQ(file[file.size() - 1], 0xD9);
  EXPECT_EQ(FrameMarkers(file), std::vector<int>{0xC0});

  const TDecoded d = Decode(file);
  ASSERT_TRUE(d.ok);
  EXPECT_EQ(d.width, width);
  EXPECT_EQ(d.height, height);
  EXPECT_EQ(d.components, 3);
  EXPECT_FALSE(d.progressive);
  EXPECT_EQ(d.colourSpace, JCS_YCbCr);
  // Quality 90 scales the standard tables to a fifth: 16 -> 3, 11 -> 2, 17 -> 3.
  EXPECT_EQ(d.lumaDc, 3);
  EXPECT_EQ(d.lumaFirstAc, 2);
  EXPECT_EQ(d.chromaDc, 3);

  // The middle of each quadrant keeps its colour.
  for (const auto& [x, y] : {std::pair{width / 4, height / 4}, std::pair{3 * width / 4, height / 4},
                             std::pair{width / 4, 3 * height / 4}, std::pair{3 * width / 4, 3 * height / 4}}) {
    const auto expected = TTestPicture::At(x, y, width, height);
    const std::uint8_t* px = d.rgb.data() + (static_cast<std::size_t>(y) * width + x) * 3;
    EXPECT_NEAR(px[0], expected.r, 8) << x << "," << y;
    EXPECT_NEAR(px[1], expected.g, 8) << x << "," << y;
    EXPECT_NEAR(px[2], expected.b, 8) << x << "," << y;
  }
}

INSTANTIATE_TEST_SUITE_P(Layouts, JpegWriter, ::testing::Combine(::testing::Values(24, 32), ::testing::Bool()));

TEST(JpegWriterQuality, LowerQualityGivesASmallerFile) {
  TTestPicture picture(64, 64, 32, false);
  const auto q90 = EncodeJpeg(picture.view);
  const auto q10 = EncodeJpeg(picture.view, 10);
  ASSERT_FALSE(q90.empty());
  ASSERT_FALSE(q10.empty());
  EXPECT_LT(q10.size(), q90.size());
  EXPECT_GT(Decode(q10).lumaDc, 3);
}

TEST(JpegWriterRejects, InvalidPictures) {
  TTestPicture picture(8, 8, 24, false);
  TPixelView v = picture.view;
  v.bitsPerPixel = 8;
  EXPECT_TRUE(EncodeJpeg(v).empty());
  v = picture.view;
  v.width = 70000;
  v.stride = 70000 * 3;
  EXPECT_TRUE(EncodeJpeg(v).empty());
}

TEST(JpegWriterLarge, DetailedScreenSizedPictureSpansManyOutputBlocks) {
  const int width = 1024, height = 768;
  std::vector<std::uint8_t> bits(static_cast<std::size_t>(width) * height * 4);
  std::uint32_t seed = 7;
  for (auto& b : bits) b = static_cast<std::uint8_t>((seed = seed * 1103515245u + 12345u) >> 24);
  const TPixelView view{bits.data(), width, height, 32, static_cast<std::size_t>(width) * 4, false};
  const auto file = EncodeJpeg(view);
  ASSERT_GT(file.size(), 4u * 64 * 1024);
  const TDecoded d = Decode(file);
  ASSERT_TRUE(d.ok);
  EXPECT_EQ(d.width, width);
  EXPECT_EQ(d.height, height);
}

}  // namespace
}  // namespace vorda::image
