#pragma once

#include <windows.h>

#include <memory>
#include <optional>

#include "core/monitor/SilenceCounter.h"

namespace vorda::win {

// How opening the meter of the default playback device went.
enum class TMeterOpen {
  moOpened,
  moNoEnumerator,  // no audio endpoint support at all
  moNoMeter,       // no default playback device, or no meter on it
};

struct TOpenedMeter {
  TMeterOpen result = TMeterOpen::moNoEnumerator;
  HRESULT error = S_OK;
  std::unique_ptr<monitor::IPeakSource> meter;  // set when opened
};

// The peak meter of the device that is the default playback device now.
TOpenedMeter OpenDefaultPeakMeter();

}  // namespace vorda::win
