#pragma once

#include <windows.h>

#include <commctrl.h>

#include "controls/Gdi.h"

namespace vorda::controls {

// An image list of 32-bit colour pictures with alpha; move-only owner.
class TImageList {
 public:
  TImageList() = default;
  TImageList(const TImageList&) = delete;
  TImageList& operator=(const TImageList&) = delete;
  TImageList(TImageList&& other) noexcept;
  TImageList& operator=(TImageList&& other) noexcept;
  ~TImageList();

  bool Create(int width, int height, int initialCapacity = 4) noexcept;
  HIMAGELIST Handle() const noexcept { return list_; }
  int Width() const noexcept { return width_; }
  int Height() const noexcept { return height_; }
  int Count() const noexcept;

  // Adds a 32-bit bitmap with premultiplied alpha (several pictures side by
  // side when it is wider); the index of the first, -1 on failure.
  int Add(HBITMAP bitmap) noexcept;
  int AddIcon(HICON icon) noexcept;

  // Draws picture index with its alpha; a disabled picture is drawn faded.
  bool Draw(HDC dc, int index, int x, int y, bool enabled = true) const noexcept;
  // A copy of the picture as an icon.
  UniqueIcon GetIcon(int index) const noexcept;

 private:
  void Destroy() noexcept;

  HIMAGELIST list_ = nullptr;
  int width_ = 0;
  int height_ = 0;
};

}  // namespace vorda::controls
