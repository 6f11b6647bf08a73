#include "core/sound/ToneGen.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstring>
#include <limits>
#include <new>

#include "core/sound/Note.h"
#include "core/sound/Random.h"
#include "core/sound/WaveHeader.h"

namespace vorda::sound {
namespace {

std::atomic<int> liveToneGens{0};

constexpr long double kTwoPi = 6.283185307179586476925286766559005768L;

// Rounds toward zero; NaN gives 0 and values past the 64-bit range saturate,
// so no input can make the conversion undefined.
std::int64_t Trunc(double v) noexcept {
  if (std::isnan(v)) return 0;
  if (v >= 9.2e18) return std::numeric_limits<std::int64_t>::max();
  if (v <= -9.2e18) return std::numeric_limits<std::int64_t>::min();
  return static_cast<std::int64_t>(v);
}

std::size_t LevelIndex(TTGAMLevel level) noexcept { return static_cast<std::size_t>(level); }
bool IsLevel(TTGAMLevel level) noexcept { return LevelIndex(level) < kAMLevelCount; }

std::uint32_t Get32(const std::uint8_t* p) noexcept {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

std::uint32_t FloatBits(float f) noexcept {
  std::uint32_t bits;
  std::memcpy(&bits, &f, sizeof bits);
  return bits;
}

float BitsFloat(std::uint32_t bits) noexcept {
  float f;
  std::memcpy(&f, &bits, sizeof f);
  return f;
}

}  // namespace

int CheckRange(int lo, int hi, std::int64_t value) noexcept {
  if (value < lo) return lo;
  if (value > hi) return hi;
  return static_cast<int>(value);
}

int ToneGenCount() noexcept { return liveToneGens.load(); }
bool ToneGenActive() noexcept { return ToneGenCount() > 0; }

TToneGen::TToneGen(IWaveOut* output) noexcept : output_(output) {
  ++liveToneGens;
  amOctaves_.fill(4);
  ResetAM();
  amAmplitude_ = amAmpArray_[0];
  amWaveform_ = amWaveArray_[0];
  amFrequency_ = amFreqArray_[0];
}

TToneGen::~TToneGen() {
  Stop();
  buffer_.reset();
  --liveToneGens;
}

void TToneGen::SetFrequency(std::int16_t value) noexcept {
  frequency_ = static_cast<std::int16_t>(CheckRange(20, 20000, value));
  hasChanged_ = true;
}

void TToneGen::SetDuration(std::uint8_t value) noexcept {
  duration_ = static_cast<std::uint8_t>(CheckRange(10, 32767, value));
  hasChanged_ = true;
}

void TToneGen::SetWaveform(TTGWave value) noexcept {
  waveform_ = value;
  hasChanged_ = true;
}

void TToneGen::SetAttack(std::int16_t value) noexcept {
  attack_ = static_cast<std::int16_t>(CheckPercent(value));
  hasADSRChanged_ = true;
}

void TToneGen::SetHold(std::int16_t value) noexcept {
  hold_ = static_cast<std::int16_t>(CheckPercent(value));
  hasADSRChanged_ = true;
}

void TToneGen::SetDecay(std::int16_t value) noexcept {
  decay_ = static_cast<std::int16_t>(CheckPercent(value));
  hasADSRChanged_ = true;
}

void TToneGen::SetSustain(std::int16_t value) noexcept {
  sustain_ = static_cast<std::int16_t>(CheckPercent(value));
  hasADSRChanged_ = true;
}

void TToneGen::SetRelease(std::int16_t value) noexcept {
  release_ = static_cast<std::int16_t>(CheckPercent(value));
  hasADSRChanged_ = true;
}

void TToneGen::SetResolution(TTGResolution value) noexcept {
  resolution_ = value;
  hasChanged_ = true;
}

void TToneGen::SetQuality(TTGQuality value) noexcept {
  quality_ = value;
  hasChanged_ = true;
}

void TToneGen::SetStereo(bool value) noexcept {
  stereo_ = value;
  hasChanged_ = true;
}

void TToneGen::SetAMLevel(TTGAMLevel value) noexcept {
  if (!IsLevel(value)) return;
  amLevel_ = value;
  const std::size_t i = LevelIndex(value);
  SetAMAmplitude(amAmpArray_[i]);
  SetAMWaveform(amWaveArray_[i]);
  SetAMFrequency(amFreqArray_[i]);
}

void TToneGen::SetAMAmplitude(std::int16_t value) noexcept {
  amAmplitude_ = static_cast<std::int16_t>(CheckPercent(value));
  amAmpArray_[LevelIndex(amLevel_)] = amAmplitude_;
  hasChanged_ = true;
}

void TToneGen::SetAMWaveform(TTGWave value) noexcept {
  amWaveform_ = value;
  amWaveArray_[LevelIndex(amLevel_)] = value;
  hasChanged_ = true;
}

void TToneGen::SetAMFrequency(float value) noexcept {
  amFrequency_ = value;
  amFreqArray_[LevelIndex(amLevel_)] = value;
  hasChanged_ = true;
}

void TToneGen::SetAMUseMultiplier(bool value) noexcept {
  amUseMultiplier_ = value;
  hasChanged_ = true;
}

std::int16_t TToneGen::AMAmp(TTGAMLevel level) const noexcept {
  return IsLevel(level) ? amAmpArray_[LevelIndex(level)] : 0;
}

TTGWave TToneGen::AMWave(TTGAMLevel level) const noexcept {
  return IsLevel(level) ? amWaveArray_[LevelIndex(level)] : TTGWave::tgSine;
}

float TToneGen::AMFreq(TTGAMLevel level) const noexcept {
  return IsLevel(level) ? amFreqArray_[LevelIndex(level)] : 0.0f;
}

int TToneGen::AMOctave(TTGAMLevel level) const noexcept { return IsLevel(level) ? amOctaves_[LevelIndex(level)] : 0; }

void TToneGen::ResetAM() noexcept {
  for (std::size_t i = 0; i < kAMLevelCount; ++i) {
    amAmpArray_[i] = 0;
    amWaveArray_[i] = TTGWave::tgSine;
    amFreqArray_[i] = static_cast<float>(i + 1) / 2.0f;
  }
  hasChanged_ = true;
}

void TToneGen::SetAMParameter(TTGAMLevel level, float frequency, std::int16_t amplitude, TTGWave waveform) noexcept {
  if (!IsLevel(level)) return;
  const std::size_t i = LevelIndex(level);
  amFreqArray_[i] = frequency;
  amAmpArray_[i] = amplitude;
  amWaveArray_[i] = waveform;
  hasChanged_ = true;
}

void TToneGen::Play() noexcept {
  if (hasChanged_ || hasToneChanged_) BuildWave(false);
  hasStopped_ = false;
  StartPlayback();
  hasStopped_ = !(async_ || loop_);
}

void TToneGen::PlayADSR() noexcept {
  if (hasChanged_ || hasADSRChanged_) BuildWave(true);
  hasStopped_ = false;
  StartPlayback();
  hasStopped_ = !(async_ || loop_);
}

void TToneGen::Stop() noexcept {
  if (output_) output_->StopSound();
  hasStopped_ = true;
}

void TToneGen::StartPlayback() noexcept {
  Stop();
  std::uint32_t flags = kSndMemory;
  if (loop_)
    flags |= kSndAsync | kSndLoop;
  else if (async_)
    flags |= kSndAsync;
  if (buffer_ && output_) output_->PlayImage(buffer_.get(), flags);
}

std::optional<TWaveOutCaps> TToneGen::DevCaps() noexcept {
  if (!output_) return std::nullopt;
  return output_->GetDevCaps(deviceID_);
}

std::uint32_t TToneGen::GetVolume() noexcept {
  const auto caps = DevCaps();
  if (!caps || !(caps->support & kWaveCapsVolume)) return 0;
  std::uint32_t volume = output_->GetVolume(deviceID_).value_or(0);
  // A mono device reports one level in the low word: copy it to the right.
  if (!(caps->formats & kWaveFormat1S16)) volume *= 65537u;
  return volume;
}

void TToneGen::SetVolume(std::uint8_t left, std::uint8_t right) noexcept {
  const auto caps = DevCaps();
  if (!caps || !(caps->support & kWaveCapsVolume)) return;
  output_->SetVolume(deviceID_, (std::uint32_t{left} << 8) | (std::uint32_t{right} << 24));
}

void TToneGen::SetLeftVolume(std::uint8_t value) noexcept {
  SetVolume(value, static_cast<std::uint8_t>(GetVolume() >> 24));
}

void TToneGen::SetRightVolume(std::uint8_t value) noexcept {
  SetVolume(static_cast<std::uint8_t>(GetVolume() >> 8), value);
}

int TToneGen::SetNote(std::wstring_view note) noexcept {
  int octave = octave_;
  const int f = ParseNote(note, octave);
  if (f <= 0) return 0;
  SetFrequency(static_cast<std::int16_t>(f));
  octave_ = octave;
  hasChanged_ = true;
  return f;
}

float TToneGen::SetAMNote(TTGAMLevel level, std::wstring_view note) noexcept {
  if (!IsLevel(level)) return 0.0f;
  const std::size_t i = LevelIndex(level);
  int octave = amOctaves_[i];
  const int f = ParseNote(note, octave);
  if (f <= 0) return 0.0f;
  float x = static_cast<float>(f);
  if (amUseMultiplier_) x /= static_cast<float>(frequency_);
  amFreqArray_[i] = x;
  amOctaves_[i] = octave;
  hasChanged_ = true;
  return x;
}

std::vector<std::uint8_t> TToneGen::WriteAMArray() const {
  std::vector<std::uint8_t> out;
  out.reserve(kAMArrayDataSize);
  Put32(out, kAMLevelCount - 1);
  for (std::size_t i = 0; i < kAMLevelCount; ++i) {
    Put32(out, static_cast<std::uint32_t>(static_cast<std::int32_t>(amAmpArray_[i])));
    Put32(out, static_cast<std::uint32_t>(amWaveArray_[i]));
    Put32(out, FloatBits(amFreqArray_[i]));
  }
  return out;
}

int TToneGen::ReadAMArray(std::span<const std::uint8_t> data) noexcept {
  if (data.size() < 4) return 0;
  const auto highest = static_cast<std::int32_t>(Get32(data.data()));
  if (highest < 0) return 0;
  // A count past the eighth level, or past the end of the data, is not
  // trusted: only the records that are both announced and present are read.
  const std::size_t announced = std::min<std::size_t>(static_cast<std::size_t>(highest) + 1, kAMLevelCount);
  const std::size_t present = (data.size() - 4) / 12;
  const std::size_t count = std::min(announced, present);
  for (std::size_t i = 0; i < count; ++i) {
    const std::uint8_t* record = data.data() + 4 + i * 12;
    amAmpArray_[i] = static_cast<std::int16_t>(Get32(record));
    amWaveArray_[i] = static_cast<TTGWave>(static_cast<std::uint8_t>(Get32(record + 4)));
    amFreqArray_[i] = BitsFloat(Get32(record + 8));
  }
  if (count > 0) hasChanged_ = true;
  return static_cast<int>(count);
}

bool TToneGen::BuildWave(bool envelope) noexcept {
  // Noise is the same on every build; the caller's random sequence goes on
  // afterwards as if nothing had drawn from it.
  const TRandSeedKeeper keepSeed;
  SetRandSeed(1);

  const std::uint32_t bytes = BytesPerSample(resolution_);
  const std::uint8_t silence = resolution_ == TTGResolution::tg16Bit ? 0 : 128;
  const std::uint32_t perTenMs = SampleRate(quality_) / 100;
  std::uint32_t length = duration_ * bytes * perTenMs / 10;
  if (stereo_) length *= 2;
  const auto header = MakeWaveHeader(stereo_, resolution_, quality_, length);

  if (output_) output_->StopSound();
  buffer_.reset();
  bufferSize_ = 0;
  const std::uint32_t size = length + kWaveHeaderSize + kWaveSpareSize;
  buffer_.reset(new (std::nothrow) std::uint8_t[size]);
  if (!buffer_) return false;
  bufferSize_ = size;
  std::memset(buffer_.get(), silence, size);
  std::memcpy(buffer_.get(), header.data(), header.size());

  int levelSum = 0;
  for (std::int16_t a : amAmpArray_) levelSum += a;
  std::uint8_t* data = buffer_.get() + kWaveHeaderSize;
  MixVoice(data, length, 100 - levelSum, frequency_, waveform_);
  for (std::size_t i = 0; i < kAMLevelCount; ++i) {
    int a = amAmpArray_[i];
    if (levelSum > 100) a = a * 100 / levelSum;
    std::int16_t f;
    if (amUseMultiplier_)
      f = static_cast<std::int16_t>(
          CheckRange(20, 20000, Trunc(static_cast<double>(frequency_) * static_cast<double>(amFreqArray_[i]))));
    else
      f = static_cast<std::int16_t>(Trunc(static_cast<double>(amFreqArray_[i])));
    MixVoice(data, length, a, f, amWaveArray_[i]);
  }

  hasADSRChanged_ = true;
  hasChanged_ = false;
  hasToneChanged_ = false;
  if (envelope) {
    ApplyEnvelope(std::span(data, size - kWaveHeaderSize), length, stereo_, resolution_,
                  TEnvelope{attack_, hold_, decay_, sustain_, release_});
    hasADSRChanged_ = false;
    hasChanged_ = false;
    hasToneChanged_ = true;
  }
  return true;
}

// Adds one voice to every frame of the data. Periods last Trunc(P) samples at
// first and then alternate between the integers around P = rate / f, so that
// on average they last P.
void TToneGen::MixVoice(std::uint8_t* data, std::uint32_t length, int amplitude, std::int16_t frequency,
                        TTGWave waveform) const noexcept {
  if (amplitude <= 0 || frequency <= 0 || !IsKnownWave(waveform)) return;
  const bool sixteen = resolution_ == TTGResolution::tg16Bit;
  const std::uint32_t bytesPerFrame = BytesPerSample(resolution_) * (stereo_ ? 2 : 1);
  const double silence = sixteen ? 0.0 : 128.0;
  const std::int64_t a = amplitude;
  double hi = static_cast<double>(a * (sixteen ? 65534 : 254)) / 100.0;
  const double lo = static_cast<double>(-(a * (sixteen ? 32767 : 127))) / 100.0;
  const double period = static_cast<double>(SampleRate(quality_)) / frequency;
  std::int64_t n = Trunc(period);
  const std::int64_t half = Trunc(period + 0.5) / 2;

  double omega = 0, v = lo, step = 0;
  switch (waveform) {
    case TTGWave::tgSine: omega = static_cast<double>(kTwoPi / static_cast<long double>(n)); break;
    case TTGWave::tgSquare: hi /= 2; break;
    case TTGWave::tgTriangle:
      step = half > 0 ? hi / static_cast<double>(half) : std::numeric_limits<double>::infinity();
      break;
    case TTGWave::tgSawtooth: step = hi / static_cast<double>(n); break;
    case TTGWave::tgNoise: break;
  }
  const auto noiseRange = static_cast<std::uint32_t>(Trunc(hi + 1));
  const auto sineAt = [omega, hi](std::int64_t j) noexcept {
    const double s = static_cast<double>(std::sin(static_cast<long double>(static_cast<double>(j) * omega)));
    return static_cast<double>(Trunc(s / 2 * hi));
  };
  // A period lasts at most Trunc(P) + 1 samples and every one starts again
  // at j = 0: the sine's values are computed once per index.
  const std::uint32_t frames = (length + bytesPerFrame - 1) / bytesPerFrame;
  const auto sineCount = static_cast<std::size_t>(std::min<std::int64_t>(n + 1, frames));
  std::unique_ptr<double[]> sine;
  if (waveform == TTGWave::tgSine) {
    sine.reset(new (std::nothrow) double[sineCount]);
    if (sine)
      for (std::size_t i = 0; i < sineCount; ++i) sine[i] = sineAt(static_cast<std::int64_t>(i));
  }

  std::int64_t j = 0, k = 1;
  for (std::uint32_t at = 0; at < length; at += bytesPerFrame) {
    double x = 0;
    switch (waveform) {
      case TTGWave::tgSine: x = sine && static_cast<std::uint64_t>(j) < sineCount ? sine[j] : sineAt(j); break;
      case TTGWave::tgSquare: x = j < half ? lo : hi; break;
      case TTGWave::tgTriangle:
        x = static_cast<double>(Trunc(v));
        if (j < half) {
          v += step;
        } else {
          v -= step;
          if (v < lo) v = lo;
        }
        break;
      case TTGWave::tgSawtooth:
        x = static_cast<double>(Trunc(v));
        v += step;
        break;
      case TTGWave::tgNoise: x = static_cast<double>(Random(noiseRange)) + lo; break;
    }
    const std::int64_t add = Trunc(silence + x);
    if (sixteen) {
      const auto old = static_cast<std::uint16_t>(data[at] | (data[at + 1] << 8));
      const auto now = static_cast<std::uint16_t>(old + add);
      data[at] = static_cast<std::uint8_t>(now);
      data[at + 1] = static_cast<std::uint8_t>(now >> 8);
      if (stereo_) {
        data[at + 2] = data[at];
        data[at + 3] = data[at + 1];
      }
    } else {
      data[at] = static_cast<std::uint8_t>(data[at] - 128 + add);
      if (stereo_) data[at + 1] = data[at];
    }
    if (++j == n) {
      j = 0;
      if (waveform != TTGWave::tgSine) v = lo;
      ++k;
      n = Trunc(static_cast<double>(k) * period - static_cast<double>(Trunc(static_cast<double>(k - 1) * period)));
    }
  }
}

}  // namespace vorda::sound
