#include "core/monitor/AppCloseWatch.h"

#include <gtest/gtest.h>

#include <cwctype>

#include "core/monitor/ShShared.h"

namespace vorda::monitor {
namespace {

using programs::TSpecPrg;
using programs::TWhoIsClosed;
using programs::wicMainWindow;
using programs::wicProgramName;
using programs::wicWindowClass;

std::wstring Upper(std::wstring_view text) {
  std::wstring out(text);
  for (wchar_t& ch : out) ch = static_cast<wchar_t>(std::towupper(ch));
  return out;
}

const programs::TSpecPrgTable kTable = {
    {L"Program do obsługi tunera TV PixelView", L"PV878TVCLASS", L"ACTIVEMOVIE WINDOW", L"", {L"PixelView TV"}},
    {L"Odtwarzacz", L"PLAYERCLASS", L"PLAYER VIDEO", L"VIDEOCLASS", {}},
    {L"Radio", L"RADIOCLASS", L"", L"RADIOVIEW", {}},
};
const std::vector<std::wstring> kEntries = {L"Notatnik", L"aKO>>b"};

struct ParseCase {
  const wchar_t* text;
  TWhoIsClosed type;
  const wchar_t* hookPrg;
  const wchar_t* hookClass;
  const wchar_t* display;
  bool special;
  bool windowClassDescription;
};

class ParseWatchedProgramTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseWatchedProgramTest, TurnsTheEntryIntoAWatch) {
  const ParseCase& c = GetParam();
  const auto watch = ParseWatchedProgram(c.text, kEntries, kTable, Upper);
  ASSERT_TRUE(watch.has_value()) << c.text;
  EXPECT_EQ(watch->monType, c.type);
  EXPECT_EQ(watch->hookPrg, c.hookPrg);
  EXPECT_EQ(watch->hookClass, c.hookClass);
  EXPECT_EQ(watch->display, c.display);
  EXPECT_EQ(watch->special, c.special);
  EXPECT_EQ(watch->windowClassDescription, c.windowClassDescription);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, ParseWatchedProgramTest,
    ::testing::Values(
        ParseCase{L"Bez tytułu - Notatnik", wicProgramName, L"BEZ TYTUłU - NOTATNIK", L"", L"Bez tytułu - Notatnik",
                  false, false},
        ParseCase{L"KO>>Notepad", wicWindowClass, L"NOTEPAD", L"", L"Notepad", false, true},
        ParseCase{L"Saper KO>>Minesweeper", wicMainWindow, L"SAPER ", L"Minesweeper", L"Saper  (Minesweeper)", false,
                  false},
        ParseCase{L"?KO>>Minesweeper", wicMainWindow, L"?", L"Minesweeper", L"Minesweeper", false, true},
        // The marker at the second place of a listed title is part of the title.
        ParseCase{L"AKO>>B", wicProgramName, L"AKO>>B", L"", L"AKO>>B", false, false},
        ParseCase{L"xKO>>B", wicMainWindow, L"X", L"B", L"x (B)", false, false},
        // Special programs: by class, by class and title (class compared with
        // case), and by a learned title in any case.
        ParseCase{L"KO>>pv878tvclass", wicProgramName, L"ACTIVEMOVIE WINDOW", L"",
                  L"Program do obsługi tunera TV PixelView", true, false},
        ParseCase{L"?KO>>PLAYERCLASS", wicMainWindow, L"PLAYER VIDEO", L"VIDEOCLASS", L"Odtwarzacz", true, false},
        ParseCase{L"?KO>>playerclass", wicMainWindow, L"?", L"playerclass", L"playerclass", false, true},
        ParseCase{L"pixelview tv", wicProgramName, L"ACTIVEMOVIE WINDOW", L"",
                  L"Program do obsługi tunera TV PixelView", true, false},
        ParseCase{L"KO>>RADIOCLASS", wicWindowClass, L"RADIOVIEW", L"", L"Radio", true, false}));

TEST(ParseWatchedProgram, RefusesTextsThatNameNoProgram) {
  for (const wchar_t* text : {L"", L"   ", L"KO>>", L"?KO>>", L"KO>>   "})
    EXPECT_FALSE(ParseWatchedProgram(text, kEntries, kTable, Upper).has_value()) << text;
}

struct MatchCase {
  const wchar_t* closed;
  const wchar_t* hookPrg;
  bool exact;
  bool closes;
};

class ClosedMatchTest : public ::testing::TestWithParam<MatchCase> {};

TEST_P(ClosedMatchTest, MatchesWholeOrPartialNames) {
  const MatchCase& c = GetParam();
  EXPECT_EQ(IsWatchedProgramClosed(c.closed, c.hookPrg, c.exact), c.closes) << c.closed << L" / " << c.hookPrg;
}

INSTANTIATE_TEST_SUITE_P(Names, ClosedMatchTest,
                         ::testing::Values(MatchCase{L"NOTATNIK", L"NOTATNIK", true, true},
                                           MatchCase{L"NOTATNIK", L"NOTATNIK", false, true},
                                           MatchCase{L"BEZ TYTUŁU - NOTATNIK", L"NOTATNIK", false, true},
                                           MatchCase{L"BEZ TYTUŁU - NOTATNIK", L"NOTATNIK", true, false},
                                           MatchCase{L"NOTAT", L"NOTATNIK", false, false},
                                           MatchCase{L"COKOLWIEK", L"", false, false},
                                           MatchCase{L"", L"", true, true}));

TEST(LastClosed, ShowsTitleAndClassOrTheName) {
  EXPECT_EQ(LastClosedText(wicWindowClass, L"Saper", L"MINESWEEPER"), L"Saper (MINESWEEPER)");
  EXPECT_EQ(LastClosedText(wicWindowClass, L"", L"MINESWEEPER"), L"");
  EXPECT_EQ(LastClosedText(wicProgramName, L"stary", L"SAPER"), L"SAPER");
  EXPECT_TRUE(LastClosedVisible(false, L"SAPER"));
  EXPECT_FALSE(LastClosedVisible(true, L"SAPER"));
  EXPECT_FALSE(LastClosedVisible(false, L""));
}

TEST(HookMode, InnerWindowsThroughTheCbtHook) {
  EXPECT_EQ(AppClosedHookMode(true).kind, kHookCbt);
  EXPECT_EQ(AppClosedHookMode(true).code, kCodeCbtDestroyWnd);
  EXPECT_EQ(AppClosedHookMode(false).kind, kHookShell);
  EXPECT_EQ(AppClosedHookMode(false).code, kCodeShellWindowDestroyed);
  EXPECT_TRUE(IsPollingWatch(wicMainWindow));
  EXPECT_FALSE(IsPollingWatch(wicProgramName));
}

TEST(PollStep, ClosedOnlyAfterTheWindowWasSeen) {
  bool seen = false;
  const bool found[] = {false, false, true, true, false};
  const bool closed[] = {false, false, false, false, true};
  for (std::size_t i = 0; i < std::size(found); ++i) EXPECT_EQ(PollStep(seen, found[i]), closed[i]) << i;
}

struct GraceCase {
  std::int32_t seconds;
  int minutes;
  int rest;
};
class GracePeriodTest : public ::testing::TestWithParam<GraceCase> {};

TEST_P(GracePeriodTest, IsThatManySeconds) {
  const GraceCase& c = GetParam();
  EXPECT_EQ(GracePeriod(c.seconds), time::EncodeTime(0, c.minutes, c.rest, 0).value());
}

INSTANTIATE_TEST_SUITE_P(Seconds, GracePeriodTest,
                         ::testing::Values(GraceCase{0, 0, 0}, GraceCase{59, 0, 59}, GraceCase{75, 1, 15},
                                           GraceCase{119, 1, 59}, GraceCase{120, 2, 0}, GraceCase{128, 2, 8},
                                           GraceCase{-5, 0, 0}));

}  // namespace
}  // namespace vorda::monitor
