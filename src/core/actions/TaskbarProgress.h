#pragma once

#include <cstdint>

namespace vorda::actions {

// The states of a taskbar button's progress (the values the shell uses).
enum class TProgressState : std::uint32_t {
  tpsNoProgress = 0,
  tpsIndeterminate = 1,
  tpsNormal = 2,
  tpsError = 4,
  tpsPaused = 8,
};

// The progress shown on the main window's taskbar button. The Windows one
// talks to the shell; tests hand in a recording fake.
class ITaskbarProgress {
 public:
  virtual ~ITaskbarProgress() = default;
  // False when the taskbar refused the call.
  virtual bool SetProgressState(TProgressState state) noexcept = 0;
  virtual bool SetProgressValue(std::uint64_t completed, std::uint64_t total) noexcept = 0;
};

}  // namespace vorda::actions
