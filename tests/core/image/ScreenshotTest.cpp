#include "core/image/Screenshot.h"

#include <gtest/gtest.h>

#include <string>

#include "TestPicture.h"

namespace vorda::image {
namespace {

struct FormatCase {
  const wchar_t* path;
  TScreenshotFormat format;
};

class ScreenshotFormatOf : public ::testing::TestWithParam<FormatCase> {};

TEST_P(ScreenshotFormatOf, OnlyABmpExtensionInAnyCaseGivesABitmap) {
  EXPECT_EQ(ScreenshotFormat(GetParam().path), GetParam().format);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ScreenshotFormatOf,
    ::testing::Values(FormatCase{L"C:\\shots\\desk.bmp", TScreenshotFormat::sfBmp},
                      FormatCase{L"C:\\shots\\desk.BMP", TScreenshotFormat::sfBmp},
                      FormatCase{L"desk.bMp", TScreenshotFormat::sfBmp},
                      FormatCase{L"C:\\shots\\desk.jpg", TScreenshotFormat::sfJpeg},
                      FormatCase{L"C:\\shots\\desk.jpeg", TScreenshotFormat::sfJpeg},
                      FormatCase{L"C:\\shots\\desk.png", TScreenshotFormat::sfJpeg},
                      FormatCase{L"C:\\shots\\desk", TScreenshotFormat::sfJpeg},
                      FormatCase{L"C:\\shots.bmp\\desk", TScreenshotFormat::sfJpeg},
                      FormatCase{L"C:\\shots\\desk.bmp.jpg", TScreenshotFormat::sfJpeg},
                      FormatCase{L"C:\\shots\\desk.bmpx", TScreenshotFormat::sfJpeg},
                      FormatCase{L"C:\\shots\\.bmp", TScreenshotFormat::sfBmp},
                      FormatCase{L"", TScreenshotFormat::sfJpeg}));

TEST(EncodeScreenshot, WritesTheFormatThePathAsksFor) {
  const testing::TTestPicture picture(40, 30, 32, true);
  const auto bmp = EncodeScreenshot(L"D:\\x\\shot.BMP", picture.view);
  ASSERT_GE(bmp.size(), 54u);
  EXPECT_EQ(bmp[0], 'B');
  EXPECT_EQ(bmp[1], 'M');
  for (const wchar_t* path : {L"shot.jpg", L"shot.png"}) {
    const auto jpeg = EncodeScreenshot(path, picture.view);
    ASSERT_GE(jpeg.size(), 4u);
    EXPECT_EQ(jpeg[0], 0xFF);
    EXPECT_EQ(jpeg[1], 0xD8);
    EXPECT_EQ(jpeg[jpeg.size() - 2], 0xFF);
    EXPECT_EQ(jpeg[jpeg.size() - 1], 0xD9);
  }
}

TEST(EncodeScreenshot, AnInvalidPictureGivesNothing) {
  EXPECT_TRUE(EncodeScreenshot(L"a.bmp", TPixelView{}).empty());
  EXPECT_TRUE(EncodeScreenshot(L"a.jpg", TPixelView{}).empty());
}

}  // namespace
}  // namespace vorda::image
