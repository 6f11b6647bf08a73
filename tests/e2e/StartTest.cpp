#include <gtest/gtest.h>

#include <algorithm>

#include "support/Driver.h"

namespace vorda::test {
namespace {

const std::wstring kVorda = VORDA_EXE;
constexpr auto kStartTimeout = 30s;  // the first start after the bench came up is slow

TEST(Start, ShowsTheMainWindow) {
  TProcess vorda;
  ASSERT_TRUE(vorda.Start(kVorda, L""));
  HWND form = vorda.WaitForWindow(L"TVordaForm", kStartTimeout);
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(WindowText(form), L"Vorda");
  const SIZE client = ClientSize(form);
  EXPECT_EQ(client.cx, 339);
  EXPECT_EQ(client.cy, 257);
  const LONG style = ::GetWindowLongW(form, GWL_STYLE);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);

  // The options page: the final action above the five triggers, the first chosen.
  std::vector<std::wstring> texts;
  for (HWND child : Children(form))
    if (::IsWindowVisible(child)) texts.push_back(WindowText(child));
  for (const wchar_t* text : {L"Wyłącz komputer:", L"Po upływie wskazanego czasu", L"O wyznaczonej godzinie",
                              L"Gdy będzie cicho (nie będą odtwarzane żadne dźwięki)", L"Czas", L"Rozpocznij"})
    EXPECT_NE(std::find(texts.begin(), texts.end(), text), texts.end()) << text;

  ::PostMessageW(form, WM_CLOSE, 0, 0);
  EXPECT_EQ(vorda.WaitForExit(kStartTimeout), 0u);
}

TEST(Start, SecondStartOfTheSameInstanceEndsSilently) {
  TProcess first;
  ASSERT_TRUE(first.Start(kVorda, L""));
  ASSERT_NE(first.WaitForWindow(L"TVordaForm", kStartTimeout), nullptr);

  for (const wchar_t* args : {L"", L"instance1", L"INSTANCE01"}) {
    TProcess second;
    ASSERT_TRUE(second.Start(kVorda, args));
    EXPECT_EQ(second.WaitForExit(kStartTimeout), 0u) << "arguments: " << args;
    EXPECT_TRUE(second.Windows().empty());
  }
  EXPECT_TRUE(first.Running());
}

TEST(Start, AnotherInstanceNumberRunsBeside) {
  TProcess first, second;
  ASSERT_TRUE(first.Start(kVorda, L""));
  ASSERT_NE(first.WaitForWindow(L"TVordaForm", kStartTimeout), nullptr);
  ASSERT_TRUE(second.Start(kVorda, L"instance2"));
  EXPECT_NE(second.WaitForWindow(L"TVordaForm", kStartTimeout), nullptr);
  EXPECT_TRUE(first.Running());
  EXPECT_TRUE(second.Running());
}

TEST(Start, TheInstanceIsFreeAgainOnceTheOwnerEnded) {
  {
    TProcess first;
    ASSERT_TRUE(first.Start(kVorda, L""));
    ASSERT_NE(first.WaitForWindow(L"TVordaForm", kStartTimeout), nullptr);
    first.Kill();  // an owner that ends without releasing leaves the mutex abandoned
  }
  TProcess next;
  ASSERT_TRUE(next.Start(kVorda, L""));
  EXPECT_NE(next.WaitForWindow(L"TVordaForm", kStartTimeout), nullptr);
}

}  // namespace
}  // namespace vorda::test
