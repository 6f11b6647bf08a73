#pragma once

#include <cstdint>

namespace vorda::schedule {

// Keeps a once-a-second step true to a monotonic clock. A periodic timer runs
// late a little at every period and merges periods that pass while the thread
// is busy; instead each timer event asks how many whole seconds have passed
// since the start and how long to wait for the next one.
class TSecondScheduler {
 public:
  struct TDue {
    std::uint32_t steps = 0;       // seconds to step now (0 for an early event)
    std::uint32_t nextDelayMs = 0;  // until the next whole second
  };

  // (Re)starts counting seconds at `nowMs`; the first step is due one second later.
  void Start(std::uint64_t nowMs) noexcept {
    originMs_ = nowMs;
    stepped_ = 0;
  }

  TDue OnTimer(std::uint64_t nowMs) noexcept {
    TDue due;
    if (nowMs < originMs_) nowMs = originMs_;
    const std::uint64_t elapsed = (nowMs - originMs_) / 1000;
    if (elapsed > stepped_) {
      due.steps = static_cast<std::uint32_t>(elapsed - stepped_);
      stepped_ = elapsed;
    }
    const std::uint64_t next = originMs_ + (stepped_ + 1) * 1000;
    due.nextDelayMs = static_cast<std::uint32_t>(next > nowMs ? next - nowMs : 1);
    return due;
  }

 private:
  std::uint64_t originMs_ = 0;
  std::uint64_t stepped_ = 0;
};

}  // namespace vorda::schedule
