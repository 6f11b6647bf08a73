#include <gtest/gtest.h>

#include "TestPicture.h"
#include "core/image/BmpWriter.h"

namespace vorda::image {
namespace {

using testing::TTestPicture;

std::uint32_t U32(const std::vector<std::uint8_t>& f, std::size_t at) {
  return f[at] | f[at + 1] << 8 | f[at + 2] << 16 | std::uint32_t{f[at + 3]} << 24;
}
std::uint16_t U16(const std::vector<std::uint8_t>& f, std::size_t at) {
  return static_cast<std::uint16_t>(f[at] | f[at + 1] << 8);
}

class BmpWriter : public ::testing::TestWithParam<std::tuple<int, bool>> {};

TEST_P(BmpWriter, WritesHeadersAndBottomUpRows) {
  const auto [bitsPerPixel, bottomUp] = GetParam();
  const int width = 5, height = 4, bpp = bitsPerPixel / 8;
  TTestPicture picture(width, height, bitsPerPixel, bottomUp);
  const auto file = EncodeBmp(picture.view);
  const std::uint32_t rowSize = (width * bpp + 3) / 4 * 4;  // 16 at 24 bits (15 + 1), 20 at 32
  ASSERT_EQ(file.size(), 54u + rowSize * height);

  EXPECT_EQ(file[0], 'B');
  EXPECT_EQ(file[1], 'M');
  EXPECT_EQ(U32(file, 2), file.size());
  EXPECT_EQ(U32(file, 6), 0u);
  EXPECT_EQ(U32(file, 10), 54u);
  EXPECT_EQ(U32(file, 14), 40u);
  EXPECT_EQ(U32(file, 18), 5u);
  EXPECT_EQ(U32(file, 22), 4u);  // positive height: bottom-up rows
  EXPECT_EQ(U16(file, 26), 1);
  EXPECT_EQ(U16(file, 28), bitsPerPixel);
  EXPECT_EQ(U32(file, 30), 0u);  // BI_RGB
  EXPECT_EQ(U32(file, 34), rowSize * height);

  for (int y = 0; y < height; ++y) {
    const std::size_t row = 54 + static_cast<std::size_t>(height - 1 - y) * rowSize;
    for (int x = 0; x < width; ++x) {
      const auto c = TTestPicture::At(x, y, width, height);
      const std::size_t at = row + x * bpp;
      EXPECT_EQ(file[at], c.b);
      EXPECT_EQ(file[at + 1], c.g);
      EXPECT_EQ(file[at + 2], c.r);
      if (bpp == 4) {
        EXPECT_EQ(file[at + 3], 0);
      }
    }
    for (std::size_t pad = row + width * bpp; pad < row + rowSize; ++pad) EXPECT_EQ(file[pad], 0);
  }
}

INSTANTIATE_TEST_SUITE_P(Layouts, BmpWriter, ::testing::Combine(::testing::Values(24, 32), ::testing::Bool()));

TEST(BmpWriterRejects, PicturesItCannotDescribe) {
  TTestPicture picture(4, 4, 24, false);
  auto broken = [&](auto change) {
    TPixelView v = picture.view;
    change(v);
    return EncodeBmp(v).empty();
  };
  EXPECT_TRUE(broken([](TPixelView& v) { v.bits = nullptr; }));
  EXPECT_TRUE(broken([](TPixelView& v) { v.width = 0; }));
  EXPECT_TRUE(broken([](TPixelView& v) { v.height = -3; }));
  EXPECT_TRUE(broken([](TPixelView& v) { v.bitsPerPixel = 16; }));
  EXPECT_TRUE(broken([](TPixelView& v) { v.stride = 11; }));
  EXPECT_TRUE(broken([](TPixelView& v) {
    v.width = 40000;
    v.height = 40000;
    v.stride = 120000;
  }));  // over 2 GB
  EXPECT_FALSE(broken([](TPixelView&) {}));
}

}  // namespace
}  // namespace vorda::image
