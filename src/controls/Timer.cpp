#include "controls/Timer.h"

#include <algorithm>

#include "controls/Window.h"

namespace vorda::controls {

TTimer::TTimer(TWindow& owner, UINT_PTR id, UINT interval, int) noexcept
    : owner_(&owner), id_(id), interval_(interval) {
  owner_->timers_.push_back(this);
}

TTimer::~TTimer() {
  if (!owner_) return;
  Disarm();
  auto& timers = owner_->timers_;
  timers.erase(std::remove(timers.begin(), timers.end(), this), timers.end());
}

void TTimer::SetInterval(UINT milliseconds) noexcept {
  interval_ = milliseconds;
  if (enabled_) Arm();
}

void TTimer::SetEnabled(bool enabled) noexcept {
  enabled_ = enabled;
  if (enabled) {
    Arm();
  } else {
    Disarm();
  }
}

void TTimer::Restart(UINT milliseconds) noexcept {
  interval_ = milliseconds;
  enabled_ = true;
  Arm();
}

void TTimer::Arm() noexcept {
  if (!owner_ || !owner_->Handle()) return;
  if (enabled_ && interval_ > 0) {
    // The same id replaces the running timer and starts its period anew.
    ::SetTimer(owner_->Handle(), id_, interval_, nullptr);
  } else {
    Disarm();
  }
}

void TTimer::Disarm() noexcept {
  if (owner_ && owner_->Handle()) ::KillTimer(owner_->Handle(), id_);
}

void TTimer::Fire() {
  // A tick that was queued before the timer was stopped is dropped.
  if (enabled_ && interval_ > 0 && onTimer) onTimer();
}

}  // namespace vorda::controls
