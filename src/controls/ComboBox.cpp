#include "controls/ComboBox.h"

#include <algorithm>

namespace vorda::controls {
namespace {

// The room of the open list below the box, part of the window's height.
constexpr int kListHeight = 200;

int CompareItems(std::wstring_view a, std::wstring_view b) noexcept {
  return ::CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()), b.data(),
                          static_cast<int>(b.size())) -
         CSTR_EQUAL;
}

}  // namespace

bool TComboBox::Create(TParent parent, const TBounds& bounds, TComboStyle style, int id) noexcept {
  style_ = style;
  const DWORD kind = style == TComboStyle::csDropDownList ? CBS_DROPDOWNLIST : CBS_DROPDOWN | CBS_AUTOHSCROLL;
  TBounds open = bounds;
  open.height += kListHeight;
  return CreateControl(L"COMBOBOX", parent, open, {}, WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | kind, 0, id);
}

int TComboBox::Count() const noexcept {
  return Handle() ? static_cast<int>(::SendMessageW(Handle(), CB_GETCOUNT, 0, 0)) : 0;
}

std::wstring TComboBox::Item(int index) const {
  if (!Handle()) return {};
  const LRESULT length = ::SendMessageW(Handle(), CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length == CB_ERR) return {};
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const LRESULT got =
      ::SendMessageW(Handle(), CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(got == CB_ERR ? 0 : static_cast<size_t>(got));
  return text;
}

std::vector<std::wstring> TComboBox::Items() const {
  std::vector<std::wstring> items;
  const int count = Count();
  items.reserve(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) items.push_back(Item(i));
  return items;
}

int TComboBox::SortedPlace(std::wstring_view item) const {
  // After the equal ones: the order of adding stays among equals.
  int low = 0;
  int high = Count();
  while (low < high) {
    const int mid = (low + high) / 2;
    if (CompareItems(Item(mid), item) <= 0) {
      low = mid + 1;
    } else {
      high = mid;
    }
  }
  return low;
}

int TComboBox::Add(std::wstring_view item) {
  if (!Handle()) return -1;
  const std::wstring text(item);
  const LRESULT index =
      sorted_ ? ::SendMessageW(Handle(), CB_INSERTSTRING, static_cast<WPARAM>(SortedPlace(item)),
                               reinterpret_cast<LPARAM>(text.c_str()))
              : ::SendMessageW(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  return index < 0 ? -1 : static_cast<int>(index);
}

void TComboBox::SetItems(const std::vector<std::wstring>& items) {
  Clear();
  for (const auto& item : items) Add(item);
}

void TComboBox::Delete(int index) noexcept {
  if (Handle()) ::SendMessageW(Handle(), CB_DELETESTRING, static_cast<WPARAM>(index), 0);
}

void TComboBox::Clear() noexcept {
  if (!Handle()) return;
  // CB_RESETCONTENT empties the edit field too; the text stays, as typed.
  const std::wstring text = style_ == TComboStyle::csDropDown ? Text() : std::wstring();
  ::SendMessageW(Handle(), CB_RESETCONTENT, 0, 0);
  if (!text.empty()) SetTextQuietly(text);
}

int TComboBox::IndexOf(std::wstring_view text) const {
  for (int i = 0, count = Count(); i < count; ++i) {
    if (CompareItems(Item(i), text) == 0) return i;
  }
  return -1;
}

void TComboBox::SetSorted(bool sorted) {
  if (sorted == sorted_) return;
  sorted_ = sorted;
  if (!sorted || !Handle()) return;
  auto items = Items();
  std::stable_sort(items.begin(), items.end(), [](const auto& a, const auto& b) { return CompareItems(a, b) < 0; });
  const std::wstring selected = ItemIndex() >= 0 ? Item(ItemIndex()) : std::wstring();
  const std::wstring text = Text();
  SetItems(items);
  if (!selected.empty()) SetItemIndex(IndexOf(selected));
  if (style_ == TComboStyle::csDropDown) SetTextQuietly(text);
}

int TComboBox::ItemIndex() const noexcept {
  return Handle() ? static_cast<int>(::SendMessageW(Handle(), CB_GETCURSEL, 0, 0)) : -1;
}

void TComboBox::SetItemIndex(int index) noexcept {
  if (Handle()) ::SendMessageW(Handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void TComboBox::SetText(std::wstring_view text) {
  if (style_ == TComboStyle::csDropDownList) {
    SetItemIndex(IndexOf(text));
  } else {
    SetTextQuietly(text);
  }
}

void TComboBox::SetTextQuietly(std::wstring_view text) {
  quiet_ = true;
  SetCaption(text);
  quiet_ = false;
}

int TComboBox::DropDownWidth() const noexcept {
  return Handle() ? static_cast<int>(::SendMessageW(Handle(), CB_GETDROPPEDWIDTH, 0, 0)) : 0;
}

void TComboBox::SetDropDownWidth(int width) noexcept {
  if (Handle()) ::SendMessageW(Handle(), CB_SETDROPPEDWIDTH, static_cast<WPARAM>(width), 0);
}

bool TComboBox::DroppedDown() const noexcept {
  return Handle() && ::SendMessageW(Handle(), CB_GETDROPPEDSTATE, 0, 0) != 0;
}

void TComboBox::SetDroppedDown(bool dropped) noexcept {
  if (Handle()) ::SendMessageW(Handle(), CB_SHOWDROPDOWN, dropped ? TRUE : FALSE, 0);
}

void TComboBox::SetColor(TColor color) {
  background_.SetColor(color);
  Invalidate();
  COMBOBOXINFO info{};
  info.cbSize = sizeof(info);
  if (Handle() && ::GetComboBoxInfo(Handle(), &info) && info.hwndItem && info.hwndItem != Handle())
    ::InvalidateRect(info.hwndItem, nullptr, TRUE);
}

void TComboBox::SetBounds(const TBounds& bounds) noexcept {
  TBounds open = bounds;
  open.height += kListHeight;
  TControl::SetBounds(open);
}

LRESULT TComboBox::Paint(HDC dc) noexcept {
  ::SetTextColor(dc, ::GetSysColor(COLOR_WINDOWTEXT));
  ::SetBkColor(dc, ColorToRGB(background_.Color()));
  return reinterpret_cast<LRESULT>(background_.Get());
}

LRESULT TComboBox::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  // The edit field and the list ask the box itself for their colours.
  if ((msg == WM_CTLCOLOREDIT || msg == WM_CTLCOLORLISTBOX) && Enabled()) return Paint(reinterpret_cast<HDC>(wp));
  return TControl::HandleMessage(msg, wp, lp);
}

bool TComboBox::HandleReflected(UINT msg, WPARAM wp, LPARAM, LRESULT& result) {
  switch (msg) {
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      if (!Enabled()) return false;
      result = Paint(reinterpret_cast<HDC>(wp));
      return true;
    case WM_COMMAND:
      switch (HIWORD(wp)) {
        case CBN_EDITCHANGE:
          if (!quiet_ && onChange) onChange();
          break;
        case CBN_SELCHANGE:
          if (style_ == TComboStyle::csDropDown && ItemIndex() >= 0) SetTextQuietly(Item(ItemIndex()));
          if (onSelect) onSelect();
          if (onChange) onChange();
          break;
        case CBN_DROPDOWN:
          if (onDropDown) onDropDown();
          break;
        case CBN_CLOSEUP:
          if (onCloseUp) onCloseUp();
          break;
      }
      result = 0;
      return true;
  }
  return false;
}

}  // namespace vorda::controls
