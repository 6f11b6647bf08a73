#include "win/system/TaskbarProgress.h"

#include <gtest/gtest.h>

#include "win/system/SystemInfo.h"
#include "win/util/ComPtr.h"

namespace vorda::win {
namespace {

class TaskbarProgressTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window_ = ::CreateWindowExW(WS_EX_APPWINDOW, L"STATIC", L"Vorda taskbar test", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0,
                                0, 200, 100, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window_, nullptr);
  }
  void TearDown() override { ::DestroyWindow(window_); }

  ComScope com_;
  HWND window_ = nullptr;
};

TEST_F(TaskbarProgressTest, TheButtonMessageIsTheRegisteredOne) {
  const UINT message = RegisterTaskbarButtonCreated(window_);
  EXPECT_NE(message, 0u);
  EXPECT_EQ(message, ::RegisterWindowMessageW(L"TaskbarButtonCreated"));
}

TEST_F(TaskbarProgressTest, TheShellTakesStatesAndValuesForTheWindow) {
  ASSERT_TRUE(IsWin7OrLater());  // the bench reports Windows 7
  auto progress = CreateTaskbarProgress(window_);
  ASSERT_NE(progress, nullptr);
  EXPECT_TRUE(progress->SetProgressState(actions::TProgressState::tpsIndeterminate));
  EXPECT_TRUE(progress->SetProgressValue(10, 2700));
  EXPECT_TRUE(progress->SetProgressState(actions::TProgressState::tpsNoProgress));
}

}  // namespace
}  // namespace vorda::win
