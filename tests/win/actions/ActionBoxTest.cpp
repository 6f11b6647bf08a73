#include <gtest/gtest.h>

#include "support/Driver.h"

namespace vorda::test {
namespace {

std::wstring Probe() { return TestExeFolder() + L"action_box_probe.exe"; }

// Presses OK as a user would; the box has no other button.
void Confirm(HWND box) {
  EXPECT_EQ(FindChild(box, L"Button", IDCANCEL), nullptr);
  HWND ok = FindChild(box, L"Button", IDOK);
  ASSERT_NE(ok, nullptr);
  Click(ok);
}

TEST(ActionBoxes, TheSuspendErrorShowsItsCodeRightAfterTheCaption) {
  TProcess probe;
  ASSERT_TRUE(probe.Start(Probe(), L"suspend"));
  HWND box = WaitForMessageBox(probe.Id(), L"Błąd2", 10s);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(MessageBoxText(box), L"Systemowi nie udało się przejść w stan hibernacji / uśpienia.");
  Confirm(box);
  EXPECT_EQ(probe.WaitForExit(10s), 7u);
}

TEST(ActionBoxes, ARefusedShutdownPrivilegeIsReportedAsFatal) {
  TProcess probe;
  ASSERT_TRUE(probe.Start(Probe(), L"spnp"));
  HWND box = WaitForMessageBox(probe.Id(), L"Błąd", 10s);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(MessageBoxText(box),
            L"SPNP - Zamknięcie systemu nie było możliwe. Proszę napisać o zaistniałej sytuacji pod adres: "
            L"\"vorda@marobel.pl\"");
  Confirm(box);
  // The fatal report only asks the program to end; the probe goes on to its end.
  EXPECT_EQ(probe.WaitForExit(10s), 7u);
}

}  // namespace
}  // namespace vorda::test
