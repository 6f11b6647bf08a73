#include "core/cmdline/CommandLine.h"

#include <gtest/gtest.h>

#include <ostream>

#include "core/text/Utf8.h"

namespace vorda::cmdline {

// Readable failure output for the steps.
void PrintTo(const TSelectTrigger& s, std::ostream* os) {
  *os << "Select(" << s.trigger;
  if (s.programName) *os << ", \"" << text::ToUtf8(*s.programName) << '"';
  *os << ')';
}
void PrintTo(const TSetPickerPart& s, std::ostream* os) {
  *os << "Picker(" << static_cast<int>(s.part) << ", " << s.value << ')';
}
void PrintTo(const TLogLine& s, std::ostream* os) { *os << "Log(\"" << text::ToUtf8(s.text) << "\")"; }
void PrintTo(const TShowMessage& s, std::ostream* os) {
  *os << "Message(" << static_cast<int>(s.message) << ')';
}

namespace {

using M = TCmdLineMessage;
using P = TPickerPart;

TCmdLineStep Sel(int trigger) { return TSelectTrigger{trigger, std::nullopt}; }
TCmdLineStep Sel(int trigger, const wchar_t* name) { return TSelectTrigger{trigger, name}; }
TCmdLineStep Pick(P part, int value) { return TSetPickerPart{part, value}; }
TCmdLineStep Log(const wchar_t* text) { return TLogLine{text}; }
TCmdLineStep Msg(M message) { return TShowMessage{message}; }

struct ParseCase {
  const wchar_t* params;  // after the program path, as lower-cased by the entry
  const wchar_t* stored;  // the program combo box text before reading
  std::vector<TCmdLineStep> steps;
  int mode;
  bool failed;
  bool start;
};

class CommandLineTest : public testing::TestWithParam<ParseCase> {};

TEST_P(CommandLineTest, ReadsParametersInOrder) {
  const ParseCase& c = GetParam();
  const TCmdLineResult r = ParseCommandLine(std::wstring(L"c:\\vorda\\vorda.exe ") + c.params, c.stored);
  EXPECT_EQ(r.steps, c.steps);
  EXPECT_EQ(r.mode, c.mode);
  EXPECT_EQ(r.failed, c.failed);
  EXPECT_EQ(r.start, c.start);
}

INSTANTIATE_TEST_SUITE_P(
    Valid, CommandLineTest,
    testing::Values(
        ParseCase{L"", L"calc.exe", {}, 0, false, false},
        ParseCase{L"1 /h2 /m0 /s0", L"", {Sel(1), Pick(P::ppHour, 2), Pick(P::ppMinute, 0), Pick(P::ppSecond, 0)}, 101, false, true},
        ParseCase{L"-h1 -m2 -s3 1", L"", {Pick(P::ppHour, 1), Pick(P::ppMinute, 2), Pick(P::ppSecond, 3), Sel(1)}, 101, false, true},
        ParseCase{L"/m30 1", L"", {Pick(P::ppMinute, 30), Sel(1)}, 101, false, true},
        ParseCase{L"2", L"", {Sel(2)}, 101, false, true},
        ParseCase{L"3 /h23 /m59 /s59", L"", {Sel(3), Pick(P::ppHour, 23), Pick(P::ppMinute, 59), Pick(P::ppSecond, 59)}, 101, false, true},
        // Time options alone change the picker and start nothing.
        ParseCase{L"/m5", L"", {Pick(P::ppMinute, 5)}, 1, false, false},
        // A negative value is accepted and changes nothing.
        ParseCase{L"/m-5", L"", {}, 1, false, false},
        ParseCase{L"/s+7 1", L"", {Pick(P::ppSecond, 7), Sel(1)}, 101, false, true},
        ParseCase{L"4", L"calc.exe", {Sel(4)}, 104, false, true},
        ParseCase{L"4", L"   ", {Sel(4)}, 104, false, true},
        ParseCase{L"4notepad.exe", L"", {Sel(4, L"notepad.exe")}, 104, false, true},
        ParseCase{L"\"4my program\"", L"", {Sel(4, L"my program")}, 104, false, true},
        ParseCase{L"4??", L"", {Sel(4, L"??")}, 104, false, true},
        ParseCase{L"instance2 3", L"", {Sel(3)}, 101, false, true},
        ParseCase{L"1 instance12", L"", {Sel(1)}, 101, false, true}));

INSTANTIATE_TEST_SUITE_P(
    Errors, CommandLineTest,
    testing::Values(
        // Mutually exclusive parameters report and reading goes on.
        ParseCase{L"/m30 2", L"", {Pick(P::ppMinute, 30), Log(L"Error command line - 2 expect=1"), Msg(M::cmsMutuallyExclusive), Sel(2)}, 101, true, false},
        ParseCase{L"1 2", L"", {Sel(1), Log(L"Error command line - 2 expect=101"), Msg(M::cmsMutuallyExclusive), Sel(2)}, 101, true, false},
        ParseCase{L"4notepad.exe /m5", L"", {Sel(4, L"notepad.exe"), Log(L"Error command line - m expect=104"), Msg(M::cmsMutuallyExclusive), Pick(P::ppMinute, 5)}, 104, true, false},
        ParseCase{L"/h1 4calc", L"", {Pick(P::ppHour, 1), Log(L"Error command line - 4 expect=1"), Msg(M::cmsMutuallyExclusive), Sel(4, L"calc")}, 104, true, false},
        ParseCase{L"4calc 1", L"", {Sel(4, L"calc"), Log(L"Error command line - 1 expect=104"), Msg(M::cmsMutuallyExclusive), Sel(1)}, 101, true, false},
        // A name given earlier makes a later bare 4 a second trigger.
        ParseCase{L"4abc 4", L"", {Sel(4, L"abc"), Log(L"Error command line - 4 expect=104"), Msg(M::cmsMutuallyExclusive), Sel(4)}, 104, true, false},
        ParseCase{L"1 2 3", L"", {Sel(1), Log(L"Error command line - 2 expect=101"), Msg(M::cmsMutuallyExclusive), Sel(2), Log(L"Error command line - 3 expect=101"), Msg(M::cmsMutuallyExclusive), Sel(3)}, 101, true, false},
        ParseCase{L"1 2 x 3", L"", {Sel(1), Log(L"Error command line - 2 expect=101"), Msg(M::cmsMutuallyExclusive), Sel(2), Log(L"Error command line - Uknown param x"), Msg(M::cmsUnknownParam)}, 101, true, false},
        // Values out of range stop the reading; 24 hours is out of range too.
        ParseCase{L"/m75", L"", {Log(L"Error command line - Uknown param 75;"), Msg(M::cmsUnknownParam)}, 1, true, false},
        ParseCase{L"/s60 1", L"", {Log(L"Error command line - Uknown param 60;"), Msg(M::cmsUnknownParam)}, 1, true, false},
        ParseCase{L"/h30", L"", {Log(L"Error command line - Uknown param 30;"), Msg(M::cmsUnknownParam)}, 1, true, false},
        ParseCase{L"/h24", L"", {Log(L"Error command line - Uknown param 24;"), Msg(M::cmsUnknownParam)}, 1, true, false},
        ParseCase{L"1 -h24 /m5", L"", {Sel(1), Log(L"Error command line - Uknown param 24;"), Msg(M::cmsUnknownParam)}, 101, true, false},
        ParseCase{L"/mx", L"", {Log(L"Error command line - Uknown param x;"), Msg(M::cmsUnknownParam)}, 1, true, false},
        ParseCase{L"/h99999999999", L"", {Log(L"Error command line - Uknown param 99999999999;"), Msg(M::cmsUnknownParam)}, 1, true, false},
        ParseCase{L"/m- 1", L"", {Log(L"Error command line - Uknown param -;"), Msg(M::cmsUnknownParam)}, 1, true, false},
        // Unknown parameters stop the reading.
        ParseCase{L"5", L"", {Log(L"Error command line - Uknown param 5"), Msg(M::cmsUnknownParam)}, 0, true, false},
        ParseCase{L"5 1", L"", {Log(L"Error command line - Uknown param 5"), Msg(M::cmsUnknownParam)}, 0, true, false},
        ParseCase{L"/h", L"", {Log(L"Error command line - Uknown param /h"), Msg(M::cmsUnknownParam)}, 0, true, false},
        ParseCase{L"/x5", L"", {Log(L"Error command line - Uknown param /x5"), Msg(M::cmsUnknownParam)}, 0, true, false},
        ParseCase{L"11", L"", {Log(L"Error command line - Uknown param 11"), Msg(M::cmsUnknownParam)}, 0, true, false},
        ParseCase{L"setup x", L"", {Log(L"Error command line - Uknown param setup"), Msg(M::cmsUnknownParam)}, 0, true, false},
        ParseCase{L"instance", L"", {Log(L"Error command line - Uknown param instance"), Msg(M::cmsUnknownParam)}, 0, true, false},
        ParseCase{L"instance123 1", L"", {Log(L"Error command line - Uknown param instance123"), Msg(M::cmsUnknownParam)}, 0, true, false},
        ParseCase{L"instancex", L"", {Log(L"Error command line - Uknown param instancex"), Msg(M::cmsUnknownParam)}, 0, true, false},
        // The program trigger without a usable name: message first, then the log line.
        ParseCase{L"4", L"", {Msg(M::cmsNoProgramName), Log(L"Error command line - Uknown program name.")}, 0, true, false},
        ParseCase{L"4 1", L"?", {Msg(M::cmsNoProgramName), Log(L"Error command line - Uknown program name.")}, 0, true, false},
        ParseCase{L"4?", L"calc.exe", {Msg(M::cmsNoProgramName), Log(L"Error command line - Uknown program name.")}, 0, true, false},
        ParseCase{L"1 4", L"", {Sel(1), Msg(M::cmsNoProgramName), Log(L"Error command line - Uknown program name.")}, 101, true, false}));

TEST(CommandLine, TokenListReadsLikeTheLine) {
  const std::vector<std::wstring> params{L"/m30", L"1"};
  const TCmdLineResult fromList = ParseCommandLine(params, L"");
  const TCmdLineResult fromLine = ParseCommandLine(std::wstring_view(L"vorda.exe /m30 1"), L"");
  EXPECT_EQ(fromList.steps, fromLine.steps);
  EXPECT_TRUE(fromList.start);
}

TEST(CommandLine, LogLineListsEveryParameterWithABlank) {
  EXPECT_EQ(CommandLineLogLine(2, {L"C:\\Vorda\\Vorda.exe", L"1", L"/m5"}),
            L"Command line (2): C:\\Vorda\\Vorda.exe 1 /m5 ");
  EXPECT_EQ(CommandLineLogLine(0, {L"vorda.exe"}), L"Command line (0): vorda.exe ");
}

struct PickerCase {
  int value;
  P part;
  time::TTime expected;
};

class CommandLinePickerTest : public testing::TestWithParam<PickerCase> {};

TEST_P(CommandLinePickerTest, ReplacesOnlyItsPartAndKeepsTheDate) {
  const time::TDate date{2008, 1, 1};
  const auto picker = *time::EncodeDateTime(date, {1, 2, 3, 4});
  const auto parts = time::DecodeDateTime(SetPickerTimePart(picker, GetParam().value, GetParam().part));
  ASSERT_TRUE(parts);
  EXPECT_EQ(parts->date, date);
  EXPECT_EQ(parts->time, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CommandLinePickerTest,
    testing::Values(PickerCase{5, P::ppHour, {5, 2, 3, 4}}, PickerCase{23, P::ppHour, {23, 2, 3, 4}},
                    PickerCase{0, P::ppMinute, {1, 0, 3, 4}}, PickerCase{59, P::ppSecond, {1, 2, 59, 4}},
                    // Ignored values leave the picker as it was.
                    PickerCase{-1, P::ppHour, {1, 2, 3, 4}}, PickerCase{24, P::ppHour, {1, 2, 3, 4}},
                    PickerCase{60, P::ppMinute, {1, 2, 3, 4}}, PickerCase{60, P::ppSecond, {1, 2, 3, 4}}));

TEST(CommandLinePicker, WorksBeforeTheEpochAndLeavesAnInvalidValue) {
  const auto picker = *time::EncodeDateTime({1899, 12, 29}, {6, 0, 0, 0});
  const auto parts = time::DecodeDateTime(SetPickerTimePart(picker, 10, P::ppMinute));
  ASSERT_TRUE(parts);
  EXPECT_EQ(parts->date, (time::TDate{1899, 12, 29}));
  EXPECT_EQ(parts->time, (time::TTime{6, 10, 0, 0}));
  EXPECT_EQ(SetPickerTimePart(1e12, 5, P::ppHour), 1e12);
}

}  // namespace
}  // namespace vorda::cmdline
