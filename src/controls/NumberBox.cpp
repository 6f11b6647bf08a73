#include "controls/NumberBox.h"

#include <commctrl.h>

#include <cerrno>
#include <cwchar>
#include <string>

namespace vorda::controls {

bool TNumberBox::Create(TParent parent, const TBounds& bounds, int min, int max, int value, int id) noexcept {
  min_ = min;
  max_ = max < min ? min : max;
  if (!CreateEdit(parent, bounds, std::to_wstring(Clamp(value)), min_ >= 0 ? ES_NUMBER : 0, id)) return false;
  spin_ = ::CreateWindowExW(0, UPDOWN_CLASSW, nullptr,
                            WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS |
                                UDS_NOTHOUSANDS | UDS_HOTTRACK,
                            0, 0, 0, 0, parent.hwnd, nullptr, ::GetModuleHandleW(nullptr), nullptr);
  if (!spin_) return false;
  ::SendMessageW(spin_, UDM_SETRANGE32, static_cast<WPARAM>(min_), static_cast<LPARAM>(max_));
  ::SendMessageW(spin_, UDM_SETBUDDY, reinterpret_cast<WPARAM>(Handle()), 0);
  ::SendMessageW(spin_, UDM_SETPOS32, 0, Clamp(value));
  return true;
}

TNumberBox::~TNumberBox() {
  if (spin_ && ::IsWindow(spin_)) ::DestroyWindow(spin_);
}

int TNumberBox::Value() const {
  const std::wstring text = Text();
  wchar_t* end = nullptr;
  errno = 0;
  const long value = std::wcstol(text.c_str(), &end, 10);
  while (end && (*end == L' ' || *end == L'\t')) ++end;
  if (text.empty() || end == text.c_str() || (end && *end) || errno == ERANGE) return min_;
  if (value < min_) return min_;
  if (value > max_) return max_;
  return static_cast<int>(value);
}

void TNumberBox::SetValue(int value) {
  value = Clamp(value);
  if (spin_) ::SendMessageW(spin_, UDM_SETPOS32, 0, value);
  if (Text() != std::to_wstring(value)) SetText(std::to_wstring(value));
}

void TNumberBox::SetRange(int min, int max) {
  const int value = Value();
  min_ = min;
  max_ = max < min ? min : max;
  if (spin_) ::SendMessageW(spin_, UDM_SETRANGE32, static_cast<WPARAM>(min_), static_cast<LPARAM>(max_));
  SetValue(value);
}

void TNumberBox::SetBounds(const TBounds& bounds) noexcept {
  TEdit::SetBounds(bounds);
  // Buddying again puts the spin back at the right edge inside the bounds.
  if (spin_) ::SendMessageW(spin_, UDM_SETBUDDY, reinterpret_cast<WPARAM>(Handle()), 0);
}

void TNumberBox::SetVisible(bool visible) noexcept {
  TEdit::SetVisible(visible);
  if (spin_) ::ShowWindow(spin_, visible ? SW_SHOWNA : SW_HIDE);
}

void TNumberBox::SetEnabled(bool enabled) noexcept {
  TEdit::SetEnabled(enabled);
  if (spin_) ::EnableWindow(spin_, enabled ? TRUE : FALSE);
}

void TNumberBox::Exited() {
  SetValue(Value());
  TEdit::Exited();
}

}  // namespace vorda::controls
