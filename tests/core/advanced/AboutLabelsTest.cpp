#include "core/advanced/AboutLabels.h"

#include <gtest/gtest.h>

namespace vorda::advanced {
namespace {

// Every character 10 pixels wide: 19 characters still fit, 20 do not.
int TenPerChar(std::wstring_view text) { return static_cast<int>(text.size()) * 10; }

TEST(ShortenToWidth, NarrowTextStaysWithoutHint) {
  EXPECT_EQ(ShortenToWidth(L"Elmqvara", TenPerChar), (TShortened{L"Elmqvara", L""}));
  EXPECT_EQ(ShortenToWidth(L"0123456789012345678", TenPerChar).caption, L"0123456789012345678");
}

TEST(ShortenToWidth, WideTextLosesQuartersBehindTheEllipsis) {
  const std::wstring address = L"http://www.elmqvara.example.pl/vorda";  // 36 characters
  const TShortened s = ShortenToWidth(address, TenPerChar);
  EXPECT_EQ(s.hint, address);
  // 36 -> 27 + "[...]" = 32 -> 27 -> 21 + "[...]" = 26 -> 21 -> 16 + "[...]" = 21 -> 16 -> 12 + "[...]" = 17.
  EXPECT_EQ(s.caption, L"http://www.e[...]");
  EXPECT_LT(TenPerChar(s.caption), kAboutLabelMaxWidth);
}

TEST(ShortenToWidth, ExactlyTheLimitIsTooWide) {
  const auto limit = [](std::wstring_view t) { return t == L"abcdefgh" ? 191 : 190; };
  EXPECT_EQ(ShortenToWidth(L"abcdefgh", limit), (TShortened{L"abcdef[...]", L"abcdefgh"}));
}

TEST(ShortenToWidth, ShortTextInAHugeFontEndsInsteadOfTurningRound) {
  const auto huge = [](std::wstring_view) { return 500; };
  const TShortened s = ShortenToWidth(L"abcdef", huge);
  EXPECT_FALSE(s.caption.empty());
  EXPECT_EQ(s.hint, L"abcdef");
  EXPECT_EQ(ShortenToWidth(L"abcde", huge), (TShortened{L"abcde", L""}));  // 5 characters are left alone
}

TEST(ProgramNameClick, NameToAddressAndBack) {
  const std::wstring site = L"http://www.elmqvara.example.pl/vorda";
  const auto first = ProgramNameClick(L"Elmqvara", L"", site, L"Elmqvara", TenPerChar);
  EXPECT_FALSE(first.openSite);
  EXPECT_EQ(first.shown.caption, L"http://www.e[...]");
  EXPECT_EQ(first.shown.hint, site);
  // The shortened address is known by its hint.
  const auto second = ProgramNameClick(first.shown.caption, first.shown.hint, site, L"Elmqvara", TenPerChar);
  EXPECT_TRUE(second.openSite);
  EXPECT_EQ(second.shown, (TShortened{L"Elmqvara", L""}));
  // A short address is shown whole and recognised by its caption.
  const auto shortSite = ProgramNameClick(L"Elmqvara", L"", L"http://e.pl", L"Elmqvara", TenPerChar);
  EXPECT_EQ(shortSite.shown, (TShortened{L"http://e.pl", L""}));
  EXPECT_TRUE(ProgramNameClick(L"http://e.pl", L"", L"http://e.pl", L"Elmqvara", TenPerChar).openSite);
}

TEST(CopyrightClick, AddressThenMailAndBack) {
  const auto first = CopyrightClick(L"(c) 2008-2010", L"(c) 2008-2010", L"vorda@example.pl", L"Vorda (Elmqvara)");
  EXPECT_EQ(first, (TCopyrightClick{L"", L"vorda@example.pl"}));
  const auto second = CopyrightClick(first.caption, L"(c) 2008-2010", L"vorda@example.pl", L"Vorda (Elmqvara)");
  EXPECT_EQ(second, (TCopyrightClick{L"mailto:vorda@example.pl?subject=Vorda (Elmqvara)", L"(c) 2008-2010"}));
}

TEST(HelpTopic, ByTheActiveWindowsClass) {
  EXPECT_EQ(HelpTopicFor(L"TAdvencedTeskForm"), L"Advenced");
  EXPECT_EQ(HelpTopicFor(L"TVordaForm"), L"Tesk");
  EXPECT_EQ(HelpTopicFor(L""), L"Tesk");
  EXPECT_EQ(HelpTopicFor(L"TAdvencedTeskFormX"), L"Tesk");
}

}  // namespace
}  // namespace vorda::advanced
