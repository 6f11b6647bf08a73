#pragma once

#include <windows.h>

#include <cstdint>

#include "win/util/UniqueHandle.h"

namespace vorda::controls {

// Move-only owners of the GDI objects the controls make.
template <typename H>
struct GdiTraits {
  using Handle = H;
  static Handle Empty() noexcept { return nullptr; }
  static bool IsValid(Handle h) noexcept { return h != nullptr; }
  static void Close(Handle h) noexcept { ::DeleteObject(h); }
};

struct MemoryDCTraits {
  using Handle = HDC;
  static Handle Empty() noexcept { return nullptr; }
  static bool IsValid(Handle h) noexcept { return h != nullptr; }
  static void Close(Handle h) noexcept { ::DeleteDC(h); }
};

struct IconTraits {
  using Handle = HICON;
  static Handle Empty() noexcept { return nullptr; }
  static bool IsValid(Handle h) noexcept { return h != nullptr; }
  static void Close(Handle h) noexcept { ::DestroyIcon(h); }
};

using UniqueFont = win::UniqueHandle<GdiTraits<HFONT>>;
using UniqueBitmap = win::UniqueHandle<GdiTraits<HBITMAP>>;
using UniqueBrush = win::UniqueHandle<GdiTraits<HBRUSH>>;
using UniqueMemoryDC = win::UniqueHandle<MemoryDCTraits>;
using UniqueIcon = win::UniqueHandle<IconTraits>;

// The device context of a window (the screen's when hwnd is null), released
// at the end of the scope.
class TWindowDC {
 public:
  explicit TWindowDC(HWND hwnd) noexcept : hwnd_(hwnd), dc_(::GetDC(hwnd)) {}
  TWindowDC(const TWindowDC&) = delete;
  TWindowDC& operator=(const TWindowDC&) = delete;
  ~TWindowDC() {
    if (dc_) ::ReleaseDC(hwnd_, dc_);
  }
  HDC Get() const noexcept { return dc_; }

 private:
  HWND hwnd_;
  HDC dc_;
};

// An object selected into a DC for the scope; the previous one comes back.
class TSelectObject {
 public:
  TSelectObject(HDC dc, HGDIOBJ object) noexcept : dc_(dc), old_(object ? ::SelectObject(dc, object) : nullptr) {}
  TSelectObject(const TSelectObject&) = delete;
  TSelectObject& operator=(const TSelectObject&) = delete;
  ~TSelectObject() {
    if (old_) ::SelectObject(dc_, old_);
  }

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// A 32-bit top-down DIB section with its pixels (0xAARRGGBB, row after row).
struct TDib32 {
  UniqueBitmap bitmap;
  std::uint32_t* bits = nullptr;
  int width = 0;
  int height = 0;

  explicit operator bool() const noexcept { return bits != nullptr; }
  std::uint32_t& At(int x, int y) noexcept { return bits[static_cast<size_t>(y) * width + x]; }
};

// An empty (all zero) bitmap; empty result when the system refuses.
TDib32 CreateDib32(int width, int height) noexcept;

// Turns straight alpha into the premultiplied alpha that AlphaBlend and the
// image lists expect.
void PremultiplyAlpha(TDib32& dib) noexcept;

// Drawing off screen for one paint: Get() is a memory DC over the area; the
// destructor copies it to the target. When the memory DC cannot be made,
// Get() is the target itself and the drawing goes there directly.
class TPaintBuffer {
 public:
  TPaintBuffer(HDC target, const RECT& area) noexcept;
  TPaintBuffer(const TPaintBuffer&) = delete;
  TPaintBuffer& operator=(const TPaintBuffer&) = delete;
  ~TPaintBuffer();

  HDC Get() const noexcept { return memory_ ? memory_.Get() : target_; }

 private:
  HDC target_;
  RECT area_;
  UniqueMemoryDC memory_;
  UniqueBitmap bitmap_;
  HGDIOBJ old_ = nullptr;
};

}  // namespace vorda::controls
