#pragma once

#include <functional>

#include "controls/Control.h"

namespace vorda::controls {

// A picture that acts as a button: it shows a 32-bit bitmap with
// premultiplied alpha over its parent's background and raises onClick when
// the left button is pressed and released over it. onMouseEnter and
// onMouseLeave let the owner swap pictures. The bitmap stays the owner's.
class TImageButton : public TControl {
 public:
  bool Create(TParent parent, const TBounds& bounds, int id = 0) noexcept;

  HBITMAP Picture() const noexcept { return picture_; }
  void SetPicture(HBITMAP picture) noexcept;
  // Centred in the bounds, or at the top left corner (the default).
  bool Center() const noexcept { return center_; }
  void SetCenter(bool center) noexcept;

  // Draws the client area into dc.
  void PaintTo(HDC dc) noexcept;

  std::function<void()> onClick;

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  HBITMAP picture_ = nullptr;
  bool center_ = false;
  bool pressed_ = false;
};

}  // namespace vorda::controls
