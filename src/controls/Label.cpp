#include "controls/Label.h"

#include <string>

namespace vorda::controls {

bool TLabel::Create(TParent parent, const TBounds& bounds, std::wstring_view caption, int id) noexcept {
  if (!CreateControl(L"STATIC", parent, bounds, caption, WS_VISIBLE | SS_NOTIFY | SS_LEFTNOWORDWRAP, 0, id))
    return false;
  FitToText();
  return true;
}

void TLabel::SetAlignment(TAlignment alignment) noexcept {
  alignment_ = alignment;
  ApplyStyle();
}

void TLabel::SetWordWrap(bool wordWrap) noexcept {
  wordWrap_ = wordWrap;
  ApplyStyle();
}

void TLabel::SetShowAccelChar(bool show) noexcept {
  showAccelChar_ = show;
  ApplyStyle();
}

void TLabel::SetAutoSize(bool autoSize) noexcept {
  autoSize_ = autoSize;
  FitToText();
}

void TLabel::SetFontColor(TColor color) noexcept {
  fontColor_ = color;
  Invalidate();
}

void TLabel::SetColor(TColor color) {
  background_.SetColor(color);
  Invalidate();
}

void TLabel::ApplyStyle() noexcept {
  DWORD type = SS_LEFTNOWORDWRAP;
  switch (alignment_) {
    case TAlignment::taLeftJustify:
      type = wordWrap_ ? SS_LEFT : SS_LEFTNOWORDWRAP;
      break;
    case TAlignment::taRightJustify:
      type = SS_RIGHT;
      break;
    case TAlignment::taCenter:
      type = SS_CENTER;
      break;
  }
  ModifyStyle(SS_TYPEMASK | SS_NOPREFIX, type | (showAccelChar_ ? 0 : SS_NOPREFIX));
  FitToText();
  Invalidate();
}

UINT TLabel::DrawFlags() const noexcept {
  UINT flags = DT_CALCRECT | DT_EXPANDTABS;
  if (wordWrap_) flags |= DT_WORDBREAK;
  if (!showAccelChar_) flags |= DT_NOPREFIX;
  return flags;
}

void TLabel::FitToText() noexcept {
  if (!autoSize_ || !Handle()) return;
  std::wstring text = Caption();
  // An empty label keeps the height of one line.
  if (text.empty()) text = L" ";
  const TBounds old = Bounds();
  RECT r{0, 0, old.width > 0 ? old.width : 1, 0};
  {
    TWindowDC screen(nullptr);
    TSelectObject font(screen.Get(), Font() ? Font() : DefaultFont());
    ::DrawTextW(screen.Get(), text.c_str(), static_cast<int>(text.size()), &r, DrawFlags());
  }
  const int width = r.right - r.left;
  const int left = alignment_ == TAlignment::taRightJustify ? old.left + old.width - width : old.left;
  SetBounds({left, old.top, width, r.bottom - r.top});
}

bool TLabel::HandleReflected(UINT msg, WPARAM wp, LPARAM, LRESULT& result) {
  switch (msg) {
    case WM_CTLCOLORSTATIC: {
      HDC dc = reinterpret_cast<HDC>(wp);
      ::SetTextColor(dc, ColorToRGB(fontColor_));
      ::SetBkColor(dc, ColorToRGB(background_.Color()));
      result = reinterpret_cast<LRESULT>(background_.Get());
      return true;
    }
    case WM_COMMAND:
      if (HIWORD(wp) == STN_CLICKED && onClick) {
        onClick();
      } else if (HIWORD(wp) == STN_DBLCLK && onDblClick) {
        onDblClick();
      }
      result = 0;
      return true;
  }
  return false;
}

}  // namespace vorda::controls
