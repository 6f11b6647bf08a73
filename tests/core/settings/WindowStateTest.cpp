#include "core/settings/WindowState.h"

#include <gtest/gtest.h>

#include "MemoryRegistry.h"
#include "core/settings/SettingsKeys.h"
#include "core/settings/SupportedSystem.h"

namespace vorda::settings {
namespace {

using registry::TRegValue;
using registry::TRootKey;

class WindowState : public testing::Test {
 protected:
  void Whole() {
    reg.PutInteger(kSettingsKey, L"Position - Left", static_cast<std::uint32_t>(-40));
    reg.PutInteger(kSettingsKey, L"Position - Top", 120);
    reg.PutInteger(kSettingsKey, L"MenuTip", 2);
  }
  TRestoredWindowState Restore(bool vista = true, bool userPartLoads = true) {
    return RestoreWindowState(reg, vista, [&] {
      ++userPartLoads_;
      return userPartLoads;
    });
  }
  std::optional<TRegValue> Stored(const wchar_t* name) { return reg.Get(kSettingsKey, name); }

  registry::TMemoryRegistry reg;
  int userPartLoads_ = 0;
};

TEST_F(WindowState, AWholeKeyIsRestoredAsStored) {
  Whole();
  reg.PutString(kSettingsKey, L"cbxMonitoredApp", L"Notatnik");
  reg.PutInteger(kSettingsKey, L"Time", 3);
  const TRestoredWindowState s = Restore();
  EXPECT_FALSE(s.rebuilt);
  EXPECT_EQ(s.mode, 3);
  ASSERT_TRUE(s.position.has_value());
  EXPECT_EQ(s.position->left, -40);  // a monitor to the left: not clamped
  EXPECT_EQ(s.position->top, 120);
  EXPECT_EQ(s.menuTip, 2);
  EXPECT_EQ(s.monitoredApp, L"Notatnik");
  EXPECT_EQ(userPartLoads_, 1);
  EXPECT_TRUE(Stored(L"Time").has_value());
}

TEST_F(WindowState, AMissingProgramTextLeavesTheBoxEmpty) {
  Whole();
  const TRestoredWindowState s = Restore();
  EXPECT_FALSE(s.rebuilt);
  EXPECT_EQ(s.monitoredApp, L"");
  EXPECT_EQ(s.mode, 1);
}

struct ModeCase {
  std::optional<std::uint32_t> stored;
  bool vista;
  int mode;
};

class Modes : public WindowState, public testing::WithParamInterface<ModeCase> {};

TEST_P(Modes, TheStoredTriggerWithTheVistaRuleForSilence) {
  Whole();
  const ModeCase c = GetParam();
  if (c.stored) reg.PutInteger(kSettingsKey, L"Time", *c.stored);
  EXPECT_EQ(Restore(c.vista).mode, c.mode);
}

INSTANTIATE_TEST_SUITE_P(Cases, Modes,
                         testing::Values(ModeCase{std::nullopt, true, 1}, ModeCase{5, true, 5},
                                         ModeCase{5, false, 1}, ModeCase{4, false, 4}, ModeCase{9, true, 9},
                                         ModeCase{0, true, 0}));

TEST_F(WindowState, ATimeOfTheWrongTypeKeepsTheFirstTrigger) {
  Whole();
  reg.PutString(kSettingsKey, L"Time", L"5");
  EXPECT_EQ(Restore().mode, 1);
}

// Each way the key can be incomplete rebuilds it with only "MenuTip" = 0.
struct Damage {
  const char* what;
  void (*apply)(registry::TMemoryRegistry&);
  bool userPartLoads;
};

class Rebuild : public WindowState, public testing::WithParamInterface<Damage> {};

TEST_P(Rebuild, LeavesOnlyTheTipCounterAndForgetsTheRest) {
  Whole();
  reg.PutString(kSettingsKey, L"MainAction", L"x");
  reg.PutString(kSettingsKey, L"cbxMonitoredApp", L"Notatnik");
  reg.PutInteger(kSettingsKey, L"Time", 2);
  reg.PutString(std::wstring(kSettingsKey) + L"\\SpecPrograms", L"", L"0");
  GetParam().apply(reg);
  const TRestoredWindowState s = Restore(true, GetParam().userPartLoads);
  EXPECT_TRUE(s.rebuilt);
  EXPECT_FALSE(s.rebuildFailed);
  EXPECT_EQ(s.mode, 2);  // read before the rebuild
  EXPECT_FALSE(s.position.has_value());
  EXPECT_FALSE(s.menuTip.has_value());
  EXPECT_EQ(s.monitoredApp, L"");
  ASSERT_TRUE(Stored(L"MenuTip").has_value());
  EXPECT_EQ(Stored(L"MenuTip")->number, 0u);
  for (const wchar_t* gone : {L"Position - Left", L"MainAction", L"cbxMonitoredApp", L"Time"})
    EXPECT_FALSE(Stored(gone).has_value()) << gone;
  EXPECT_FALSE(reg.HasKey(TRootKey::CurrentUser, std::wstring(kSettingsKey) + L"\\SpecPrograms"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Rebuild,
    testing::Values(
        Damage{"no left", [](registry::TMemoryRegistry& r) { r.DeleteKeyTree(TRootKey::CurrentUser, kSettingsKey);
                                                              r.PutInteger(kSettingsKey, L"Time", 2); }, true},
        Damage{"no tip", [](registry::TMemoryRegistry& r) { r.PutString(kSettingsKey, L"MenuTip", L"2"); }, true},
        Damage{"text top", [](registry::TMemoryRegistry& r) { r.PutString(kSettingsKey, L"Position - Top", L"1"); },
               true},
        Damage{"dword app", [](registry::TMemoryRegistry& r) { r.PutInteger(kSettingsKey, L"cbxMonitoredApp", 1); },
               true},
        Damage{"user part", [](registry::TMemoryRegistry&) {}, false}));

TEST_F(WindowState, AFirstStartRebuildsWithoutTryingTheUserPart) {
  const TRestoredWindowState s = Restore();
  EXPECT_TRUE(s.rebuilt);
  EXPECT_EQ(userPartLoads_, 0);
  EXPECT_EQ(Stored(L"MenuTip")->number, 0u);
}

TEST_F(WindowState, ARebuildThatCannotWriteIsReported) {
  reg.DenyAccess(TRootKey::CurrentUser, L"SOFTWARE\\Marobel");
  const TRestoredWindowState s = Restore();
  EXPECT_TRUE(s.rebuilt);
  EXPECT_TRUE(s.rebuildFailed);
}

TEST_F(WindowState, SavingWritesTheTimeOfTheSelectedTrigger) {
  TWindowStateToSave state{{-5, 7}, 3, 2, L"Notatnik", L"00:45:00.000", L"3.0.0.1"};
  ASSERT_FALSE(SaveWindowState(reg, state).has_value());
  EXPECT_EQ(static_cast<std::int32_t>(Stored(L"Position - Left")->number), -5);
  EXPECT_EQ(Stored(L"Position - Top")->number, 7u);
  EXPECT_EQ(Stored(L"MenuTip")->number, 3u);
  EXPECT_EQ(Stored(L"Time")->number, 2u);
  EXPECT_EQ(Stored(L"Time2")->text, L"00:45:00.000");
  EXPECT_EQ(Stored(L"Version")->text, L"3.0.0.1");
  EXPECT_FALSE(Stored(L"cbxMonitoredApp").has_value());
}

TEST_F(WindowState, SavingTheProgramTriggerWritesItsTextAndNoTime) {
  TWindowStateToSave state{{1, 2}, 0, 4, L"KO>>Notepad", L"01:00:00.000", L"3.0.0.1"};
  ASSERT_FALSE(SaveWindowState(reg, state).has_value());
  EXPECT_EQ(Stored(L"cbxMonitoredApp")->text, L"KO>>Notepad");
  EXPECT_EQ(Stored(L"Time")->number, 4u);
  EXPECT_FALSE(Stored(L"Time4").has_value());
}

TEST_F(WindowState, AFailedSaveNamesTheKeyAndSavingThePositionSwallowsIt) {
  reg.CreateKey(TRootKey::CurrentUser, kSettingsKey);
  reg.SetReadOnly(TRootKey::CurrentUser, kSettingsKey);
  EXPECT_EQ(SaveWindowState(reg, TWindowStateToSave{}), L"HCU\\SOFTWARE\\Marobel\\Vorda");
  SavePosition(reg, {3, 4});
  EXPECT_FALSE(Stored(L"Position - Left").has_value());
}

struct SystemCase {
  TPlatform platform;
  std::uint32_t major, minor;
  bool layer;
  bool supported;
};

class Systems : public testing::TestWithParam<SystemCase> {};

TEST_P(Systems, NtFiveToSixOneWithoutACompatibilityLayer) {
  const SystemCase c = GetParam();
  EXPECT_EQ(IsSupportedSystem({c.platform, c.major, c.minor}, c.layer), c.supported);
}

INSTANTIATE_TEST_SUITE_P(Cases, Systems,
                         testing::Values(SystemCase{TPlatform::pfWindowsNT, 5, 0, false, true},
                                         SystemCase{TPlatform::pfWindowsNT, 5, 2, false, true},
                                         SystemCase{TPlatform::pfWindowsNT, 6, 0, false, true},
                                         SystemCase{TPlatform::pfWindowsNT, 6, 1, false, true},
                                         SystemCase{TPlatform::pfWindowsNT, 6, 1, true, false},
                                         SystemCase{TPlatform::pfWindowsNT, 6, 2, false, false},
                                         SystemCase{TPlatform::pfWindowsNT, 10, 0, false, false},
                                         SystemCase{TPlatform::pfWindowsNT, 4, 0, false, false},
                                         SystemCase{TPlatform::pfWindows9x, 4, 10, false, false},
                                         SystemCase{TPlatform::pfWin32s, 3, 10, false, false}));

}  // namespace
}  // namespace vorda::settings
