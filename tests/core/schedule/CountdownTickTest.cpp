#include "core/schedule/CountdownTick.h"

#include <gtest/gtest.h>

#include "core/time/DateTime.h"

namespace vorda::schedule {
namespace {

time::TDateTime TimeOfDay(int h, int m, int s) { return *time::EncodeTime(h, m, s, 0); }

TTickInput Counting(const wchar_t* caption) {
  TTickInput in;
  in.caption = caption;
  in.pickerValue = TimeOfDay(0, 0, 3);
  return in;
}

TEST(CountdownTick, ThreeSecondsEndOnTheThirdTick) {
  TTickInput in = Counting(L"0:00:03");
  std::vector<std::wstring> captions;
  for (int tick = 1; tick <= 3; ++tick) {
    const TTickResult r = CountdownTick(in);
    captions.push_back(r.caption);
    EXPECT_EQ(r.finalAction, tick == 3) << tick;
    EXPECT_FALSE(r.playTone);
    in.caption = r.caption;
  }
  EXPECT_EQ(captions, (std::vector<std::wstring>{L"0:00:02", L"0:00:01", L"0:00:00"}));
}

TEST(CountdownTick, LongDurationsCountAcrossDays) {
  EXPECT_EQ(CountdownTick(Counting(L"744:00:00")).caption, L"743:59:59");
  EXPECT_EQ(CountdownTick(Counting(L"25:00:00")).caption, L"24:59:59");
  EXPECT_EQ(CountdownTick(Counting(L"1:00:00")).caption, L"0:59:59");
}

TEST(CountdownTick, ABlankWaitingOrMalformedCaptionRestartsFromThePicker) {
  for (const wchar_t* caption : {L"", L"   ", L"Oczekiwanie..."}) {
    const TTickResult r = CountdownTick(Counting(caption));
    EXPECT_EQ(r.caption, L"0:00:02") << caption;  // restarted, then one second off
  }
  for (const wchar_t* caption : {L"abc", L"1:7x:00", L"9999:00:00"}) {
    const TTickResult r = CountdownTick(Counting(caption));
    EXPECT_EQ(r.caption, L"0:00:03") << caption;  // restarted; the next tick counts
    EXPECT_FALSE(r.finalAction);
  }
}

TEST(CountdownTick, TheIdleTriggerHoldsWhileInputArrives) {
  TTickInput in = Counting(L"0:30:00");
  in.idleTrigger = true;
  in.activeCount = 1;
  TTickResult r = CountdownTick(in);
  EXPECT_EQ(r.caption, L"Oczekiwanie...");
  EXPECT_EQ(r.activeCount, 0u);
  // One tick without input: the full duration minus one second.
  in.caption = r.caption;
  in.activeCount = 0;
  in.pickerValue = TimeOfDay(1, 0, 0);
  r = CountdownTick(in);
  EXPECT_EQ(r.caption, L"0:59:59");
}

struct SilenceCase {
  std::uint32_t counter;
  std::uint32_t active;
  bool waits;
};

class SilenceHold : public testing::TestWithParam<SilenceCase> {};

TEST_P(SilenceHold, CountsOnlyOnceSilenceLastedLongEnough) {
  TTickInput in = Counting(L"0:10:00");
  in.silenceTrigger = true;
  in.silenceDetectionCounter = GetParam().counter;
  in.activeCount = GetParam().active;
  const TTickResult r = CountdownTick(in);
  EXPECT_EQ(r.caption, GetParam().waits ? L"Oczekiwanie..." : L"0:09:59");
  EXPECT_EQ(r.activeCount, GetParam().active);  // the silence watch owns the counter
}

INSTANTIATE_TEST_SUITE_P(Cases, SilenceHold,
                         testing::Values(SilenceCase{0, 0, false}, SilenceCase{10, 9, true},
                                         SilenceCase{10, 10, false}, SilenceCase{10, 11, false},
                                         SilenceCase{4294967295u, 4294967294u, true},
                                         SilenceCase{4294967295u, 4294967295u, false}));

TEST(CountdownTick, TonesSoundOnEveryTickOfTheLastAlarmSeconds) {
  TTickInput in = Counting(L"0:00:08");
  in.alarm = 5;
  std::vector<int> toneAt;
  for (int remaining = 7; remaining >= 0; --remaining) {
    const TTickResult r = CountdownTick(in);
    if (r.playTone) toneAt.push_back(remaining);
    in.caption = r.caption;
  }
  EXPECT_EQ(toneAt, (std::vector<int>{5, 4, 3, 2, 1, 0}));
}

TEST(CountdownTick, ThreeHoursOrMoreCountAsCoarseSeconds) {
  TTickInput in = Counting(L"3:00:01");
  in.alarm = 10799;
  in.trayIconVisible = true;
  in.hasTaskbarProgress = true;
  TTickResult r = CountdownTick(in);  // 3:00:00 left: coarse
  EXPECT_FALSE(r.playTone);
  EXPECT_FALSE(r.progress);
  in.alarm = 10800;
  EXPECT_TRUE(CountdownTick(in).playTone);
  in.caption = L"3:00:00";  // 2:59:59 left: precise again
  in.alarm = 10799;
  EXPECT_TRUE(CountdownTick(in).playTone);
}

TEST(CountdownTick, BalloonsAt15And5SecondsOnlyWithTheTrayIcon) {
  for (bool tray : {false, true}) {
    TTickInput in = Counting(L"0:00:20");
    in.trayIconVisible = tray;
    std::vector<std::pair<int, TBalloonIcon>> balloons;
    for (int i = 0; i < 20; ++i) {
      const TTickResult r = CountdownTick(in);
      if (r.balloon) balloons.emplace_back(r.balloon->seconds, r.balloon->icon);
      in.caption = r.caption;
    }
    if (tray)
      EXPECT_EQ(balloons, (std::vector<std::pair<int, TBalloonIcon>>{{15, TBalloonIcon::biInformation},
                                                                    {5, TBalloonIcon::biWarning}}));
    else
      EXPECT_TRUE(balloons.empty());
  }
}

TEST(CountdownTick, TaskbarProgressInTheLast2700SecondsAtEveryTenthSecond) {
  TTickInput in = Counting(L"0:45:13");  // 2713 s
  in.hasTaskbarProgress = true;
  std::vector<std::pair<std::uint32_t, std::uint32_t>> updates;
  for (int i = 0; i < 40; ++i) {
    const TTickResult r = CountdownTick(in);
    if (r.progress) updates.emplace_back(r.progress->completed, r.progress->total);
    in.caption = r.caption;
    in.progressMax = r.progressMax;
  }
  // 45:10 (2710 s) is past the window; 45:00 is the first update and sets the total.
  EXPECT_EQ(updates, (std::vector<std::pair<std::uint32_t, std::uint32_t>>{{0, 2700}, {10, 2700}, {20, 2700}}));

  in = Counting(L"0:00:31");
  in.hasTaskbarProgress = false;
  for (int i = 0; i < 31; ++i) {
    const TTickResult r = CountdownTick(in);
    EXPECT_FALSE(r.progress);
    in.caption = r.caption;
  }
}

TEST(CountdownTick, ACaptionOfZeroEndsOnTheFirstTick) {
  EXPECT_TRUE(CountdownTick(Counting(L"0:00:00")).finalAction);
  EXPECT_TRUE(CountdownTick(Counting(L"0:00:01")).finalAction);
  EXPECT_FALSE(CountdownTick(Counting(L"0:00:02")).finalAction);
}

struct ClockCase {
  const wchar_t* target;
  time::TDateTime now;
  const wchar_t* remaining;
};

class ClockTime : public testing::TestWithParam<ClockCase> {};

TEST_P(ClockTime, BecomesARemainingDuration) {
  EXPECT_EQ(ClockTimeToRemaining(GetParam().target, GetParam().now), GetParam().remaining);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ClockTime,
    testing::Values(ClockCase{L"23:30:00.000", TimeOfDay(23, 45, 10), L"23:44:50"},
                    ClockCase{L"12:00:00.000", TimeOfDay(11, 0, 0), L"1:00:00"},
                    ClockCase{L"12:00:00.999", TimeOfDay(12, 0, 0), L"0:00:00"},
                    ClockCase{L"00:00:00.000", TimeOfDay(23, 59, 59), L"0:00:01"},
                    // milliseconds of the current time are dropped
                    ClockCase{L"10:00:05.000", *time::EncodeTime(10, 0, 0, 900), L"0:00:05"}));

TEST(ClockTime, ANonTimeGivesNothing) { EXPECT_FALSE(ClockTimeToRemaining(L"junk", TimeOfDay(1, 0, 0))); }

}  // namespace
}  // namespace vorda::schedule
