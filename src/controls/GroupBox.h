#pragma once

#include <string_view>

#include "controls/Control.h"

namespace vorda::controls {

// A group box that holds its controls: they are created with the group as
// their parent, placed in its client area, and disabled with it. It draws
// its frame and caption itself, under its controls.
class TGroupBox : public TControl {
 public:
  bool Create(TParent parent, const TBounds& bounds, std::wstring_view caption, int id = 0) noexcept;

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void PaintFrame(HDC dc) noexcept;
};

}  // namespace vorda::controls
