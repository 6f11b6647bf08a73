#include "controls/DateTimePicker99.h"

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

namespace vorda::controls {
namespace {

class DateTimePickerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_DATE_CLASSES};
    ASSERT_TRUE(::InitCommonControlsEx(&icc));
    parent_ = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 300, 100, nullptr, nullptr,
                                ::GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(parent_, nullptr);
    ASSERT_TRUE(picker_.Create(parent_, 8, 8, 100));
  }
  void TearDown() override {
    if (parent_) ::DestroyWindow(parent_);  // the picker goes with its parent
  }

  std::wstring Shown() const {
    wchar_t text[64] = {};
    ::GetWindowTextW(picker_.Handle(), text, 64);
    return text;
  }

  HWND parent_ = nullptr;
  TDateTimePicker99 picker_;
};

TEST_F(DateTimePickerTest, IsATimePickerOfTheCommonControls) {
  wchar_t cls[64] = {};
  ::GetClassNameW(picker_.Handle(), cls, 64);
  EXPECT_STREQ(cls, DATETIMEPICK_CLASSW);
  EXPECT_TRUE(::GetWindowLongW(picker_.Handle(), GWL_STYLE) & DTS_TIMEFORMAT);
  RECT r{};
  ::GetWindowRect(picker_.Handle(), &r);
  EXPECT_EQ(r.right - r.left, 100);
  EXPECT_EQ(::GetDlgCtrlID(picker_.Handle()), 100);
}

TEST_F(DateTimePickerTest, StartsAtMidnightOfDayZero) {
  EXPECT_EQ(picker_.Value(), 0.0);
  EXPECT_EQ(picker_.AsString(), L"00:00:00.000");
}

TEST_F(DateTimePickerTest, SetsAndReadsTheStoredTimeText) {
  for (const wchar_t* text : {L"07:05:03.004", L"23:59:59.999", L"00:02:00.000", L"13:45:30.250"}) {
    ASSERT_TRUE(picker_.SetAsString(text)) << text;
    EXPECT_EQ(picker_.AsString(), text);
  }
  ASSERT_TRUE(picker_.SetAsString(L"07:05:03.004"));
  EXPECT_EQ(picker_.Hour99(), 7);
  // A pure time of day: the date part is 0.
  EXPECT_LT(picker_.Value(), 1.0);
  EXPECT_GE(picker_.Value(), 0.0);
}

TEST_F(DateTimePickerTest, ARefusedTextLeavesTheValue) {
  ASSERT_TRUE(picker_.SetAsString(L"01:00:00.000"));
  for (const wchar_t* text : {L"25:00:00.000", L"24:00:00.000", L"1:00:00.000", L"garbage", L""}) {
    EXPECT_FALSE(picker_.SetAsString(text)) << text;
    EXPECT_EQ(picker_.AsString(), L"01:00:00.000");
  }
}

TEST_F(DateTimePickerTest, ShowsTheDurationFormat) {
  ASSERT_TRUE(picker_.SetAsString(L"07:05:03.004"));
  ASSERT_TRUE(picker_.SetFormat(TDateTimePicker99::kDurationFormat));
  EXPECT_EQ(Shown(), L"07:05:03");
  ASSERT_TRUE(picker_.SetFormat(L""));
  EXPECT_EQ(picker_.AsString(), L"07:05:03.004");  // the format does not touch the value
}

TEST_F(DateTimePickerTest, KeepsItsValueWhenResized) {
  ASSERT_TRUE(picker_.SetAsString(L"12:34:56.789"));
  picker_.SetBounds({8, 8, 160, 24});
  EXPECT_EQ(picker_.Width(), 160);
  EXPECT_EQ(picker_.AsString(), L"12:34:56.789");
}

TEST(DateTimePicker99, ClassFunctionsConvertTheStoredTimeText) {
  const auto t = TDateTimePicker99::StringToTime(L"07:05:03.004");
  ASSERT_TRUE(t);
  EXPECT_EQ(TDateTimePicker99::TimeToString(*t, 7), L"07:05:03.004");
  EXPECT_EQ(TDateTimePicker99::StringToTime(L"24:00:00.000").error, time::TTimeError::teHourTooLarge);
}

}  // namespace
}  // namespace vorda::controls
