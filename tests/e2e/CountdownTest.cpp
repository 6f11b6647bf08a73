#include <gtest/gtest.h>

#include <algorithm>

#include "HarmlessAction.h"

namespace vorda::test {
namespace {

const std::wstring& kKey = kVordaKey;
constexpr auto kTimeout = kStartTimeout;

using Countdown = HarmlessActionTest;

TEST_F(Countdown, RunsDownSecondBySecondAndEndsTheProgram) {
  ASSERT_TRUE(SetRegString(HKEY_CURRENT_USER, kKey, L"Time1", L"00:00:03.000"));
  TProcess vorda;
  ASSERT_TRUE(vorda.Start(kVorda, L""));
  HWND form = vorda.WaitForWindow(L"TVordaForm", kTimeout);
  ASSERT_NE(form, nullptr);
  HWND start = VisibleChild(form, L"Button", L"Rozpocznij");
  ASSERT_NE(start, nullptr);
  Click(start);

  HWND remaining = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (remaining = VisibleChild(form, L"TSuperLabel")) != nullptr; }, kTimeout));
  EXPECT_EQ(VisibleChild(form, L"Button", L"Rozpocznij"), nullptr);
  EXPECT_NE(VisibleChild(form, L"Button", L"Anuluj"), nullptr);

  std::vector<std::wstring> captions;
  WaitUntil(
      [&] {
        if (!vorda.Running()) return true;
        const std::wstring caption = WindowText(remaining);
        if (!caption.empty() && (captions.empty() || captions.back() != caption)) captions.push_back(caption);
        return false;
      },
      kTimeout);
  EXPECT_EQ(vorda.WaitForExit(1s), 0u);
  // The caption starts at the full duration and shows every second; the last
  // one, 0:00:00, lives only for the moment before the final action.
  if (captions.size() == 4) EXPECT_EQ(captions.back(), L"0:00:00");
  captions.resize(std::min<std::size_t>(captions.size(), 3));
  EXPECT_EQ(captions, (std::vector<std::wstring>{L"0:00:03", L"0:00:02", L"0:00:01"}));
  const std::string log = ReadFileBytes(AppDataFolder() + L"Solvane\\Vorda.log");
  EXPECT_NE(log.find(": DoFinalAction: tcmdCloseProgram\r\n"), std::string::npos);
}

TEST_F(Countdown, CancelReturnsToTheOptionsPage) {
  ASSERT_TRUE(SetRegString(HKEY_CURRENT_USER, kKey, L"Time1", L"00:01:00.000"));
  TProcess vorda;
  ASSERT_TRUE(vorda.Start(kVorda, L""));
  HWND form = vorda.WaitForWindow(L"TVordaForm", kTimeout);
  ASSERT_NE(form, nullptr);
  Click(VisibleChild(form, L"Button", L"Rozpocznij"));
  HWND remaining = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (remaining = VisibleChild(form, L"TSuperLabel")) != nullptr; }, kTimeout));
  ASSERT_TRUE(WaitUntil([&] { return WindowText(remaining) == L"0:00:59"; }, kTimeout));

  HWND cancel = VisibleChild(form, L"Button", L"Anuluj");
  ASSERT_NE(cancel, nullptr);
  Click(cancel);
  EXPECT_NE(VisibleChild(form, L"Button", L"Rozpocznij"), nullptr);
  EXPECT_EQ(VisibleChild(form, L"TSuperLabel"), nullptr);
  EXPECT_NE(VisibleChild(form, L"Button", L"Po upływie wskazanego czasu"), nullptr);
  // Nothing counts any more: the program stays.
  EXPECT_FALSE(vorda.WaitForExit(1500ms).has_value());
}

}  // namespace
}  // namespace vorda::test
