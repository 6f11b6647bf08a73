#pragma once

#include <windows.h>

#include <cstdint>

#include "controls/Timer.h"
#include "win/util/ComPtr.h"

struct IAudioMeterInformation;

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
  // The chosen program's windows through the hook library.
  bool StartAppCloseWatch();
  // The peak meter of the default playback device, sampled every 125 ms:
  // each silent sample adds one to the active count, any sound resets it.
  bool StartSilenceWatch();
  void Stop() noexcept;

  // Around a warning beep: Pause stops the wait-for-event timer and tells
  // whether it ran; Resume starts it again with the given period.
  bool Pause() noexcept;
  void Resume(UINT intervalMs) noexcept;

 private:
  bool InitSH();
  void CheckIfNoSounds();

  HWND window_;
  controls::TTimer& timer_;
  std::uint32_t& activeCount_;
  win::ComPtr<IAudioMeterInformation> meter_;
};

}  // namespace vorda::app
