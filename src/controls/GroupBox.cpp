#include "controls/GroupBox.h"

#include <uxtheme.h>
#include <vssym32.h>

#include <string>

namespace vorda::controls {

bool TGroupBox::Create(TParent parent, const TBounds& bounds, std::wstring_view caption, int id) noexcept {
  return CreateOwnControl(L"VordaGroupBox", CS_HREDRAW | CS_VREDRAW, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1),
                          parent, bounds, caption, WS_VISIBLE | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, id);
}

void TGroupBox::PaintFrame(HDC dc) noexcept {
  RECT client{};
  ::GetClientRect(Handle(), &client);
  const std::wstring caption = Caption();
  TSelectObject font(dc, Font() ? Font() : DefaultFont());
  TEXTMETRICW tm{};
  ::GetTextMetricsW(dc, &tm);
  RECT frame = client;
  frame.top += tm.tmHeight / 2;
  SIZE text{};
  ::GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &text);
  RECT label{8, 0, 8 + text.cx + 4, tm.tmHeight};
  const bool enabled = Enabled();

  HTHEME theme = ::IsThemeActive() ? ::OpenThemeData(Handle(), L"BUTTON") : nullptr;
  if (theme) {
    const int state = enabled ? GBS_NORMAL : GBS_DISABLED;
    // The frame line leaves a gap for the caption.
    const int saved = ::SaveDC(dc);
    if (!caption.empty()) ::ExcludeClipRect(dc, label.left, label.top, label.right, label.bottom);
    ::DrawThemeBackground(theme, dc, BP_GROUPBOX, state, &frame, nullptr);
    ::RestoreDC(dc, saved);
    if (!caption.empty()) {
      RECT r = label;
      r.left += 2;
      ::DrawThemeText(theme, dc, BP_GROUPBOX, state, caption.c_str(), static_cast<int>(caption.size()),
                      DT_LEFT | DT_SINGLELINE | DT_VCENTER, 0, &r);
    }
    ::CloseThemeData(theme);
    return;
  }
  ::DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
  if (caption.empty()) return;
  ::FillRect(dc, &label, ::GetSysColorBrush(COLOR_BTNFACE));
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, ::GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
  RECT r = label;
  r.left += 2;
  ::DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &r, DT_LEFT | DT_SINGLELINE | DT_VCENTER);
}

LRESULT TGroupBox::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT: {
      PAINTSTRUCT ps{};
      HDC dc = ::BeginPaint(Handle(), &ps);
      PaintFrame(dc);
      ::EndPaint(Handle(), &ps);
      return 0;
    }
    case WM_PRINTCLIENT:
      PaintFrame(reinterpret_cast<HDC>(wp));
      return 0;
    case WM_ENABLE:
    case WM_SETTEXT: {
      const LRESULT result = TControl::HandleMessage(msg, wp, lp);
      Invalidate();
      return result;
    }
  }
  return TControl::HandleMessage(msg, wp, lp);
}

}  // namespace vorda::controls
