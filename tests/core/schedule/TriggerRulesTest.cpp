#include "core/schedule/TriggerRules.h"

#include <gtest/gtest.h>

namespace vorda::schedule {
namespace {

TEST(TriggerRules, RunningPages) {
  EXPECT_EQ(RunningPageFor(1), TPage::pgTime);
  EXPECT_EQ(RunningPageFor(2), TPage::pgTime);
  EXPECT_EQ(RunningPageFor(3), TPage::pgTime);
  EXPECT_EQ(RunningPageFor(4), TPage::pgProgram);
  EXPECT_EQ(RunningPageFor(5), TPage::pgTime);
  EXPECT_FALSE(RunningPageFor(0));
  EXPECT_FALSE(RunningPageFor(6));
}

TEST(TriggerRules, ControlsFollowTheTrigger) {
  const TTriggerControls five = TriggerControlsFor(5);
  EXPECT_FALSE(five.timeGroupEnabled);
  EXPECT_FALSE(five.monitoredAppEnabled);
  EXPECT_TRUE(TriggerControlsFor(4).monitoredAppEnabled);
  EXPECT_FALSE(TriggerControlsFor(4).timeGroupEnabled);
  EXPECT_TRUE(TriggerControlsFor(3).systemTimeFormat);
  EXPECT_FALSE(TriggerControlsFor(1).systemTimeFormat);
  EXPECT_TRUE(TriggerControlsFor(2).timeGroupEnabled);
}

TEST(TriggerRules, ProgramEntryValidity) {
  EXPECT_EQ(CountChar(L' ', L""), 0);
  EXPECT_EQ(CountChar(L' ', L" a b "), 3);
  for (const wchar_t* bad : {L"", L"?", L" ", L"    "}) EXPECT_FALSE(IsMonitoredAppTextValid(bad)) << bad;
  for (const wchar_t* good : {L"Notatnik", L" ? ", L"KO>>Notepad", L"??"}) EXPECT_TRUE(IsMonitoredAppTextValid(good));
  EXPECT_FALSE(StartButtonEnabled(true, L"?"));
  EXPECT_FALSE(StartButtonEnabled(true, L"  "));
  EXPECT_TRUE(StartButtonEnabled(false, L"?"));
  EXPECT_TRUE(StartButtonEnabled(true, L"Notatnik"));
}

TEST(TriggerRules, DescriptionsByFinalAction) {
  using enum TActionText;
  EXPECT_EQ(MainActionDescription(settings::tcmdHibernation), atComputerOff);
  EXPECT_EQ(MainActionDescription(settings::tcmdSuspend), atSuspended);
  EXPECT_FALSE(MainActionDescription(settings::tcmdRestartComputer));
  EXPECT_EQ(RemainingTimeDescription(settings::tcmdCloseProgram), atTimeToStandby);
  EXPECT_EQ(RemainingTimeDescription(settings::tcmdTurnOffMonitor), atTimeToMonitorOff);
  EXPECT_FALSE(RemainingTimeDescription(settings::tcmdRestartComputer));
}

TEST(TriggerRules, FitLabelShrinksTheFontThenCutsTheText) {
  // 1 pixel per character per point of font size.
  const TMeasure measure = [](const std::wstring& text, int size) { return static_cast<int>(text.size()) * size; };
  const std::wstring name = L"C:\\Program Files\\A very long program name\\program.exe";  // 53 characters
  const TFitted f = FitLabel(name, 12, 300, measure);
  EXPECT_EQ(f.fontSize, 9);
  // 53 -> 46 -> 39 -> 32 characters (32 * 9 = 288 fits); each cut drops the
  // previous "..." with seven more characters.
  EXPECT_EQ(f.caption, name.substr(0, 29) + L"...");

  const TFitted fits = FitLabel(L"Notatnik", 12, 300, measure);
  EXPECT_EQ(fits.caption, L"Notatnik");
  EXPECT_EQ(fits.fontSize, 12);
}

}  // namespace
}  // namespace vorda::schedule
