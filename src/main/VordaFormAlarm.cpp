// Warnings before the final action: the beeps, the progress on the taskbar
// button, and the screenshot taken before the session ends.
#include "core/actions/Alarm.h"
#include "main/Monitoring.h"
#include "main/VordaForm.h"
#include "win/image/Screenshot.h"
#include "win/log/MsgLogger.h"
#include "win/sound/WaveOut.h"
#include "win/system/TaskbarProgress.h"

namespace vorda::app {
namespace {

// After a beep the silence check comes back at this period, once the
// 100 ms tone has surely ended.
constexpr UINT kSilenceCheckAfterBeepMs = 700;

}  // namespace

void TVordaForm::InitAlarm() {
  const HWND window = Handle();
  FAlarm = std::make_unique<actions::TAlarm>(win::SystemWaveOut(),
                                             [window] { return win::CreateTaskbarProgress(window); });
  FTaskbarButtonCreatedMsg = win::RegisterTaskbarButtonCreated(window);
}

bool TVordaForm::IsTaskbarButtonCreated(UINT msg) const noexcept {
  return FTaskbarButtonCreatedMsg != 0 && msg == FTaskbarButtonCreatedMsg;
}

void TVordaForm::TaskbarButtonCreated() noexcept {
  try {
    if (FAlarm && !FAlarm->TaskbarButtonCreated()) win::LogEvent(L"Warning - Taskbar init failed.");
  } catch (...) {
    win::LogEvent(L"Warning - Taskbar init failed.");
  }
}

void TVordaForm::PrepareWarnings() {
  if (!FAlarm) InitAlarm();
  bool taskbarReady = false;
  try {
    taskbarReady = FAlarm->Prepare({.soundWarning = FSettings->SoundWarning(),
                                    .progressOnTaskbar = FSettings->ProgressOnTaskbar()});
  } catch (...) {
  }
  if (!taskbarReady) win::LogEvent(L"Warning - Taskbar init failed.");
}

void TVordaForm::ReleaseAlarm() {
  timerSec.Stop();
  if (FAlarm && FSettings) FAlarm->Release(FSettings->SoundWarning());
}

void TVordaForm::PlayAlarm() {
  // The beep must not count as sound for the silence watch.
  const bool silenceWatch = cbNoSound.Checked() && FMonitoring && FMonitoring->Pause();
  if (FAlarm) FAlarm->Play(::GetTickCount64());
  if (silenceWatch) FMonitoring->Resume(kSilenceCheckAfterBeepMs);
}

void TVordaForm::LetBeepEnd() {
  if (!FAlarm) return;
  if (const std::uint32_t ms = FAlarm->RemainingBeepMs(::GetTickCount64())) ::Sleep(ms);
}

void TVordaForm::ShowTaskbarProgress(std::uint32_t completed, std::uint32_t total) {
  if (FAlarm) FAlarm->ShowProgress(completed, total);
}

bool TVordaForm::HasTaskbarProgress() const noexcept { return FAlarm && FAlarm->HasTaskbarProgress(); }

void TVordaForm::SaveScreenshot(const std::wstring& path) {
  // A failure leaves no file and says nothing.
  win::SaveScreenshot(path);
}

}  // namespace vorda::app
