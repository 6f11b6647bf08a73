#include "controls/RadioButton.h"

#include <vector>

namespace vorda::controls {

bool TRadioButton::Create(TParent parent, const TBounds& bounds, std::wstring_view caption, int id) noexcept {
  // Not an automatic radio button: the group and the click follow the rule
  // above, also for a check set by the program.
  return CreateControl(L"BUTTON", parent, bounds, caption, WS_VISIBLE | BS_RADIOBUTTON, 0, id);
}

bool TRadioButton::Checked() const noexcept {
  return Handle() && ::SendMessageW(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

std::vector<TRadioButton*> TRadioButton::Group() const {
  std::vector<TRadioButton*> group;
  if (!Handle()) return group;
  HWND first = Handle();
  for (HWND h = Handle(); h; h = ::GetWindow(h, GW_HWNDPREV)) {
    first = h;
    if (::GetWindowLongW(h, GWL_STYLE) & WS_GROUP) break;
  }
  for (HWND h = first; h; h = ::GetWindow(h, GW_HWNDNEXT)) {
    if (h != first && (::GetWindowLongW(h, GWL_STYLE) & WS_GROUP)) break;
    if (auto* radio = dynamic_cast<TRadioButton*>(TWindow::FromHandle(h))) group.push_back(radio);
  }
  return group;
}

void TRadioButton::Mark(bool checked) noexcept {
  ::SendMessageW(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  SetTabStop(checked);
}

void TRadioButton::SetChecked(bool checked) {
  if (!Handle() || checked == Checked()) return;
  Mark(checked);
  if (!checked) return;
  for (TRadioButton* other : Group()) {
    if (other != this) other->Mark(false);
  }
  if (onClick) onClick();
}

bool TRadioButton::HandleReflected(UINT msg, WPARAM wp, LPARAM, LRESULT& result) {
  if (msg == WM_COMMAND && HIWORD(wp) == BN_CLICKED) {
    SetChecked(true);
    result = 0;
    return true;
  }
  return false;
}

}  // namespace vorda::controls
