#include "controls/ImageList.h"

#include <utility>

namespace vorda::controls {

TImageList::TImageList(TImageList&& other) noexcept
    : list_(std::exchange(other.list_, nullptr)), width_(other.width_), height_(other.height_) {}

TImageList& TImageList::operator=(TImageList&& other) noexcept {
  if (this != &other) {
    Destroy();
    list_ = std::exchange(other.list_, nullptr);
    width_ = other.width_;
    height_ = other.height_;
  }
  return *this;
}

TImageList::~TImageList() { Destroy(); }

void TImageList::Destroy() noexcept {
  if (list_) ::ImageList_Destroy(list_);
  list_ = nullptr;
}

bool TImageList::Create(int width, int height, int initialCapacity) noexcept {
  Destroy();
  list_ = ::ImageList_Create(width, height, ILC_COLOR32, initialCapacity, 4);
  width_ = list_ ? width : 0;
  height_ = list_ ? height : 0;
  return list_ != nullptr;
}

int TImageList::Count() const noexcept { return list_ ? ::ImageList_GetImageCount(list_) : 0; }

int TImageList::Add(HBITMAP bitmap) noexcept { return list_ && bitmap ? ::ImageList_Add(list_, bitmap, nullptr) : -1; }

int TImageList::AddIcon(HICON icon) noexcept { return list_ && icon ? ::ImageList_AddIcon(list_, icon) : -1; }

bool TImageList::Draw(HDC dc, int index, int x, int y, bool enabled) const noexcept {
  if (!list_) return false;
  IMAGELISTDRAWPARAMS p{};
  p.cbSize = sizeof(p);
  p.himl = list_;
  p.i = index;
  p.hdcDst = dc;
  p.x = x;
  p.y = y;
  p.rgbBk = CLR_NONE;
  p.rgbFg = CLR_DEFAULT;
  p.fStyle = ILD_TRANSPARENT;
  if (!enabled) {
    p.fState = ILS_ALPHA;
    p.Frame = 96;
  }
  return ::ImageList_DrawIndirect(&p) != FALSE;
}

UniqueIcon TImageList::GetIcon(int index) const noexcept {
  return UniqueIcon(list_ ? ::ImageList_GetIcon(list_, index, ILD_TRANSPARENT) : nullptr);
}

}  // namespace vorda::controls
