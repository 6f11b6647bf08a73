#include <gtest/gtest.h>

#include "HarmlessAction.h"

namespace vorda::test {
namespace {

// The label above the triggers names the final action.
std::wstring MainEventCaption(HWND form) {
  for (HWND child : Children(form)) {
    const std::wstring text = WindowText(child);
    if (::IsWindowVisible(child) && ClassOf(child) == L"Static" && !text.empty() && text.back() == L':' &&
        text.find(L"program") == std::wstring::npos)
      return text;
  }
  return {};
}

class AdvancedDialog : public HarmlessActionTest {
 protected:
  void SetUp() override {
    HarmlessActionTest::SetUp();
    DeleteRegValue(HKEY_CURRENT_USER, kVordaKey, L"MainAction");  // shutdown
  }

  // Vorda's window and the dialog that F12 opens over it.
  std::pair<HWND, HWND> OpenWithF12(TProcess& vorda) {
    if (!vorda.Start(kVorda, L"")) return {};
    HWND form = vorda.WaitForWindow(L"TVordaForm", kStartTimeout);
    if (!form) return {};
    ::PostMessageW(form, WM_KEYDOWN, VK_F12, 0);
    return {form, vorda.WaitForWindow(L"TAdvencedTeskForm", kStartTimeout)};
  }
};

TEST_F(AdvancedDialog, F12OpensTheDialogAndAcceptingStoresTheAction) {
  TProcess vorda;
  const auto [form, dialog] = OpenWithF12(vorda);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(WindowText(dialog), L"Opcje zaawansowane");
  EXPECT_EQ(MainEventCaption(form), L"Wyłącz komputer:");

  HWND hibernation = VisibleChild(dialog, L"Button", L"Wprowadź komputer w stan &hibernacji");
  ASSERT_NE(hibernation, nullptr);
  Click(hibernation);
  // The label follows the choice at once, before it is accepted.
  EXPECT_EQ(MainEventCaption(form), L"Wprowadź komputer w stan hibernacji:");
  EXPECT_FALSE(GetRegDword(HKEY_CURRENT_USER, kVordaKey, L"MainAction").has_value());

  Click(VisibleChild(dialog, L"Button", L"&Akceptuj"));
  EXPECT_TRUE(WaitUntil([&] { return GetRegDword(HKEY_CURRENT_USER, kVordaKey, L"MainAction") == 1u; }, 5s));
  EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(dialog); }, 5s));
  EXPECT_EQ(MainEventCaption(form), L"Wprowadź komputer w stan hibernacji:");
}

TEST_F(AdvancedDialog, CancelPutsTheLabelBack) {
  TProcess vorda;
  const auto [form, dialog] = OpenWithF12(vorda);
  ASSERT_NE(dialog, nullptr);
  Click(VisibleChild(dialog, L"Button", L"Wprowadź komputer w stan &hibernacji"));
  ASSERT_EQ(MainEventCaption(form), L"Wprowadź komputer w stan hibernacji:");

  Click(VisibleChild(dialog, L"Button", L"A&nuluj"));
  EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(dialog); }, 5s));
  EXPECT_EQ(MainEventCaption(form), L"Wyłącz komputer:");
  EXPECT_FALSE(GetRegDword(HKEY_CURRENT_USER, kVordaKey, L"MainAction").has_value());
}

}  // namespace
}  // namespace vorda::test
