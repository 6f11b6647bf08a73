#include "win/actions/ProcessList.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "win/app/Application.h"
#include "win/util/UniqueHandle.h"

namespace vorda::win {
namespace {

std::wstring Upper(std::wstring text) {
  if (!text.empty()) ::CharUpperBuffW(text.data(), static_cast<DWORD>(text.size()));
  return text;
}

std::wstring FileNameOf(const std::wstring& path) { return path.substr(path.find_last_of(L"\\/") + 1); }

const TProcessInfo* FindProcess(const TAProcessInfo& list, DWORD id) {
  const auto it = std::find_if(list.begin(), list.end(), [id](const TProcessInfo& info) { return info.id == id; });
  return it == list.end() ? nullptr : &*it;
}

// A hidden top-level window of this process, destroyed at the end.
struct TOwnWindow {
  HWND hwnd = ::CreateWindowExW(0, L"STATIC", L"vorda process list", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                                nullptr, nullptr);
  ~TOwnWindow() {
    if (hwnd) ::DestroyWindow(hwnd);
  }
};

TEST(GetProcessList, HoldsThisProcessWithItsFullExecutablePath) {
  const TAProcessInfo list = GetProcessList();
  ASSERT_GT(list.size(), 1u);
  const TProcessInfo* self = FindProcess(list, ::GetCurrentProcessId());
  ASSERT_NE(self, nullptr);
  EXPECT_EQ(Upper(self->exe_path), Upper(ExePath()));
}

TEST(GetProcessList, TheSnapshotNamesTheExecutableFile) {
  const TAProcessInfo list = GetProcessListFromSnapshot();
  const TProcessInfo* self = FindProcess(list, ::GetCurrentProcessId());
  ASSERT_NE(self, nullptr);
  EXPECT_EQ(Upper(FileNameOf(self->exe_path)), Upper(FileNameOf(ExePath())));
}

TEST(GetWindowExePath, GivesTheExecutableOfTheWindowsProcess) {
  TOwnWindow window;
  ASSERT_NE(window.hwnd, nullptr);
  EXPECT_EQ(Upper(GetWindowExePath(window.hwnd)), Upper(ExePath()));
}

TEST(GetWindowExePath, IsEmptyForAWindowThatIsGone) {
  HWND gone = nullptr;
  {
    TOwnWindow window;
    gone = window.hwnd;
  }
  EXPECT_EQ(GetWindowExePath(gone), L"");
  EXPECT_EQ(GetWindowExePath(nullptr), L"");
}

TEST(GetWindowExePath, IsEmptyWithoutAProcessList) {
  TOwnWindow window;
  EXPECT_EQ(GetWindowExePath(window.hwnd, TAProcessInfo{}), L"");
}

}  // namespace
}  // namespace vorda::win
