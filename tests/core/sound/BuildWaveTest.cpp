#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>

#include "WaveView.h"
#include "core/sound/Random.h"
#include "core/sound/ToneGen.h"

namespace vorda::sound {
namespace {

using testing::TWaveView;

// Frames where a plain sine period starts: the zero that a rising sample follows.
std::vector<std::uint32_t> PeriodStarts(const TWaveView& w) {
  std::vector<std::uint32_t> starts;
  for (std::uint32_t i = 0; i + 1 < w.Frames(); ++i)
    if (w.Sample(i) == 0 && w.Sample(i + 1) > 0) starts.push_back(i);
  return starts;
}

TEST(BuildWave, DefaultToneImage) {
  TToneGen gen;
  ASSERT_TRUE(gen.Prepare());
  TWaveView w(gen);
  EXPECT_EQ(gen.BufferSize(), 19276u);
  const std::array<std::uint8_t, 44> header = {
      'R',  'I',  'F',  'F', 0x24, 0x4B, 0,    0, 'W', 'A', 'V', 'E', 'f', 'm', 't', ' ', 16,   0,    0, 0, 1, 0, 1, 0,
      0x00, 0x77, 0x01, 0,   0x00, 0xEE, 0x02, 0, 2,   0,   16,  0,   'd', 'a', 't', 'a', 0x00, 0x4B, 0, 0};
  EXPECT_EQ(0, std::memcmp(gen.GetDataBuffer(), header.data(), header.size()));
  EXPECT_EQ(w.DataLength(), 19200u);
  EXPECT_EQ(w.U32(24), 96000u);
  for (std::uint32_t at = 44 + 19200; at < gen.BufferSize(); ++at) ASSERT_EQ(w.Byte(at), 0) << at;

  // sin(j * 2pi / 218) / 2 * 65534, rounded toward zero.
  EXPECT_EQ(w.Sample(0), 0);
  EXPECT_EQ(w.Sample(1), 944);
  EXPECT_EQ(w.Sample(54), 32763);
  EXPECT_EQ(w.Sample(100), 8404);
  EXPECT_EQ(w.Sample(109), 0);
  EXPECT_EQ(w.Sample(110), -944);
  EXPECT_EQ(w.Sample(200), -16246);
  int peak = 0;
  for (std::uint32_t i = 0; i < w.Frames(); ++i) peak = std::max(peak, std::abs(w.Sample(i)));
  EXPECT_LE(peak, 32767);
  EXPECT_GE(peak, 32760);

  const auto starts = PeriodStarts(w);
  ASSERT_GE(starts.size(), 40u);
  EXPECT_EQ(starts[0], 0u);
  EXPECT_EQ(starts[1], 218u);
  int longer = 0;
  for (std::size_t i = 2; i < starts.size(); ++i) {
    const auto len = starts[i] - starts[i - 1];
    EXPECT_TRUE(len == 218 || len == 219) << "period " << i << " lasts " << len;
    longer += len == 219;
  }
  EXPECT_GT(longer, 0);
}

TEST(BuildWave, LowQuality8BitImage) {
  TToneGen gen;
  gen.SetQuality(TTGQuality::tgLoQ);
  gen.SetResolution(TTGResolution::tg8Bit);
  ASSERT_TRUE(gen.Prepare());
  TWaveView w(gen);
  EXPECT_EQ(w.DataLength(), 4410u);
  EXPECT_EQ(gen.BufferSize(), 4486u);
  EXPECT_EQ(w.U32(4), 4446u);
  EXPECT_EQ(w.U32(24), 44100u);
  EXPECT_EQ(w.U32(28), 44100u);
  EXPECT_EQ(w.U16(32), 1);
  EXPECT_EQ(w.Bits(), 8);
  EXPECT_EQ(w.Sample(0), 0);
  for (std::uint32_t at = 44 + 4410; at < gen.BufferSize(); ++at) ASSERT_EQ(w.Byte(at), 128) << at;
  int peak = 0;
  for (std::uint32_t i = 0; i < w.Frames(); ++i) peak = std::max(peak, std::abs(w.Sample(i)));
  EXPECT_EQ(peak, 127);  // sin(25 * 2pi / 100) / 2 * 254: the 100-sample period reaches its top
}

class StereoBuild : public ::testing::TestWithParam<std::tuple<TTGWave, TTGResolution>> {};

TEST_P(StereoBuild, DoublesTheDataAndBothChannelsMatch) {
  const auto [wave, resolution] = GetParam();
  TToneGen gen;
  gen.SetWaveform(wave);
  gen.SetResolution(resolution);
  gen.SetStereo(true);
  gen.SetAMParameter(TTGAMLevel::tgAMLevel3, 1.5f, 30, TTGWave::tgTriangle);
  ASSERT_TRUE(gen.Prepare());
  TWaveView w(gen);
  const std::uint32_t bytes = resolution == TTGResolution::tg16Bit ? 2 : 1;
  EXPECT_EQ(w.DataLength(), 2 * 19200u / (3 - bytes));
  EXPECT_EQ(w.Channels(), 2);
  EXPECT_EQ(w.U16(32), 2 * bytes);
  EXPECT_EQ(w.U32(28), 2 * 96000 * bytes);
  int differing = 0, loud = 0;
  for (std::uint32_t i = 0; i < w.Frames(); ++i) {
    differing += w.Sample(i, 0) != w.Sample(i, 1);
    loud += w.Sample(i, 0) != 0;
  }
  EXPECT_EQ(differing, 0);
  EXPECT_GT(loud, static_cast<int>(w.Frames()) / 2);
}

INSTANTIATE_TEST_SUITE_P(AllWaves, StereoBuild,
                         ::testing::Combine(::testing::Values(TTGWave::tgSine, TTGWave::tgSquare, TTGWave::tgTriangle,
                                                              TTGWave::tgSawtooth, TTGWave::tgNoise),
                                            ::testing::Values(TTGResolution::tg16Bit, TTGResolution::tg8Bit)));

TEST(BuildWave, SquareWaveSwingsBetweenFullLevels) {
  TToneGen gen;
  gen.SetWaveform(TTGWave::tgSquare);
  ASSERT_TRUE(gen.Prepare());
  TWaveView w(gen);
  for (int i = 0; i < 109; ++i) ASSERT_EQ(w.Sample(i), -32767) << i;
  for (int i = 109; i < 218; ++i) ASSERT_EQ(w.Sample(i), 32767) << i;
  EXPECT_EQ(w.Sample(218), -32767);

  gen.SetResolution(TTGResolution::tg8Bit);
  ASSERT_TRUE(gen.Prepare());
  TWaveView w8(gen);
  EXPECT_EQ(w8.Byte(44), 1);
  EXPECT_EQ(w8.Byte(44 + 109), 255);
}

TEST(BuildWave, TriangleAndSawtoothRampsInsideTheirSpan) {
  TToneGen gen;
  gen.SetWaveform(TTGWave::tgTriangle);
  ASSERT_TRUE(gen.Prepare());
  TWaveView tri(gen);
  EXPECT_EQ(tri.Sample(0), -32767);
  EXPECT_EQ(tri.Sample(108), 32165);  // -32767 + 108 * 65534 / 109
  EXPECT_EQ(tri.Sample(109), 32767);
  EXPECT_EQ(tri.Sample(217), -32165);
  EXPECT_EQ(tri.Sample(218), -32767);

  gen.SetWaveform(TTGWave::tgSawtooth);
  ASSERT_TRUE(gen.Prepare());
  TWaveView saw(gen);
  EXPECT_EQ(saw.Sample(0), -32767);
  EXPECT_EQ(saw.Sample(1), -32466);  // -32767 + 65534 / 218
  EXPECT_GT(saw.Sample(217), 32400);
  EXPECT_EQ(saw.Sample(218), -32767);
}

TEST(BuildWave, NoiseIsTheSameEveryBuildAndLeavesTheCallersSequence) {
  SetRandSeed(20240611);
  const std::uint32_t a = Random(1000), b = Random(1000), c = Random(1000);

  SetRandSeed(20240611);
  EXPECT_EQ(Random(1000), a);
  TToneGen gen;
  gen.SetWaveform(TTGWave::tgNoise);
  ASSERT_TRUE(gen.Prepare());
  const std::uint64_t first = TWaveView(gen).Hash();
  EXPECT_EQ(Random(1000), b);
  ASSERT_TRUE(gen.Prepare());
  EXPECT_EQ(Random(1000), c);
  EXPECT_EQ(TWaveView(gen).Hash(), first);

  // Seed 1: 134775814, then the high half of seed * 65535, minus 32767.
  TWaveView w(gen);
  EXPECT_EQ(w.Sample(0), -30711);
  EXPECT_EQ(w.Sample(1), 23661);
  EXPECT_EQ(w.Sample(2), -19491);
}

TEST(BuildWave, LevelsOverAHundredPercentAreScaledAndSilenceTheBase) {
  TToneGen gen;
  gen.SetWaveform(TTGWave::tgSquare);
  gen.SetAMParameter(TTGAMLevel::tgAMLevel1, 1.0f, 60, TTGWave::tgSquare);
  gen.SetAMParameter(TTGAMLevel::tgAMLevel2, 1.0f, 50, TTGWave::tgSquare);
  ASSERT_TRUE(gen.Prepare());
  TWaveView w(gen);
  // 54 and 45 percent: -(54 * 32767) / 100 and -(45 * 32767) / 100, each rounded toward zero.
  EXPECT_EQ(w.Sample(0), -17694 - 14745);
  EXPECT_EQ(w.Sample(150), 17694 + 14745);
}

TEST(BuildWave, MultipliedLevelFrequencyIsClampedTo20000Hz) {
  TToneGen gen;
  gen.SetFrequency(6000);
  gen.SetAMParameter(TTGAMLevel::tgAMLevel8, 4.0f, 100, TTGWave::tgSquare);
  ASSERT_TRUE(gen.Prepare());
  TWaveView w(gen);
  // 20000 Hz: periods of 4 then 5 samples (24000 Hz would give 4 and 4).
  const int expected[] = {-1, -1, 1, 1, -1, -1, 1, 1, 1, -1};
  for (int i = 0; i < 10; ++i) EXPECT_EQ(w.Sample(i), expected[i] * 32767) << i;
}

TEST(BuildWave, LevelFrequencyInHertzWhenNotMultiplied) {
  TToneGen gen;
  gen.SetAMUseMultiplier(false);
  gen.SetAMParameter(TTGAMLevel::tgAMLevel1, 960.9f, 100, TTGWave::tgSquare);
  ASSERT_TRUE(gen.Prepare());
  TWaveView w(gen);
  // 960 Hz: 100 samples a period, the first 50 low.
  EXPECT_EQ(w.Sample(49), -32767);
  EXPECT_EQ(w.Sample(50), 32767);
  EXPECT_EQ(w.Sample(100), -32767);
}

TEST(BuildWave, VoicesThatCannotSoundAreSkipped) {
  TToneGen gen;
  gen.SetAMUseMultiplier(false);
  // The levels add up to 100, so the base voice is silent too.
  gen.SetAMParameter(TTGAMLevel::tgAMLevel1, 0.5f, 60, TTGWave::tgSquare);           // 0 Hz
  gen.SetAMParameter(TTGAMLevel::tgAMLevel2, 1000.0f, 60, static_cast<TTGWave>(9));  // no such shape
  gen.SetAMParameter(TTGAMLevel::tgAMLevel3, 1000.0f, -20, TTGWave::tgSquare);       // below zero
  ASSERT_TRUE(gen.Prepare());
  TWaveView w(gen);
  for (std::uint32_t i = 0; i < w.Frames(); ++i) ASSERT_EQ(w.Sample(i), 0) << i;
}

TEST(BuildWave, BuildsOfPinnedSettingsStayTheSame) {
  // These images are the same in every build of the program, native or Windows.
  TToneGen plain;
  ASSERT_TRUE(plain.Prepare());
  EXPECT_EQ(TWaveView(plain).Hash(), 0x6ee760b84cadac02ull) << std::hex << TWaveView(plain).Hash();

  TToneGen rich;
  rich.SetStereo(true);
  rich.SetDuration(150);
  const TTGWave waves[] = {TTGWave::tgSine,  TTGWave::tgSquare, TTGWave::tgTriangle, TTGWave::tgSawtooth,
                           TTGWave::tgNoise, TTGWave::tgSine,   TTGWave::tgTriangle, TTGWave::tgSquare};
  for (int i = 0; i < kAMLevelCount; ++i)
    rich.SetAMParameter(static_cast<TTGAMLevel>(i), 0.75f + 0.5f * i, 10, waves[i]);
  ASSERT_TRUE(rich.PrepareADSR());
  EXPECT_EQ(TWaveView(rich).Hash(), 0x02078807ccc34796ull) << std::hex << TWaveView(rich).Hash();

  TToneGen low;
  low.SetQuality(TTGQuality::tgLoQ);
  low.SetResolution(TTGResolution::tg8Bit);
  low.SetWaveform(TTGWave::tgNoise);
  low.SetFrequency(1234);
  low.SetAMParameter(TTGAMLevel::tgAMLevel2, 2.5f, 40, TTGWave::tgSawtooth);
  ASSERT_TRUE(low.PrepareADSR());
  EXPECT_EQ(TWaveView(low).Hash(), 0x7c5e9a03d3cfe197ull) << std::hex << TWaveView(low).Hash();
}

}  // namespace
}  // namespace vorda::sound
