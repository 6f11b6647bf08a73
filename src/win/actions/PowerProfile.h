#pragma once

#include <windows.h>

#include "win/util/UniqueHandle.h"

namespace vorda::win {

// SetSuspendState of the power-profile library, which older systems lack;
// the library stays loaded as long as the object lives.
class TSuspendStateFunction {
 public:
  TSuspendStateFunction() noexcept;

  bool Found() const noexcept { return function_ != nullptr; }
  // Returns after the computer has woken up; false when it did not suspend.
  bool Call(bool hibernate, bool forceCritical, bool disableWakeEvent) const noexcept;

 private:
  using Function = BOOLEAN(WINAPI*)(BOOLEAN, BOOLEAN, BOOLEAN);
  UniqueModule library_;
  Function function_ = nullptr;
};

}  // namespace vorda::win
