#include "controls/Control.h"

#include <windowsx.h>

#include <string>

namespace vorda::controls {
namespace {

// Ids given to controls created with id 0: above the ids of resources and
// away from IDOK/IDCANCEL, which the dialog manager treats specially.
int NextControlId() noexcept {
  static int next = 0x7000;
  const int id = next;
  next = next >= 0x7FFF ? 0x7000 : next + 1;
  return id;
}

int ChooseId(int id) noexcept { return id != 0 ? id : NextControlId(); }

}  // namespace

TControl* TControl::FromHandle(HWND hwnd) noexcept { return dynamic_cast<TControl*>(TWindow::FromHandle(hwnd)); }

bool TControl::CreateControl(const wchar_t* className, TParent parent, const TBounds& bounds,
                             std::wstring_view caption, DWORD style, DWORD exStyle, int id) noexcept {
  const std::wstring text(caption);
  id = ChooseId(id);
  if (!CreateSystemWindow(className, text.c_str(), style | WS_CHILD, exStyle, bounds.left, bounds.top, bounds.width,
                          bounds.height, parent.hwnd, id))
    return false;
  AfterCreate(parent.hwnd, id);
  return true;
}

bool TControl::CreateOwnControl(const wchar_t* className, UINT classStyle, HBRUSH background, TParent parent,
                                const TBounds& bounds, std::wstring_view caption, DWORD style, DWORD exStyle,
                                int id) noexcept {
  if (!RegisterClassOf(className, classStyle, background, nullptr)) return false;
  const std::wstring text(caption);
  id = ChooseId(id);
  if (!CreateWindowOf(className, text.c_str(), style | WS_CHILD, exStyle, bounds.left, bounds.top, bounds.width,
                      bounds.height, parent.hwnd, nullptr, id))
    return false;
  AfterCreate(parent.hwnd, id);
  return true;
}

void TControl::AfterCreate(HWND parent, int) noexcept {
  HFONT font = parent ? reinterpret_cast<HFONT>(::SendMessageW(parent, WM_GETFONT, 0, 0)) : nullptr;
  ::SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font ? font : DefaultFont()), FALSE);
}

int TControl::Id() const noexcept { return Handle() ? ::GetDlgCtrlID(Handle()) : 0; }

HWND TControl::Parent() const noexcept { return Handle() ? ::GetParent(Handle()) : nullptr; }

void TControl::SetParent(TParent parent) noexcept {
  if (!Handle() || !parent.hwnd) return;
  const TBounds place = Bounds();
  ::SetParent(Handle(), parent.hwnd);
  TControl::SetBounds(place);
}

int TControl::ClientWidth() const noexcept {
  RECT r{};
  if (Handle()) ::GetClientRect(Handle(), &r);
  return r.right;
}

int TControl::ClientHeight() const noexcept {
  RECT r{};
  if (Handle()) ::GetClientRect(Handle(), &r);
  return r.bottom;
}

TBounds TControl::Bounds() const noexcept {
  RECT r{};
  if (!Handle()) return {};
  ::GetWindowRect(Handle(), &r);
  ::MapWindowPoints(nullptr, Parent(), reinterpret_cast<POINT*>(&r), 2);
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

void TControl::SetBounds(const TBounds& b) noexcept {
  if (Handle())
    ::SetWindowPos(Handle(), nullptr, b.left, b.top, b.width, b.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

bool TControl::InClientArea(LPARAM lp) const noexcept {
  RECT client{};
  ::GetClientRect(Handle(), &client);
  const POINT pt{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
  return ::PtInRect(&client, pt) != FALSE;
}

void TControl::SetLeft(int left) noexcept {
  TBounds b = Bounds();
  b.left = left;
  SetBounds(b);
}

void TControl::SetTop(int top) noexcept {
  TBounds b = Bounds();
  b.top = top;
  SetBounds(b);
}

void TControl::SetWidth(int width) noexcept {
  TBounds b = Bounds();
  b.width = width;
  SetBounds(b);
}

void TControl::SetHeight(int height) noexcept {
  TBounds b = Bounds();
  b.height = height;
  SetBounds(b);
}

void TControl::SetPosition(int left, int top) noexcept {
  TBounds b = Bounds();
  b.left = left;
  b.top = top;
  SetBounds(b);
}

bool TControl::Visible() const noexcept { return HasStyle(WS_VISIBLE); }

void TControl::SetVisible(bool visible) noexcept {
  if (Handle() && visible != Visible()) ::ShowWindow(Handle(), visible ? SW_SHOWNA : SW_HIDE);
}

bool TControl::Enabled() const noexcept { return Handle() && !HasStyle(WS_DISABLED); }

void TControl::SetEnabled(bool enabled) noexcept {
  if (Handle() && enabled != Enabled()) ::EnableWindow(Handle(), enabled ? TRUE : FALSE);
}

std::wstring TControl::Caption() const {
  if (!Handle()) return {};
  std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(Handle())) + 1, L'\0');
  text.resize(static_cast<size_t>(::GetWindowTextW(Handle(), text.data(), static_cast<int>(text.size()))));
  return text;
}

void TControl::SetCaption(std::wstring_view caption) {
  if (!Handle()) return;
  const std::wstring text(caption);
  ::SetWindowTextW(Handle(), text.c_str());
}

void TControl::SetFont(HFONT font) noexcept {
  TWindow::SetFont(font);
  ownFont_.Close();
}

void TControl::SetFont(const TFontSpec& spec) {
  UniqueFont font = CreateFontOf(spec);
  if (!font) return;
  TWindow::SetFont(font.Get());
  // The old font is released only when the control no longer uses it.
  ownFont_ = std::move(font);
}

bool TControl::TabStop() const noexcept { return HasStyle(WS_TABSTOP); }

void TControl::SetTabStop(bool tabStop) noexcept { ModifyStyle(tabStop ? 0 : WS_TABSTOP, tabStop ? WS_TABSTOP : 0); }

bool TControl::Focused() const noexcept { return Handle() && ::GetFocus() == Handle(); }

bool CanFocusWindow(HWND hwnd) noexcept {
  for (HWND h = hwnd; h; h = (::GetWindowLongW(h, GWL_STYLE) & WS_CHILD) ? ::GetParent(h) : nullptr) {
    if (!::IsWindowVisible(h) || !::IsWindowEnabled(h)) return false;
  }
  return hwnd != nullptr;
}

bool TControl::CanFocus() const noexcept { return CanFocusWindow(Handle()); }

void TControl::SetFocus() noexcept {
  if (Handle()) ::SetFocus(Handle());
}

void TControl::Invalidate() noexcept {
  if (Handle()) ::InvalidateRect(Handle(), nullptr, TRUE);
}

void TControl::ModifyStyle(DWORD remove, DWORD add) noexcept {
  if (!Handle()) return;
  const DWORD style = static_cast<DWORD>(::GetWindowLongW(Handle(), GWL_STYLE));
  const DWORD changed = (style & ~remove) | add;
  if (changed != style) ::SetWindowLongW(Handle(), GWL_STYLE, static_cast<LONG>(changed));
}

bool TControl::HasStyle(DWORD style) const noexcept {
  return Handle() && (static_cast<DWORD>(::GetWindowLongW(Handle(), GWL_STYLE)) & style) == style;
}

void TControl::SetMouseInside(bool inside) {
  if (inside == mouseInside_) return;
  mouseInside_ = inside;
  if (inside) {
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, Handle(), 0};
    ::TrackMouseEvent(&track);
    if (onMouseEnter) onMouseEnter();
  } else {
    if (onMouseLeave) onMouseLeave();
  }
}

LRESULT TControl::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_MOUSEMOVE: {
      RECT client{};
      ::GetClientRect(Handle(), &client);
      const POINT pt{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
      // With the mouse captured, moves arrive from outside too.
      if (!mouseInside_ && ::PtInRect(&client, pt) && MayEnter()) SetMouseInside(true);
      break;
    }
    case WM_MOUSELEAVE:
      if (mouseInside_ && MayLeave()) SetMouseInside(false);
      break;
    case WM_SETFOCUS: {
      const LRESULT result = Default(msg, wp, lp);
      SendToDescendants(RootOf(Handle()), FocusChangedMessage(), reinterpret_cast<WPARAM>(Handle()), 0, false);
      return result;
    }
    case WM_KILLFOCUS: {
      const LRESULT result = Default(msg, wp, lp);
      // A control of ours that takes the focus tells the form itself.
      if (!FromHandle(reinterpret_cast<HWND>(wp)))
        SendToDescendants(RootOf(Handle()), FocusChangedMessage(), wp, 0, false);
      return result;
    }
    case WM_SYSCHAR:
      if (SendToDescendants(RootOf(Handle()), DialogCharMessage(), wp, 0, true)) return 0;
      break;
    case WM_SETTEXT: {
      const LRESULT result = Default(msg, wp, lp);
      TextChanged();
      return result;
    }
    case WM_SETFONT: {
      const LRESULT result = Default(msg, wp, lp);
      FontChanged();
      return result;
    }
  }
  return Default(msg, wp, lp);
}

}  // namespace vorda::controls
