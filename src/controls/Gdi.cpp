#include "controls/Gdi.h"

namespace vorda::controls {

TDib32 CreateDib32(int width, int height) noexcept {
  TDib32 dib;
  if (width <= 0 || height <= 0) return dib;
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
  bi.bmiHeader.biWidth = width;
  bi.bmiHeader.biHeight = -height;  // top-down
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  dib.bitmap.Attach(::CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!dib.bitmap || !bits) return TDib32{};
  dib.bits = static_cast<std::uint32_t*>(bits);
  dib.width = width;
  dib.height = height;
  return dib;
}

void PremultiplyAlpha(TDib32& dib) noexcept {
  if (!dib) return;
  ::GdiFlush();
  const size_t count = static_cast<size_t>(dib.width) * dib.height;
  for (size_t i = 0; i < count; ++i) {
    const std::uint32_t p = dib.bits[i];
    const std::uint32_t a = p >> 24;
    const auto scale = [a](std::uint32_t c) { return (c * a + 127) / 255; };
    dib.bits[i] = (a << 24) | (scale((p >> 16) & 0xFF) << 16) | (scale((p >> 8) & 0xFF) << 8) | scale(p & 0xFF);
  }
}

TPaintBuffer::TPaintBuffer(HDC target, const RECT& area) noexcept : target_(target), area_(area) {
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  if (width <= 0 || height <= 0) return;
  memory_.Attach(::CreateCompatibleDC(target));
  if (!memory_) return;
  bitmap_.Attach(::CreateCompatibleBitmap(target, width, height));
  if (!bitmap_) {
    memory_.Close();
    return;
  }
  old_ = ::SelectObject(memory_.Get(), bitmap_.Get());
  // The drawing keeps the coordinates of the target.
  ::SetWindowOrgEx(memory_.Get(), area.left, area.top, nullptr);
}

TPaintBuffer::~TPaintBuffer() {
  if (!memory_) return;
  ::BitBlt(target_, area_.left, area_.top, area_.right - area_.left, area_.bottom - area_.top, memory_.Get(),
           area_.left, area_.top, SRCCOPY);
  ::SelectObject(memory_.Get(), old_);
}

}  // namespace vorda::controls
