#include "controls/ImageButton.h"

#include <uxtheme.h>

namespace vorda::controls {

bool TImageButton::Create(TParent parent, const TBounds& bounds, int id) noexcept {
  return CreateOwnControl(L"VordaImageButton", CS_HREDRAW | CS_VREDRAW, nullptr, parent, bounds, {}, WS_VISIBLE, 0,
                          id);
}

void TImageButton::SetPicture(HBITMAP picture) noexcept {
  if (picture == picture_) return;
  picture_ = picture;
  Invalidate();
}

void TImageButton::SetCenter(bool center) noexcept {
  center_ = center;
  Invalidate();
}

void TImageButton::PaintTo(HDC target) noexcept {
  RECT client{};
  ::GetClientRect(Handle(), &client);
  TPaintBuffer buffer(target, client);
  HDC dc = buffer.Get();
  ::DrawThemeParentBackground(Handle(), dc, nullptr);
  BITMAP bm{};
  if (!picture_ || !::GetObjectW(picture_, sizeof(bm), &bm)) return;
  UniqueMemoryDC source(::CreateCompatibleDC(dc));
  if (!source) return;
  TSelectObject select(source.Get(), picture_);
  const int x = center_ ? (client.right - bm.bmWidth) / 2 : 0;
  const int y = center_ ? (client.bottom - bm.bmHeight) / 2 : 0;
  BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  ::GdiAlphaBlend(dc, x, y, bm.bmWidth, bm.bmHeight, source.Get(), 0, 0, bm.bmWidth, bm.bmHeight, blend);
}

LRESULT TImageButton::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  if (LRESULT painted = 0; HandleOwnPaint(msg, wp, [this](HDC dc) { PaintTo(dc); }, painted)) return painted;
  switch (msg) {
    case WM_LBUTTONDOWN:
      pressed_ = true;
      ::SetCapture(Handle());
      break;
    case WM_LBUTTONUP: {
      const bool wasPressed = pressed_;
      pressed_ = false;
      if (::GetCapture() == Handle()) ::ReleaseCapture();
      if (wasPressed && InClientArea(lp) && onClick) onClick();
      break;
    }
    case WM_CAPTURECHANGED:
      pressed_ = false;
      break;
  }
  return TControl::HandleMessage(msg, wp, lp);
}

}  // namespace vorda::controls
