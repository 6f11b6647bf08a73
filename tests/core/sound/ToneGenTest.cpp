#include <gtest/gtest.h>

#include <functional>

#include "FakeWaveOut.h"
#include "core/sound/ToneGen.h"

namespace vorda::sound {
namespace {

using testing::TFakeWaveOut;

TEST(ToneGen, StartsWithItsDefaults) {
  TToneGen gen;
  EXPECT_EQ(gen.Frequency(), 440);
  EXPECT_EQ(gen.Duration(), 100);
  EXPECT_EQ(gen.Waveform(), TTGWave::tgSine);
  EXPECT_EQ(gen.Attack(), 10);
  EXPECT_EQ(gen.Hold(), 5);
  EXPECT_EQ(gen.Decay(), 20);
  EXPECT_EQ(gen.Sustain(), 50);
  EXPECT_EQ(gen.Release(), 30);
  EXPECT_TRUE(gen.Async());
  EXPECT_FALSE(gen.Loop());
  EXPECT_EQ(gen.Resolution(), TTGResolution::tg16Bit);
  EXPECT_EQ(gen.Quality(), TTGQuality::tgHiQ);
  EXPECT_FALSE(gen.Stereo());
  EXPECT_EQ(gen.AMLevel(), TTGAMLevel::tgAMLevel1);
  EXPECT_TRUE(gen.AMUseMultiplier());
  EXPECT_EQ(gen.Octave(), 4);
  EXPECT_EQ(gen.DeviceID(), 0u);
  EXPECT_TRUE(gen.HasChanged());
  EXPECT_TRUE(gen.HasADSRChanged());
  EXPECT_TRUE(gen.HasToneChanged());
  EXPECT_EQ(gen.GetDataBuffer(), nullptr);
  EXPECT_EQ(gen.BufferSize(), 0u);
  for (int i = 0; i < kAMLevelCount; ++i) {
    const auto level = static_cast<TTGAMLevel>(i);
    EXPECT_EQ(gen.AMAmp(level), 0);
    EXPECT_EQ(gen.AMWave(level), TTGWave::tgSine);
    EXPECT_FLOAT_EQ(gen.AMFreq(level), 0.5f * (i + 1));
    EXPECT_EQ(gen.AMOctave(level), 4);
  }
  EXPECT_EQ(gen.AMAmplitude(), 0);
  EXPECT_EQ(gen.AMWaveform(), TTGWave::tgSine);
  EXPECT_FLOAT_EQ(gen.AMFrequency(), 0.5f);
}

TEST(ToneGen, CountsLiveGenerators) {
  const int before = ToneGenCount();
  {
    TToneGen a, b;
    EXPECT_EQ(ToneGenCount(), before + 2);
    EXPECT_TRUE(ToneGenActive());
  }
  EXPECT_EQ(ToneGenCount(), before);
  EXPECT_EQ(ToneGenActive(), before > 0);
}

TEST(ToneGen, CheckRangeClampsToTheBounds) {
  EXPECT_EQ(CheckRange(20, 20000, 19), 20);
  EXPECT_EQ(CheckRange(20, 20000, 20), 20);
  EXPECT_EQ(CheckRange(20, 20000, 20000), 20000);
  EXPECT_EQ(CheckRange(20, 20000, 20001), 20000);
  EXPECT_EQ(CheckRange(20, 20000, -1'000'000'000'000), 20);
  EXPECT_EQ(CheckPercent(-1), 0);
  EXPECT_EQ(CheckPercent(55), 55);
  EXPECT_EQ(CheckPercent(101), 100);
}

// A setter, the value it is given, what the property then reads, and which
// build the change makes stale.
struct SetterCase {
  const char* name;
  std::function<void(TToneGen&)> set;
  std::function<int(const TToneGen&)> get;
  int expected;
  bool tone;
  bool envelope;
};

class Setters : public ::testing::TestWithParam<SetterCase> {};

TEST_P(Setters, ClampAndMarkTheRightBuildStale) {
  const SetterCase& c = GetParam();
  TToneGen gen;
  ASSERT_TRUE(gen.PrepareADSR());
  ASSERT_FALSE(gen.HasChanged());
  ASSERT_FALSE(gen.HasADSRChanged());
  c.set(gen);
  EXPECT_EQ(c.get(gen), c.expected);
  EXPECT_EQ(gen.HasChanged(), c.tone);
  EXPECT_EQ(gen.HasADSRChanged(), c.envelope);
}

int Int(auto v) { return static_cast<int>(v); }

INSTANTIATE_TEST_SUITE_P(
    Table, Setters,
    ::testing::Values(
        SetterCase{"FrequencyLow", [](TToneGen& g) { g.SetFrequency(19); },
                   [](const TToneGen& g) { return Int(g.Frequency()); }, 20, true, false},
        SetterCase{"FrequencyHigh", [](TToneGen& g) { g.SetFrequency(20001); },
                   [](const TToneGen& g) { return Int(g.Frequency()); }, 20000, true, false},
        SetterCase{"FrequencyNegative", [](TToneGen& g) { g.SetFrequency(-5); },
                   [](const TToneGen& g) { return Int(g.Frequency()); }, 20, true, false},
        SetterCase{"DurationZero", [](TToneGen& g) { g.SetDuration(0); },
                   [](const TToneGen& g) { return Int(g.Duration()); }, 10, true, false},
        SetterCase{"DurationMax", [](TToneGen& g) { g.SetDuration(255); },
                   [](const TToneGen& g) { return Int(g.Duration()); }, 255, true, false},
        SetterCase{"Waveform", [](TToneGen& g) { g.SetWaveform(TTGWave::tgNoise); },
                   [](const TToneGen& g) { return Int(g.Waveform()); }, 4, true, false},
        SetterCase{"Resolution", [](TToneGen& g) { g.SetResolution(TTGResolution::tg8Bit); },
                   [](const TToneGen& g) { return Int(g.Resolution()); }, 1, true, false},
        SetterCase{"Quality", [](TToneGen& g) { g.SetQuality(TTGQuality::tgLoQ); },
                   [](const TToneGen& g) { return Int(g.Quality()); }, 1, true, false},
        SetterCase{"Stereo", [](TToneGen& g) { g.SetStereo(true); }, [](const TToneGen& g) { return Int(g.Stereo()); },
                   1, true, false},
        SetterCase{"AttackLow", [](TToneGen& g) { g.SetAttack(-1); }, [](const TToneGen& g) { return Int(g.Attack()); },
                   0, false, true},
        SetterCase{"HoldHigh", [](TToneGen& g) { g.SetHold(101); }, [](const TToneGen& g) { return Int(g.Hold()); },
                   100, false, true},
        SetterCase{"Decay", [](TToneGen& g) { g.SetDecay(40); }, [](const TToneGen& g) { return Int(g.Decay()); }, 40,
                   false, true},
        SetterCase{"SustainHigh", [](TToneGen& g) { g.SetSustain(32000); },
                   [](const TToneGen& g) { return Int(g.Sustain()); }, 100, false, true},
        SetterCase{"ReleaseLow", [](TToneGen& g) { g.SetRelease(-300); },
                   [](const TToneGen& g) { return Int(g.Release()); }, 0, false, true},
        SetterCase{"Async", [](TToneGen& g) { g.SetAsync(false); }, [](const TToneGen& g) { return Int(g.Async()); }, 0,
                   false, false},
        SetterCase{"Loop", [](TToneGen& g) { g.SetLoop(true); }, [](const TToneGen& g) { return Int(g.Loop()); }, 1,
                   false, false},
        SetterCase{"AMAmplitudeHigh", [](TToneGen& g) { g.SetAMAmplitude(150); },
                   [](const TToneGen& g) { return Int(g.AMAmp(TTGAMLevel::tgAMLevel1)); }, 100, true, false},
        SetterCase{"AMAmplitudeLow", [](TToneGen& g) { g.SetAMAmplitude(-2); },
                   [](const TToneGen& g) { return Int(g.AMAmplitude()); }, 0, true, false},
        SetterCase{"AMWaveform", [](TToneGen& g) { g.SetAMWaveform(TTGWave::tgSquare); },
                   [](const TToneGen& g) { return Int(g.AMWave(TTGAMLevel::tgAMLevel1)); }, 1, true, false},
        SetterCase{"AMFrequencyUnclamped", [](TToneGen& g) { g.SetAMFrequency(-3.0f); },
                   [](const TToneGen& g) { return Int(g.AMFreq(TTGAMLevel::tgAMLevel1)); }, -3, true, false},
        SetterCase{"AMUseMultiplier", [](TToneGen& g) { g.SetAMUseMultiplier(false); },
                   [](const TToneGen& g) { return Int(g.AMUseMultiplier()); }, 0, true, false},
        SetterCase{"ResetAM",
                   [](TToneGen& g) {
                     g.SetAMParameter(TTGAMLevel::tgAMLevel2, 9, 9, TTGWave::tgNoise);
                     g.ResetAM();
                   },
                   [](const TToneGen& g) { return Int(g.AMAmp(TTGAMLevel::tgAMLevel2)); }, 0, true, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ToneGen, SelectingALevelLoadsItsMirrors) {
  TToneGen gen;
  gen.SetAMParameter(TTGAMLevel::tgAMLevel3, 2.25f, 150, TTGWave::tgTriangle);
  EXPECT_EQ(gen.AMAmplitude(), 0);  // SetAMParameter leaves the mirrors alone
  EXPECT_EQ(gen.AMAmp(TTGAMLevel::tgAMLevel3), 150);

  gen.SetAMLevel(TTGAMLevel::tgAMLevel3);
  EXPECT_EQ(gen.AMLevel(), TTGAMLevel::tgAMLevel3);
  EXPECT_EQ(gen.AMAmplitude(), 100);
  EXPECT_EQ(gen.AMAmp(TTGAMLevel::tgAMLevel3), 100);  // written back through the clamping setter
  EXPECT_EQ(gen.AMWaveform(), TTGWave::tgTriangle);
  EXPECT_FLOAT_EQ(gen.AMFrequency(), 2.25f);

  gen.SetAMFrequency(3.0f);
  EXPECT_FLOAT_EQ(gen.AMFreq(TTGAMLevel::tgAMLevel3), 3.0f);
  EXPECT_FLOAT_EQ(gen.AMFreq(TTGAMLevel::tgAMLevel1), 0.5f);
}

class Playback : public ::testing::Test {
 protected:
  TFakeWaveOut out;
};

TEST_F(Playback, PlayBuildsOnceThenReplaysTheImage) {
  TToneGen gen(&out);
  gen.Play();
  EXPECT_EQ(out.calls, (std::vector<std::string>{"stop", "stop", "play"}));  // build, restart, play
  EXPECT_EQ(out.playFlags.back(), kSndMemory | kSndAsync);
  EXPECT_EQ(out.lastImage, gen.GetDataBuffer());
  EXPECT_FALSE(gen.HasStopped());
  EXPECT_FALSE(gen.HasToneChanged());

  out.calls.clear();
  gen.Play();
  EXPECT_EQ(out.calls, (std::vector<std::string>{"stop", "play"}));

  out.calls.clear();
  gen.SetAttack(50);  // the plain tone does not care
  gen.Play();
  EXPECT_EQ(out.calls, (std::vector<std::string>{"stop", "play"}));

  out.calls.clear();
  gen.SetFrequency(880);
  gen.Play();
  EXPECT_EQ(out.calls, (std::vector<std::string>{"stop", "stop", "play"}));
}

TEST_F(Playback, PlayADSRRebuildsForEnvelopeChangesAndAfterAPlainBuild) {
  TToneGen gen(&out);
  gen.Play();
  out.calls.clear();
  gen.PlayADSR();
  EXPECT_EQ(out.calls.size(), 3u);
  EXPECT_FALSE(gen.HasADSRChanged());
  EXPECT_TRUE(gen.HasToneChanged());

  out.calls.clear();
  gen.PlayADSR();
  EXPECT_EQ(out.calls.size(), 2u);

  out.calls.clear();
  gen.SetSustain(80);
  gen.PlayADSR();
  EXPECT_EQ(out.calls.size(), 3u);

  out.calls.clear();
  gen.Play();  // the buffer holds the enveloped tone
  EXPECT_EQ(out.calls.size(), 3u);
}

TEST_F(Playback, FlagsFollowLoopAndAsync) {
  struct Case {
    bool async, loop;
    std::uint32_t flags;
    bool stoppedAfter;
  };
  for (const Case c : {Case{true, false, 5, false}, Case{false, false, 4, true}, Case{false, true, 13, false},
                       Case{true, true, 13, false}}) {
    TToneGen gen(&out);
    gen.SetAsync(c.async);
    gen.SetLoop(c.loop);
    gen.Play();
    EXPECT_EQ(out.playFlags.back(), c.flags);
    EXPECT_EQ(gen.HasStopped(), c.stoppedAfter);
    gen.Stop();
    EXPECT_TRUE(gen.HasStopped());
  }
}

TEST_F(Playback, DestroyingTheGeneratorStopsTheSound) {
  {
    TToneGen gen(&out);
    gen.Play();
    out.calls.clear();
  }
  EXPECT_EQ(out.calls, (std::vector<std::string>{"stop"}));
}

TEST(PlaybackWithoutOutput, BuildsAndPlaysNothing) {
  TToneGen gen;
  gen.Play();
  EXPECT_NE(gen.GetDataBuffer(), nullptr);
  EXPECT_EQ(gen.GetVolume(), 0u);
  gen.SetVolume(1, 2);
}

struct VolumeCase {
  const char* name;
  std::optional<TWaveOutCaps> caps;
  std::optional<std::uint32_t> deviceVolume;
  std::uint32_t read;
};

class Volume : public ::testing::TestWithParam<VolumeCase> {};

TEST_P(Volume, ReadsTheDeviceLevels) {
  TFakeWaveOut out;
  out.caps = GetParam().caps;
  out.volume = GetParam().deviceVolume;
  TToneGen gen(&out);
  EXPECT_EQ(gen.GetVolume(), GetParam().read);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Volume,
    ::testing::Values(VolumeCase{"NoDevice", std::nullopt, 0x12345678u, 0},
                      VolumeCase{"NoVolumeControl", TWaveOutCaps{0x8, 0x0}, 0x12345678u, 0},
                      VolumeCase{"Stereo", TWaveOutCaps{0xFFF, 0x4}, 0x12345678u, 0x12345678u},
                      VolumeCase{"MonoCopiesTheLowWord", TWaveOutCaps{0x1, 0x4}, 0x00001234u, 0x12341234u},
                      VolumeCase{"MonoWrapsModulo2To32", TWaveOutCaps{0x1, 0x4}, 0xABCD1234u, 0xBE011234u},
                      VolumeCase{"ReadFails", TWaveOutCaps{0x8, 0x4}, std::nullopt, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(VolumeSet, HighBytesCarryTheLevels) {
  TFakeWaveOut out;
  out.caps = TWaveOutCaps{0x8, 0x4};
  out.volume = 0x7F003300u;
  TToneGen gen(&out);
  gen.SetVolume(128, 128);
  EXPECT_EQ(out.volumesSet.back(), 0x80008000u);
  out.volume = 0x7F003300u;
  gen.SetLeftVolume(0x20);
  EXPECT_EQ(out.volumesSet.back(), 0x7F002000u);
  out.volume = 0x7F003300u;
  gen.SetRightVolume(0x44);
  EXPECT_EQ(out.volumesSet.back(), 0x44003300u);

  out.volumesSet.clear();
  out.caps = TWaveOutCaps{0x8, 0x0};
  gen.SetVolume(1, 1);
  out.caps.reset();
  gen.SetVolume(1, 1);
  EXPECT_TRUE(out.volumesSet.empty());
}

}  // namespace
}  // namespace vorda::sound
