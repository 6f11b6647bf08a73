#include "win/image/Screenshot.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace vorda::win {
namespace {

std::wstring TempPath(const std::wstring& name) {
  wchar_t dir[MAX_PATH];
  const DWORD n = ::GetTempPathW(MAX_PATH, dir);
  return std::wstring(dir, n) + name;
}

std::vector<unsigned char> ReadAll(const std::wstring& path) {
  std::ifstream in(path.c_str(), std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A red square in the top left corner of the screen while the test runs.
class TRedSquare {
 public:
  TRedSquare() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = ::DefWindowProcW;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.hbrBackground = brush_;
    wc.lpszClassName = L"VordaRedSquare";
    ::RegisterClassW(&wc);
    window_ = ::CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, wc.lpszClassName, L"", WS_POPUP | WS_VISIBLE, 0, 0,
                                120, 120, nullptr, nullptr, wc.hInstance, nullptr);
    ::UpdateWindow(window_);
    MSG msg;
    for (int i = 0; i < 20; ++i) {
      while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&msg);
      ::Sleep(10);
    }
  }
  ~TRedSquare() {
    ::DestroyWindow(window_);
    ::UnregisterClassW(L"VordaRedSquare", ::GetModuleHandleW(nullptr));
    ::DeleteObject(brush_);
  }

 private:
  HBRUSH brush_ = ::CreateSolidBrush(RGB(255, 0, 0));
  HWND window_ = nullptr;
};

TEST(CaptureScreen, CopiesThePrimaryScreen) {
  const TRedSquare square;
  TScreenPicture picture;
  ASSERT_TRUE(CaptureScreen(picture));
  EXPECT_EQ(picture.view.width, ::GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(picture.view.height, ::GetSystemMetrics(SM_CYSCREEN));
  ASSERT_TRUE(picture.view.IsValid());
  const std::uint8_t* pixel = picture.view.Row(60) + 60 * 4;  // blue, green, red
  EXPECT_EQ(pixel[0], 0);
  EXPECT_EQ(pixel[1], 0);
  EXPECT_EQ(pixel[2], 255);
}

struct SaveCase {
  const wchar_t* name;
  bool bitmap;
};

class SaveScreenshotTo : public ::testing::TestWithParam<SaveCase> {};

TEST_P(SaveScreenshotTo, WritesBmpForABmpExtensionAndJpegOtherwise) {
  const std::wstring path = TempPath(GetParam().name);
  {
    std::ofstream old(path.c_str(), std::ios::binary);
    old << "an older file, replaced";
  }
  ASSERT_TRUE(SaveScreenshot(path));
  const std::vector<unsigned char> file = ReadAll(path);
  ::DeleteFileW(path.c_str());
  ASSERT_GT(file.size(), 100u);
  if (GetParam().bitmap) {
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[1], 'M');
    const std::size_t pixels =
        static_cast<std::size_t>(::GetSystemMetrics(SM_CXSCREEN)) * ::GetSystemMetrics(SM_CYSCREEN);
    EXPECT_EQ(file.size(), 54 + pixels * 4);
  } else {
    EXPECT_EQ(file[0], 0xFF);
    EXPECT_EQ(file[1], 0xD8);
    EXPECT_EQ(file[file.size() - 2], 0xFF);
    EXPECT_EQ(file[file.size() - 1], 0xD9);
  }
}

INSTANTIATE_TEST_SUITE_P(Table, SaveScreenshotTo,
                         ::testing::Values(SaveCase{L"vorda-shot.BMP", true}, SaveCase{L"vorda-shot.bmp", true},
                                           SaveCase{L"vorda-shot.jpg", false}, SaveCase{L"vorda-shot.png", false}));

TEST(SaveScreenshot, FailsQuietlyAndLeavesNoFile) {
  const std::wstring path = TempPath(L"vorda-no-such-folder\\shot.jpg");
  EXPECT_FALSE(SaveScreenshot(path));
  EXPECT_EQ(::GetFileAttributesW(path.c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_FALSE(SaveScreenshot(L""));
}

}  // namespace
}  // namespace vorda::win
