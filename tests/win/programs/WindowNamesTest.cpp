#include "win/programs/WindowNames.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/programs/SpecPrgStore.h"
#include "win/programs/SpecPrograms.h"
#include "win/registry/Win32Registry.h"

namespace vorda::win {
namespace {

// A top-level window of a class of its own, destroyed with the object.
class TScratchWindow {
 public:
  TScratchWindow(const std::wstring& className, const std::wstring& title, DWORD exStyle = 0, HWND owner = nullptr)
      : className_(className) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = ::DefWindowProcW;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = className_.c_str();
    ::RegisterClassW(&wc);
    hwnd_ = ::CreateWindowExW(exStyle, className_.c_str(), title.c_str(), WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200,
                              100, owner, nullptr, wc.hInstance, nullptr);
  }
  ~TScratchWindow() {
    if (hwnd_) ::DestroyWindow(hwnd_);
    ::UnregisterClassW(className_.c_str(), ::GetModuleHandleW(nullptr));
  }
  HWND Get() const noexcept { return hwnd_; }

 private:
  std::wstring className_;
  HWND hwnd_ = nullptr;
};

// Titles of this process's own, so that test processes running side by side do not meet.
std::wstring Own(const std::wstring& title) { return title + L" " + std::to_wstring(::GetCurrentProcessId()); }

const programs::TTopWindow* Find(const std::vector<programs::TTopWindow>& windows, const std::wstring& title) {
  const auto at = std::find_if(windows.begin(), windows.end(), [&](const auto& w) { return w.title == title; });
  return at == windows.end() ? nullptr : &*at;
}

TEST(WindowNames, ClassNamesAreCutTo63AndTitlesKeptWhole) {
  const std::wstring longClass(70, L'K');
  const std::wstring longTitle(300, L'T');
  TScratchWindow w(longClass, longTitle);
  ASSERT_NE(w.Get(), nullptr);
  EXPECT_EQ(GetWindowClass(w.Get()), longClass.substr(0, 63));
  EXPECT_EQ(GetWindowTitle(w.Get()), longTitle);
}

TEST(WindowNames, TheEnumerationMarksOwnToolAndOwnedWindows) {
  TScratchWindow main(L"VordaTestMain", Own(L"Vorda test main"));
  TScratchWindow other(L"VordaTestOther", Own(L"Vorda test other"));
  TScratchWindow tool(L"VordaTestTool", Own(L"Vorda test tool"), WS_EX_TOOLWINDOW);
  TScratchWindow owned(L"VordaTestOwned", Own(L"Vorda test owned"), 0, other.Get());
  const auto windows = TopLevelWindows(main.Get());

  const auto* own = Find(windows, Own(L"Vorda test main"));
  ASSERT_NE(own, nullptr);
  EXPECT_TRUE(own->ownWindow);
  const auto* listed = Find(windows, Own(L"Vorda test other"));
  ASSERT_NE(listed, nullptr);
  EXPECT_FALSE(listed->ownWindow);
  EXPECT_EQ(listed->className, L"VordaTestOther");
  EXPECT_TRUE(IsIgnoredWindow(main.Get(), main.Get(), L"VordaTestMain", Own(L"Vorda test main")));
  EXPECT_FALSE(IsIgnoredWindow(other.Get(), main.Get(), L"VordaTestOther", Own(L"Vorda test other")));
  // Tool windows and owned windows never reach the lists.
  EXPECT_EQ(Find(windows, Own(L"Vorda test tool")), nullptr);
  EXPECT_EQ(Find(windows, Own(L"Vorda test owned")), nullptr);
}

TEST(WindowNames, TheCloseProgramListNamesKnownPlayers) {
  TScratchWindow main(L"VordaTestMain", Own(L"Vorda test main"));
  TScratchWindow player(L"Winamp v1.x", L"1. Utwór - Winamp");
  TScratchWindow other(L"VordaTestOther", Own(L"Vorda test other"));
  const auto plain = CloseAppListItems(main.Get(), false, false);
  EXPECT_NE(std::find(plain.begin(), plain.end(), L"Winamp"), plain.end());
  EXPECT_NE(std::find(plain.begin(), plain.end(), Own(L"Vorda test other")), plain.end());
  EXPECT_EQ(std::find(plain.begin(), plain.end(), Own(L"Vorda test main")), plain.end());
  const auto exact = CloseAppListItems(main.Get(), true, true);
  EXPECT_NE(std::find(exact.begin(), exact.end(), L"KO>>Winamp v1.x"), exact.end());
  EXPECT_NE(std::find(exact.begin(), exact.end(), Own(L"Vorda test other") + L"KO>>VordaTestOther"), exact.end());
}

TEST(WindowNames, UpperCaseFollowsTheLocale) { EXPECT_EQ(UpperCaseName(L"zażółć gęślą"), L"ZAŻÓŁĆ GĘŚLĄ"); }

TEST(SpecPrograms, TheBuiltInTableLoadsBack) {
  ASSERT_TRUE(WriteBuiltInSpecPrograms());
  programs::TSpecPrgTable table;
  ASSERT_EQ(programs::LoadSpecPrograms(Win32Registry(), table, ProgramUpperCase()), programs::sleNone);
  ASSERT_EQ(table.size(), 5u);
  for (const programs::TSpecPrg& row : table) {
    EXPECT_EQ(row.mon_prg, L"ACTIVEMOVIE WINDOW") << row.szukana_klasa;
    EXPECT_EQ(row.mon_class, L"");
    EXPECT_EQ(row.widoczna_nazwa.rfind(L"Program do obsługi tunera ", 0), 0u) << row.szukana_klasa;
  }
  const auto ivcap = std::find_if(table.begin(), table.end(), [](const auto& r) { return r.szukana_klasa == L"IVCAP"; });
  ASSERT_NE(ivcap, table.end());
  EXPECT_EQ(ivcap->widoczna_nazwa, L"Program do obsługi tunera TV/FM PixelView");
}

}  // namespace
}  // namespace vorda::win
