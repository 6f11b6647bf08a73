#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "core/sound/ToneGen.h"

namespace vorda::sound {
namespace {

std::vector<std::uint8_t> Le32(std::initializer_list<std::uint32_t> values) {
  std::vector<std::uint8_t> out;
  for (std::uint32_t v : values)
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
  return out;
}

std::uint32_t Bits(float f) {
  std::uint32_t b;
  std::memcpy(&b, &f, 4);
  return b;
}

// A stream: the count field, then `records` records for levels 0, 1 ...
// (amplitude 10 + i, square wave, frequency i + 0.25).
std::vector<std::uint8_t> Stream(std::int32_t count, int records) {
  auto out = Le32({static_cast<std::uint32_t>(count)});
  for (int i = 0; i < records; ++i) {
    const auto r = Le32({static_cast<std::uint32_t>(10 + i), 1, Bits(i + 0.25f)});
    out.insert(out.end(), r.begin(), r.end());
  }
  return out;
}

TEST(AMArrayData, WritesTheCountAndEightRecords) {
  TToneGen gen;
  gen.SetAMParameter(TTGAMLevel::tgAMLevel1, 1.5f, 30, TTGWave::tgSquare);
  gen.SetAMParameter(TTGAMLevel::tgAMLevel8, -2.0f, -7, TTGWave::tgNoise);
  const auto data = gen.WriteAMArray();
  ASSERT_EQ(data.size(), 100u);
  EXPECT_EQ(TToneGen::kAMArrayDataName, "AMArrayData");
  const auto head = Le32({7, 30, 1, Bits(1.5f)});
  EXPECT_TRUE(std::equal(head.begin(), head.end(), data.begin()));
  const auto level2 = Le32({0, 0, Bits(1.0f)});
  EXPECT_TRUE(std::equal(level2.begin(), level2.end(), data.begin() + 16));
  const auto last = Le32({0xFFFFFFF9u, 4, Bits(-2.0f)});
  EXPECT_TRUE(std::equal(last.begin(), last.end(), data.begin() + 88));
}

TEST(AMArrayData, RoundTrip) {
  TToneGen source;
  for (int i = 0; i < kAMLevelCount; ++i)
    source.SetAMParameter(static_cast<TTGAMLevel>(i), 0.3f * i - 1, static_cast<std::int16_t>(i * 13 - 20),
                          static_cast<TTGWave>(i % 5));
  TToneGen copy;
  ASSERT_TRUE(copy.Prepare());
  EXPECT_EQ(copy.ReadAMArray(source.WriteAMArray()), 8);
  EXPECT_TRUE(copy.HasChanged());
  for (int i = 0; i < kAMLevelCount; ++i) {
    const auto level = static_cast<TTGAMLevel>(i);
    EXPECT_EQ(copy.AMAmp(level), source.AMAmp(level));
    EXPECT_EQ(copy.AMWave(level), source.AMWave(level));
    EXPECT_EQ(Bits(copy.AMFreq(level)), Bits(source.AMFreq(level)));
  }
  EXPECT_EQ(copy.WriteAMArray(), source.WriteAMArray());
}

TEST(AMArrayData, TakesTheLowBitsOfTheFields) {
  TToneGen gen;
  auto data = Le32({0, 0x00012345u, 0x0103u, Bits(3.5f)});
  EXPECT_EQ(gen.ReadAMArray(data), 1);
  EXPECT_EQ(gen.AMAmp(TTGAMLevel::tgAMLevel1), 0x2345);
  EXPECT_EQ(static_cast<int>(gen.AMWave(TTGAMLevel::tgAMLevel1)), 3);
  EXPECT_FLOAT_EQ(gen.AMFreq(TTGAMLevel::tgAMLevel1), 3.5f);
  data = Le32({0, 0xFFFF8000u, 0xFFu, Bits(1.0f)});
  EXPECT_EQ(gen.ReadAMArray(data), 1);
  EXPECT_EQ(gen.AMAmp(TTGAMLevel::tgAMLevel1), -32768);
  EXPECT_EQ(static_cast<int>(gen.AMWave(TTGAMLevel::tgAMLevel1)), 255);
}

struct HostileCase {
  const char* name;
  std::vector<std::uint8_t> data;
  int levelsRead;
};

class HostileStream : public ::testing::TestWithParam<HostileCase> {};

// Levels past those read keep their defaults; nothing past the data is read
// (the sanitizer build checks) and nothing outside the eight levels is written.
TEST_P(HostileStream, ReadsOnlyWhatIsAnnouncedAndPresent) {
  const HostileCase& c = GetParam();
  TToneGen gen;
  const std::vector<std::uint8_t> exact(c.data.begin(), c.data.end());
  EXPECT_EQ(gen.ReadAMArray(exact), c.levelsRead);
  for (int i = 0; i < kAMLevelCount; ++i) {
    const auto level = static_cast<TTGAMLevel>(i);
    if (i < c.levelsRead) {
      EXPECT_EQ(gen.AMAmp(level), 10 + i);
      EXPECT_FLOAT_EQ(gen.AMFreq(level), i + 0.25f);
    } else {
      EXPECT_EQ(gen.AMAmp(level), 0);
      EXPECT_FLOAT_EQ(gen.AMFreq(level), 0.5f * (i + 1));
    }
  }
  EXPECT_EQ(gen.Octave(), 4);
  EXPECT_EQ(gen.Frequency(), 440);
}

INSTANTIATE_TEST_SUITE_P(Table, HostileStream,
                         ::testing::Values(HostileCase{"Empty", {}, 0}, HostileCase{"ShortCount", {7, 0, 0}, 0},
                                           HostileCase{"NegativeCount", Stream(-1, 8), 0},
                                           HostileCase{"MostNegativeCount", Stream(INT32_MIN, 8), 0},
                                           HostileCase{"OneLevel", Stream(0, 8), 1},
                                           HostileCase{"CountOverSeven", Stream(8, 9), 8},
                                           HostileCase{"HugeCount", Stream(INT32_MAX, 12), 8},
                                           HostileCase{"ShortStream", Stream(7, 3), 3},
                                           HostileCase{"PartialRecord",
                                                       [] {
                                                         auto s = Stream(7, 4);
                                                         s.resize(s.size() - 1);
                                                         return s;
                                                       }(),
                                                       3},
                                           HostileCase{"CountOnly", Stream(5, 0), 0}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vorda::sound
