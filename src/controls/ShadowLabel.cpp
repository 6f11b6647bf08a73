#include "controls/ShadowLabel.h"

#include <uxtheme.h>

namespace vorda::controls {
namespace {

// Whether the active window belongs to the calling thread: a label counts
// the mouse as inside only while its program is the one in use.
bool IsThreadWindowActive() noexcept {
  HWND active = ::GetActiveWindow();
  return active && ::GetWindowThreadProcessId(active, nullptr) == ::GetCurrentThreadId();
}

wchar_t UpperChar(wchar_t ch) noexcept {
  return static_cast<wchar_t>(reinterpret_cast<ULONG_PTR>(::CharUpperW(reinterpret_cast<LPWSTR>(ch))));
}

UINT AlignmentFlag(TAlignment alignment) noexcept {
  switch (alignment) {
    case TAlignment::taRightJustify:
      return DT_RIGHT;
    case TAlignment::taCenter:
      return DT_CENTER;
    case TAlignment::taLeftJustify:
      break;
  }
  return DT_LEFT;
}

}  // namespace

POINT ShadowOffset(TShadowPosition position, int size) noexcept {
  switch (position) {
    case TShadowPosition::spLeftTop:
      return {-size, -size};
    case TShadowPosition::spLeftBottom:
      return {-size, size};
    case TShadowPosition::spRightBottom:
      return {size, size};
    case TShadowPosition::spRightTop:
      return {size, -size};
  }
  return {0, 0};
}

int DrawTextWithShadow(HDC dc, std::wstring_view text, TShadowPosition position, COLORREF shadowColor,
                       int shadowSize, UINT flags, RECT& rect) noexcept {
  RECT textRect = rect;
  RECT shadowRect = rect;
  const POINT offset = ShadowOffset(position, shadowSize);
  ::OffsetRect(&shadowRect, offset.x, offset.y);
  const int length = static_cast<int>(text.size());
  const COLORREF previous = ::SetTextColor(dc, shadowColor);
  const int height = ::DrawTextW(dc, text.data(), length, &shadowRect, flags);
  ::SetTextColor(dc, previous);
  ::DrawTextW(dc, text.data(), length, &textRect, flags);
  ::UnionRect(&rect, &textRect, &shadowRect);
  return height > 0 ? height + shadowSize : height;
}

wchar_t AccelCharOf(std::wstring_view caption) noexcept {
  // The last marked character counts, as DrawText underlines them all.
  wchar_t accel = 0;
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != L'&') continue;
    ++i;
    if (caption[i] != L'&') accel = caption[i];
  }
  return accel;
}

bool TSuperLabel::Create(TParent parent, const TBounds& bounds, std::wstring_view caption, int id) noexcept {
  TBounds b = bounds;
  if (b.width == 0) b.width = 65;
  if (b.height == 0) b.height = 17;
  if (!CreateOwnControl(L"TSuperLabel", CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, nullptr, parent, b, caption,
                        WS_VISIBLE, 0, id))
    return false;
  FitToText();
  return true;
}

void TSuperLabel::SetAlignment(TAlignment alignment) noexcept {
  if (alignment == alignment_) return;
  alignment_ = alignment;
  Invalidate();
}

void TSuperLabel::SetLayout(TTextLayout layout) noexcept {
  if (layout == layout_) return;
  layout_ = layout;
  Invalidate();
}

void TSuperLabel::SetAutoSize(bool autoSize) noexcept {
  autoSize_ = autoSize;
  FitToText();
}

void TSuperLabel::SetWordWrap(bool wordWrap) noexcept {
  wordWrap_ = wordWrap;
  FitToText();
  Invalidate();
}

void TSuperLabel::SetShowAccelChar(bool show) noexcept {
  if (show == showAccelChar_) return;
  showAccelChar_ = show;
  // "&&" and "&x" take a different width with and without accelerators.
  FitToText();
  Invalidate();
}

void TSuperLabel::SetShowFocus(bool show) noexcept {
  if (show == showFocus_) return;
  showFocus_ = show;
  Invalidate();
}

void TSuperLabel::SetTransparent(bool transparent) noexcept {
  if (transparent == transparent_) return;
  transparent_ = transparent;
  Invalidate();
}

void TSuperLabel::SetColor(TColor color) noexcept {
  color_ = color;
  Invalidate();
}

void TSuperLabel::SetFontColor(TColor color) noexcept {
  if (color == fontColor_) return;
  fontColor_ = color;
  Invalidate();
}

void TSuperLabel::SetShadowColor(TColor color) noexcept {
  if (color == shadowColor_) return;
  shadowColor_ = color;
  Invalidate();
}

void TSuperLabel::SetShadowSize(std::uint8_t size) noexcept {
  if (size == shadowSize_) return;
  shadowSize_ = size;
  FitToText();
  Invalidate();
}

void TSuperLabel::SetShadowPos(TShadowPosition position) noexcept {
  if (position == shadowPos_) return;
  shadowPos_ = position;
  Invalidate();
}

HWND TSuperLabel::FocusControl() const noexcept {
  return focusControl_ && ::IsWindow(focusControl_) ? focusControl_ : nullptr;
}

void TSuperLabel::SetFocusControl(HWND control) noexcept {
  focusControl_ = control;
  focused_ = control && ::GetFocus() == control;
  if (showFocus_) Invalidate();
}

int TSuperLabel::DrawCaption(HDC dc, RECT& rect, UINT flags) {
  std::wstring text = GetDisplayText();
  // Measured, an empty label keeps the height of one line.
  if ((flags & DT_CALCRECT) && (text.empty() || (showAccelChar_ && text == L"&"))) text = L" ";
  TSelectObject font(dc, Font() ? Font() : DefaultFont());
  COLORREF textColor = ColorToRGB(GetDisplayColor());
  TShadowPosition position = shadowPos_;
  int size = shadowSize_;
  COLORREF shadow = ColorToRGB(shadowColor_);
  if (!Enabled()) {
    // Engraved: grey text over a highlight.
    if (size == 0) {
      size = 1;
      position = TShadowPosition::spRightBottom;
    }
    textColor = ColorToRGB(clGrayText);
    shadow = ColorToRGB(clBtnHighlight);
  }
  if (!showAccelChar_) flags |= DT_NOPREFIX;
  ::SetTextColor(dc, textColor);
  ::SetBkMode(dc, TRANSPARENT);
  return DrawTextWithShadow(dc, text, position, shadow, size, flags, rect);
}

void TSuperLabel::Paint(HDC dc) {
  if (!Enabled()) dragging_ = false;
  RECT client{};
  ::GetClientRect(Handle(), &client);
  if (transparent_ || !color_) {
    ::DrawThemeParentBackground(Handle(), dc, nullptr);
  } else {
    const TSolidBrush brush(*color_);
    ::FillRect(dc, &client, brush.Get());
  }
  RECT rect = client;
  rect.left += 1;
  rect.right -= 1;
  UINT flags = AlignmentFlag(alignment_);
  if (wordWrap_) flags |= DT_WORDBREAK;
  if (layout_ != TTextLayout::tlTop) {
    DrawCaption(dc, rect, flags | DT_CALCRECT | DT_EXPANDTABS);
    rect.left = client.left;
    rect.right = client.right;
    int shift = client.bottom - rect.bottom;
    if (layout_ == TTextLayout::tlCenter) shift /= 2;
    ::OffsetRect(&rect, 0, shift);
  }
  DrawCaption(dc, rect, flags | DT_EXPANDTABS);
  HWND target = FocusControl();
  if (showFocus_ && target && ::GetFocus() == target) {
    ::InflateRect(&rect, 1, 1);
    ::SetBkColor(dc, ColorToRGB(Color()));
    ::SetTextColor(dc, ColorToRGB(clWindowText));
    ::DrawFocusRect(dc, &rect);
  }
}

void TSuperLabel::PaintTo(HDC target) noexcept {
  RECT client{};
  ::GetClientRect(Handle(), &client);
  TPaintBuffer buffer(target, client);
  try {
    Paint(buffer.Get());
  } catch (...) {
    // A caption that could not be read leaves the background alone.
  }
}

void TSuperLabel::FitToText() noexcept {
  if (!autoSize_ || !Handle()) return;
  RECT client{};
  ::GetClientRect(Handle(), &client);
  RECT rect = client;
  rect.left += 1;
  rect.right -= 1;
  try {
    TWindowDC screen(nullptr);
    DrawCaption(screen.Get(), rect, (wordWrap_ ? DT_WORDBREAK : 0) | DT_CALCRECT | DT_EXPANDTABS);
  } catch (...) {
    return;
  }
  rect.left -= 1;
  rect.right += 1;
  const TBounds old = Bounds();
  TBounds fitted{old.left, old.top, rect.right, rect.bottom};
  // Right-aligned text grows to the left: the right edge stays.
  if (alignment_ == TAlignment::taRightJustify) fitted.left = old.left + old.width - fitted.width;
  if (fitted != old) SetBounds(fitted);
}

void TSuperLabel::TextChanged() {
  Invalidate();
  FitToText();
}

void TSuperLabel::FontChanged() {
  FitToText();
  Invalidate();
}

bool TSuperLabel::MayEnter() const noexcept { return Enabled() && IsThreadWindowActive(); }

bool TSuperLabel::MayLeave() const noexcept { return Enabled() && !dragging_; }

void TSuperLabel::UpdateMouseInside() {
  POINT pt{};
  ::GetCursorPos(&pt);
  SetMouseInside(Enabled() && ::WindowFromPoint(pt) == Handle() && IsThreadWindowActive());
}

bool TSuperLabel::DialogChar(wchar_t ch) {
  HWND target = FocusControl();
  if (!target || !Enabled() || !showAccelChar_) return false;
  const wchar_t accel = AccelCharOf(Caption());
  if (accel == 0 || UpperChar(accel) != UpperChar(ch)) return false;
  if (!CanFocusWindow(target)) return false;
  ::SetFocus(target);
  return true;
}

LRESULT TSuperLabel::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  if (LRESULT painted = 0; HandleOwnPaint(msg, wp, [this](HDC dc) { PaintTo(dc); }, painted)) return painted;
  switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (Enabled()) {
        dragging_ = true;
        ::SetCapture(Handle());
      }
      if (msg == WM_LBUTTONDBLCLK && onDblClick) onDblClick();
      break;
    case WM_LBUTTONUP: {
      const bool pressed = dragging_;
      dragging_ = false;
      if (::GetCapture() == Handle()) ::ReleaseCapture();
      if (pressed && InClientArea(lp) && onClick) onClick();
      UpdateMouseInside();
      break;
    }
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP: {
      const LRESULT result = TControl::HandleMessage(msg, wp, lp);
      UpdateMouseInside();
      return result;
    }
    case WM_ENABLE: {
      const LRESULT result = TControl::HandleMessage(msg, wp, lp);
      Invalidate();
      UpdateMouseInside();
      return result;
    }
    case WM_WINDOWPOSCHANGED: {
      const LRESULT result = TControl::HandleMessage(msg, wp, lp);
      if (reinterpret_cast<const WINDOWPOS*>(lp)->flags & SWP_SHOWWINDOW) UpdateMouseInside();
      return result;
    }
    default:
      if (msg == FocusChangedMessage()) {
        const bool focused = FocusControl() && reinterpret_cast<HWND>(wp) == focusControl_;
        if (focused != focused_) {
          focused_ = focused;
          if (showFocus_) Invalidate();
        }
        return 0;
      }
      if (msg == DialogCharMessage()) return DialogChar(static_cast<wchar_t>(wp)) ? 1 : 0;
      break;
  }
  return TControl::HandleMessage(msg, wp, lp);
}

}  // namespace vorda::controls
