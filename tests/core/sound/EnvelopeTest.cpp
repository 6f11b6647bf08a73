#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "WaveView.h"
#include "core/sound/Envelope.h"
#include "core/sound/ToneGen.h"

namespace vorda::sound {
namespace {

using testing::TWaveView;

struct ShareCase {
  TEnvelope envelope;
  TEnvelopeShares expected;
};

class EnvelopeShares : public ::testing::TestWithParam<ShareCase> {};

TEST_P(EnvelopeShares, AreScaledToTheWholeTone) {
  const auto& [e, x] = GetParam();
  const TEnvelopeShares s = ShareEnvelope(e);
  EXPECT_EQ(s.attack, x.attack);
  EXPECT_EQ(s.hold, x.hold);
  EXPECT_EQ(s.decay, x.decay);
  EXPECT_EQ(s.release, x.release);
  EXPECT_EQ(s.sustain, x.sustain);
}

INSTANTIATE_TEST_SUITE_P(Table, EnvelopeShares,
                         ::testing::Values(ShareCase{{60, 30, 30, 50, 0}, {50, 25, 25, 0, 0}},
                                           ShareCase{{10, 5, 20, 50, 30}, {10, 5, 20, 30, 35}},
                                           ShareCase{{100, 100, 100, 50, 100}, {25, 25, 25, 25, 0}},
                                           ShareCase{{0, 0, 0, 50, 0}, {0, 0, 0, 0, 100}},
                                           ShareCase{{33, 33, 33, 50, 33},
                                                     {25, 25, 25, 25, 0}},  // 3300 div 132, release the rest
                                           ShareCase{{70, 0, 0, 50, 70}, {50, 0, 0, 50, 0}}));

// A square tone at full level: every sample is +-32767, so the envelope's gain
// is the sample's magnitude.
class SquareEnvelope : public ::testing::Test {
 protected:
  void SetUp() override { gen.SetWaveform(TTGWave::tgSquare); }
  int Level(const TWaveView& w, std::uint32_t frame) const { return std::abs(w.Sample(frame)); }
  TToneGen gen;
};

TEST_F(SquareEnvelope, SharesOverAHundredPercentShapeTheTone) {
  gen.SetAttack(60);
  gen.SetHold(30);
  gen.SetDecay(30);
  gen.SetRelease(0);
  ASSERT_TRUE(gen.PrepareADSR());
  TWaveView w(gen);
  // 9600 frames: attack 4800 (frames 0..4800), hold 2400 (4801..7201), decay
  // 2400 (7202..9602) down to the sustain level 50; no sustain, no release.
  EXPECT_EQ(Level(w, 0), 0);
  EXPECT_EQ(Level(w, 2400), 16383);
  EXPECT_EQ(Level(w, 4800), 32767);
  for (std::uint32_t i = 4801; i <= 7201; ++i) ASSERT_EQ(Level(w, i), 32767) << i;
  EXPECT_EQ(Level(w, 7202), 32767);
  EXPECT_EQ(Level(w, 8402), 32767 - 8191);
  EXPECT_EQ(Level(w, 9599), 16404);  // r = 2397 of 2400 frames of decay
}

TEST_F(SquareEnvelope, DefaultEnvelopeRisesHoldsDecaysSustainsAndFades) {
  ASSERT_TRUE(gen.PrepareADSR());
  TWaveView w(gen);
  // attack 960 frames, hold 480, decay 1920, sustain 3360 at half level, release the rest.
  EXPECT_EQ(Level(w, 0), 0);
  EXPECT_EQ(Level(w, 480), 16383);
  EXPECT_EQ(Level(w, 961 + 240), 32767);
  EXPECT_EQ(Level(w, 1442 + 1920), 16384);
  EXPECT_EQ(Level(w, 5000), 16383);
  EXPECT_LT(Level(w, 9599), 40);
  for (std::uint32_t i = 6790; i + 1 < w.Frames(); ++i) ASSERT_LE(Level(w, i + 1), Level(w, i)) << i;
}

TEST_F(SquareEnvelope, StereoChannelsStayTogether) {
  gen.SetStereo(true);
  gen.SetResolution(TTGResolution::tg8Bit);
  ASSERT_TRUE(gen.PrepareADSR());
  TWaveView w(gen);
  for (std::uint32_t i = 0; i < w.Frames(); ++i) ASSERT_EQ(w.Sample(i, 0), w.Sample(i, 1)) << i;
  EXPECT_EQ(w.Sample(0), 0);
  EXPECT_EQ(std::abs(w.Sample(961 + 240)), 127);
}

// Every shape of tone with every envelope keeps to its buffer and leaves the
// header alone; the sanitizer build catches a write past the end.
TEST(Envelope, StaysInsideTheBufferForEveryShapeOfTone) {
  const std::int16_t shares[][5] = {{10, 5, 20, 50, 30}, {100, 100, 100, 0, 100}, {0, 0, 0, 100, 0},
                                    {60, 30, 30, 50, 0}, {1, 1, 1, 1, 1},         {0, 0, 0, 0, 100},
                                    {99, 0, 0, 10, 1},   {0, 0, 100, 0, 0}};
  for (int quality = 0; quality < 2; ++quality)
    for (int resolution = 0; resolution < 2; ++resolution)
      for (bool stereo : {false, true})
        for (std::uint8_t duration : {10, 11, 15, 99, 255})
          for (const auto& e : shares) {
            TToneGen gen;
            gen.SetQuality(static_cast<TTGQuality>(quality));
            gen.SetResolution(static_cast<TTGResolution>(resolution));
            gen.SetStereo(stereo);
            gen.SetDuration(duration);
            gen.SetWaveform(TTGWave::tgSquare);
            gen.SetAttack(e[0]);
            gen.SetHold(e[1]);
            gen.SetDecay(e[2]);
            gen.SetSustain(e[3]);
            gen.SetRelease(e[4]);
            ASSERT_TRUE(gen.PrepareADSR());
            TWaveView w(gen);
            ASSERT_EQ(w.Tag(0), "RIFF");
            ASSERT_EQ(w.Tag(36), "data");
            ASSERT_EQ(gen.BufferSize(), w.DataLength() + 76);
          }
}

}  // namespace
}  // namespace vorda::sound
