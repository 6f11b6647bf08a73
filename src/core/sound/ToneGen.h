#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "core/sound/Envelope.h"
#include "core/sound/ToneTypes.h"
#include "core/sound/WaveOut.h"

namespace vorda::sound {

// value when lo <= value <= hi, else lo when below and hi when above.
int CheckRange(int lo, int hi, std::int64_t value) noexcept;
inline int CheckPercent(std::int64_t value) noexcept { return CheckRange(0, 100, value); }

// Live generators: the constructor counts up, the destructor down.
int ToneGenCount() noexcept;
bool ToneGenActive() noexcept;

// A short tone synthesised into an in-memory WAV image and played through the
// system's sound output: a base voice plus up to eight extra voices (the AM
// levels), each with its own waveform, frequency and amplitude, mixed by
// adding; an optional envelope shapes the result. A tone is rebuilt only when
// a parameter of its kind changed since the last build.
class TToneGen {
 public:
  // The streamed binary property holding the eight levels (100 bytes).
  static constexpr std::string_view kAMArrayDataName = "AMArrayData";
  static constexpr std::size_t kAMArrayDataSize = 4 + kAMLevelCount * 12;

  // Without an output the generator builds tones but plays nothing and reads
  // every volume as 0.
  explicit TToneGen(IWaveOut* output = nullptr) noexcept;
  TToneGen(const TToneGen&) = delete;
  TToneGen& operator=(const TToneGen&) = delete;
  virtual ~TToneGen();

  std::int16_t Frequency() const noexcept { return frequency_; }
  void SetFrequency(std::int16_t value) noexcept;  // 20..20000 Hz
  std::uint8_t Duration() const noexcept { return duration_; }
  void SetDuration(std::uint8_t value) noexcept;  // milliseconds, at least 10
  TTGWave Waveform() const noexcept { return waveform_; }
  void SetWaveform(TTGWave value) noexcept;
  std::int16_t Attack() const noexcept { return attack_; }
  void SetAttack(std::int16_t value) noexcept;
  std::int16_t Hold() const noexcept { return hold_; }
  void SetHold(std::int16_t value) noexcept;
  std::int16_t Decay() const noexcept { return decay_; }
  void SetDecay(std::int16_t value) noexcept;
  std::int16_t Sustain() const noexcept { return sustain_; }
  void SetSustain(std::int16_t value) noexcept;
  std::int16_t Release() const noexcept { return release_; }
  void SetRelease(std::int16_t value) noexcept;
  bool Async() const noexcept { return async_; }
  void SetAsync(bool value) noexcept { async_ = value; }
  bool Loop() const noexcept { return loop_; }
  void SetLoop(bool value) noexcept { loop_ = value; }
  TTGResolution Resolution() const noexcept { return resolution_; }
  void SetResolution(TTGResolution value) noexcept;
  TTGQuality Quality() const noexcept { return quality_; }
  void SetQuality(TTGQuality value) noexcept;
  bool Stereo() const noexcept { return stereo_; }
  void SetStereo(bool value) noexcept;

  // The selected level and its three mirror properties.
  TTGAMLevel AMLevel() const noexcept { return amLevel_; }
  void SetAMLevel(TTGAMLevel value) noexcept;
  std::int16_t AMAmplitude() const noexcept { return amAmplitude_; }
  void SetAMAmplitude(std::int16_t value) noexcept;  // 0..100 percent
  TTGWave AMWaveform() const noexcept { return amWaveform_; }
  void SetAMWaveform(TTGWave value) noexcept;
  float AMFrequency() const noexcept { return amFrequency_; }
  void SetAMFrequency(float value) noexcept;
  bool AMUseMultiplier() const noexcept { return amUseMultiplier_; }
  void SetAMUseMultiplier(bool value) noexcept;

  // One level's entries (levels outside tgAMLevel1..8 read as silent).
  std::int16_t AMAmp(TTGAMLevel level) const noexcept;
  TTGWave AMWave(TTGAMLevel level) const noexcept;
  float AMFreq(TTGAMLevel level) const noexcept;
  int AMOctave(TTGAMLevel level) const noexcept;

  int Octave() const noexcept { return octave_; }
  void SetOctave(int value) noexcept { octave_ = value; }
  std::uint32_t DeviceID() const noexcept { return deviceID_; }

  bool HasChanged() const noexcept { return hasChanged_; }
  bool HasADSRChanged() const noexcept { return hasADSRChanged_; }
  bool HasToneChanged() const noexcept { return hasToneChanged_; }
  bool HasStopped() const noexcept { return hasStopped_; }

  // Plays the plain tone, building it first when it is stale.
  void Play() noexcept;
  // Plays the tone with the envelope, building it first when it is stale.
  void PlayADSR() noexcept;
  // Build without playing; false when the buffer could not be allocated.
  bool Prepare() noexcept { return BuildWave(false); }
  bool PrepareADSR() noexcept { return BuildWave(true); }
  void Stop() noexcept;

  // Wave-out volume of DeviceID: left level in the low word, right in the
  // high word; 0 when it cannot be read. A mono device reads the same on both.
  std::uint32_t GetVolume() noexcept;
  // Each 8-bit value becomes the high byte of its channel's level.
  void SetVolume(std::uint8_t left, std::uint8_t right) noexcept;
  void SetLeftVolume(std::uint8_t value) noexcept;
  void SetRightVolume(std::uint8_t value) noexcept;

  // Levels back to silent sines at 0.5, 1.0 ... 4.0 (the mirrors stay).
  void ResetAM() noexcept;
  // Writes one level's entries as given, without clamping; the mirrors stay.
  void SetAMParameter(TTGAMLevel level, float frequency, std::int16_t amplitude, TTGWave waveform) noexcept;

  // The whole WAV image (header, data, spare tail) of the last build, or null.
  const std::uint8_t* GetDataBuffer() const noexcept { return buffer_.get(); }
  std::uint32_t BufferSize() const noexcept { return bufferSize_; }

  // The frequency set from a note name (see ParseNote), or 0 and no change.
  int SetNote(std::wstring_view note) noexcept;
  // The level's frequency from a note name: Hz, or a multiple of Frequency
  // when AMUseMultiplier; 0 and no change for an invalid note.
  float SetAMNote(TTGAMLevel level, std::wstring_view note) noexcept;

  // The "AMArrayData" property: the highest level index (7), then per level
  // its amplitude, waveform and frequency (int32, int32, float32, little-endian).
  std::vector<std::uint8_t> WriteAMArray() const;
  // Reads the records the data holds, at most eight and never past its end;
  // returns how many levels were set.
  int ReadAMArray(std::span<const std::uint8_t> data) noexcept;

 private:
  bool BuildWave(bool envelope) noexcept;
  void MixVoice(std::uint8_t* data, std::uint32_t length, int amplitude, std::int16_t frequency,
                TTGWave waveform) const noexcept;
  void StartPlayback() noexcept;
  std::optional<TWaveOutCaps> DevCaps() noexcept;

  IWaveOut* output_;
  bool hasChanged_ = true;
  bool hasADSRChanged_ = true;
  bool hasToneChanged_ = true;
  bool hasStopped_ = true;
  std::unique_ptr<std::uint8_t[]> buffer_;
  std::uint32_t bufferSize_ = 0;
  std::int16_t frequency_ = 440;
  std::uint8_t duration_ = 100;
  TTGWave waveform_ = TTGWave::tgSine;
  std::int16_t attack_ = 10;
  std::int16_t hold_ = 5;
  std::int16_t decay_ = 20;
  std::int16_t sustain_ = 50;
  std::int16_t release_ = 30;
  bool async_ = true;
  bool loop_ = false;
  TTGResolution resolution_ = TTGResolution::tg16Bit;
  TTGQuality quality_ = TTGQuality::tgHiQ;
  std::uint32_t deviceID_ = 0;
  bool stereo_ = false;
  std::int16_t amAmplitude_ = 0;
  TTGWave amWaveform_ = TTGWave::tgSine;
  float amFrequency_ = 0;
  bool amUseMultiplier_ = true;
  int octave_ = 4;
  TTGAMLevel amLevel_ = TTGAMLevel::tgAMLevel1;
  std::array<std::int16_t, kAMLevelCount> amAmpArray_{};
  std::array<TTGWave, kAMLevelCount> amWaveArray_{};
  std::array<float, kAMLevelCount> amFreqArray_{};
  std::array<int, kAMLevelCount> amOctaves_{};
};

}  // namespace vorda::sound
