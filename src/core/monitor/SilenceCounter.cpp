#include "core/monitor/SilenceCounter.h"

#include <limits>

namespace vorda::monitor {

TSilenceSample SilenceStep(std::uint32_t count, std::optional<float> peak) noexcept {
  if (!peak) return {0, true};
  if (*peak > 0.0f) return {0, false};
  if (count == std::numeric_limits<std::uint32_t>::max()) return {count, false};
  return {count + 1, false};
}

}  // namespace vorda::monitor
