#include "controls/Edit.h"

namespace vorda::controls {

bool TEdit::Create(TParent parent, const TBounds& bounds, std::wstring_view text, int id) noexcept {
  return CreateEdit(parent, bounds, text, 0, id);
}

bool TEdit::CreateEdit(TParent parent, const TBounds& bounds, std::wstring_view text, DWORD style,
                       int id) noexcept {
  return CreateControl(L"EDIT", parent, bounds, text, WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL | style,
                       WS_EX_CLIENTEDGE, id);
}

void TEdit::SetReadOnly(bool readOnly) noexcept {
  if (Handle()) ::SendMessageW(Handle(), EM_SETREADONLY, readOnly ? TRUE : FALSE, 0);
}

void TEdit::SetMaxLength(int length) noexcept {
  if (Handle()) ::SendMessageW(Handle(), EM_SETLIMITTEXT, static_cast<WPARAM>(length), 0);
}

void TEdit::SelectAll() noexcept {
  if (Handle()) ::SendMessageW(Handle(), EM_SETSEL, 0, -1);
}

void TEdit::SetColor(TColor color) {
  background_.SetColor(color);
  colorSet_ = true;
  Invalidate();
}

LRESULT TEdit::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_LBUTTONDBLCLK) {
    const LRESULT result = TControl::HandleMessage(msg, wp, lp);
    if (onDblClick) onDblClick();
    return result;
  }
  return TControl::HandleMessage(msg, wp, lp);
}

bool TEdit::HandleReflected(UINT msg, WPARAM wp, LPARAM, LRESULT& result) {
  switch (msg) {
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:  // read-only or disabled
      if (!colorSet_ || !Enabled()) return false;
      ::SetTextColor(reinterpret_cast<HDC>(wp), ::GetSysColor(COLOR_WINDOWTEXT));
      ::SetBkColor(reinterpret_cast<HDC>(wp), ColorToRGB(background_.Color()));
      result = reinterpret_cast<LRESULT>(background_.Get());
      return true;
    case WM_COMMAND:
      switch (HIWORD(wp)) {
        case EN_CHANGE:
          Changed();
          break;
        case EN_SETFOCUS:
          if (onEnter) onEnter();
          break;
        case EN_KILLFOCUS:
          Exited();
          break;
      }
      result = 0;
      return true;
  }
  return false;
}

}  // namespace vorda::controls
