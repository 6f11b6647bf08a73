#include "core/advanced/ScreenshotPath.h"

#include <gtest/gtest.h>

#include <set>

namespace vorda::advanced {
namespace {

TEST(ProposedScreenshotPath, CounterWhileTheFileExists) {
  std::set<std::wstring> files;
  const auto exists = [&](const std::wstring& p) { return files.count(p) > 0; };
  EXPECT_EQ(ProposedScreenshotPath(L"C:\\Docs\\", L"VORDA", exists), L"C:\\Docs\\VORDA.jpg");
  files.insert(L"C:\\Docs\\VORDA.jpg");
  EXPECT_EQ(ProposedScreenshotPath(L"C:\\Docs\\", L"VORDA", exists), L"C:\\Docs\\VORDA1.jpg");
  files.insert(L"C:\\Docs\\VORDA1.jpg");
  EXPECT_EQ(ProposedScreenshotPath(L"C:\\Docs\\", L"VORDA", exists), L"C:\\Docs\\VORDA2.jpg");
  // Another type's file does not count.
  EXPECT_EQ(FreeFileName(L"C:\\Docs\\", L"VORDA", L".bmp", exists), L"C:\\Docs\\VORDA.bmp");
}

TEST(PictureType, ExtensionsBothWays) {
  struct Case {
    const wchar_t* ext;
    int type;
  };
  for (const Case c : {Case{L".bmp", ptBmp}, {L".BMP", ptBmp}, {L".jpeg", ptJpeg}, {L".JPEG", ptJpeg},
                       {L".jpg", ptJpg}, {L".png", ptJpg}, {L"", ptJpg}})
    EXPECT_EQ(PictureTypeOf(c.ext), c.type) << c.ext;
  EXPECT_EQ(ExtensionOf(ptJpg), L".jpg");
  EXPECT_EQ(ExtensionOf(ptJpeg), L".jpeg");
  EXPECT_EQ(ExtensionOf(ptBmp), L".bmp");
  EXPECT_EQ(ExtensionOf(0), L".jpg");
}

TEST(PathParts, FolderAndExtension) {
  EXPECT_EQ(FolderPart(L"C:\\a\\b.jpg"), L"C:\\a\\");
  EXPECT_EQ(FolderPart(L"b.jpg"), L"");
  EXPECT_EQ(ExtensionPart(L"C:\\a\\b.JPEG"), L".JPEG");
  EXPECT_EQ(ExtensionPart(L"C:\\a.d\\b"), L"");
}

TEST(WithPictureExtension, ReplacesOrAdds) {
  EXPECT_EQ(WithPictureExtension(L"C:\\a\\shot.jpg", ptBmp), L"C:\\a\\shot.bmp");
  EXPECT_EQ(WithPictureExtension(L"C:\\a\\shot", ptJpeg), L"C:\\a\\shot.jpeg");
  EXPECT_EQ(WithPictureExtension(L"C:\\a.d\\shot", ptJpg), L"C:\\a.d\\shot.jpg");
}

}  // namespace
}  // namespace vorda::advanced
