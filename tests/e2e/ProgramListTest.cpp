#include <gtest/gtest.h>

#include <algorithm>

#include "support/Driver.h"

namespace vorda::test {
namespace {

const std::wstring kVorda = VORDA_EXE;
const std::wstring kKey = L"SOFTWARE\\Marobel\\Vorda";
constexpr auto kTimeout = 30s;

std::vector<std::wstring> ComboItems(HWND combo) {
  std::vector<std::wstring> items;
  const LRESULT count = ::SendMessageW(combo, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    const LRESULT length = ::SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
    std::wstring text(static_cast<std::size_t>(std::max<LRESULT>(length, 0)) + 1, L'\0');
    ::SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(std::max<LRESULT>(length, 0)));
    items.push_back(text);
  }
  return items;
}

std::ptrdiff_t IndexOf(const std::vector<std::wstring>& items, const std::wstring& item) {
  const auto at = std::find(items.begin(), items.end(), item);
  return at == items.end() ? -1 : at - items.begin();
}

// Two of Wine's own programs stand for the running programs.
class ProgramList : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(notepad.Start(L"C:\\windows\\system32\\notepad.exe", L""));
    ASSERT_TRUE(mine.Start(L"C:\\windows\\system32\\winemine.exe", L""));
    HWND n = notepad.WaitForWindow(L"", kTimeout);
    HWND m = mine.WaitForWindow(L"", kTimeout);
    ASSERT_NE(n, nullptr);
    ASSERT_NE(m, nullptr);
    notepadTitle = WindowText(n);
    notepadClass = ClassOf(n);
    mineTitle = WindowText(m);
    mineClass = ClassOf(m);
  }
  void TearDown() override { DeleteRegValue(HKEY_CURRENT_USER, kKey, L"ShowClassNames"); }

  // The list as the program-closed trigger shows it once chosen.
  std::vector<std::wstring> Listed(bool classes) {
    EXPECT_TRUE(SetRegDword(HKEY_CURRENT_USER, kKey, L"ShowClassNames", classes ? 1 : 0));
    TProcess vorda;
    EXPECT_TRUE(vorda.Start(kVorda, L""));
    HWND form = vorda.WaitForWindow(L"TVordaForm", kTimeout);
    if (!form) return {};
    HWND radio = nullptr, combo = nullptr;
    for (HWND child : Children(form)) {
      if (WindowText(child) == L"Gdy podany program zostanie zamknięty") radio = child;
      if (ClassOf(child) == L"ComboBox") combo = child;
    }
    EXPECT_NE(radio, nullptr);
    EXPECT_NE(combo, nullptr);
    Click(radio);
    std::vector<std::wstring> items;
    WaitUntil([&] { return !(items = ComboItems(combo)).empty(); }, kTimeout);
    if (classes) {
      ::SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
      ::Sleep(300);
      CaptureScreen(TestExeFolder() + L"program-list.bmp");
    }
    ::PostMessageW(form, WM_CLOSE, 0, 0);
    vorda.WaitForExit(kTimeout);
    return items;
  }

  TProcess notepad, mine;
  std::wstring notepadTitle, notepadClass, mineTitle, mineClass;
};

TEST_F(ProgramList, ListsRunningProgramsSortedWithoutClassesAndWithTheirClassesOtherwise) {
  const std::vector<std::wstring> plain = Listed(false);
  EXPECT_TRUE(std::is_sorted(plain.begin(), plain.end(), [](const std::wstring& a, const std::wstring& b) {
    return ::CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.c_str(), -1, b.c_str(), -1) == CSTR_LESS_THAN;
  }));
  EXPECT_NE(IndexOf(plain, notepadTitle), -1);
  EXPECT_NE(IndexOf(plain, mineTitle), -1);
  EXPECT_EQ(IndexOf(plain, L"Vorda"), -1);  // never its own window
  for (const std::wstring& item : plain) EXPECT_EQ(item.find(L"KO>>"), std::wstring::npos) << item;

  const std::vector<std::wstring> classes = Listed(true);
  const auto n = IndexOf(classes, notepadTitle);
  const auto m = IndexOf(classes, mineTitle);
  ASSERT_NE(n, -1);
  ASSERT_NE(m, -1);
  EXPECT_EQ(IndexOf(classes, L"KO>>" + notepadClass), n + 1);
  EXPECT_EQ(IndexOf(classes, L"KO>>" + mineClass), m + 1);
  EXPECT_EQ(IndexOf(classes, L"Vorda"), -1);
}

}  // namespace
}  // namespace vorda::test
