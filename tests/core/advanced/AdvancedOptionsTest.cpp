#include "core/advanced/AdvancedOptions.h"

#include <gtest/gtest.h>

#include <memory>

#include "MemoryRegistry.h"
#include "core/settings/TeskSettings.h"

namespace vorda::advanced {
namespace {

using namespace settings;

class Host final : public ISettingsHost {
 public:
  registry::TMemoryRegistry registry;
  bool hibernation = true;
  registry::IRegistryBackend& Registry() override { return registry; }
  bool IsHibernationAllowed() override { return hibernation; }
  int InstanceNumber() override { return 1; }
  std::wstring ExePath() override { return L"C:\\Vorda\\Vorda.exe"; }
  bool LogEnabled() override { return false; }
  void LogEvent(const std::wstring&) override {}
};

class AdvancedOptions : public testing::Test {
 protected:
  TTeskSettings& Make(bool hibernation = true) {
    host.hibernation = hibernation;
    settings = std::make_unique<TTeskSettings>(host);
    return *settings;
  }
  TAdvancedState Shown() const {
    return StateFromSettings(*settings, [] { return std::wstring(L"C:\\Docs\\VORDA.jpg"); });
  }
  Host host;
  std::unique_ptr<TTeskSettings> settings;
};

struct TActionCase {
  TTeskCommand stored;
  bool hibernation;
  TMainRadio radio;
  int otherIndex;
  bool hibernationEnabled;
};

class ShownAction : public AdvancedOptions, public testing::WithParamInterface<TActionCase> {};

TEST_P(ShownAction, RadioListEntryAndEnabling) {
  const auto& c = GetParam();
  Make(c.hibernation).SetMainAction(c.stored);
  const TAdvancedState state = Shown();
  EXPECT_EQ(state.mainRadio, c.radio);
  EXPECT_EQ(state.otherIndex, c.otherIndex);
  EXPECT_EQ(state.hibernationEnabled, c.hibernationEnabled);
  const TEnabling e = EnablingOf(state);
  EXPECT_EQ(e.otherAction, c.radio == TMainRadio::mrOther);
  EXPECT_EQ(e.closeApp, c.radio == TMainRadio::mrCloseApp);
}

INSTANTIATE_TEST_SUITE_P(
    Actions, ShownAction,
    testing::Values(TActionCase{tcmdShutdownComputer, true, TMainRadio::mrShutdown, 0, true},
                    TActionCase{tcmdHibernation, true, TMainRadio::mrHibernation, 0, true},
                    // Hibernation the system does not allow shows as standby.
                    TActionCase{tcmdHibernation, false, TMainRadio::mrOther, 3, false},
                    TActionCase{tcmdCloseProgram, true, TMainRadio::mrCloseApp, 0, true},
                    TActionCase{tcmdModemDisconnect, true, TMainRadio::mrOther, 0, true},
                    TActionCase{tcmdBlockWindowsUser, true, TMainRadio::mrOther, 1, true},
                    TActionCase{tcmdTurnOffMonitor, true, TMainRadio::mrOther, 2, true},
                    TActionCase{tcmdSuspend, false, TMainRadio::mrOther, 3, false},
                    TActionCase{tcmdRestartComputer, true, TMainRadio::mrOther, 4, true}));

TEST(MainAction, EveryActionGoesThereAndBack) {
  for (int a = 0; a < kTeskCommandCount; ++a) {
    const auto action = static_cast<TTeskCommand>(a);
    const TMainActionChoice choice = ChoiceOf(action, 0);
    EXPECT_EQ(MainActionOf(choice.radio, choice.otherIndex), action) << a;
  }
  // The radios of their own keep the list's entry.
  EXPECT_EQ(ChoiceOf(tcmdCloseProgram, 4).otherIndex, 4);
  EXPECT_EQ(MainActionOf(TMainRadio::mrShutdown, 2), tcmdShutdownComputer);
}

TEST_F(AdvancedOptions, AlarmZeroShowsWarningsOffWithTwoSecondsAndKeepsZero) {
  Make().SetAlarm(0);
  const TAdvancedState state = Shown();
  EXPECT_FALSE(state.soundWarning);
  EXPECT_EQ(state.alarmSec, 2);
  EXPECT_FALSE(EnablingOf(state).alarm);
  ApplyState(state, *settings);
  EXPECT_EQ(settings->Alarm(), 0);
}

TEST_F(AdvancedOptions, AlarmKeptWithinItsRange) {
  for (const auto& [stored, shown] : {std::pair{1, 2}, {2, 2}, {15, 15}, {60, 60}, {99, 60}}) {
    Make().SetAlarm(stored);
    const TAdvancedState state = Shown();
    EXPECT_TRUE(state.soundWarning) << stored;
    EXPECT_EQ(state.alarmSec, shown) << stored;
    EXPECT_TRUE(EnablingOf(state).alarm);
  }
}

TEST_F(AdvancedOptions, MinimiseWithMinimizeToTrayShowsHideAndStoresTwo) {
  TTeskSettings& s = Make();
  s.SetAppWindowState(1);
  s.SetMinimizeToTray(true);
  const TAdvancedState state = Shown();
  EXPECT_EQ(state.windowState, 2);
  EXPECT_FALSE(EnablingOf(state).minimizeRadio);
  ApplyState(state, s);
  EXPECT_EQ(s.AppWindowState(), 2);
}

TEST(WindowState, MinimizeToTrayMovesOnlyTheMinimiseChoice) {
  struct Case {
    int state;
    bool tray;
    int after;
  };
  for (const Case c : {Case{0, true, 0}, {1, true, 2}, {2, true, 2}, {1, false, 1}, {0, false, 0}})
    EXPECT_EQ(WindowStateAfterMinimizeToTray(c.state, c.tray), c.after) << c.state << c.tray;
}

TEST_F(AdvancedOptions, OutOfRangeWindowStateShowsTheWindow) {
  Make().SetAppWindowState(7);
  EXPECT_EQ(Shown().windowState, 0);
}

TEST_F(AdvancedOptions, ScreenshotSetOrProposed) {
  Make();
  TAdvancedState state = Shown();
  EXPECT_FALSE(state.screenshot);
  EXPECT_EQ(state.screenshotPath, L"C:\\Docs\\VORDA.jpg");
  EXPECT_FALSE(EnablingOf(state).screenshotPath);
  // Accepting with the box unchecked keeps the setting empty.
  ApplyState(state, *settings);
  EXPECT_EQ(settings->Screenshot(), L"");

  settings->SetScreenshot(L"D:\\shots\\x.bmp");
  state = Shown();
  EXPECT_TRUE(state.screenshot);
  EXPECT_EQ(state.screenshotPath, L"D:\\shots\\x.bmp");
  EXPECT_TRUE(EnablingOf(state).screenshotPath);
}

TEST_F(AdvancedOptions, SecondsToShutdownKeptWithin0To119) {
  for (const auto& [stored, shown] : {std::pair{0, 0}, {10, 10}, {119, 119}, {128, 119}, {-3, 0}}) {
    Make().SetSecToShutdown(stored);
    EXPECT_EQ(Shown().secToShutdown, shown) << stored;
  }
}

TEST_F(AdvancedOptions, AcceptingWritesExactlyTheControls) {
  TTeskSettings& s = Make();
  TAdvancedState state = Shown();
  state.mainRadio = TMainRadio::mrOther;
  state.otherIndex = 2;
  state.closeApp = L"Notatnik";
  state.windowState = 1;
  state.minimizeToTray = false;
  state.autoStartup = true;
  state.forceShutdown = false;
  state.screenshot = true;
  state.screenshotPath = L"C:\\a\\b.jpeg";
  state.soundWarning = true;
  state.alarmSec = 30;
  state.exactAppName = true;
  state.secToShutdown = 55;
  state.showClassNames = true;
  state.watchInternalWindows = true;
  ApplyState(state, s);
  EXPECT_EQ(s.StoredMainAction(), tcmdTurnOffMonitor);
  EXPECT_EQ(s.CloseApp(), L"Notatnik");
  EXPECT_EQ(s.AppWindowState(), 1);
  EXPECT_FALSE(s.MinimizeToTray());
  EXPECT_TRUE(s.AutoStartup());
  EXPECT_FALSE(s.Force());
  EXPECT_EQ(s.Screenshot(), L"C:\\a\\b.jpeg");
  EXPECT_EQ(s.Alarm(), 30);
  EXPECT_TRUE(s.ExactProgramName());
  EXPECT_EQ(s.SecToShutdown(), 55);
  EXPECT_TRUE(s.ShowWindowsClasses());
  EXPECT_TRUE(s.WatchInternalWindows());
  // And the dialog shows the same again.
  EXPECT_EQ(Shown(), state);
}

TEST(CloseAppEntry, UsableEntries) {
  EXPECT_FALSE(IsUsableCloseApp(L""));
  EXPECT_FALSE(IsUsableCloseApp(L"?"));
  EXPECT_FALSE(IsUsableCloseApp(L"KO>>"));
  EXPECT_TRUE(IsUsableCloseApp(L"Notatnik"));
  EXPECT_TRUE(IsUsableCloseApp(L"?KO>>Notepad"));
  EXPECT_TRUE(IsUsableCloseApp(L"KO>>Notepad"));
}

TEST(ScreenshotPathCheck, FileNameAndValidPath) {
  const auto valid = [](std::wstring_view p) { return p.size() > 3 && p[1] == L':' && p.find(L'?') == p.npos; };
  EXPECT_TRUE(IsUsableScreenshotPath(L"C:\\x\\shot.jpg", valid));
  EXPECT_FALSE(IsUsableScreenshotPath(L"C:\\x\\", valid));
  EXPECT_FALSE(IsUsableScreenshotPath(L"C:\\x\\a?.jpg", valid));
  EXPECT_FALSE(IsUsableScreenshotPath(L"", valid));
  EXPECT_FALSE(IsUsableScreenshotPath(L"C:\\x\\shot.jpg", nullptr));
}

TEST(FieldColour, DisabledFirstThenNormalEmptyInvalid) {
  struct Case {
    bool enabled, notEmpty, valid;
    TFieldColour colour;
  };
  for (const Case c : {Case{false, true, true, TFieldColour::fcDisabled}, {false, false, false, TFieldColour::fcDisabled},
                       {true, true, true, TFieldColour::fcNormal}, {true, false, false, TFieldColour::fcEmpty},
                       {true, false, true, TFieldColour::fcEmpty}, {true, true, false, TFieldColour::fcInvalid}})
    EXPECT_EQ(FieldColourOf(c.enabled, c.notEmpty, c.valid), c.colour) << c.enabled << c.notEmpty << c.valid;
}

TEST(OkButton, EachBoxInUseMustBeUsable) {
  struct Case {
    bool closeOn, closeOk, shotOn, shotOk, enabled;
  };
  for (const Case c : {Case{false, false, false, false, true}, {true, false, false, false, false},
                       {true, true, false, false, true}, {false, false, true, false, false},
                       {false, false, true, true, true}, {true, true, true, false, false},
                       {true, false, true, true, false}, {true, true, true, true, true}})
    EXPECT_EQ(OkButtonEnabled(c.closeOn, c.closeOk, c.shotOn, c.shotOk), c.enabled)
        << c.closeOn << c.closeOk << c.shotOn << c.shotOk;
}

TEST(RefreshOnShow, CountAgainstTheCloseAppRadio) {
  EXPECT_TRUE(RefreshOnShow(0, false));
  EXPECT_FALSE(RefreshOnShow(1, false));
  EXPECT_TRUE(RefreshOnShow(1, true));
  EXPECT_FALSE(RefreshOnShow(2, true));
}

}  // namespace
}  // namespace vorda::advanced
