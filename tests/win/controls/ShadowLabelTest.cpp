#include "controls/ShadowLabel.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "TestForm.h"
#include "controls/Button.h"
#include "controls/Edit.h"

namespace vorda::controls {
namespace {

using test::BoxOf;
using test::CaptureClient;
using test::TBox;

constexpr COLORREF kBackground = test::kFormBackground;
constexpr COLORREF kText = RGB(255, 0, 0);
constexpr COLORREF kShadow = RGB(0, 0, 255);

class ShadowLabelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // The mouse stays off the windows unless a test moves it.
    ::SetCursorPos(1000, 740);
    ASSERT_NE(form_.Handle(), nullptr);
    ASSERT_TRUE(label_.Create(form_, {20, 20, 0, 0}, L"88"));
    TFontSpec font = TFontSpec::Of(nullptr);
    font.height = -40;
    font.bold = true;
    label_.SetFont(font);
    label_.SetFontColor(kText);
    label_.SetShadowColor(kShadow);
  }

  // A fixed box of 200 x 100 with the text in the middle, so that a shadow
  // in any direction stays inside.
  void Fix() {
    label_.SetAutoSize(false);
    label_.SetBounds({20, 20, 200, 100});
    label_.SetAlignment(TAlignment::taCenter);
    label_.SetLayout(TTextLayout::tlCenter);
  }

  int LineHeight() const {
    TWindowDC screen(nullptr);
    TSelectObject font(screen.Get(), label_.Font());
    TEXTMETRICW tm{};
    ::GetTextMetricsW(screen.Get(), &tm);
    return tm.tmHeight;
  }

  test::TTestForm& form_ = test::SharedForm();
  TSuperLabel label_;
};

TEST_F(ShadowLabelTest, StartsWithTheLabelDefaults) {
  TSuperLabel plain;
  ASSERT_TRUE(plain.Create(form_, {10, 200, 0, 0}));
  EXPECT_TRUE(plain.AutoSize());
  EXPECT_TRUE(plain.ShowAccelChar());
  EXPECT_FALSE(plain.ShowFocus());
  EXPECT_FALSE(plain.Transparent());
  EXPECT_FALSE(plain.WordWrap());
  EXPECT_EQ(plain.ShadowColor(), clBtnHighlight);
  EXPECT_EQ(plain.ShadowSize(), 1);
  EXPECT_EQ(plain.ShadowPos(), TShadowPosition::spLeftTop);
  EXPECT_EQ(plain.Alignment(), TAlignment::taLeftJustify);
  EXPECT_EQ(plain.Layout(), TTextLayout::tlTop);
  EXPECT_EQ(plain.FontColor(), clBtnText);
}

struct ShadowCase {
  TShadowPosition position;
  int dx;
  int dy;
};

class ShadowPositionTest : public ShadowLabelTest, public ::testing::WithParamInterface<ShadowCase> {};

// The shadow reaches s pixels beyond the text towards its corner and never
// beyond it on the other sides.
TEST_P(ShadowPositionTest, FallsTowardsItsCorner) {
  const auto [position, dx, dy] = GetParam();
  constexpr int s = 2;
  Fix();
  label_.SetShadowPos(position);
  label_.SetShadowSize(s);
  const auto capture = CaptureClient(label_.Handle());
  const TBox text = BoxOf(capture, kText);
  const TBox shadow = BoxOf(capture, kShadow);
  ASSERT_GT(text.count, 50);
  ASSERT_GT(shadow.count, 10);
  if (dx > 0) {
    EXPECT_EQ(shadow.right, text.right + s);
    EXPECT_GE(shadow.left, text.left);
  } else {
    EXPECT_EQ(shadow.left, text.left - s);
    EXPECT_LE(shadow.right, text.right);
  }
  if (dy > 0) {
    EXPECT_EQ(shadow.bottom, text.bottom + s);
    EXPECT_GE(shadow.top, text.top);
  } else {
    EXPECT_EQ(shadow.top, text.top - s);
    EXPECT_LE(shadow.bottom, text.bottom);
  }
}

INSTANTIATE_TEST_SUITE_P(FourCorners, ShadowPositionTest,
                         ::testing::Values(ShadowCase{TShadowPosition::spLeftTop, -1, -1},
                                           ShadowCase{TShadowPosition::spLeftBottom, -1, 1},
                                           ShadowCase{TShadowPosition::spRightBottom, 1, 1},
                                           ShadowCase{TShadowPosition::spRightTop, 1, -1}));

TEST_F(ShadowLabelTest, ShadowOfSizeZeroLiesUnderTheText) {
  Fix();
  label_.SetShadowSize(0);
  const auto capture = CaptureClient(label_.Handle());
  EXPECT_GT(BoxOf(capture, kText).count, 50);
  EXPECT_EQ(BoxOf(capture, kShadow).count, 0);
}

TEST_F(ShadowLabelTest, DisabledLooksEngraved) {
  Fix();
  label_.SetShadowSize(0);
  label_.SetEnabled(false);
  const auto capture = CaptureClient(label_.Handle());
  const TBox grey = BoxOf(capture, ::GetSysColor(COLOR_GRAYTEXT));
  const TBox highlight = BoxOf(capture, ::GetSysColor(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(BoxOf(capture, kText).count, 0);
  ASSERT_GT(grey.count, 50);
  ASSERT_GT(highlight.count, 10);
  // One pixel to the bottom right.
  EXPECT_EQ(highlight.right, grey.right + 1);
  EXPECT_EQ(highlight.bottom, grey.bottom + 1);
  EXPECT_GE(highlight.left, grey.left);
  EXPECT_GE(highlight.top, grey.top);
}

TEST_F(ShadowLabelTest, DisabledKeepsItsOwnShadowPlace) {
  Fix();
  label_.SetShadowSize(2);
  label_.SetShadowPos(TShadowPosition::spLeftTop);
  label_.SetEnabled(false);
  const auto capture = CaptureClient(label_.Handle());
  const TBox grey = BoxOf(capture, ::GetSysColor(COLOR_GRAYTEXT));
  const TBox highlight = BoxOf(capture, ::GetSysColor(COLOR_BTNHIGHLIGHT));
  ASSERT_GT(highlight.count, 10);
  EXPECT_EQ(highlight.left, grey.left - 2);
  EXPECT_EQ(highlight.top, grey.top - 2);
}

struct PlaceCase {
  TAlignment alignment;
  TTextLayout layout;
  double x;  // where the text's middle is, as a share of the width
  double y;  // and of the height
};

class PlaceTest : public ShadowLabelTest, public ::testing::WithParamInterface<PlaceCase> {};

TEST_P(PlaceTest, PlacesTheTextByAlignmentAndLayout) {
  const auto [alignment, layout, x, y] = GetParam();
  label_.SetAutoSize(false);
  label_.SetShadowSize(0);
  label_.SetBounds({20, 20, 300, 160});
  label_.SetAlignment(alignment);
  label_.SetLayout(layout);
  const auto capture = CaptureClient(label_.Handle());
  const TBox text = BoxOf(capture, kText);
  ASSERT_GT(text.count, 50);
  const int width = text.right - text.left + 1;
  const int height = text.bottom - text.top + 1;
  // The ink of "88" sits within its line; allow for the line's spacing.
  EXPECT_NEAR((text.left + text.right) / 2.0, x * 300 + (0.5 - x) * width, 6);
  EXPECT_NEAR((text.top + text.bottom) / 2.0, y * 160 + (0.5 - y) * height, LineHeight() / 2.0);
}

INSTANTIATE_TEST_SUITE_P(
    Places, PlaceTest,
    ::testing::Values(PlaceCase{TAlignment::taLeftJustify, TTextLayout::tlTop, 0.0, 0.0},
                      PlaceCase{TAlignment::taCenter, TTextLayout::tlCenter, 0.5, 0.5},
                      PlaceCase{TAlignment::taRightJustify, TTextLayout::tlBottom, 1.0, 1.0},
                      PlaceCase{TAlignment::taRightJustify, TTextLayout::tlTop, 1.0, 0.0}));

TEST_F(ShadowLabelTest, TransparencyShowsTheParent) {
  Fix();
  constexpr COLORREF own = RGB(10, 20, 200);
  // Opaque without a colour of its own: the parent's background.
  EXPECT_EQ(CaptureClient(label_.Handle()).At(2, 2), kBackground);
  label_.SetColor(own);
  EXPECT_EQ(CaptureClient(label_.Handle()).At(2, 2), own);
  label_.SetTransparent(true);
  EXPECT_TRUE(label_.Transparent());
  EXPECT_EQ(CaptureClient(label_.Handle()).At(2, 2), kBackground);
}

TEST_F(ShadowLabelTest, AnEmptyCaptionKeepsOneLine) {
  label_.SetCaption(L"Ag");
  const int oneLine = label_.Height();
  EXPECT_EQ(oneLine, LineHeight());
  for (const wchar_t* caption : {L"", L"&"}) {
    label_.SetCaption(caption);
    EXPECT_EQ(label_.Height(), oneLine) << caption;
    EXPECT_GT(label_.Width(), 0) << caption;
  }
}

TEST_F(ShadowLabelTest, AutoSizeCountsTheShadow) {
  label_.SetCaption(L"0:00:05");
  label_.SetShadowSize(0);
  const TBounds plain = label_.Bounds();
  label_.SetShadowPos(TShadowPosition::spRightBottom);
  label_.SetShadowSize(2);
  EXPECT_EQ(label_.Width(), plain.width + 2);
  EXPECT_EQ(label_.Height(), plain.height + 2);
}

TEST_F(ShadowLabelTest, RightAlignedAutoSizeKeepsTheRightEdge) {
  label_.SetAlignment(TAlignment::taRightJustify);
  label_.SetBounds({100, 20, 200, 30});
  label_.SetCaption(L"1");
  const int right = label_.Left() + label_.Width();
  int previousWidth = label_.Width();
  for (const wchar_t* caption : {L"0:00:05", L"23:59:59 i dalej", L"", L"1:00:00"}) {
    label_.SetCaption(caption);
    EXPECT_EQ(label_.Left() + label_.Width(), right) << caption;
    if (caption[0] != 0) {
      EXPECT_NE(label_.Width(), previousWidth) << caption;
    }
    previousWidth = label_.Width();
  }
  // Also with the shadow to the left, whose part beyond the text is clipped.
  label_.SetShadowPos(TShadowPosition::spLeftBottom);
  label_.SetShadowSize(3);
  label_.SetCaption(L"12:00:00");
  EXPECT_EQ(label_.Left() + label_.Width(), right);
}

TEST_F(ShadowLabelTest, LeftAlignedAutoSizeKeepsTheLeftEdge) {
  label_.SetCaption(L"1");
  const int narrow = label_.Width();
  label_.SetCaption(L"1:00:00");
  EXPECT_EQ(label_.Left(), 20);
  EXPECT_GT(label_.Width(), narrow);
}

TEST_F(ShadowLabelTest, WordWrapBreaksWithinTheWidth) {
  label_.SetBounds({20, 20, 140, 20});
  label_.SetWordWrap(true);
  label_.SetCaption(L"jeden dwa trzy cztery");
  EXPECT_GE(label_.Height(), 2 * LineHeight());
  EXPECT_LE(label_.Width(), 140);
  label_.SetWordWrap(false);
  EXPECT_EQ(label_.Height(), LineHeight());
  EXPECT_GT(label_.Width(), 140);
}

TEST_F(ShadowLabelTest, AmpersandsFollowShowAccelChar) {
  label_.SetCaption(L"a&&b");
  const int escaped = label_.Width();
  label_.SetShowAccelChar(false);
  label_.SetCaption(L"a&b");
  EXPECT_EQ(label_.Width(), escaped);
  label_.SetCaption(L"a&&b");
  EXPECT_GT(label_.Width(), escaped);
}

TEST(AccelCharOfTest, FindsTheMarkedCharacter) {
  const struct {
    const wchar_t* caption;
    wchar_t accel;
  } cases[] = {{L"&Plik", L'P'}, {L"Za&kończ", L'k'}, {L"a&&b", 0},     {L"&&&x", L'x'},
               {L"x&", 0},       {L"&a i &b", L'b'}, {L"", 0},          {L"bez", 0}};
  for (const auto& c : cases) EXPECT_EQ(AccelCharOf(c.caption), c.accel) << c.caption;
}

struct AccelCase {
  bool enabled;
  bool showAccel;
  wchar_t key;
  bool focuses;
};

class AccelTest : public ShadowLabelTest, public ::testing::WithParamInterface<AccelCase> {};

TEST_P(AccelTest, AcceleratorFocusesTheFocusControl) {
  const auto [enabled, showAccel, key, focuses] = GetParam();
  TEdit target;
  TButton other;
  ASSERT_TRUE(target.Create(form_, {20, 200, 120, 22}));
  ASSERT_TRUE(other.Create(form_, {20, 240, 80, 25}, L"Inny"));
  label_.SetCaption(L"&Wyjdź");
  label_.SetFocusControl(target);
  label_.SetEnabled(enabled);
  label_.SetShowAccelChar(showAccel);
  other.SetFocus();
  ASSERT_TRUE(other.Focused());
  // Alt and the key, through the message loop's IsDialogMessage.
  MSG msg{};
  msg.hwnd = other.Handle();
  msg.message = WM_SYSCHAR;
  msg.wParam = key;
  msg.lParam = 1 << 29;
  ::IsDialogMessageW(form_.Handle(), &msg);
  EXPECT_EQ(target.Focused(), focuses);
}

INSTANTIATE_TEST_SUITE_P(Keys, AccelTest,
                         ::testing::Values(AccelCase{true, true, L'w', true}, AccelCase{true, true, L'W', true},
                                           AccelCase{true, true, L'y', false}, AccelCase{false, true, L'w', false},
                                           AccelCase{true, false, L'w', false}));

TEST_F(ShadowLabelTest, AFocusControlThatIsGoneCountsAsNone) {
  {
    TEdit target;
    ASSERT_TRUE(target.Create(form_, {20, 200, 120, 22}));
    label_.SetFocusControl(target);
    EXPECT_EQ(label_.FocusControl(), target.Handle());
  }
  EXPECT_EQ(label_.FocusControl(), nullptr);
}

TEST_F(ShadowLabelTest, ShowsFocusWhileTheFocusControlHasIt) {
  Fix();
  TEdit target;
  TButton other;
  ASSERT_TRUE(target.Create(form_, {20, 200, 120, 22}));
  ASSERT_TRUE(other.Create(form_, {20, 240, 80, 25}, L"Inny"));
  label_.SetFocusControl(target);
  label_.SetShowFocus(true);
  other.SetFocus();
  EXPECT_FALSE(label_.FocusControlFocused());
  const auto unfocused = CaptureClient(label_.Handle());
  target.SetFocus();
  EXPECT_TRUE(label_.FocusControlFocused());
  const auto focused = CaptureClient(label_.Handle());
  // The dotted frame is drawn around the text, not over it.
  const TBox text = BoxOf(unfocused, kText);
  int changed = 0;
  for (int y = 0; y < focused.height; ++y) {
    for (int x = 0; x < focused.width; ++x) {
      if (focused.At(x, y) == unfocused.At(x, y)) continue;
      ++changed;
      EXPECT_FALSE(x > text.left && x < text.right && y > text.top && y < text.bottom) << x << "," << y;
    }
  }
  EXPECT_GT(changed, 20);
  other.SetFocus();
  EXPECT_FALSE(label_.FocusControlFocused());
}

class LabelMouseTest : public ShadowLabelTest {
 protected:
  void SetUp() override {
    ShadowLabelTest::SetUp();
    label_.onMouseEnter = [this] { ++entered_; };
    label_.onMouseLeave = [this] { ++left_; };
    label_.onClick = [this] { ++clicked_; };
  }
  void Send(UINT msg, int x, int y, WPARAM keys = 0) {
    ::SendMessageW(label_.Handle(), msg, keys, MAKELPARAM(x, y));
  }
  int entered_ = 0;
  int left_ = 0;
  int clicked_ = 0;
};

TEST_F(LabelMouseTest, RaisesEnterAndLeave) {
  ASSERT_NE(::GetActiveWindow(), nullptr);
  Send(WM_MOUSEMOVE, 3, 3);
  EXPECT_TRUE(label_.MouseInControl());
  Send(WM_MOUSEMOVE, 4, 4);
  EXPECT_EQ(entered_, 1);
  Send(WM_MOUSELEAVE, 0, 0);
  EXPECT_FALSE(label_.MouseInControl());
  EXPECT_EQ(left_, 1);
  Send(WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(left_, 1);
}

TEST_F(LabelMouseTest, ADisabledLabelTakesNoEnter) {
  label_.SetEnabled(false);
  Send(WM_MOUSEMOVE, 3, 3);
  EXPECT_FALSE(label_.MouseInControl());
  EXPECT_EQ(entered_, 0);
}

TEST_F(LabelMouseTest, DisablingTheLabelUnderTheMouseLeaves) {
  Send(WM_MOUSEMOVE, 3, 3);
  label_.SetEnabled(false);
  EXPECT_EQ(left_, 1);
  EXPECT_FALSE(label_.MouseInControl());
}

TEST_F(LabelMouseTest, HoldingTheButtonKeepsItInsideUntilRelease) {
  Send(WM_MOUSEMOVE, 3, 3);
  Send(WM_LBUTTONDOWN, 3, 3, MK_LBUTTON);
  Send(WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(left_, 0);
  EXPECT_TRUE(label_.MouseInControl());
  // Released away from the label (the cursor is far off): no click, and the
  // label finds the mouse gone.
  Send(WM_LBUTTONUP, -50, -50);
  EXPECT_EQ(clicked_, 0);
  EXPECT_EQ(left_, 1);
}

TEST_F(LabelMouseTest, PressAndReleaseOverItClicks) {
  Send(WM_LBUTTONDOWN, 3, 3, MK_LBUTTON);
  Send(WM_LBUTTONUP, 3, 3);
  EXPECT_EQ(clicked_, 1);
}

TEST(DrawTextWithShadowTest, MeasuresTextAndShadowTogether) {
  UniqueMemoryDC dc(::CreateCompatibleDC(nullptr));
  TSelectObject font(dc.Get(), DefaultFont());
  RECT plain{10, 10, 10, 10};
  const int plainHeight = ::DrawTextW(dc.Get(), L"0:00:00", -1, &plain, DT_CALCRECT);
  ASSERT_GT(plainHeight, 0);
  for (const auto position : {TShadowPosition::spLeftTop, TShadowPosition::spLeftBottom,
                              TShadowPosition::spRightBottom, TShadowPosition::spRightTop}) {
    RECT r{10, 10, 10, 10};
    const int height = DrawTextWithShadow(dc.Get(), L"0:00:00", position, 0, 3, DT_CALCRECT, r);
    EXPECT_EQ(height, plainHeight + 3);
    EXPECT_EQ(r.right - r.left, plain.right - plain.left + 3);
    EXPECT_EQ(r.bottom - r.top, plain.bottom - plain.top + 3);
    const POINT offset = ShadowOffset(position, 3);
    EXPECT_EQ(r.left, offset.x < 0 ? 7 : 10);
    EXPECT_EQ(r.top, offset.y < 0 ? 7 : 10);
  }
}

}  // namespace
}  // namespace vorda::controls
