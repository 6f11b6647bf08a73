#include "main/Monitoring.h"

#include "win/monitor/EndPointVolume.h"

#include "lang/StringIds.h"
#include "win/app/Application.h"
#include "win/app/Strings.h"
#include "win/log/MsgLogger.h"
#include "win/system/ErrorBox.h"
#include "win/system/SystemInfo.h"

namespace vorda::app {

TMonitoring::TMonitoring(HWND window, controls::TTimer& timerWaitForEvent, std::uint32_t& activeCount) noexcept
    : window_(window), timer_(timerWaitForEvent), activeCount_(activeCount) {}

TMonitoring::~TMonitoring() { Stop(); }

bool TMonitoring::InitSH() {
  if (!window_) return false;
  const std::wstring path = win::ExeFolder() + win::LoadStr(IDS_SH_DLL);
  if (::GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
    win::ShowError(win::LoadStr(IDS_SH_MISSING), false);
    return false;
  }
  // The hook library's loader and its shared block come with the library.
  win::ShowError(win::LoadStr(IDS_SH_LOAD_FAILED), false);
  return false;
}

bool TMonitoring::StartIdleWatch() { return InitSH(); }

bool TMonitoring::StartAppCloseWatch() { return InitSH(); }

bool TMonitoring::StartSilenceWatch() {
  activeCount_ = 0;
  meter_.Reset();
  win::ComPtr<IMMDeviceEnumerator> enumerator;
  const HRESULT created = ::CoCreateInstance(__uuidof(MMDeviceEnumerator), nullptr, CLSCTX_ALL,
                                             __uuidof(IMMDeviceEnumerator), enumerator.PutVoid());
  if (FAILED(created) || !enumerator) {
    ::MessageBoxW(win::TApplication::Get().MainWindow(), win::LoadStr(IDS_UNSUPPORTED_SYSTEM).c_str(),
                  win::LoadStr(IDS_ERROR_CAPTION).c_str(), MB_ICONERROR);
    ::SetLastError(static_cast<DWORD>(created));
    win::LogEvent(L"Error - Init sillent detection failed: " + win::GetLastErrorText());
    return false;
  }
  win::ComPtr<IMMDevice> device;
  HRESULT hr = enumerator->GetDefaultAudioEndpoint(eRender, eConsole, device.Put());
  if (SUCCEEDED(hr)) hr = device->Activate(__uuidof(IAudioMeterInformation), CLSCTX_ALL, nullptr, meter_.PutVoid());
  if (FAILED(hr) || !meter_) {
    meter_.Reset();
    win::LogEvent(L"Error - Init sillent detection failed: " + win::GetLastErrorText());
    return false;
  }
  timer_.onTimer = [this] { CheckIfNoSounds(); };
  timer_.SetInterval(125);
  timer_.SetEnabled(true);
  return true;
}

void TMonitoring::CheckIfNoSounds() {
  float peak = 0.0f;
  if (!meter_ || FAILED(meter_->GetPeakValue(&peak))) {
    activeCount_ = 0;
    win::LogEvent(L"Error - Sillent detection failed.");
  } else if (peak > 0.0f) {
    activeCount_ = 0;
  } else {
    ++activeCount_;
  }
}

void TMonitoring::Stop() noexcept {
  timer_.Stop();
  meter_.Reset();
}

bool TMonitoring::Pause() noexcept {
  const bool running = timer_.Enabled();
  timer_.Stop();
  return running;
}

void TMonitoring::Resume(UINT intervalMs) noexcept { timer_.Restart(intervalMs); }

}  // namespace vorda::app
