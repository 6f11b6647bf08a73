#pragma once

#include <cstdint>
#include <optional>

namespace vorda::monitor {

// The peak level of the default playback device, 0.0 to 1.0; nothing when a
// reading fails.
class IPeakSource {
 public:
  virtual ~IPeakSource() = default;
  virtual std::optional<float> Peak() = 0;
};

struct TSilenceSample {
  std::uint32_t count = 0;  // consecutive silent samples
  bool failed = false;      // the reading failed: logged, and the count restarts
};

// One sample: any peak above zero is sound and restarts the count; a silent
// one adds to it. The count stops at its largest value rather than wrap
// around to 0, which would read as a sound.
TSilenceSample SilenceStep(std::uint32_t count, std::optional<float> peak) noexcept;

}  // namespace vorda::monitor
