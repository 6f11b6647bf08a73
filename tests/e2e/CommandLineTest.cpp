#include <gtest/gtest.h>

#include "HarmlessAction.h"

namespace vorda::test {
namespace {

using CommandLine = HarmlessActionTest;

TEST_F(CommandLine, StartsTheTriggerWithoutTheOptionsPage) {
  TProcess vorda;
  ASSERT_TRUE(vorda.Start(kVorda, L"1 /H0 /m0 -s3"));
  HWND form = vorda.WaitForWindow(L"TVordaForm", kStartTimeout);
  ASSERT_NE(form, nullptr);
  // The window comes up on the countdown page.
  EXPECT_EQ(VisibleChild(form, L"Button", L"Rozpocznij"), nullptr);
  EXPECT_NE(VisibleChild(form, L"Button", L"Anuluj"), nullptr);
  EXPECT_NE(VisibleChild(form, L"TSuperLabel"), nullptr);
  ASSERT_TRUE(vorda.WaitForExit(kStartTimeout).has_value());

  const std::string log = ReadLog();
  EXPECT_NE(log.find("Command line (4): "), std::string::npos) << log;
  EXPECT_NE(log.find(" 1 /h0 /m0 -s3 \r\n"), std::string::npos) << log;
  EXPECT_NE(log.find("Start: Ver=0 (c), EventType=1, Event=1899-12-30 00:00:03\r\n"), std::string::npos) << log;
  EXPECT_NE(log.find("DoFinalAction: tcmdCloseProgram\r\n"), std::string::npos) << log;
}

struct TCommandLineError {
  const wchar_t* arguments;
  const wchar_t* message;
  const char* logLine;
};

class CommandLineErrors : public HarmlessActionTest, public ::testing::WithParamInterface<TCommandLineError> {};

// Every error shows its box; once it is closed the program ends without ever
// showing its window or starting anything.
TEST_P(CommandLineErrors, ShowTheirBoxAndEndWithoutAWindow) {
  const TCommandLineError& c = GetParam();
  TProcess vorda;
  ASSERT_TRUE(vorda.Start(kVorda, c.arguments));
  HWND box = WaitForMessageBox(vorda.Id(), L"Błąd", kStartTimeout);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(MessageBoxText(box), std::wstring(L"Nieprawidłowa składnia linii poleceń: ") + c.message);
  for (HWND w : vorda.Windows()) EXPECT_NE(ClassOf(w), L"TVordaForm");
  ::PostMessageW(box, WM_COMMAND, IDOK, 0);
  ASSERT_EQ(vorda.WaitForExit(kStartTimeout), 0u);
  const std::string log = ReadLog();
  EXPECT_NE(log.find(std::string(c.logLine) + "\r\n"), std::string::npos) << log;
  EXPECT_EQ(log.find("Start: "), std::string::npos) << log;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CommandLineErrors,
    ::testing::Values(
        TCommandLineError{L"/m30 2", L"Użyto parametrów wzajemnie się wykluczających.",
                          "Error command line - 2 expect=1"},
        TCommandLineError{L"/m75", L"Użyto nieobsługiwanego (nieznanego) parametru.",
                          "Error command line - Uknown param 75;"},
        TCommandLineError{L"/h24", L"Użyto nieobsługiwanego (nieznanego) parametru.",
                          "Error command line - Uknown param 24;"},
        TCommandLineError{L"5", L"Użyto nieobsługiwanego (nieznanego) parametru.",
                          "Error command line - Uknown param 5"},
        TCommandLineError{L"4", L"Nie podano nazwy programu.", "Error command line - Uknown program name."},
        TCommandLineError{L"setup x", L"Użyto nieobsługiwanego (nieznanego) parametru.",
                          "Error command line - Uknown param setup"}));

}  // namespace
}  // namespace vorda::test
