#include "core/settings/TeskSettings.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "MemoryRegistry.h"
#include "core/settings/SettingsKeys.h"

namespace vorda::settings {
namespace {

using registry::rdInteger;
using registry::rdString;
using registry::TRegValue;
using registry::TRootKey;
using testing::ElementsAre;

class FakeHost final : public ISettingsHost {
 public:
  registry::TMemoryRegistry registry;
  bool hibernation = true;
  int instance = 1;
  std::wstring exePath = L"C:\\Vorda\\Vorda.exe";
  bool logOn = true;
  std::vector<std::wstring> lines;

  registry::IRegistryBackend& Registry() override { return registry; }
  bool IsHibernationAllowed() override { return hibernation; }
  int InstanceNumber() override { return instance; }
  std::wstring ExePath() override { return exePath; }
  bool LogEnabled() override { return logOn; }
  void LogEvent(const std::wstring& line) override { lines.push_back(line); }
};

class SettingsTest : public testing::Test {
 protected:
  void Store(const wchar_t* name, TRegValue value) {
    host.registry.Put(TRootKey::CurrentUser, kSettingsKey, name, std::move(value));
  }
  void StoreRun(const std::wstring& name) {
    host.registry.Put(TRootKey::CurrentUser, kRunKey, name, TRegValue::String(L"x"));
  }
  std::optional<TRegValue> Stored(const std::wstring& name) { return host.registry.Get(kSettingsKey, name); }
  std::optional<TRegValue> Run(const std::wstring& name) { return host.registry.Get(kRunKey, name); }
  // Loads a fresh object.
  TTeskSettings& Load(bool expected = true) {
    settings = std::make_unique<TTeskSettings>(host);
    EXPECT_EQ(settings->LoadFromRegistry(), expected);
    return *settings;
  }

  FakeHost host;
  std::unique_ptr<TTeskSettings> settings;
};

void ExpectDefaults(const TTeskSettings& s) {
  EXPECT_EQ(s.AppWindowState(), 0);
  EXPECT_EQ(s.Alarm(), 0);
  EXPECT_FALSE(s.AutoStartup());
  EXPECT_EQ(s.CloseApp(), L"");
  EXPECT_FALSE(s.ExactProgramName());
  EXPECT_TRUE(s.Force());
  EXPECT_EQ(s.StoredMainAction(), tcmdShutdownComputer);
  EXPECT_EQ(s.MainAction(), tcmdShutdownComputer);
  EXPECT_FALSE(s.MinimizeToTray());
  EXPECT_EQ(s.Screenshot(), L"");
  EXPECT_FALSE(s.ShowWindowsClasses());
  EXPECT_FALSE(s.WatchInternalWindows());
  EXPECT_EQ(s.SecToShutdown(), 10);
  EXPECT_EQ(s.SilenceDetectionCounter(), 10u);
  EXPECT_TRUE(s.ProgressOnTaskbar());
  EXPECT_FALSE(s.SoundWarning());
}

TEST_F(SettingsTest, FirstRunKeepsTheDefaults) {
  StoreRun(L"Kelvari1");  // an entry left behind does not count without settings
  ExpectDefaults(Load(false));
  EXPECT_TRUE(host.lines.empty());
}

TEST_F(SettingsTest, AKeyThatCannotBeOpenedChangesNothing) {
  Store(L"Alarm", TRegValue::Integer(30));
  StoreRun(L"Kelvari1");
  host.registry.DenyAccess(TRootKey::CurrentUser, kSettingsKey);
  ExpectDefaults(Load(false));
  EXPECT_TRUE(host.lines.empty());
}

TEST_F(SettingsTest, ConstructionAsksAboutHibernation) {
  host.hibernation = false;
  EXPECT_FALSE(TTeskSettings(host).IsHibernationPossible());
  host.hibernation = true;
  EXPECT_TRUE(TTeskSettings(host).IsHibernationPossible());
}

using Getter = std::function<std::int64_t(const TTeskSettings&)>;

struct RangeCase {
  const char* what;
  const wchar_t* name;
  TRegValue stored;
  Getter get;
  std::int64_t expected;
};

class LoadRangeTest : public SettingsTest, public testing::WithParamInterface<RangeCase> {};

TEST_P(LoadRangeTest, KeepsTheFieldWhenOutOfRangeOrMistyped) {
  const auto& c = GetParam();
  Store(c.name, c.stored);
  EXPECT_EQ(c.get(Load()), c.expected) << c.what;
}

const Getter kAppWnd = [](const TTeskSettings& s) { return s.AppWindowState(); };
const Getter kAlarm = [](const TTeskSettings& s) { return s.Alarm(); };
const Getter kAction = [](const TTeskSettings& s) { return static_cast<int>(s.StoredMainAction()); };
const Getter kTime4 = [](const TTeskSettings& s) { return s.SecToShutdown(); };
const Getter kForce = [](const TTeskSettings& s) { return s.Force() ? 1 : 0; };
const Getter kExact = [](const TTeskSettings& s) { return s.ExactProgramName() ? 1 : 0; };
const Getter kProgress = [](const TTeskSettings& s) { return s.ProgressOnTaskbar() ? 1 : 0; };
const Getter kCounter = [](const TTeskSettings& s) { return static_cast<std::int64_t>(s.SilenceDetectionCounter()); };

INSTANTIATE_TEST_SUITE_P(
    Cases, LoadRangeTest,
    testing::Values(RangeCase{"AppWndState 2", L"AppWndState", TRegValue::Integer(2), kAppWnd, 2},
                    RangeCase{"AppWndState 3", L"AppWndState", TRegValue::Integer(3), kAppWnd, 0},
                    RangeCase{"Alarm 0", L"Alarm", TRegValue::Integer(0), kAlarm, 0},
                    RangeCase{"Alarm 1", L"Alarm", TRegValue::Integer(1), kAlarm, 0},
                    RangeCase{"Alarm 2", L"Alarm", TRegValue::Integer(2), kAlarm, 2},
                    RangeCase{"Alarm 60", L"Alarm", TRegValue::Integer(60), kAlarm, 60},
                    RangeCase{"Alarm 61", L"Alarm", TRegValue::Integer(61), kAlarm, 0},
                    RangeCase{"Alarm as text", L"Alarm", TRegValue::String(L"30"), kAlarm, 0},
                    RangeCase{"MainAction 7", L"MainAction", TRegValue::Integer(7), kAction, 7},
                    RangeCase{"MainAction 8", L"MainAction", TRegValue::Integer(8), kAction, 0},
                    RangeCase{"MainAction -1", L"MainAction", TRegValue::Integer(0xFFFFFFFF), kAction, 0},
                    RangeCase{"Time4 0", L"Time4", TRegValue::Integer(0), kTime4, 0},
                    RangeCase{"Time4 118", L"Time4", TRegValue::Integer(118), kTime4, 118},
                    RangeCase{"Time4 119", L"Time4", TRegValue::Integer(119), kTime4, 10},
                    RangeCase{"Time4 128", L"Time4", TRegValue::Integer(128), kTime4, 128},
                    RangeCase{"Time4 129", L"Time4", TRegValue::Integer(129), kTime4, 10},
                    RangeCase{"Force 0", L"Force", TRegValue::Integer(0), kForce, 0},
                    RangeCase{"Force 2", L"Force", TRegValue::Integer(2), kForce, 1},
                    RangeCase{"ExactProgramName 1", L"ExactProgramName", TRegValue::Integer(1), kExact, 1},
                    RangeCase{"ExactProgramName 2", L"ExactProgramName", TRegValue::Integer(2), kExact, 0},
                    RangeCase{"ExactProgramName binary", L"ExactProgramName", TRegValue::Binary({1, 0, 0, 0}),
                              kExact, 0},
                    RangeCase{"ProgressOnTaskbar 0", L"ProgressOnTaskbar", TRegValue::Integer(0), kProgress, 0},
                    RangeCase{"counter as text", L"SilenceDetectionCounter", TRegValue::String(L"25"), kCounter, 25},
                    RangeCase{"counter as DWORD", L"SilenceDetectionCounter", TRegValue::Integer(5), kCounter, 10},
                    RangeCase{"counter -1", L"SilenceDetectionCounter", TRegValue::String(L"-1"), kCounter,
                              4294967295},
                    RangeCase{"counter written back", L"SilenceDetectionCounter",
                              TRegValue::String(L"4294967295"), kCounter, 4294967295},
                    RangeCase{"counter 0", L"SilenceDetectionCounter", TRegValue::String(L"0"), kCounter, 0}));

TEST_F(SettingsTest, ReadsEveryValue) {
  Store(L"AppWndState", TRegValue::Integer(1));
  Store(L"Alarm", TRegValue::Integer(15));
  Store(L"CloseApp", TRegValue::String(L"Notatnik"));
  Store(L"ExactProgramName", TRegValue::Integer(1));
  Store(L"Force", TRegValue::Integer(0));
  Store(L"MainAction", TRegValue::Integer(tcmdCloseProgram));
  Store(L"MinimizeToTray", TRegValue::Integer(1));
  Store(L"Screenshot", TRegValue::String(L"C:\\shot.jpg"));
  Store(L"ShowClassNames", TRegValue::Integer(1));
  Store(L"WatchInternalWindows", TRegValue::Integer(1));
  Store(L"Time4", TRegValue::Integer(30));
  Store(L"SilenceDetectionCounter", TRegValue::String(L"40"));
  Store(L"ProgressOnTaskbar", TRegValue::Integer(0));
  StoreRun(L"Kelvari1");
  const auto& s = Load();
  EXPECT_EQ(s.AppWindowState(), 1);
  EXPECT_EQ(s.Alarm(), 15);
  EXPECT_TRUE(s.SoundWarning());
  EXPECT_EQ(s.CloseApp(), L"Notatnik");
  EXPECT_TRUE(s.ExactProgramName());
  EXPECT_FALSE(s.Force());
  EXPECT_EQ(s.MainAction(), tcmdCloseProgram);
  EXPECT_TRUE(s.MinimizeToTray());
  EXPECT_EQ(s.Screenshot(), L"C:\\shot.jpg");
  EXPECT_TRUE(s.ShowWindowsClasses());
  EXPECT_TRUE(s.WatchInternalWindows());
  EXPECT_EQ(s.SecToShutdown(), 30);
  EXPECT_EQ(s.SilenceDetectionCounter(), 40u);
  EXPECT_FALSE(s.ProgressOnTaskbar());
  EXPECT_TRUE(s.AutoStartup());
}

TEST_F(SettingsTest, StringsOfAnotherTypeKeepTheirDefault) {
  Store(L"CloseApp", TRegValue::Integer(5));
  Store(L"Screenshot", TRegValue::Binary({'a', 0}));
  const auto& s = Load();
  EXPECT_EQ(s.CloseApp(), L"");
  EXPECT_EQ(s.Screenshot(), L"");
}

TEST_F(SettingsTest, ACounterThatIsNoNumberBreaksTheLoadAfterTime4) {
  Store(L"Time4", TRegValue::Integer(20));
  Store(L"SilenceDetectionCounter", TRegValue::String(L"abc"));
  Store(L"ProgressOnTaskbar", TRegValue::Integer(0));
  StoreRun(L"Kelvari1");
  const auto& s = Load(false);
  EXPECT_EQ(s.SecToShutdown(), 20);
  EXPECT_EQ(s.SilenceDetectionCounter(), 10u);
  EXPECT_TRUE(s.ProgressOnTaskbar());
  EXPECT_FALSE(s.AutoStartup());
  EXPECT_THAT(host.lines, ElementsAre(L"Error LoadFromRegistry - 'abc' is not a valid number"));
}

TEST_F(SettingsTest, AFailedLoadWithoutTheLogLogsNothing) {
  host.logOn = false;
  Store(L"SilenceDetectionCounter", TRegValue::String(L"1.5"));
  Load(false);
  EXPECT_TRUE(host.lines.empty());
}

struct GuardCase {
  std::optional<const wchar_t*> closeApp;
  TTeskCommand expected;
};

class CloseProgramGuardTest : public SettingsTest, public testing::WithParamInterface<GuardCase> {};

TEST_P(CloseProgramGuardTest, NeedsAProgramToClose) {
  Store(L"MainAction", TRegValue::Integer(tcmdCloseProgram));
  if (GetParam().closeApp) Store(L"CloseApp", TRegValue::String(*GetParam().closeApp));
  EXPECT_EQ(Load().MainAction(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, CloseProgramGuardTest,
                         testing::Values(GuardCase{std::nullopt, tcmdShutdownComputer},
                                         GuardCase{L"", tcmdShutdownComputer}, GuardCase{L"?", tcmdShutdownComputer},
                                         GuardCase{L"KO>>", tcmdShutdownComputer},
                                         GuardCase{L"?KO>>Notepad", tcmdCloseProgram},
                                         GuardCase{L"NOTEPAD.EXE", tcmdCloseProgram}));

TEST_F(SettingsTest, TheGuardRunsAfterAFailedLoadToo) {
  Store(L"MainAction", TRegValue::Integer(tcmdCloseProgram));
  Store(L"SilenceDetectionCounter", TRegValue::String(L"abc"));
  EXPECT_EQ(Load(false).MainAction(), tcmdShutdownComputer);
}

TEST_F(SettingsTest, HibernationReadsAsStandbyWhereTheSystemForbidsIt) {
  host.hibernation = false;
  Store(L"MainAction", TRegValue::Integer(tcmdHibernation));
  auto& s = Load();
  EXPECT_EQ(s.StoredMainAction(), tcmdHibernation);
  EXPECT_EQ(s.MainAction(), tcmdSuspend);
  EXPECT_THAT(s.LogLine(), testing::HasSubstr(L"MainEvent=tcmdHibernation,"));
  s.SetIsHibernationPossible(true);
  EXPECT_EQ(s.MainAction(), tcmdHibernation);
}

struct AutoStartLoadCase {
  int instance;
  const wchar_t* entry;
  bool expected;
};

class AutoStartLoadTest : public SettingsTest, public testing::WithParamInterface<AutoStartLoadCase> {};

TEST_P(AutoStartLoadTest, FollowsTheEntryOfThisInstance) {
  host.instance = GetParam().instance;
  Store(L"Alarm", TRegValue::Integer(5));
  StoreRun(GetParam().entry);
  EXPECT_EQ(Load().AutoStartup(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, AutoStartLoadTest,
                         testing::Values(AutoStartLoadCase{1, L"Kelvari1", true},
                                         AutoStartLoadCase{1, L"kelvari1", true},
                                         AutoStartLoadCase{1, L"Kelvari 1", false},
                                         AutoStartLoadCase{2, L"Kelvari1", false},
                                         AutoStartLoadCase{12, L"Kelvari12", true}));

TEST_F(SettingsTest, ARunKeyThatCannotBeOpenedMeansNoAutostart) {
  Store(L"Alarm", TRegValue::Integer(5));
  StoreRun(L"Kelvari1");
  host.registry.DenyAccess(TRootKey::CurrentUser, kRunKey);
  auto& s = Load();
  EXPECT_FALSE(s.AutoStartup());
  EXPECT_EQ(s.Alarm(), 5);
}

struct CommandCase {
  int instance;
  int mode;
  const wchar_t* path;
  const wchar_t* expected;
};

class AutoStartCommandTest : public SettingsTest, public testing::WithParamInterface<CommandCase> {};

TEST_P(AutoStartCommandTest, WritesTheEntryOfThisInstance) {
  const auto& c = GetParam();
  host.instance = c.instance;
  host.exePath = c.path;
  TTeskSettings s(host);
  s.SetAutoStartup(true);
  ASSERT_TRUE(s.SaveToRegistry(c.mode));
  const auto entry = Run(L"Kelvari" + std::to_wstring(c.instance));
  ASSERT_TRUE(entry);
  EXPECT_EQ(entry->type, rdString);
  EXPECT_EQ(entry->text, c.expected);
  EXPECT_EQ(AutoStartCommand(c.path, c.instance, c.mode), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AutoStartCommandTest,
    testing::Values(CommandCase{1, 1, L"C:\\Vorda\\Vorda.exe", L"C:\\Vorda\\Vorda.exe 1"},
                    CommandCase{1, 4, L"C:\\Program Files\\Vorda\\Vorda.exe",
                                L"\"C:\\Program Files\\Vorda\\Vorda.exe\" 4"},
                    CommandCase{2, 3, L"C:\\Program Files\\Vorda\\Vorda.exe",
                                L"\"C:\\Program Files\\Vorda\\Vorda.exe\" instance02 3"},
                    CommandCase{2, 1, L"C:\\Vorda\\Vorda.exe", L"C:\\Vorda\\Vorda.exe instance02 1"},
                    CommandCase{12, 5, L"C:\\Vorda\\Vorda.exe", L"C:\\Vorda\\Vorda.exe instance12 5"},
                    CommandCase{12, 2, L"C:\\My Tools\\Vorda.exe", L"\"C:\\My Tools\\Vorda.exe\" instance12 2"},
                    CommandCase{123, 1, L"C:\\V.exe", L"C:\\V.exe instance123 1"}));

TEST_F(SettingsTest, SavesEveryValueWithItsType) {
  TTeskSettings s(host);
  s.SetAppWindowState(2);
  s.SetAlarm(45);
  s.SetCloseApp(L"?KO>>Notepad");
  s.SetExactProgramName(true);
  s.SetForce(false);
  s.SetMainAction(tcmdRestartComputer);
  s.SetMinimizeToTray(true);
  s.SetScreenshot(L"D:\\s.jpg");
  s.SetShowWindowsClasses(true);
  s.SetWatchInternalWindows(true);
  s.SetSecToShutdown(90);
  s.SetSilenceDetectionCounter(4294967295u);
  ASSERT_TRUE(s.SaveToRegistry(1));

  const std::vector<std::pair<const wchar_t*, TRegValue>> expected = {
      {L"AppWndState", TRegValue::Integer(2)},
      {L"Alarm", TRegValue::Integer(45)},
      {L"CloseApp", TRegValue::String(L"?KO>>Notepad")},
      {L"ExactProgramName", TRegValue::Integer(1)},
      {L"Force", TRegValue::Integer(0)},
      {L"MainAction", TRegValue::Integer(7)},
      {L"MinimizeToTray", TRegValue::Integer(1)},
      {L"Screenshot", TRegValue::String(L"D:\\s.jpg")},
      {L"ShowClassNames", TRegValue::Integer(1)},
      {L"WatchInternalWindows", TRegValue::Integer(1)},
      {L"Time4", TRegValue::Integer(90)},
      {L"SilenceDetectionCounter", TRegValue::String(L"4294967295")},
      {L"ProgressOnTaskbar", TRegValue::Integer(1)},
  };
  for (const auto& [name, value] : expected) {
    const auto stored = Stored(name);
    ASSERT_TRUE(stored) << name;
    EXPECT_EQ(stored->type, value.type) << name;
    EXPECT_EQ(stored->number, value.number) << name;
    EXPECT_EQ(stored->text, value.text) << name;
  }

  // What was saved loads back.
  const auto& back = Load();
  EXPECT_EQ(back.LogLine(), s.LogLine());
  EXPECT_EQ(back.CloseApp(), s.CloseApp());
  EXPECT_EQ(back.Screenshot(), s.Screenshot());
  EXPECT_EQ(back.SecToShutdown(), 90);
}

TEST_F(SettingsTest, SavingStoresTheHibernationAsChosen) {
  host.hibernation = false;
  TTeskSettings s(host);
  s.SetMainAction(tcmdHibernation);
  ASSERT_TRUE(s.SaveToRegistry(1));
  EXPECT_EQ(Stored(L"MainAction")->number, static_cast<std::uint32_t>(tcmdHibernation));
}

TEST_F(SettingsTest, SavingRemovesTheOlderValuesOfThisInstance) {
  Store(L"CloseProgram-Name", TRegValue::String(L"x"));
  Store(L"AutoStartup i1", TRegValue::Integer(1));
  Store(L"AutoStartup i2", TRegValue::Integer(1));
  ASSERT_TRUE(TTeskSettings(host).SaveToRegistry(1));
  EXPECT_FALSE(Stored(L"CloseProgram-Name"));
  EXPECT_FALSE(Stored(L"AutoStartup i1"));
  EXPECT_TRUE(Stored(L"AutoStartup i2"));
}

TEST_F(SettingsTest, SavingWithoutAutostartRemovesBothEntryForms) {
  StoreRun(L"Kelvari1");
  StoreRun(L"Kelvari 1");
  StoreRun(L"Kelvari2");
  TTeskSettings s(host);
  ASSERT_TRUE(s.SaveToRegistry(1));
  EXPECT_FALSE(Run(L"Kelvari1"));
  EXPECT_FALSE(Run(L"Kelvari 1"));
  EXPECT_TRUE(Run(L"Kelvari2"));
  // And succeeds when there is nothing to remove.
  EXPECT_TRUE(s.SaveToRegistry(1));
  EXPECT_TRUE(host.lines.empty());
}

TEST_F(SettingsTest, ARunKeyThatCannotBeWrittenTurnsAutostartOff) {
  host.registry.DenyAccess(TRootKey::CurrentUser, kRunKey);
  TTeskSettings s(host);
  s.SetAutoStartup(true);
  EXPECT_TRUE(s.SaveToRegistry(1));
  EXPECT_FALSE(s.AutoStartup());
  EXPECT_TRUE(Stored(L"Alarm"));
  EXPECT_THAT(host.lines,
              ElementsAre(L"Error - Can't write to registy: SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run"));
}

TEST_F(SettingsTest, ASettingsKeyThatCannotBeOpenedSavesNothing) {
  StoreRun(L"Kelvari1");
  host.registry.DenyAccess(TRootKey::CurrentUser, kSettingsKey);
  TTeskSettings s(host);
  EXPECT_FALSE(s.SaveToRegistry(1));
  EXPECT_TRUE(Run(L"Kelvari1"));  // autostart entry left alone
  EXPECT_TRUE(host.lines.empty());
}

TEST_F(SettingsTest, AFailedWriteIsLoggedAndReported) {
  host.registry.SetReadOnly(TRootKey::CurrentUser, kSettingsKey);
  StoreRun(L"Kelvari1");
  TTeskSettings s(host);
  EXPECT_FALSE(s.SaveToRegistry(1));
  EXPECT_TRUE(Run(L"Kelvari1"));
  EXPECT_THAT(host.lines,
              ElementsAre(L"Error SaveToRegistry - Can't write value \"AppWndState\": Access is denied."));
}

TEST_F(SettingsTest, ARunKeyThatRefusesTheEntryFailsTheSave) {
  host.registry.SetReadOnly(TRootKey::CurrentUser, kRunKey);
  TTeskSettings s(host);
  s.SetAutoStartup(true);
  EXPECT_FALSE(s.SaveToRegistry(1));
  EXPECT_THAT(host.lines, ElementsAre(L"Error SaveToRegistry - Can't write value \"Kelvari1\": Access is denied."));
}

TEST_F(SettingsTest, TheLogLineDescribesTheSettings) {
  TTeskSettings s(host);
  EXPECT_EQ(s.LogLine(),
            L"Settings (1): AutoStartup=N, AppWndState=0, MinimizeToTray=N, Alarm=0, ExactAppName=N, "
            L"MainEvent=tcmdShutdownComputer, Force=Y, ShowClassNames=N, WatchInternalWindows=N, "
            L"SilenceDetectionCounter=10.");
  host.instance = 3;
  s.SetAutoStartup(true);
  s.SetAppWindowState(2);
  s.SetMinimizeToTray(true);
  s.SetAlarm(15);
  s.SetExactProgramName(true);
  s.SetMainAction(tcmdTurnOffMonitor);
  s.SetForce(false);
  s.SetShowWindowsClasses(true);
  s.SetWatchInternalWindows(true);
  s.SetSilenceDetectionCounter(4294967295u);
  s.SaveToLog();
  EXPECT_THAT(host.lines, ElementsAre(L"Settings (3): AutoStartup=Y, AppWndState=2, MinimizeToTray=Y, Alarm=15, "
                                      L"ExactAppName=Y, MainEvent=tcmdTurnOffMonitor, Force=N, ShowClassNames=Y, "
                                      L"WatchInternalWindows=Y, SilenceDetectionCounter=4294967295."));
}

TEST_F(SettingsTest, NothingIsLoggedWhileTheLogIsOff) {
  host.logOn = false;
  TTeskSettings(host).SaveToLog();
  EXPECT_TRUE(host.lines.empty());
}

TEST(TeskCommand, NamesEveryAction) {
  const wchar_t* names[] = {L"tcmdShutdownComputer", L"tcmdHibernation",     L"tcmdCloseProgram",
                            L"tcmdModemDisconnect",  L"tcmdBlockWindowsUser", L"tcmdTurnOffMonitor",
                            L"tcmdSuspend",          L"tcmdRestartComputer"};
  for (int i = 0; i < kTeskCommandCount; ++i)
    EXPECT_STREQ(TeskCommandName(static_cast<TTeskCommand>(i)), names[i]);
}

}  // namespace
}  // namespace vorda::settings
