#include "win/image/Screenshot.h"

#include <windows.h>

#include "core/image/Screenshot.h"
#include "win/util/UniqueHandle.h"

namespace vorda::win {
namespace {

// The screen's device context for the scope.
class TScreenDC {
 public:
  TScreenDC() noexcept : dc_(::GetDC(nullptr)) {}
  TScreenDC(const TScreenDC&) = delete;
  TScreenDC& operator=(const TScreenDC&) = delete;
  ~TScreenDC() {
    if (dc_) ::ReleaseDC(nullptr, dc_);
  }
  HDC Get() const noexcept { return dc_; }

 private:
  HDC dc_;
};

struct TMemoryDCTraits {
  using Handle = HDC;
  static Handle Empty() noexcept { return nullptr; }
  static bool IsValid(Handle h) noexcept { return h != nullptr; }
  static void Close(Handle h) noexcept { ::DeleteDC(h); }
};

bool WriteWholeFile(const std::wstring& path, const std::vector<std::uint8_t>& data) noexcept {
  bool written = false;
  {
    UniqueFileHandle file(
        ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    DWORD count = 0;
    written = ::WriteFile(file.Get(), data.data(), static_cast<DWORD>(data.size()), &count, nullptr) &&
              count == data.size();
  }
  // A file cut short (a full disk) is no picture: it goes.
  if (!written) ::DeleteFileW(path.c_str());
  return written;
}

}  // namespace

bool CaptureScreen(TScreenPicture& picture) noexcept {
  try {
    const int width = ::GetSystemMetrics(SM_CXSCREEN);
    const int height = ::GetSystemMetrics(SM_CYSCREEN);
    if (width <= 0 || height <= 0) return false;
    const TScreenDC screen;
    if (!screen.Get()) return false;
    // A device-dependent bitmap: the copy keeps the screen's own format.
    UniqueGdiObject bitmap(::CreateCompatibleBitmap(screen.Get(), width, height));
    UniqueHandle<TMemoryDCTraits> memory(::CreateCompatibleDC(screen.Get()));
    if (!bitmap || !memory) return false;
    const HGDIOBJ old = ::SelectObject(memory.Get(), bitmap.Get());
    const BOOL copied = ::BitBlt(memory.Get(), 0, 0, width, height, screen.Get(), 0, 0, SRCCOPY);
    ::SelectObject(memory.Get(), old);
    if (!copied) return false;

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    const std::size_t stride = static_cast<std::size_t>(width) * 4;
    picture.bits.assign(stride * static_cast<std::size_t>(height), 0);
    if (::GetDIBits(screen.Get(), static_cast<HBITMAP>(bitmap.Get()), 0, static_cast<UINT>(height),
                    picture.bits.data(), &info, DIB_RGB_COLORS) != height)
      return false;
    picture.view = {picture.bits.data(), width, height, 32, stride, false};
    return true;
  } catch (...) {
    return false;
  }
}

bool SaveScreenshot(const std::wstring& path) noexcept {
  try {
    if (path.empty()) return false;
    TScreenPicture picture;
    if (!CaptureScreen(picture)) return false;
    const std::vector<std::uint8_t> data = image::EncodeScreenshot(path, picture.view);
    if (data.empty()) return false;
    return WriteWholeFile(path, data);
  } catch (...) {
    return false;
  }
}

}  // namespace vorda::win
