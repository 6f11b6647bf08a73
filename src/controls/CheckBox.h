#pragma once

#include <functional>
#include <string_view>

#include "controls/Control.h"

namespace vorda::controls {

// A check box. onClick follows every change of Checked, by the user or by
// SetChecked.
class TCheckBox : public TControl {
 public:
  bool Create(TParent parent, const TBounds& bounds, std::wstring_view caption, int id = 0) noexcept;

  bool Checked() const noexcept;
  void SetChecked(bool checked);

  // The first control of a group of the dialog manager (WS_GROUP).
  bool GroupStart() const noexcept { return HasStyle(WS_GROUP); }
  void SetGroupStart(bool start) noexcept { ModifyStyle(start ? 0 : WS_GROUP, start ? WS_GROUP : 0); }

  std::function<void()> onClick;

 protected:
  bool HandleReflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
};

}  // namespace vorda::controls
