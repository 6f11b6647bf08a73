#include "main/Monitoring.h"

#include "core/monitor/AppCloseWatch.h"
#include "core/monitor/ShShared.h"
#include "lang/StringIds.h"
#include "win/app/Application.h"
#include "win/app/Strings.h"
#include "win/log/MsgLogger.h"
#include "win/monitor/HookLibraryBridge.h"
#include "win/monitor/PeakMeter.h"
#include "win/system/SystemInfo.h"

namespace vorda::app {

TMonitoring::TMonitoring(HWND window, controls::TTimer& timerWaitForEvent, std::uint32_t& activeCount) noexcept
    : window_(window), timer_(timerWaitForEvent), activeCount_(activeCount) {}

TMonitoring::~TMonitoring() {
  timer_.Stop();
  win::TSHLibrary::Get().DoneSH();
}

bool TMonitoring::StartIdleWatch() {
  return win::TSHLibrary::Get().InitSH(monitor::kHookGetMessage, monitor::kCodeInput, window_);
}

bool TMonitoring::StartHookWatch(bool watchInternalWindows) {
  const monitor::THookMode mode = monitor::AppClosedHookMode(watchInternalWindows);
  return win::TSHLibrary::Get().InitSH(mode.kind, mode.code, window_);
}

bool TMonitoring::StartSilenceWatch() {
  activeCount_ = 0;
  win::TOpenedMeter opened = win::OpenDefaultPeakMeter();
  switch (opened.result) {
    case win::TMeterOpen::moNoEnumerator:
      ::MessageBoxW(win::TApplication::Get().MainWindow(), win::LoadStr(IDS_UNSUPPORTED_SYSTEM).c_str(),
                    win::LoadStr(IDS_ERROR_CAPTION).c_str(), MB_ICONERROR);
      ::SetLastError(static_cast<DWORD>(opened.error));
      win::LogEvent(L"Error - Init sillent detection failed: " + win::GetLastErrorText());
      return false;
    case win::TMeterOpen::moNoMeter:
      ::SetLastError(static_cast<DWORD>(opened.error));
      win::LogEvent(L"Error - Init sillent detection failed: " + win::GetLastErrorText());
      return false;
    case win::TMeterOpen::moOpened:
      break;
  }
  meter_ = std::move(opened.meter);
  timer_.onTimer = [this] { CheckIfNoSounds(); };
  timer_.SetInterval(125);
  timer_.SetEnabled(true);
  return true;
}

void TMonitoring::CheckIfNoSounds() {
  const monitor::TSilenceSample sample =
      monitor::SilenceStep(activeCount_, meter_ ? meter_->Peak() : std::optional<float>{});
  activeCount_ = sample.count;
  if (sample.failed) win::LogEvent(L"Error - Sillent detection failed.");
}

void TMonitoring::Stop() noexcept {
  win::LogEvent(L"Monitoring will be disabled");
  timer_.Stop();
  win::TSHLibrary::Get().DoneSH();
}

bool TMonitoring::Pause() noexcept {
  const bool running = timer_.Enabled();
  timer_.Stop();
  return running;
}

void TMonitoring::Resume(UINT intervalMs) noexcept { timer_.Restart(intervalMs); }

}  // namespace vorda::app
