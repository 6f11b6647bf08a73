#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>

#include "controls/Timer.h"
#include "core/monitor/SilenceCounter.h"

namespace vorda::app {

// The watches that run beside a countdown: user input and window closing
// through the hook library, and silence through the audio peak meter.
class TMonitoring {
 public:
  TMonitoring(HWND window, controls::TTimer& timerWaitForEvent, std::uint32_t& activeCount) noexcept;
  TMonitoring(const TMonitoring&) = delete;
  TMonitoring& operator=(const TMonitoring&) = delete;
  ~TMonitoring();

  // Keyboard and mouse input through the hook library.
  bool StartIdleWatch();
  // Destroyed windows through the hook library, every window or top-level ones.
  bool StartHookWatch(bool watchInternalWindows);
  // The peak meter of the default playback device, sampled every 125 ms:
  // each silent sample adds one to the active count, any sound resets it.
  bool StartSilenceWatch();
  // Ends every watch on the wait-for-event timer or the hook library.
  void Stop() noexcept;

  // Around a warning beep: Pause stops the wait-for-event timer and tells
  // whether it ran; Resume starts it again with the given period.
  bool Pause() noexcept;
  void Resume(UINT intervalMs) noexcept;

 private:
  void CheckIfNoSounds();

  HWND window_;
  controls::TTimer& timer_;
  std::uint32_t& activeCount_;
  std::unique_ptr<monitor::IPeakSource> meter_;
};

}  // namespace vorda::app
