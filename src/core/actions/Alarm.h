#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "core/actions/TaskbarProgress.h"
#include "core/sound/ToneGen.h"
#include "core/sound/WaveOut.h"

namespace vorda::actions {

// What a countdown's warnings depend on.
struct TAlarmOptions {
  bool soundWarning = false;       // a beep in each of the last seconds
  bool progressOnTaskbar = false;  // the setting, on a system whose taskbar shows progress
};

// The warning equipment of a countdown: the beep generator with the output
// volume it raised, and the progress on the taskbar button. It lives from the
// start of a countdown to its end or cancel; the taskbar object, once made,
// stays for the life of the window.
class TAlarm {
 public:
  // Makes the taskbar object of the main window, or nothing when the shell
  // has none.
  using TTaskbarFactory = std::function<std::unique_ptr<ITaskbarProgress>()>;

  // The volume below which the output counts as muted, and the level (high
  // byte of each channel) it is raised to for the countdown.
  static constexpr std::uint32_t kMutedBelow = 2;
  static constexpr std::uint8_t kRaisedLevel = 128;

  TAlarm(sound::IWaveOut& output, TTaskbarFactory createTaskbar) noexcept;
  TAlarm(const TAlarm&) = delete;
  TAlarm& operator=(const TAlarm&) = delete;
  ~TAlarm();

  // A countdown starts: a default generator (100 ms of 440 Hz, played
  // without waiting) when sound warnings are on, the output volume saved and
  // raised to half level when it is muted, and an indeterminate progress on
  // the taskbar button once the button exists. False when setting up the
  // taskbar progress failed.
  bool Prepare(const TAlarmOptions& options);
  // The countdown ends in any way: the volume comes back to the saved value
  // when it differs, the generator is freed (its sound stops) and the
  // progress is cleared.
  void Release(bool soundWarning) noexcept;
  // One beep, started at the given time (milliseconds of a monotonic clock);
  // nothing without a generator.
  void Play(std::uint64_t nowMs) noexcept;
  // How long the last beep still sounds at the given time: the end of a
  // countdown waits for it, so the beep of the final tick is heard whole.
  std::uint32_t RemainingBeepMs(std::uint64_t nowMs) const noexcept;
  void ShowProgress(std::uint32_t completed, std::uint32_t total) noexcept;
  // The taskbar has (again) made the window's button: only now does the
  // shell take progress for it, so a running countdown shows its progress
  // from here. False when setting up the taskbar progress failed.
  bool TaskbarButtonCreated();

  bool HasGenerator() const noexcept { return generator_ != nullptr; }
  const sound::TToneGen* Generator() const noexcept { return generator_.get(); }
  bool HasTaskbarProgress() const noexcept { return taskbar_ != nullptr; }
  // The output volume read when the generator was made.
  std::uint32_t SystemVolume() const noexcept { return systemVolume_; }

 private:
  bool InitTaskbar();

  sound::IWaveOut& output_;
  TTaskbarFactory createTaskbar_;
  std::unique_ptr<sound::TToneGen> generator_;
  std::unique_ptr<ITaskbarProgress> taskbar_;
  std::uint32_t systemVolume_ = 0;
  bool buttonCreated_ = false;
  bool progressWanted_ = false;
  std::optional<std::uint64_t> lastBeepMs_;
};

}  // namespace vorda::actions
