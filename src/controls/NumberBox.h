#pragma once

#include "controls/Edit.h"

namespace vorda::controls {

// A number box: an edit box with an up-down spin at its right edge (inside
// the bounds), arrow keys stepping too. Value keeps to Min..Max; a text that
// is not a number reads as Min, and leaving the box writes the value back.
class TNumberBox : public TEdit {
 public:
  bool Create(TParent parent, const TBounds& bounds, int min, int max, int value, int id = 0) noexcept;
  ~TNumberBox() override;

  int Value() const;
  void SetValue(int value);
  int Min() const noexcept { return min_; }
  int Max() const noexcept { return max_; }
  void SetRange(int min, int max);

  HWND SpinHandle() const noexcept { return spin_; }

  void SetBounds(const TBounds& bounds) noexcept override;
  void SetVisible(bool visible) noexcept override;
  void SetEnabled(bool enabled) noexcept override;

 protected:
  void Exited() override;

 private:
  int Clamp(int value) const noexcept { return value < min_ ? min_ : value > max_ ? max_ : value; }

  HWND spin_ = nullptr;
  int min_ = 0;
  int max_ = 100;
};

}  // namespace vorda::controls
