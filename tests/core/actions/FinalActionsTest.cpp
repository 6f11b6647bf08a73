#include "core/actions/FinalActions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "ActionsFixture.h"

namespace vorda::actions::test {
namespace {

using testing::ElementsAre;
using testing::ElementsAreArray;
using namespace settings;

struct TEndCase {
  const char* name;
  TTeskCommand action;
  bool screenshot;
  bool savesPosition;  // and marks the system as closing
  std::vector<std::wstring> dispatched;
};

class EndSequence : public ActionsFixture, public testing::TestWithParam<TEndCase> {
 protected:
  void SetUp() override {
    settings.SetIsHibernationPossible(true);
    settings.SetScreenshot(L"C:\\Shots\\last.jpg");
    settings.SetCloseApp(L"KO>>Notepad");
    programs.windows = {{10, L"Untitled - Notepad", L"Notepad", 200, L"C:\\Windows\\notepad.exe", true}};
  }
};

TEST_P(EndSequence, StopsSavesActsAndEnds) {
  const TEndCase& c = GetParam();
  settings.SetMainAction(c.action);
  actions.DoFinalAction();

  std::vector<std::wstring> expected = {L"StopAlarm", L"StopMonitoring"};
  if (c.screenshot) expected.push_back(L"SaveScreenshot(C:\\Shots\\last.jpg)");
  if (c.savesPosition) expected.push_back(L"SaveWindowPosition");
  expected.insert(expected.end(), c.dispatched.begin(), c.dispatched.end());
  expected.push_back(L"Terminate");
  EXPECT_THAT(journal, ElementsAreArray(expected));
  EXPECT_EQ(actions.SystemIsClosing(), c.savesPosition);
}

INSTANTIATE_TEST_SUITE_P(
    EveryAction, EndSequence,
    testing::Values(
        TEndCase{"Shutdown", tcmdShutdownComputer, true, true, {L"SetPrivileges", L"ExitWindowsEx(0xC,0x80000000)"}},
        TEndCase{"Hibernation", tcmdHibernation, true, true, {L"SetPrivileges", L"SetSuspendState(1,1,0)"}},
        TEndCase{"CloseProgram", tcmdCloseProgram, false, false, {L"TerminateProcess(200,0)"}},
        TEndCase{"ModemDisconnect", tcmdModemDisconnect, false, false,
                 {L"InternetGetConnectedState", L"InternetAutodialHangup"}},
        TEndCase{"Lock", tcmdBlockWindowsUser, false, true, {L"LockWorkStation"}},
        TEndCase{"MonitorOff", tcmdTurnOffMonitor, false, false, {L"SendToApplicationWindow(0x112,0xF170,2)"}},
        TEndCase{"Standby", tcmdSuspend, false, true, {L"SetPrivileges", L"SetSuspendState(0,1,0)"}},
        TEndCase{"Restart", tcmdRestartComputer, true, true, {L"SetPrivileges", L"ExitWindowsEx(0x6,0x80000000)"}}),
    [](const auto& info) { return std::string(info.param.name); });

class EndSequenceRules : public ActionsFixture, public testing::Test {};

TEST_F(EndSequenceRules, NoScreenshotWithoutAPath) {
  settings.SetMainAction(tcmdShutdownComputer);
  actions.DoFinalAction();
  EXPECT_THAT(journal, ElementsAre(L"StopAlarm", L"StopMonitoring", L"SaveWindowPosition", L"SetPrivileges",
                                   L"ExitWindowsEx(0xC,0x80000000)", L"Terminate"));
}

TEST_F(EndSequenceRules, HibernationTheSystemRefusesBecomesStandbyWithoutAScreenshot) {
  settings.SetIsHibernationPossible(false);
  settings.SetScreenshot(L"C:\\Shots\\last.jpg");
  settings.SetMainAction(tcmdHibernation);
  actions.DoFinalAction();
  EXPECT_THAT(journal, ElementsAre(L"StopAlarm", L"StopMonitoring", L"SaveWindowPosition", L"SetPrivileges",
                                   L"SetSuspendState(0,1,0)",
                                   L"Terminate"));
}

TEST_F(EndSequenceRules, TheProgramEndsAfterAFailedAction) {
  settings.SetMainAction(tcmdSuspend);
  power.suspendState = false;
  power.systemPowerState = false;
  actions.DoFinalAction();
  EXPECT_THAT(journal, ElementsAre(L"StopAlarm", L"StopMonitoring", L"SaveWindowPosition", L"SetPrivileges",
                                   L"SetSuspendState(0,1,0)",
                                   L"SetSystemPowerState(1,1)", L"MessageBox(SuspendFailed,ErrorCaption1)",
                                   L"EnableMainWindow", L"ShowOptionsPage", L"Terminate"));
}

TEST_F(EndSequenceRules, TheProgramEndsEvenWhenTheActionBreaksDown) {
  settings.SetMainAction(tcmdRestartComputer);
  power.exitWindowsThrows = true;
  actions.DoFinalAction();
  EXPECT_THAT(journal, ElementsAre(L"StopAlarm", L"StopMonitoring", L"SaveWindowPosition", L"SetPrivileges",
                                   L"ExitWindowsEx(0x6,0x80000000)", L"Log: Error - The final action failed.",
                                   L"Terminate"));
}

TEST_F(EndSequenceRules, NoHangUpWithoutAConnection) {
  session.connected = false;
  actions.HangUpModem();
  EXPECT_THAT(journal, ElementsAre(L"InternetGetConnectedState"));
}

TEST_F(EndSequenceRules, AFailedLockIsNotReported) {
  session.lockWorks = false;
  settings.SetMainAction(tcmdBlockWindowsUser);
  actions.DoFinalAction();
  EXPECT_THAT(journal,
              ElementsAre(L"StopAlarm", L"StopMonitoring", L"SaveWindowPosition", L"LockWorkStation", L"Terminate"));
}

TEST_F(EndSequenceRules, TheEndOfTheSessionMarksTheSystemAsClosing) {
  EXPECT_FALSE(actions.SystemIsClosing());
  actions.QueryEndSession();
  EXPECT_TRUE(actions.SystemIsClosing());
  EXPECT_THAT(journal, testing::IsEmpty());
}

}  // namespace
}  // namespace vorda::actions::test
