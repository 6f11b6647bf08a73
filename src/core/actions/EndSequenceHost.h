#pragma once

#include <string>

namespace vorda::actions {

// What the end sequence needs from the rest of the program.
class IEndSequenceHost {
 public:
  virtual ~IEndSequenceHost() = default;

  // Stops the warning tones, restores the volume, stops the one-second timer
  // and clears the taskbar progress.
  virtual void StopAlarm() = 0;
  // Stops the wait-for-event timer and releases the hook library.
  virtual void StopMonitoring() = 0;
  // Saves a picture of the desktop to the path; failures are ignored.
  virtual void SaveScreenshot(const std::wstring& path) = 0;
  virtual void SaveWindowPosition() = 0;
  virtual void ShowOptionsPage() = 0;
  virtual void EnableMainWindow() = 0;
  // Asks the application to end once control returns to its message loop.
  virtual void Terminate() = 0;
};

}  // namespace vorda::actions
