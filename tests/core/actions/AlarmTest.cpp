#include "core/actions/Alarm.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "../sound/FakeWaveOut.h"

namespace vorda::actions {
namespace {

using sound::testing::TFakeWaveOut;

// Records what the warnings ask of the taskbar button.
class TFakeTaskbar final : public ITaskbarProgress {
 public:
  TFakeTaskbar(std::vector<std::string>& log, bool accepts) : log_(log), accepts_(accepts) {}
  bool SetProgressState(TProgressState state) noexcept override {
    log_.push_back("state " + std::to_string(static_cast<unsigned>(state)));
    return accepts_;
  }
  bool SetProgressValue(std::uint64_t completed, std::uint64_t total) noexcept override {
    log_.push_back("value " + std::to_string(completed) + "/" + std::to_string(total));
    return accepts_;
  }

 private:
  std::vector<std::string>& log_;
  bool accepts_;
};

class AlarmTest : public ::testing::Test {
 protected:
  AlarmTest() {
    out.caps = sound::TWaveOutCaps{sound::kWaveFormat1S16, sound::kWaveCapsVolume};
    out.volume = 0x60006000;
  }
  TAlarm::TTaskbarFactory Factory() {
    return [this]() -> std::unique_ptr<ITaskbarProgress> {
      ++created;
      if (throws) throw std::runtime_error("no shell");
      if (!shellHasTaskbar) return nullptr;
      return std::make_unique<TFakeTaskbar>(taskbar, taskbarAccepts);
    };
  }

  TFakeWaveOut out;
  std::vector<std::string> taskbar;
  int created = 0;
  bool shellHasTaskbar = true;
  bool taskbarAccepts = true;
  bool throws = false;
  TAlarm alarm{out, Factory()};
};

TEST_F(AlarmTest, WithoutSoundWarningsNothingIsMadeAndTheVolumeIsNotTouched) {
  EXPECT_TRUE(alarm.Prepare({.soundWarning = false, .progressOnTaskbar = false}));
  EXPECT_FALSE(alarm.HasGenerator());
  alarm.Play(0);
  alarm.Release(false);
  EXPECT_TRUE(out.calls.empty());
  EXPECT_TRUE(out.volumesSet.empty());
  EXPECT_EQ(sound::ToneGenCount(), 0);
}

TEST_F(AlarmTest, EachBeepPlaysTheDefaultToneWithoutWaiting) {
  ASSERT_TRUE(alarm.Prepare({.soundWarning = true}));
  ASSERT_TRUE(alarm.HasGenerator());
  EXPECT_EQ(sound::ToneGenCount(), 1);
  alarm.Play(0);
  alarm.Play(0);
  EXPECT_EQ(out.playFlags, (std::vector<std::uint32_t>{sound::kSndMemory | sound::kSndAsync,
                                                        sound::kSndMemory | sound::kSndAsync}));
  const sound::TToneGen& gen = *alarm.Generator();
  EXPECT_EQ(gen.BufferSize(), 19276u);
  EXPECT_EQ(gen.Frequency(), 440);
  EXPECT_EQ(gen.Duration(), 100);
  EXPECT_EQ(out.lastImage, gen.GetDataBuffer());

  out.calls.clear();
  alarm.Release(true);
  EXPECT_FALSE(alarm.HasGenerator());
  EXPECT_EQ(sound::ToneGenCount(), 0);
  EXPECT_EQ(out.calls, std::vector<std::string>{"stop"});  // freeing the generator stops its sound
  alarm.Play(0);
  EXPECT_EQ(out.playFlags.size(), 2u);
}

struct VolumeCase {
  const char* name;
  std::uint32_t atStart;
  std::optional<std::uint32_t> changedTo;    // the user's change during the countdown
  std::uint32_t saved;
  std::vector<std::uint32_t> volumesSet;
};

class AlarmVolume : public AlarmTest, public ::testing::WithParamInterface<VolumeCase> {};

TEST_P(AlarmVolume, IsRaisedWhenMutedAndComesBackAsSaved) {
  const VolumeCase& c = GetParam();
  out.volume = c.atStart;
  ASSERT_TRUE(alarm.Prepare({.soundWarning = true}));
  EXPECT_EQ(alarm.SystemVolume(), c.saved);
  if (c.changedTo) out.volume = c.changedTo;
  alarm.Release(true);
  EXPECT_EQ(out.volumesSet, c.volumesSet);
}

INSTANTIATE_TEST_SUITE_P(
    Table, AlarmVolume,
    ::testing::Values(
        VolumeCase{"Muted", 0u, std::nullopt, 0, {0x80008000u, 0u}},
        VolumeCase{"AlmostMuted", 1u, std::nullopt, 1, {0x80008000u, 1u}},
        VolumeCase{"Audible", 0x60006000u, std::nullopt, 0x60006000u, {}},
        VolumeCase{"ChangedByTheUser", 0x60006000u, 0xFFFFFFFFu, 0x60006000u, {0x60006000u}},
        // Below the high byte: the saved value goes back whole, not as silence.
        VolumeCase{"QuietAndChanged", 0x00F000F0u, 0x40004000u, 0x00F000F0u, {0x00F000F0u}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(AlarmTest, WithoutVolumeControlTheVolumeIsNeitherRaisedNorRestored) {
  out.caps = sound::TWaveOutCaps{sound::kWaveFormat1S16, 0};
  out.volume = 0;
  ASSERT_TRUE(alarm.Prepare({.soundWarning = true}));
  out.volume = 0x1234;
  alarm.Release(true);
  EXPECT_TRUE(out.volumesSet.empty());
}

TEST_F(AlarmTest, TheLastBeepIsLetToEnd) {
  EXPECT_EQ(alarm.RemainingBeepMs(1000), 0u);  // no generator
  ASSERT_TRUE(alarm.Prepare({.soundWarning = true}));
  EXPECT_EQ(alarm.RemainingBeepMs(1000), 0u);  // no beep yet
  alarm.Play(5000);
  EXPECT_EQ(alarm.RemainingBeepMs(5000), 100u);
  EXPECT_EQ(alarm.RemainingBeepMs(5030), 70u);
  EXPECT_EQ(alarm.RemainingBeepMs(5100), 0u);
  EXPECT_EQ(alarm.RemainingBeepMs(4000), 0u);  // a clock that went back waits for nothing
  alarm.Release(true);
  EXPECT_EQ(alarm.RemainingBeepMs(5000), 0u);
}

TEST_F(AlarmTest, ReleaseWithSoundWarningsOffLeavesTheVolume) {
  out.volume = 0;
  ASSERT_TRUE(alarm.Prepare({.soundWarning = true}));
  alarm.Release(false);
  EXPECT_EQ(out.volumesSet, std::vector<std::uint32_t>{0x80008000u});
  EXPECT_FALSE(alarm.HasGenerator());
}

TEST_F(AlarmTest, ProgressWaitsForTheTaskbarButton) {
  ASSERT_TRUE(alarm.Prepare({.progressOnTaskbar = true}));
  EXPECT_EQ(created, 0);
  EXPECT_FALSE(alarm.HasTaskbarProgress());
  alarm.ShowProgress(1, 2);

  ASSERT_TRUE(alarm.TaskbarButtonCreated());
  EXPECT_EQ(created, 1);
  alarm.ShowProgress(10, 2700);
  alarm.Release(false);
  EXPECT_TRUE(alarm.HasTaskbarProgress());  // the object stays with the window
  EXPECT_EQ(taskbar, (std::vector<std::string>{"state 1", "value 10/2700", "state 0"}));
}

TEST_F(AlarmTest, EachCountdownMakesANewTaskbarObject) {
  ASSERT_TRUE(alarm.TaskbarButtonCreated());
  EXPECT_EQ(created, 0);  // no countdown runs
  ASSERT_TRUE(alarm.Prepare({.progressOnTaskbar = true}));
  alarm.Release(false);
  ASSERT_TRUE(alarm.Prepare({.progressOnTaskbar = true}));
  EXPECT_EQ(created, 2);
  // The taskbar restarts while the countdown runs: its new button gets the progress.
  ASSERT_TRUE(alarm.TaskbarButtonCreated());
  EXPECT_EQ(created, 3);
  EXPECT_EQ(taskbar, (std::vector<std::string>{"state 1", "state 0", "state 1", "state 1"}));
}

TEST_F(AlarmTest, ProgressSettingOffMakesNoTaskbarObject) {
  ASSERT_TRUE(alarm.TaskbarButtonCreated());
  ASSERT_TRUE(alarm.Prepare({.soundWarning = true, .progressOnTaskbar = false}));
  alarm.ShowProgress(1, 2);
  alarm.Release(true);
  EXPECT_EQ(created, 0);
  EXPECT_TRUE(taskbar.empty());
}

TEST_F(AlarmTest, AMissingTaskbarIsNoFailure) {
  shellHasTaskbar = false;
  ASSERT_TRUE(alarm.TaskbarButtonCreated());
  EXPECT_TRUE(alarm.Prepare({.progressOnTaskbar = true}));
  EXPECT_FALSE(alarm.HasTaskbarProgress());
  alarm.ShowProgress(1, 2);
  alarm.Release(false);
  EXPECT_TRUE(taskbar.empty());
}

TEST_F(AlarmTest, AFailingTaskbarIsReportedAndTheCountdownGoesOn) {
  ASSERT_TRUE(alarm.TaskbarButtonCreated());
  taskbarAccepts = false;
  EXPECT_FALSE(alarm.Prepare({.soundWarning = true, .progressOnTaskbar = true}));
  EXPECT_TRUE(alarm.HasGenerator());
  alarm.Release(false);

  throws = true;
  EXPECT_FALSE(alarm.Prepare({.soundWarning = true, .progressOnTaskbar = true}));
  EXPECT_FALSE(alarm.HasTaskbarProgress());
  EXPECT_TRUE(alarm.HasGenerator());
  alarm.Play(0);
  EXPECT_EQ(out.playFlags.size(), 1u);
}

}  // namespace
}  // namespace vorda::actions
