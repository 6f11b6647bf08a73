#include "controls/CheckBox.h"

namespace vorda::controls {

bool TCheckBox::Create(TParent parent, const TBounds& bounds, std::wstring_view caption, int id) noexcept {
  return CreateControl(L"BUTTON", parent, bounds, caption, WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 0, id);
}

bool TCheckBox::Checked() const noexcept {
  return Handle() && ::SendMessageW(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void TCheckBox::SetChecked(bool checked) {
  if (!Handle() || checked == Checked()) return;
  ::SendMessageW(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  if (onClick) onClick();
}

bool TCheckBox::HandleReflected(UINT msg, WPARAM wp, LPARAM, LRESULT& result) {
  // The button has toggled itself before it reports the click.
  if (msg == WM_COMMAND && HIWORD(wp) == BN_CLICKED) {
    if (onClick) onClick();
    result = 0;
    return true;
  }
  return false;
}

}  // namespace vorda::controls
