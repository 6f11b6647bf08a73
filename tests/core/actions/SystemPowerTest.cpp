#include "core/actions/SystemPower.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "ActionsFixture.h"

namespace vorda::actions::test {
namespace {

using testing::ElementsAre;
using testing::ElementsAreArray;

struct TExitCase {
  const char* name;
  bool shutdown;
  bool force;
  bool ntFamily;
  const wchar_t* call;
};

class ExitSystemFlags : public ActionsFixture, public testing::TestWithParam<TExitCase> {};

TEST_P(ExitSystemFlags, GiveTheFlagsOfTheRequestAndThePlannedReason) {
  const TExitCase& c = GetParam();
  settings.SetForce(c.force);
  power.platform = {c.ntFamily, c.ntFamily ? 6u : 4u};
  actions.Power().ExitSystem(c.shutdown);
  if (c.ntFamily)
    EXPECT_THAT(journal, ElementsAre(L"SetPrivileges", c.call));
  else  // no token to adjust outside the NT family
    EXPECT_THAT(journal, ElementsAre(c.call));
}

INSTANTIATE_TEST_SUITE_P(
    Table, ExitSystemFlags,
    testing::Values(TExitCase{"ShutdownNt", true, false, true, L"ExitWindowsEx(0x8,0x80000000)"},
                    TExitCase{"ShutdownNtForced", true, true, true, L"ExitWindowsEx(0xC,0x80000000)"},
                    TExitCase{"ShutdownOther", true, false, false, L"ExitWindowsEx(0x1,0x80000000)"},
                    TExitCase{"ShutdownOtherForced", true, true, false, L"ExitWindowsEx(0x5,0x80000000)"},
                    TExitCase{"RestartNt", false, false, true, L"ExitWindowsEx(0x2,0x80000000)"},
                    TExitCase{"RestartNtForced", false, true, true, L"ExitWindowsEx(0x6,0x80000000)"},
                    TExitCase{"RestartOther", false, false, false, L"ExitWindowsEx(0x2,0x80000000)"},
                    TExitCase{"RestartOtherForced", false, true, false, L"ExitWindowsEx(0x6,0x80000000)"}),
    [](const auto& info) { return std::string(info.param.name); });

class ExitSystemFailures : public ActionsFixture, public testing::Test {};

TEST_F(ExitSystemFailures, APrivilegeRefusedIsFatalButTheShutdownIsStillTried) {
  power.privileges = false;
  actions.Power().ExitSystem(true);
  EXPECT_THAT(journal, ElementsAre(L"SetPrivileges", L"Log: Error - SetPrivileges not possible: Access is denied.",
                                   L"ShowError(SPNP - ShutdownImpossible, fatal)", L"ExitWindowsEx(0xC,0x80000000)"));
}

TEST_F(ExitSystemFailures, AFailedForcedShutdownReportsThatItWasImpossible) {
  power.exitWindows = false;
  power.lastError = L"The operation failed.";
  actions.Power().ExitSystem(true);
  EXPECT_THAT(journal, ElementsAre(L"SetPrivileges", L"ExitWindowsEx(0xC,0x80000000)",
                                   L"Log: Error - ExitWindowsEx failed: The operation failed.",
                                   L"ShowError(ShutdownImpossible)", L"ShowOptionsPage"));
}

TEST_F(ExitSystemFailures, AFailedPoliteRestartCountsAsCancelled) {
  settings.SetForce(false);
  power.exitWindows = false;
  actions.Power().ExitSystem(false);
  EXPECT_THAT(journal, ElementsAre(L"SetPrivileges", L"ExitWindowsEx(0x2,0x80000000)",
                                   L"Log: Error - ExitWindowsEx failed: Access is denied.",
                                   L"ShowError(ShutdownCancelled)", L"ShowOptionsPage"));
}

TEST_F(ExitSystemFailures, BothStepsFailingReportBoth) {
  // The second box never shows on Windows: the fatal one before it ends the process.
  power.privileges = false;
  power.exitWindows = false;
  actions.Power().ExitSystem(true);
  EXPECT_THAT(journal, ElementsAre(L"SetPrivileges", L"Log: Error - SetPrivileges not possible: Access is denied.",
                                   L"ShowError(SPNP - ShutdownImpossible, fatal)", L"ExitWindowsEx(0xC,0x80000000)",
                                   L"Log: Error - ExitWindowsEx failed: Access is denied.",
                                   L"ShowError(ShutdownImpossible)", L"ShowOptionsPage"));
}

struct TSuspendCase {
  const char* name;
  bool hibernate;
  TPlatform platform;
  bool privileges;
  std::optional<bool> suspendState;  // nothing: the library or the function is missing
  bool systemPowerState;
  std::vector<std::wstring> journal;
  bool hibernationPossibleAfter;
};

class SuspendSystem : public ActionsFixture, public testing::TestWithParam<TSuspendCase> {};

TEST_P(SuspendSystem, TriesTheWaysInOrderAndReportsTheCode) {
  const TSuspendCase& c = GetParam();
  settings.SetIsHibernationPossible(true);
  power.platform = c.platform;
  power.privileges = c.privileges;
  power.suspendState = c.suspendState;
  power.systemPowerState = c.systemPowerState;
  actions.Power().SuspendSystem(c.hibernate);
  EXPECT_THAT(journal, ElementsAreArray(c.journal));
  EXPECT_EQ(settings.IsHibernationPossible(), c.hibernationPossibleAfter);
}

const TPlatform kNt6{true, 6};
const TPlatform kNt4{true, 4};
const TPlatform kWin9x{false, 4};

std::vector<std::wstring> FailureBox(int code) {
  return {L"MessageBox(SuspendFailed,ErrorCaption" + std::to_wstring(code) + L")", L"EnableMainWindow",
          L"ShowOptionsPage"};
}

std::vector<std::wstring> Join(std::vector<std::wstring> a, const std::vector<std::wstring>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

INSTANTIATE_TEST_SUITE_P(
    Table, SuspendSystem,
    testing::Values(
        TSuspendCase{"Hibernates", true, kNt6, true, true, true,
                     {L"SetPrivileges", L"SetSuspendState(1,1,0)"}, true},
        TSuspendCase{"StandsBy", false, kNt6, true, true, true,
                     {L"SetPrivileges", L"SetSuspendState(0,1,0)"}, true},
        TSuspendCase{"PrivilegeRefused", true, kNt6, false, true, true,
                     Join({L"SetPrivileges"}, FailureBox(0)), false},
        TSuspendCase{"PrivilegeRefusedForStandby", false, kNt6, false, true, true,
                     Join({L"SetPrivileges"}, FailureBox(0)), true},
        TSuspendCase{"SuspendStateRefusedPowerStateWorks", true, kNt6, true, false, true,
                     {L"SetPrivileges", L"SetSuspendState(1,1,0)", L"SetSystemPowerState(0,1)"}, true},
        TSuspendCase{"BothRefused", true, kNt6, true, false, false,
                     Join({L"SetPrivileges", L"SetSuspendState(1,1,0)", L"SetSystemPowerState(0,1)"},
                          FailureBox(1)),
                     false},
        TSuspendCase{"BothRefusedForStandby", false, kNt6, true, false, false,
                     Join({L"SetPrivileges", L"SetSuspendState(0,1,0)", L"SetSystemPowerState(1,1)"},
                          FailureBox(1)),
                     true},
        TSuspendCase{"LibraryMissingPowerStateWorks", false, kNt6, true, std::nullopt, true,
                     {L"SetPrivileges", L"SetSuspendState(0,1,0) missing", L"SetSystemPowerState(1,1)"}, true},
        TSuspendCase{"LibraryMissingPowerStateRefused", true, kNt6, true, std::nullopt, false,
                     Join({L"SetPrivileges", L"SetSuspendState(1,1,0) missing", L"SetSystemPowerState(0,1)"},
                          FailureBox(2)),
                     false},
        TSuspendCase{"OldNtPowerStateRefused", true, kNt4, true, true, false,
                     Join({L"SetPrivileges", L"SetSystemPowerState(0,1)"}, FailureBox(2)), false},
        TSuspendCase{"OtherPlatformNeedsNoPrivilege", false, kWin9x, false, true, true,
                     {L"SetSystemPowerState(1,1)"}, true}),
    [](const auto& info) { return std::string(info.param.name); });

class SuspendSystemRules : public ActionsFixture, public testing::Test {};

TEST_F(SuspendSystemRules, HibernationSwitchedOffIsReportedAndNothingIsTried) {
  settings.SetIsHibernationPossible(false);
  actions.Power().SuspendSystem(true);
  EXPECT_THAT(journal, ElementsAre(L"ShowError(HibernationDisabled)"));
}

TEST_F(SuspendSystemRules, TheErrorBoxShowsTheCodeRightAfterTheCaption) {
  settings.SetIsHibernationPossible(true);
  actions.Power().ShowSuspendError(1, false);
  EXPECT_THAT(journal, ElementsAre(L"MessageBox(SuspendFailed,ErrorCaption1)", L"EnableMainWindow",
                                   L"ShowOptionsPage"));
  EXPECT_TRUE(settings.IsHibernationPossible());
}

}  // namespace
}  // namespace vorda::actions::test
