#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "controls/Color.h"
#include "controls/Control.h"

namespace vorda::controls {

enum class TComboStyle : std::uint8_t {
  csDropDown,      // an edit field with a list
  csDropDownList,  // a fixed list
};

// A combo box. Items are compared without regard to case, as the control
// does. onChange follows the user's typing and choosing (not SetText or
// SetItemIndex); during onSelect and onChange of a choice, Text is already
// the chosen item.
class TComboBox : public TControl {
 public:
  // bounds.height is the height of the closed box.
  bool Create(TParent parent, const TBounds& bounds, TComboStyle style = TComboStyle::csDropDown,
              int id = 0) noexcept;

  TComboStyle Style() const noexcept { return style_; }

  int Count() const noexcept;
  std::wstring Item(int index) const;
  std::vector<std::wstring> Items() const;
  // Adds an item (at its sorted place when Sorted); its index, -1 on failure.
  int Add(std::wstring_view item);
  void SetItems(const std::vector<std::wstring>& items);
  void Delete(int index) noexcept;
  void Clear() noexcept;
  // The index of the item equal to text (ignoring case), -1 when none is.
  int IndexOf(std::wstring_view text) const;

  bool Sorted() const noexcept { return sorted_; }
  // Sorting on sorts the items there are.
  void SetSorted(bool sorted);

  int ItemIndex() const noexcept;
  void SetItemIndex(int index) noexcept;

  // The edit text; of a fixed list, the selected item. Setting the text of a
  // fixed list selects the item equal to it (none when there is none).
  std::wstring Text() const { return Caption(); }
  void SetText(std::wstring_view text);

  int DropDownWidth() const noexcept;
  void SetDropDownWidth(int width) noexcept;
  bool DroppedDown() const noexcept;
  void SetDroppedDown(bool dropped) noexcept;

  // The background of the edit field and the list; clWindow by default.
  TColor Color() const noexcept { return background_.Color(); }
  void SetColor(TColor color);

  void SetBounds(const TBounds& bounds) noexcept override;

  std::function<void()> onChange;
  std::function<void()> onSelect;
  std::function<void()> onDropDown;
  std::function<void()> onCloseUp;

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  bool HandleReflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

 private:
  int SortedPlace(std::wstring_view item) const;
  LRESULT Paint(HDC dc) noexcept;
  void SetTextQuietly(std::wstring_view text);

  TComboStyle style_ = TComboStyle::csDropDown;
  bool sorted_ = false;
  bool quiet_ = false;
  TSolidBrush background_{clWindow};
};

}  // namespace vorda::controls
