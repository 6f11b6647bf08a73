#pragma once

#include <windows.h>

#include <functional>
#include <type_traits>

namespace vorda::controls {

class TWindow;

// A timer of a window, known by its id (an enum of the window's timer ids).
// It runs while enabled with a positive interval and the window exists;
// onTimer is called from the window's WM_TIMER. Restart re-arms it for any
// interval, so a handler can schedule the next tick against a deadline.
class TTimer {
 public:
  template <typename Id>
    requires std::is_enum_v<Id> || std::is_integral_v<Id>
  TTimer(TWindow& owner, Id id, UINT interval = 1000) noexcept
      : TTimer(owner, static_cast<UINT_PTR>(id), interval, 0) {}
  TTimer(const TTimer&) = delete;
  TTimer& operator=(const TTimer&) = delete;
  ~TTimer();

  UINT_PTR Id() const noexcept { return id_; }

  UINT Interval() const noexcept { return interval_; }
  // A running timer starts its period anew.
  void SetInterval(UINT milliseconds) noexcept;

  bool Enabled() const noexcept { return enabled_; }
  void SetEnabled(bool enabled) noexcept;

  // Interval := milliseconds, enabled, and the period starts now.
  void Restart(UINT milliseconds) noexcept;
  void Stop() noexcept { SetEnabled(false); }

  std::function<void()> onTimer;

 private:
  friend class TWindow;
  TTimer(TWindow& owner, UINT_PTR id, UINT interval, int) noexcept;
  void Arm() noexcept;
  void Disarm() noexcept;
  void Fire();

  TWindow* owner_;
  UINT_PTR id_;
  UINT interval_;
  bool enabled_ = false;
};

}  // namespace vorda::controls
