#include "core/actions/Alarm.h"

#include <utility>

namespace vorda::actions {

TAlarm::TAlarm(sound::IWaveOut& output, TTaskbarFactory createTaskbar) noexcept
    : output_(output), createTaskbar_(std::move(createTaskbar)) {}

TAlarm::~TAlarm() { Release(false); }

bool TAlarm::Prepare(const TAlarmOptions& options) {
  if (options.soundWarning) {
    generator_ = std::make_unique<sound::TToneGen>(&output_);
    generator_->SetAsync(true);
    systemVolume_ = generator_->GetVolume();
    if (systemVolume_ < kMutedBelow) generator_->SetVolume(kRaisedLevel, kRaisedLevel);
  }
  progressWanted_ = options.progressOnTaskbar;
  if (!progressWanted_ || !buttonCreated_) return true;
  return InitTaskbar();
}

void TAlarm::Release(bool soundWarning) noexcept {
  progressWanted_ = false;
  if (generator_ && sound::ToneGenActive()) {
    // The saved value goes back whole: the generator's own setter keeps only
    // the high byte of each channel and would turn a quiet output silent.
    if (soundWarning && generator_->GetVolume() != systemVolume_) output_.SetVolume(generator_->DeviceID(), systemVolume_);
    generator_.reset();
  }
  lastBeepMs_.reset();
  if (taskbar_) taskbar_->SetProgressState(TProgressState::tpsNoProgress);
}

void TAlarm::Play(std::uint64_t nowMs) noexcept {
  if (!generator_) return;
  generator_->Play();
  lastBeepMs_ = nowMs;
}

std::uint32_t TAlarm::RemainingBeepMs(std::uint64_t nowMs) const noexcept {
  if (!generator_ || !lastBeepMs_ || nowMs < *lastBeepMs_) return 0;
  const std::uint64_t elapsed = nowMs - *lastBeepMs_;
  const std::uint64_t length = generator_->Duration();
  return elapsed < length ? static_cast<std::uint32_t>(length - elapsed) : 0;
}

void TAlarm::ShowProgress(std::uint32_t completed, std::uint32_t total) noexcept {
  if (taskbar_) taskbar_->SetProgressValue(completed, total);
}

bool TAlarm::TaskbarButtonCreated() {
  buttonCreated_ = true;
  return progressWanted_ ? InitTaskbar() : true;
}

bool TAlarm::InitTaskbar() {
  try {
    taskbar_.reset();
    if (createTaskbar_) taskbar_ = createTaskbar_();
    if (!taskbar_) return true;  // no taskbar object: simply no progress
    return taskbar_->SetProgressState(TProgressState::tpsIndeterminate);
  } catch (...) {
    taskbar_.reset();
    return false;
  }
}

}  // namespace vorda::actions
