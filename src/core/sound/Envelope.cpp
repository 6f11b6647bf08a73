#include "core/sound/Envelope.h"

#include <algorithm>

namespace vorda::sound {
namespace {

int Percent(int v) noexcept { return std::clamp(v, 0, 100); }

// Channel values of the buffer read and written by their running number
// (two per frame in stereo); values past the span read as silence and are
// never written.
class TSamples {
 public:
  TSamples(std::span<std::uint8_t> bytes, bool sixteen) noexcept
      : bytes_(bytes), sixteen_(sixteen), count_(bytes.size() / (sixteen ? 2 : 1)) {}

  int Get(std::int64_t i) const noexcept {
    if (i < 0 || static_cast<std::uint64_t>(i) >= count_) return 0;
    if (!sixteen_) return bytes_[i] - 128;
    const std::size_t at = static_cast<std::size_t>(i) * 2;
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(bytes_[at] | (bytes_[at + 1] << 8)));
  }

  void Set(std::int64_t i, std::int64_t value) noexcept {
    if (i < 0 || static_cast<std::uint64_t>(i) >= count_) return;
    if (!sixteen_) {
      bytes_[i] = static_cast<std::uint8_t>(value + 128);
      return;
    }
    const std::size_t at = static_cast<std::size_t>(i) * 2;
    const auto v = static_cast<std::uint16_t>(value);
    bytes_[at] = static_cast<std::uint8_t>(v);
    bytes_[at + 1] = static_cast<std::uint8_t>(v >> 8);
  }

 private:
  std::span<std::uint8_t> bytes_;
  bool sixteen_;
  std::uint64_t count_;
};

}  // namespace

TEnvelopeShares ShareEnvelope(const TEnvelope& envelope) noexcept {
  TEnvelopeShares s{Percent(envelope.attack), Percent(envelope.hold), Percent(envelope.decay),
                    Percent(envelope.release), 0};
  const int sum = s.attack + s.hold + s.decay + s.release;
  if (sum > 100) {
    s.attack = s.attack * 100 / sum;
    s.hold = s.hold * 100 / sum;
    s.decay = s.decay * 100 / sum;
    s.release = 100 - s.attack - s.hold - s.decay;
  }
  s.sustain = 100 - s.attack - s.hold - s.decay - s.release;
  return s;
}

void ApplyEnvelope(std::span<std::uint8_t> samples, std::uint32_t dataLength, bool stereo, TTGResolution resolution,
                   const TEnvelope& envelope) noexcept {
  const bool sixteen = resolution == TTGResolution::tg16Bit;
  const std::int64_t channels = stereo ? 2 : 1;
  const std::int64_t bytesPerFrame = (sixteen ? 2 : 1) * channels;
  const std::int64_t frames = dataLength / bytesPerFrame;
  const TEnvelopeShares share = ShareEnvelope(envelope);
  const int sustain = Percent(envelope.sustain);
  TSamples data(samples, sixteen);

  // pos counts channel values; a phase covers n + 1 frames from pos, and the
  // next one starts on the frame after its last.
  std::int64_t pos = 0;
  const auto framesOf = [&](int percent) { return percent * std::int64_t{dataLength} / (bytesPerFrame * 100); };
  const auto framesLeft = [&] { return std::max<std::int64_t>(0, frames - pos / channels); };
  const auto shape = [&](std::int64_t n, auto&& gain) {
    for (std::int64_t r = 0; r <= n; ++r) {
      const std::int64_t i = pos + r * channels;
      const std::int64_t v = gain(r, data.Get(i));
      data.Set(i, v);
      if (stereo) data.Set(i + 1, v);
    }
    pos += (n + 1) * channels;
  };

  if (const std::int64_t n = framesOf(share.attack); n > 0) {
    const double f = 1.0 / static_cast<double>(n);
    shape(n, [f](std::int64_t r, int s) { return static_cast<std::int64_t>(static_cast<double>(r) * s * f); });
  }
  if (const std::int64_t n = framesOf(share.hold); n > 0) {
    shape(n, [](std::int64_t, int s) { return std::int64_t{s}; });
  }
  if (const std::int64_t n = framesOf(share.decay); n > 0) {
    const double f = static_cast<double>(100 - sustain) / static_cast<double>(n) / 100.0;
    shape(n, [f](std::int64_t r, int s) { return s - static_cast<std::int64_t>(static_cast<double>(r) * s * f); });
  }
  if (share.sustain != 0) {
    const std::int64_t n = share.release == 0 ? framesLeft() : framesOf(share.sustain);
    const double f = sustain / 100.0;
    shape(n, [f](std::int64_t, int s) { return static_cast<std::int64_t>(s * f); });
  }
  if (const std::int64_t n = framesLeft(); n > 0) {
    const double f = (sustain / 100.0) / static_cast<double>(n);
    shape(n, [f, n](std::int64_t r, int s) { return static_cast<std::int64_t>(static_cast<double>(n - r) * s * f); });
  }
}

}  // namespace vorda::sound
