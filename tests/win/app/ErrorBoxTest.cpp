#include <gtest/gtest.h>

#include "support/Driver.h"

namespace vorda::test {
namespace {

const std::wstring kCaption = L"Błąd";

std::wstring Probe() { return TestExeFolder() + L"showerror_probe.exe"; }

// Presses OK on the box as a user would.
void Confirm(HWND box) {
  HWND ok = FindChild(box, L"Button", IDOK);
  ASSERT_NE(ok, nullptr);
  Click(ok);
}

TEST(ShowError, AnErrorAfterAFatalOneEndsTheProcessWithoutABox) {
  TProcess probe;
  ASSERT_TRUE(probe.Start(Probe(), L"fatal"));
  HWND box = WaitForMessageBox(probe.Id(), kCaption, 10s);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(MessageBoxText(box), L"Pierwszy komunikat");
  Confirm(box);
  // The second report ends the process at once: no second box, exit code 0.
  EXPECT_EQ(probe.WaitForExit(10s), 0u);
}

TEST(ShowError, OrdinaryErrorsShowOneBoxEachAndGoOn) {
  TProcess probe;
  ASSERT_TRUE(probe.Start(Probe(), L"plain"));
  for (const wchar_t* text : {L"Pierwszy komunikat", L"Drugi komunikat"}) {
    HWND box = nullptr;
    // Wait for the box with this text (the previous one may still be closing).
    ASSERT_TRUE(WaitUntil(
        [&] {
          box = WaitForMessageBox(probe.Id(), kCaption, 100ms);
          return box && MessageBoxText(box) == text;
        },
        10s))
        << "no box with the text";
    const LONG style = ::GetWindowLongW(box, GWL_STYLE);
    EXPECT_TRUE(style & WS_CAPTION);
    EXPECT_EQ(FindChild(box, L"Button", IDCANCEL), nullptr);
    Confirm(box);
  }
  EXPECT_EQ(probe.WaitForExit(10s), 5u);
}

}  // namespace
}  // namespace vorda::test
