#include "win/monitor/PeakMeter.h"

#include "win/monitor/EndPointVolume.h"
#include "win/util/ComPtr.h"

namespace vorda::win {
namespace {

class TPeakMeter : public monitor::IPeakSource {
 public:
  explicit TPeakMeter(ComPtr<IAudioMeterInformation> meter) noexcept : meter_(std::move(meter)) {}
  std::optional<float> Peak() override {
    float peak = 0.0f;
    if (!meter_ || FAILED(meter_->GetPeakValue(&peak))) return std::nullopt;
    return peak;
  }

 private:
  ComPtr<IAudioMeterInformation> meter_;
};

}  // namespace

TOpenedMeter OpenDefaultPeakMeter() {
  TOpenedMeter opened;
  ComPtr<IMMDeviceEnumerator> enumerator;
  const HRESULT created = ::CoCreateInstance(__uuidof(MMDeviceEnumerator), nullptr, CLSCTX_ALL,
                                             __uuidof(IMMDeviceEnumerator), enumerator.PutVoid());
  if (FAILED(created) || !enumerator) {
    opened.result = TMeterOpen::moNoEnumerator;
    opened.error = FAILED(created) ? created : E_NOINTERFACE;
    return opened;
  }
  ComPtr<IMMDevice> device;
  ComPtr<IAudioMeterInformation> meter;
  HRESULT hr = enumerator->GetDefaultAudioEndpoint(eRender, eConsole, device.Put());
  if (SUCCEEDED(hr) && device) hr = device->Activate(__uuidof(IAudioMeterInformation), CLSCTX_ALL, nullptr, meter.PutVoid());
  if (FAILED(hr) || !meter) {
    opened.result = TMeterOpen::moNoMeter;
    opened.error = FAILED(hr) ? hr : E_NOINTERFACE;
    return opened;
  }
  opened.result = TMeterOpen::moOpened;
  opened.meter = std::make_unique<TPeakMeter>(std::move(meter));
  return opened;
}

}  // namespace vorda::win
