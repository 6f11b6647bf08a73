#include "core/programs/ProgramList.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "Upper.h"

namespace vorda::programs {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;

TTopWindow Win(std::wstring title, std::wstring cls) { return TTopWindow{std::move(title), std::move(cls)}; }

struct IgnoreCase {
  bool own;
  const wchar_t* cls;
  const wchar_t* title;
  bool ignored;
};

class Ignored : public testing::TestWithParam<IgnoreCase> {};

TEST_P(Ignored, LeavesOutOwnDesktopUntitledAndDwmWindows) {
  const IgnoreCase c = GetParam();
  EXPECT_EQ(IsIgnoredWindow(c.own, c.cls, c.title, kUpper), c.ignored) << c.cls << " / " << c.title;
}

INSTANTIATE_TEST_SUITE_P(Cases, Ignored,
                         testing::Values(IgnoreCase{true, L"TVordaForm", L"Vorda", true},
                                         IgnoreCase{false, L"Progman", L"Program Manager", true},
                                         IgnoreCase{false, L"PROGMAN", L"x", true},
                                         IgnoreCase{false, L"Notepad", L"", true},
                                         IgnoreCase{false, L"Notepad", L" ", true},
                                         IgnoreCase{false, L"Notepad", L"  ", false},
                                         IgnoreCase{false, L"Dwm", L"DWM Notification Window", true},
                                         IgnoreCase{false, L"DWM", L"x", false},
                                         IgnoreCase{false, L"Notepad", L"Bez tytułu - Notatnik", false}));

// The windows of one enumeration, in z-order.
std::vector<TTopWindow> Desktop() {
  std::vector<TTopWindow> w = {Win(L"Zeta - Notatnik", L"Notepad"), Win(L"Alfa", L"AlfaClass"),
                               Win(L"Beta - Notatnik", L"Notepad"), Win(L"Program Manager", L"Progman"),
                               Win(L"", L"Hidden"),                 Win(L"Vorda", L"TVordaForm"),
                               Win(L"Narzędzie", L"Tool"),          Win(L"alfa", L"Other")};
  w[5].ownWindow = true;
  w[6].appWindow = false;
  return w;
}

struct Listing {
  std::vector<std::wstring> items;
  std::vector<std::pair<std::wstring, std::wstring>> learned;
  bool sorted;
};

Listing List(bool showClasses, const std::vector<TTopWindow>& windows) {
  Listing out;
  TMonitoredAppList list(showClasses, kUpper,
                         [&](const std::wstring& cls, const std::wstring& title) { out.learned.emplace_back(cls, title); });
  for (const TTopWindow& w : windows) EXPECT_TRUE(list.MonitoredAppEnumProc(w));
  out.items = list.Items();
  out.sorted = list.Sorted();
  return out;
}

TEST(MonitoredAppList, WithoutClassesIsSortedAndHoldsTitlesOnce) {
  const Listing l = List(false, Desktop());
  EXPECT_TRUE(l.sorted);
  // "alfa" is "Alfa" in another case: listed once.
  EXPECT_THAT(l.items, ElementsAre(L"Alfa", L"Beta - Notatnik", L"Zeta - Notatnik"));
}

TEST(MonitoredAppList, WithClassesKeepsWindowOrderAndPutsTheClassAfterItsTitle) {
  const Listing l = List(true, Desktop());
  EXPECT_FALSE(l.sorted);
  // The second Notepad window is not listed by its title: its class already is.
  EXPECT_THAT(l.items, ElementsAre(L"Zeta - Notatnik", L"KO>>Notepad", L"Alfa", L"KO>>AlfaClass"));
}

TEST(MonitoredAppList, AWindowWithoutClassIsListedByTitleOnly) {
  const Listing l = List(true, {Win(L"Bez klasy", L""), Win(L"Drugi", L"")});
  EXPECT_THAT(l.items, ElementsAre(L"Bez klasy", L"Drugi"));
}

TEST(MonitoredAppList, EveryWindowThatIsNotLeftOutIsOfferedForLearning) {
  const Listing l = List(true, Desktop());
  using P = std::pair<std::wstring, std::wstring>;
  EXPECT_THAT(l.learned, ElementsAre(P{L"Notepad", L"Zeta - Notatnik"}, P{L"AlfaClass", L"Alfa"},
                                     P{L"Notepad", L"Beta - Notatnik"}, P{L"Other", L"alfa"}));
}

TEST(MonitoredAppList, NoWindowsNoEntries) { EXPECT_THAT(List(false, {}).items, IsEmpty()); }

struct CloseCase {
  const wchar_t* title;
  const wchar_t* cls;
  bool showClasses;
  bool exact;
  const wchar_t* entry;
};

class CloseEntry : public testing::TestWithParam<CloseCase> {};

TEST_P(CloseEntry, KnownPlayersByNameOthersByTitleAndClass) {
  const CloseCase c = GetParam();
  EXPECT_EQ(CloseAppEntry(c.title, c.cls, c.showClasses, c.exact, kUpper), c.entry);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CloseEntry,
    testing::Values(CloseCase{L"Muzyka", L"{DA7CD0DE-1602-45E6-89A1-C2CA151E008E}", true, false, L"foobar2000"},
                    CloseCase{L"Muzyka", L"{da7cd0de-1602-45e6-89a1-c2ca151e008e}", false, true,
                              L"KO>>{da7cd0de-1602-45e6-89a1-c2ca151e008e}"},
                    CloseCase{L"x", L"foobar2000_class", false, false, L"foobar2000"},
                    CloseCase{L"x", L"Foobar2000_Class", false, true, L"KO>>Foobar2000_Class"},
                    CloseCase{L"1. Song", L"Winamp v1.x", true, false, L"Winamp"},
                    CloseCase{L"1. Song", L"Winamp v1.x", true, true, L"KO>>Winamp v1.x"},
                    CloseCase{L"Studio", L"studio", false, false, L"KO>>STUDIO"},
                    CloseCase{L"Studio", L"studio", true, true, L"KO>>STUDIO"},
                    CloseCase{L"Notatnik", L"Notepad", false, false, L"Notatnik"},
                    CloseCase{L"Notatnik", L"Notepad", true, false, L"NotatnikKO>>Notepad"},
                    CloseCase{L"Notatnik", L"", true, false, L"Notatnik"}));

TEST(CloseAppList, AddsEachEntryOnceAndLeavesOutIgnoredWindows) {
  TCloseAppList list(false, false, kUpper);
  for (const TTopWindow& w : Desktop()) EXPECT_TRUE(list.CloseAppEnumProc(w));
  list.CloseAppEnumProc(Win(L"Odtwarzacz", L"Winamp v1.x"));
  list.CloseAppEnumProc(Win(L"Inny utwór", L"WINAMP V1.X"));
  EXPECT_THAT(list.Items(), ElementsAre(L"Zeta - Notatnik", L"Alfa", L"Beta - Notatnik", L"Winamp"));
}

}  // namespace
}  // namespace vorda::programs
