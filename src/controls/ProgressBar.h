#pragma once

#include "controls/Control.h"

namespace vorda::controls {

// A smooth progress bar.
class TProgressBar : public TControl {
 public:
  bool Create(TParent parent, const TBounds& bounds, int id = 0) noexcept;

  int Min() const noexcept;
  int Max() const noexcept;
  void SetRange(int min, int max) noexcept;
  int Position() const noexcept;
  void SetPosition(int position) noexcept;
  void StepBy(int delta) noexcept;
};

}  // namespace vorda::controls
