#include "core/monitor/SilenceCounter.h"

#include <gtest/gtest.h>

#include <deque>
#include <limits>

#include "core/schedule/CountdownTick.h"

namespace vorda::monitor {
namespace {

constexpr std::uint32_t kMax = std::numeric_limits<std::uint32_t>::max();

// Peaks read one after another; an empty slot is a failed reading.
class TFakePeakSource : public IPeakSource {
 public:
  explicit TFakePeakSource(std::deque<std::optional<float>> peaks) : peaks_(std::move(peaks)) {}
  std::optional<float> Peak() override {
    if (peaks_.empty()) return 0.0f;
    auto p = peaks_.front();
    peaks_.pop_front();
    return p;
  }

 private:
  std::deque<std::optional<float>> peaks_;
};

TEST(SilenceStep, SoundAndFailuresRestartTheCount) {
  EXPECT_EQ(SilenceStep(5, 0.0f).count, 6u);
  EXPECT_EQ(SilenceStep(5, -0.1f).count, 6u);
  EXPECT_EQ(SilenceStep(5, 0.0001f).count, 0u);
  EXPECT_FALSE(SilenceStep(5, 0.5f).failed);
  const TSilenceSample failed = SilenceStep(5, std::nullopt);
  EXPECT_EQ(failed.count, 0u);
  EXPECT_TRUE(failed.failed);
  EXPECT_EQ(SilenceStep(kMax, 0.0f).count, kMax);
}

// Eight samples a second from a source, then the one-second tick with the count.
struct TickCase {
  std::uint32_t counter;
  std::deque<std::optional<float>> peaks;  // the first second's samples; silence follows
  std::vector<std::wstring> captions;      // after each of three ticks
};

class SilenceCountdownTest : public ::testing::TestWithParam<TickCase> {};

TEST_P(SilenceCountdownTest, TheTickRunsOnlyOnceSilenceLastedLongEnough) {
  const TickCase& c = GetParam();
  TFakePeakSource source(c.peaks);
  schedule::TTickInput in;
  in.caption = L"0:00:10";
  in.pickerValue = time::EncodeTime(0, 0, 10, 0).value();
  in.silenceTrigger = true;
  in.silenceDetectionCounter = c.counter;
  std::vector<std::wstring> captions;
  for (int second = 0; second < 3; ++second) {
    for (int i = 0; i < 8; ++i) in.activeCount = SilenceStep(in.activeCount, source.Peak()).count;
    const schedule::TTickResult r = schedule::CountdownTick(in);
    in.caption = r.caption;
    in.activeCount = r.activeCount;
    captions.push_back(r.caption);
  }
  EXPECT_EQ(captions, c.captions);
}

INSTANTIATE_TEST_SUITE_P(
    Counters, SilenceCountdownTest,
    ::testing::Values(
        // 0: the countdown runs from the first tick, whatever it hears.
        TickCase{0, {0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f}, {L"0:00:09", L"0:00:08", L"0:00:07"}},
        // 10: a sound at the end of the first second; 1.25 s of silence later
        // the full duration runs.
        TickCase{10, {0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.3f}, {L"Oczekiwanie...", L"Oczekiwanie...", L"0:00:09"}},
        TickCase{10, {0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, std::nullopt}, {L"Oczekiwanie...", L"Oczekiwanie...", L"0:00:09"}},
        // The largest counter is never reached.
        TickCase{kMax, {}, {L"Oczekiwanie...", L"Oczekiwanie...", L"Oczekiwanie..."}}));

}  // namespace
}  // namespace vorda::monitor
