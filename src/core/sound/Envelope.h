#pragma once

#include <cstdint>
#include <span>

#include "core/sound/ToneTypes.h"

namespace vorda::sound {

// Attack, hold, decay and release in percent of the tone length; sustain in
// percent of the amplitude.
struct TEnvelope {
  int attack = 10;
  int hold = 5;
  int decay = 20;
  int sustain = 50;
  int release = 30;
};

// The phases' shares of the tone length. When attack, hold, decay and release
// ask for more than the whole tone, they are scaled down and the release takes
// what the others leave; the sustain phase gets what is left of 100.
struct TEnvelopeShares {
  int attack = 0;
  int hold = 0;
  int decay = 0;
  int release = 0;
  int sustain = 0;
};

TEnvelopeShares ShareEnvelope(const TEnvelope& envelope) noexcept;

// Shapes the samples in place. samples starts at the first data byte and runs
// to the end of the buffer: the last release frames may reach a few frames
// past dataLength into the spare tail, never past the span.
void ApplyEnvelope(std::span<std::uint8_t> samples, std::uint32_t dataLength, bool stereo, TTGResolution resolution,
                   const TEnvelope& envelope) noexcept;

}  // namespace vorda::sound
