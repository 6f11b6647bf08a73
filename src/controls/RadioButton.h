#pragma once

#include <functional>
#include <string_view>
#include <vector>

#include "controls/Control.h"

namespace vorda::controls {

// A radio button. The radio buttons of one group are its siblings from the
// last group start (WS_GROUP) before it up to the next one; without group
// starts, all radio buttons of the parent. Checking one clears the others
// and raises its onClick, whether the user clicked it or SetChecked(true)
// checked it; a button that is already checked raises nothing. Only the
// checked button of a group is a tab stop.
class TRadioButton : public TControl {
 public:
  bool Create(TParent parent, const TBounds& bounds, std::wstring_view caption, int id = 0) noexcept;

  bool Checked() const noexcept;
  void SetChecked(bool checked);

  bool GroupStart() const noexcept { return HasStyle(WS_GROUP); }
  void SetGroupStart(bool start) noexcept { ModifyStyle(start ? 0 : WS_GROUP, start ? WS_GROUP : 0); }

  // The radio buttons of this one's group, in control order (itself too).
  std::vector<TRadioButton*> Group() const;

  std::function<void()> onClick;

 protected:
  bool HandleReflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

 private:
  void Mark(bool checked) noexcept;
};

}  // namespace vorda::controls
