#include "core/schedule/SecondScheduler.h"

#include <gtest/gtest.h>

namespace vorda::schedule {
namespace {

TEST(SecondScheduler, LateTicksDoNotAddUp) {
  TSecondScheduler s;
  s.Start(10'000);
  std::uint64_t now = 10'000;
  std::uint32_t steps = 0;
  // A timer that always fires 16 ms late: each event re-arms for the time to
  // the next whole second, so the lateness never accumulates.
  for (int i = 0; i < 3600; ++i) {
    const auto first = s.OnTimer(now);
    now += first.nextDelayMs + 16;
    steps += s.OnTimer(now).steps;
  }
  EXPECT_EQ(steps, 3600u);
  EXPECT_LT(now - 10'000, 3600u * 1000 + 100);
}

TEST(SecondScheduler, MergedTicksRunOneStepPerSecondThatPassed) {
  TSecondScheduler s;
  s.Start(0);
  EXPECT_EQ(s.OnTimer(1'000).steps, 1u);
  const auto merged = s.OnTimer(4'250);  // the thread was busy for three seconds
  EXPECT_EQ(merged.steps, 3u);
  EXPECT_EQ(merged.nextDelayMs, 750u);
  EXPECT_EQ(s.OnTimer(4'900).steps, 0u);  // early: nothing to do
  EXPECT_EQ(s.OnTimer(5'000).steps, 1u);
}

TEST(SecondScheduler, ARestartCountsFromTheNewOrigin) {
  TSecondScheduler s;
  s.Start(0);
  EXPECT_EQ(s.OnTimer(2'600).steps, 2u);
  s.Start(2'600);  // a hand-off rewrote the caption
  EXPECT_EQ(s.OnTimer(3'000).steps, 0u);
  const auto due = s.OnTimer(3'600);
  EXPECT_EQ(due.steps, 1u);
  EXPECT_EQ(due.nextDelayMs, 1000u);
}

}  // namespace
}  // namespace vorda::schedule
