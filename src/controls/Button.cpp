#include "controls/Button.h"

#include "controls/ImageList.h"

namespace vorda::controls {

bool TButton::Create(TParent parent, const TBounds& bounds, std::wstring_view caption, int id) noexcept {
  return CreateControl(L"BUTTON", parent, bounds, caption, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, id);
}

void TButton::SetDefault(bool isDefault) noexcept {
  default_ = isDefault;
  if (Handle()) ::SendMessageW(Handle(), BM_SETSTYLE, isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

bool TButton::SetImage(const TImageList& images, int index) noexcept {
  UniqueIcon icon = images.GetIcon(index);
  if (!icon || !Handle()) return false;
  if (Caption().empty()) ModifyStyle(0, BS_ICON);
  ::SendMessageW(Handle(), BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon.Get()));
  // The button shows the new icon before the old one goes.
  image_ = std::move(icon);
  Invalidate();
  return true;
}

void TButton::Click() {
  if (onClick) onClick();
}

unsigned TButton::DialogRole() const noexcept {
  unsigned role = drNone;
  if (default_) role |= drDefault;
  if (cancel_) role |= drCancel;
  return role;
}

bool TButton::HandleReflected(UINT msg, WPARAM wp, LPARAM, LRESULT& result) {
  if (msg == WM_COMMAND && HIWORD(wp) == BN_CLICKED) {
    Click();
    result = 0;
    return true;
  }
  return false;
}

}  // namespace vorda::controls
