#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>
#include <shlwapi.h>

#include <functional>
#include <memory>
#include <string>

#include "TestForm.h"
#include "controls/Button.h"
#include "controls/CheckBox.h"
#include "controls/ComboBox.h"
#include "controls/Edit.h"
#include "controls/GroupBox.h"
#include "controls/ImageButton.h"
#include "controls/ImageList.h"
#include "controls/Label.h"
#include "controls/NumberBox.h"
#include "controls/PageStack.h"
#include "controls/ProgressBar.h"
#include "controls/RadioButton.h"
#include "controls/Timer.h"

namespace vorda::controls {
namespace {

using test::CaptureClient;

constexpr COLORREF kBackground = test::kFormBackground;

class ControlsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ::SetCursorPos(1000, 740);
    ASSERT_NE(form_.Handle(), nullptr);
  }

  // What the message loop does with a key for the form.
  bool PressKey(HWND focus, WPARAM key) {
    MSG msg{};
    msg.hwnd = focus;
    msg.message = WM_KEYDOWN;
    msg.wParam = key;
    msg.lParam = 1;
    return ::IsDialogMessageW(form_.Handle(), &msg) != FALSE;
  }

  // The parent hears of a change of a control as the control tells it.
  static void Notify(const TControl& control, WORD code) {
    ::SendMessageW(control.Parent(), WM_COMMAND, MAKEWPARAM(control.Id(), code),
                   reinterpret_cast<LPARAM>(control.Handle()));
  }

  test::TTestForm& form_ = test::SharedForm();
};

TEST_F(ControlsTest, UsesTheCommonControlsSix) {
  // Only the buttons of the common controls 6 know their ideal size.
  TButton button;
  ASSERT_TRUE(button.Create(form_, {10, 10, 75, 25}, L"OK"));
  SIZE ideal{};
  EXPECT_TRUE(::SendMessageW(button.Handle(), BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal)));
  EXPECT_GT(ideal.cx, 0);
}

TEST_F(ControlsTest, ControlBasicsReadBack) {
  TButton button;
  ASSERT_TRUE(button.Create(form_, {10, 20, 75, 25}, L"Rozpocznij", 300));
  EXPECT_EQ(button.Id(), 300);
  EXPECT_EQ(button.Parent(), form_.Handle());
  EXPECT_EQ(button.Bounds(), (TBounds{10, 20, 75, 25}));
  EXPECT_EQ(button.Caption(), L"Rozpocznij");
  EXPECT_TRUE(button.TabStop());
  EXPECT_TRUE(button.Visible());
  EXPECT_TRUE(button.Enabled());
  EXPECT_EQ(TControl::FromHandle(button.Handle()), &button);

  button.SetBounds({5, 6, 80, 30});
  button.SetCaption(L"Anuluj");
  button.SetTag(4);
  button.SetVisible(false);
  button.SetEnabled(false);
  button.SetTabStop(false);
  EXPECT_EQ(button.Bounds(), (TBounds{5, 6, 80, 30}));
  EXPECT_EQ(button.Text(), L"Anuluj");
  EXPECT_EQ(button.Tag(), 4);
  EXPECT_FALSE(button.Visible());
  EXPECT_FALSE(button.Enabled());
  EXPECT_FALSE(button.TabStop());
  EXPECT_FALSE(button.CanFocus());

  // Moved onto another parent, it keeps its place there.
  TGroupBox group;
  ASSERT_TRUE(group.Create(form_, {100, 100, 200, 100}, L"grupa"));
  button.SetParent(group);
  EXPECT_EQ(button.Parent(), group.Handle());
  EXPECT_EQ(button.Bounds(), (TBounds{5, 6, 80, 30}));
  EXPECT_EQ(group.ClientWidth(), 200);
  EXPECT_EQ(group.ClientHeight(), 100);

  // Controls created without an id get different ones.
  TButton a, b;
  ASSERT_TRUE(a.Create(form_, {}, L"a"));
  ASSERT_TRUE(b.Create(form_, {}, L"b"));
  EXPECT_NE(a.Id(), b.Id());
  EXPECT_NE(a.Id(), IDOK);
  EXPECT_NE(a.Id(), IDCANCEL);
  // Another program's window is no control of ours.
  EXPECT_EQ(TControl::FromHandle(::GetDesktopWindow()), nullptr);
}

TEST_F(ControlsTest, FontsAreTakenFromTheParentOrOwned) {
  TGroupBox group;
  ASSERT_TRUE(group.Create(form_, {10, 10, 200, 100}, L"Czas"));
  EXPECT_EQ(group.Font(), DefaultFont());
  TFontSpec bold = TFontSpec::Of(nullptr);
  bold.bold = true;
  bold.SetSize(12);
  EXPECT_EQ(bold.height, -::MulDiv(12, ScreenDpi(), 72));
  EXPECT_EQ(bold.Size(), 12);
  group.SetFont(bold);
  TCheckBox inside;
  ASSERT_TRUE(inside.Create(group, {8, 20, 100, 17}, L"w grupie"));
  EXPECT_EQ(inside.Font(), group.Font());
  EXPECT_TRUE(inside.FontSpec().bold);
  EXPECT_EQ(inside.FontSpec().height, bold.height);
  EXPECT_EQ(inside.FontSpec().name, bold.name);
}

// A control that records what its parent hands back to it.
class TRecordingControl : public TControl {
 public:
  bool Create(HWND parent) { return CreateControl(L"STATIC", parent, {0, 0, 10, 10}, L"", WS_VISIBLE, 0, 0); }
  std::vector<UINT> reflected;

 protected:
  bool HandleReflected(UINT msg, WPARAM, LPARAM, LRESULT& result) override {
    reflected.push_back(msg);
    result = 7;
    return true;
  }
};

TEST_F(ControlsTest, ChildNotificationsGoBackToTheControl) {
  TRecordingControl control;
  ASSERT_TRUE(control.Create(form_.Handle()));
  HWND child = control.Handle();
  NMHDR header{child, static_cast<UINT_PTR>(control.Id()), 0};
  DRAWITEMSTRUCT item{};
  item.hwndItem = child;
  const struct {
    UINT msg;
    WPARAM wp;
    LPARAM lp;
  } messages[] = {{WM_COMMAND, MAKEWPARAM(control.Id(), STN_CLICKED), reinterpret_cast<LPARAM>(child)},
                  {WM_NOTIFY, static_cast<WPARAM>(control.Id()), reinterpret_cast<LPARAM>(&header)},
                  {WM_CTLCOLORSTATIC, 0, reinterpret_cast<LPARAM>(child)},
                  {WM_CTLCOLOREDIT, 0, reinterpret_cast<LPARAM>(child)},
                  {WM_HSCROLL, SB_LINEDOWN, reinterpret_cast<LPARAM>(child)},
                  {WM_DRAWITEM, static_cast<WPARAM>(control.Id()), reinterpret_cast<LPARAM>(&item)}};
  for (const auto& m : messages) EXPECT_EQ(::SendMessageW(form_.Handle(), m.msg, m.wp, m.lp), 7) << m.msg;
  EXPECT_EQ(control.reflected.size(), std::size(messages));
  // A window that is not a control of ours gets nothing handed back.
  HWND foreign = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 5, 5, form_.Handle(), nullptr, nullptr, nullptr);
  ::SendMessageW(form_.Handle(), WM_COMMAND, MAKEWPARAM(1, STN_CLICKED), reinterpret_cast<LPARAM>(foreign));
  ::DestroyWindow(foreign);
  EXPECT_EQ(control.reflected.size(), std::size(messages));
}

TEST_F(ControlsTest, ButtonClickRaisesOnClick) {
  TButton button;
  ASSERT_TRUE(button.Create(form_, {10, 10, 75, 25}, L"OK"));
  int clicks = 0;
  button.onClick = [&] { ++clicks; };
  ::SendMessageW(button.Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(clicks, 1);
  button.Click();
  EXPECT_EQ(clicks, 2);
}

TEST_F(ControlsTest, EnterAndEscapePressTheVisibleDefaultAndCancelButtons) {
  // As on the main window: start (default) and cancel (cancel and default,
  // hidden), of which one is shown at a time.
  TEdit edit;
  TButton start, cancel;
  ASSERT_TRUE(edit.Create(form_, {10, 10, 100, 22}));
  ASSERT_TRUE(start.Create(form_, {10, 40, 75, 25}, L"Rozpocznij"));
  ASSERT_TRUE(cancel.Create(form_, {90, 40, 75, 25}, L"Anuluj"));
  start.SetDefault(true);
  cancel.SetDefault(true);
  cancel.SetCancel(true);
  cancel.SetVisible(false);
  int started = 0, cancelled = 0;
  start.onClick = [&] { ++started; };
  cancel.onClick = [&] { ++cancelled; };
  edit.SetFocus();

  EXPECT_TRUE(PressKey(edit.Handle(), VK_RETURN));
  EXPECT_EQ(started, 1);
  EXPECT_TRUE(PressKey(edit.Handle(), VK_ESCAPE));
  EXPECT_EQ(cancelled, 0);  // hidden

  start.SetVisible(false);
  cancel.SetVisible(true);
  EXPECT_TRUE(PressKey(edit.Handle(), VK_RETURN));
  EXPECT_TRUE(PressKey(edit.Handle(), VK_ESCAPE));
  EXPECT_EQ(started, 1);
  EXPECT_EQ(cancelled, 2);

  cancel.SetEnabled(false);
  PressKey(edit.Handle(), VK_ESCAPE);
  EXPECT_EQ(cancelled, 2);
}

TEST_F(ControlsTest, CheckBoxClicksAndChecks) {
  TCheckBox box;
  ASSERT_TRUE(box.Create(form_, {10, 10, 150, 17}, L"Auto-uruchomienie"));
  int clicks = 0;
  box.onClick = [&] { ++clicks; };
  ::SendMessageW(box.Handle(), BM_CLICK, 0, 0);
  EXPECT_TRUE(box.Checked());
  EXPECT_EQ(clicks, 1);
  box.SetChecked(true);  // no change, no click
  EXPECT_EQ(clicks, 1);
  box.SetChecked(false);
  EXPECT_FALSE(box.Checked());
  EXPECT_EQ(clicks, 2);
  box.SetGroupStart(true);
  EXPECT_TRUE(box.GroupStart());
}

class RadioTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    // Two groups on one parent: three triggers, then two window states.
    for (int i = 0; i < 5; ++i) {
      ASSERT_TRUE(radio_[i].Create(form_, {10, 10 + 20 * i, 150, 17}, L"wyzwalacz " + std::to_wstring(i + 1)));
      radio_[i].SetTag(i + 1);
      radio_[i].onClick = [this, i] { clicked_ += std::to_string(i + 1); };
    }
    radio_[0].SetGroupStart(true);
    radio_[3].SetGroupStart(true);
  }
  std::string Checked() const {
    std::string checked;
    for (int i = 0; i < 5; ++i) checked += radio_[i].Checked() ? '1' : '0';
    return checked;
  }
  TRadioButton radio_[5];
  std::string clicked_;
};

TEST_F(RadioTest, CheckingOneClearsItsGroupOnly) {
  radio_[3].SetChecked(true);
  radio_[0].SetChecked(true);
  EXPECT_EQ(Checked(), "10010");
  ::SendMessageW(radio_[1].Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(Checked(), "01010");
  ::SendMessageW(radio_[4].Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(Checked(), "01001");
  EXPECT_EQ(clicked_, "4125");
  EXPECT_EQ(radio_[1].Group().size(), 3u);
  EXPECT_EQ(radio_[4].Group().size(), 2u);
  EXPECT_EQ(radio_[4].Tag(), 5);
}

TEST_F(RadioTest, AnAlreadyCheckedButtonRaisesNothing) {
  ::SendMessageW(radio_[2].Handle(), BM_CLICK, 0, 0);
  ::SendMessageW(radio_[2].Handle(), BM_CLICK, 0, 0);
  radio_[2].SetChecked(true);
  EXPECT_EQ(clicked_, "3");
}

TEST_F(RadioTest, OnlyTheCheckedButtonIsATabStop) {
  radio_[1].SetChecked(true);
  EXPECT_TRUE(radio_[1].TabStop());
  radio_[2].SetChecked(true);
  EXPECT_FALSE(radio_[1].TabStop());
  EXPECT_TRUE(radio_[2].TabStop());
}

TEST_F(ControlsTest, FixedListSelectsAsTheUserDoes) {
  TComboBox list;
  ASSERT_TRUE(list.Create(form_, {10, 10, 200, 21}, TComboStyle::csDropDownList));
  list.SetItems({L"Rozłącz połączenie modemowe", L"Wyłącz monitor", L"Uruchom ponownie"});
  int changes = 0, selects = 0;
  list.onChange = [&] { ++changes; };
  list.onSelect = [&] { ++selects; };
  list.SetItemIndex(0);
  EXPECT_EQ(changes, 0);

  ::SendMessageW(list.Handle(), CB_SETCURSEL, 2, 0);
  Notify(list, CBN_SELCHANGE);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(selects, 1);
  EXPECT_EQ(list.ItemIndex(), 2);
  EXPECT_EQ(list.Text(), L"Uruchom ponownie");

  list.SetText(L"wyłącz MONITOR");
  EXPECT_EQ(list.ItemIndex(), 1);
  list.SetText(L"nie ma takiej");
  EXPECT_EQ(list.ItemIndex(), -1);
  EXPECT_EQ(changes, 1);
}

TEST_F(ControlsTest, EditableListFollowsTypingAndChoosing) {
  TComboBox list;
  ASSERT_TRUE(list.Create(form_, {10, 10, 200, 21}));
  list.SetItems({L"Notatnik", L"KO>>Notepad", L"Kalkulator"});
  std::wstring seen;
  int changes = 0;
  list.onChange = [&] {
    ++changes;
    seen = list.Text();
  };
  list.SetText(L"Ka");
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(list.Text(), L"Ka");

  COMBOBOXINFO info{};
  info.cbSize = sizeof(info);
  ASSERT_TRUE(::GetComboBoxInfo(list.Handle(), &info));
  ::SendMessageW(info.hwndItem, EM_SETSEL, 2, 2);
  ::SendMessageW(info.hwndItem, WM_CHAR, L'x', 1);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(seen, L"Kax");

  ::SendMessageW(list.Handle(), CB_SETCURSEL, 1, 0);
  Notify(list, CBN_SELCHANGE);
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(seen, L"KO>>Notepad");
  EXPECT_EQ(list.ItemIndex(), 1);

  // Emptying the list keeps what the user typed.
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(list.Text(), L"KO>>Notepad");
}

TEST_F(ControlsTest, ListItemsSortAndFindWithoutCase) {
  TComboBox list;
  ASSERT_TRUE(list.Create(form_, {10, 10, 200, 21}));
  for (const wchar_t* item : {L"winamp", L"Foobar2000", L"Ążurek", L"azure"}) list.Add(item);
  EXPECT_EQ(list.Items(), (std::vector<std::wstring>{L"winamp", L"Foobar2000", L"Ążurek", L"azure"}));
  list.SetSorted(true);
  EXPECT_EQ(list.Items(), (std::vector<std::wstring>{L"azure", L"Ążurek", L"Foobar2000", L"winamp"}));
  EXPECT_EQ(list.Add(L"Basia"), 2);
  EXPECT_EQ(list.IndexOf(L"FOOBAR2000"), 3);
  EXPECT_EQ(list.IndexOf(L"foobar"), -1);
  list.Delete(0);
  EXPECT_EQ(list.Item(0), L"Ążurek");
  EXPECT_EQ(list.Count(), 4);
}

TEST_F(ControlsTest, ListDropDownWidthAndColour) {
  TComboBox list;
  ASSERT_TRUE(list.Create(form_, {10, 10, 120, 21}));
  EXPECT_EQ(list.Height() < 40, true);  // the closed box, not its list
  list.SetDropDownWidth(300);
  EXPECT_EQ(list.DropDownWidth(), 300);
  EXPECT_FALSE(list.DroppedDown());

  constexpr COLORREF invalid = RGB(255, 224, 224);
  list.SetColor(invalid);
  COMBOBOXINFO info{};
  info.cbSize = sizeof(info);
  ASSERT_TRUE(::GetComboBoxInfo(list.Handle(), &info));
  UniqueMemoryDC dc(::CreateCompatibleDC(nullptr));
  // The edit field asks the box for its colours.
  const auto brush = ::SendMessageW(list.Handle(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc.Get()),
                                    reinterpret_cast<LPARAM>(info.hwndItem));
  LOGBRUSH lb{};
  ASSERT_TRUE(::GetObjectW(reinterpret_cast<HBRUSH>(brush), sizeof(lb), &lb));
  EXPECT_EQ(lb.lbColor, invalid);
  EXPECT_EQ(::GetBkColor(dc.Get()), invalid);
}

TEST_F(ControlsTest, EditReportsChangesAndFocus) {
  TEdit edit;
  ASSERT_TRUE(edit.Create(form_, {10, 10, 200, 21}, L"C:\\Vorda"));
  TButton other;
  ASSERT_TRUE(other.Create(form_, {10, 40, 75, 25}, L"..."));
  int changes = 0, enters = 0, exits = 0;
  edit.onChange = [&] { ++changes; };
  edit.onEnter = [&] { ++enters; };
  edit.onExit = [&] { ++exits; };
  edit.SetText(L"D:\\Programy");
  EXPECT_EQ(changes, 1);
  ::SendMessageW(edit.Handle(), WM_CHAR, L'x', 1);
  EXPECT_EQ(changes, 2);
  edit.SetFocus();
  other.SetFocus();
  EXPECT_EQ(enters, 1);
  EXPECT_EQ(exits, 1);
  edit.SetReadOnly(true);
  EXPECT_TRUE(edit.ReadOnly());
}

TEST_F(ControlsTest, EditColourIsReflectedFromTheParent) {
  TEdit edit;
  ASSERT_TRUE(edit.Create(form_, {10, 10, 200, 21}));
  UniqueMemoryDC dc(::CreateCompatibleDC(nullptr));
  const auto ask = [&] {
    return ::SendMessageW(form_.Handle(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc.Get()),
                          reinterpret_cast<LPARAM>(edit.Handle()));
  };
  ask();
  const COLORREF systemBk = ::GetBkColor(dc.Get());
  edit.SetColor(RGB(224, 255, 224));
  const auto brush = ask();
  LOGBRUSH lb{};
  ASSERT_TRUE(::GetObjectW(reinterpret_cast<HBRUSH>(brush), sizeof(lb), &lb));
  EXPECT_EQ(lb.lbColor, RGB(224, 255, 224));
  EXPECT_EQ(::GetBkColor(dc.Get()), RGB(224, 255, 224));
  edit.SetColor(clBtnFace);
  EXPECT_EQ(reinterpret_cast<HBRUSH>(ask()), ::GetSysColorBrush(COLOR_BTNFACE));
  EXPECT_NE(systemBk, RGB(224, 255, 224));
}

TEST_F(ControlsTest, NumberBoxKeepsToItsRange) {
  TNumberBox box;
  ASSERT_TRUE(box.Create(form_, {10, 10, 41, 22}, 2, 60, 15));
  ASSERT_NE(box.SpinHandle(), nullptr);
  EXPECT_EQ(box.Value(), 15);
  // The spin sits at the right, within the bounds but for the edit's border
  // that it may overlap.
  RECT spin{};
  ::GetWindowRect(box.SpinHandle(), &spin);
  ::MapWindowPoints(nullptr, form_.Handle(), reinterpret_cast<POINT*>(&spin), 2);
  EXPECT_NEAR(spin.right, 10 + 41, 2);
  EXPECT_NEAR(box.Left() + box.Width(), spin.left, 2);
  const struct {
    const wchar_t* text;
    int value;
  } cases[] = {{L"30", 30}, {L"1", 2}, {L"99", 60}, {L"", 2}, {L"abc", 2}, {L"60", 60}, {L"99999999999", 2}};
  for (const auto& c : cases) {
    ::SetWindowTextW(box.Handle(), c.text);
    EXPECT_EQ(box.Value(), c.value) << c.text;
  }
  box.SetValue(100);
  EXPECT_EQ(box.Text(), L"60");
  box.SetRange(0, 119);
  box.SetValue(10);
  EXPECT_EQ(box.Value(), 10);
}

TEST_F(ControlsTest, NumberBoxStepsWithTheArrowKeys) {
  TNumberBox box;
  ASSERT_TRUE(box.Create(form_, {10, 10, 41, 22}, 0, 119, 10));
  int changes = 0;
  box.onChange = [&] { ++changes; };
  box.SetFocus();
  ::SendMessageW(box.Handle(), WM_KEYDOWN, VK_UP, 1);
  EXPECT_EQ(box.Value(), 11);
  EXPECT_GE(changes, 1);
  ::SendMessageW(box.Handle(), WM_KEYDOWN, VK_DOWN, 1);
  ::SendMessageW(box.Handle(), WM_KEYDOWN, VK_DOWN, 1);
  EXPECT_EQ(box.Value(), 9);
}

TEST_F(ControlsTest, NumberBoxWritesItsValueBackWhenLeft) {
  TNumberBox box;
  TButton other;
  ASSERT_TRUE(box.Create(form_, {10, 10, 41, 22}, 2, 60, 15));
  ASSERT_TRUE(other.Create(form_, {10, 40, 75, 25}, L"OK"));
  box.SetFocus();
  ::SetWindowTextW(box.Handle(), L"75");
  other.SetFocus();
  EXPECT_EQ(box.Text(), L"60");
}

TEST_F(ControlsTest, LabelClicksAndColours) {
  TLabel label;
  ASSERT_TRUE(label.Create(form_, {10, 10, 0, 0}, L"<< kliknij tutaj"));
  EXPECT_GT(label.Width(), 0);
  int clicks = 0;
  label.onClick = [&] { ++clicks; };
  ::SendMessageW(label.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
  ::SendMessageW(label.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
  EXPECT_EQ(clicks, 1);

  label.SetFontColor(clRed);
  UniqueMemoryDC dc(::CreateCompatibleDC(nullptr));
  ::SendMessageW(form_.Handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.Get()),
                 reinterpret_cast<LPARAM>(label.Handle()));
  EXPECT_EQ(::GetTextColor(dc.Get()), RGB(255, 0, 0));
}

TEST_F(ControlsTest, LabelAcceleratorFocusesTheNextControl) {
  TLabel label;
  TEdit folder;
  TButton other;
  ASSERT_TRUE(label.Create(form_, {10, 10, 0, 0}, L"&Katalog:"));
  ASSERT_TRUE(folder.Create(form_, {80, 10, 200, 21}));
  ASSERT_TRUE(other.Create(form_, {10, 40, 75, 25}, L"..."));
  other.SetFocus();
  MSG msg{};
  msg.hwnd = other.Handle();
  msg.message = WM_SYSCHAR;
  msg.wParam = L'k';
  msg.lParam = 1 << 29;
  EXPECT_TRUE(::IsDialogMessageW(form_.Handle(), &msg));
  EXPECT_TRUE(folder.Focused());
}

TEST_F(ControlsTest, LabelAutoSizeKeepsTheRightEdgeWhenRightAligned) {
  TLabel label;
  ASSERT_TRUE(label.Create(form_, {100, 10, 0, 0}, L"Elmqvara"));
  label.SetAlignment(TAlignment::taRightJustify);
  const int right = label.Left() + label.Width();
  const int oneLine = label.Height();
  for (const wchar_t* caption : {L"http://www.example.com/[...]", L"", L"E"}) {
    label.SetCaption(caption);
    EXPECT_EQ(label.Left() + label.Width(), right) << caption;
    EXPECT_EQ(label.Height(), oneLine) << caption;
  }
}

// Mouse enter and leave for every kind of control that has them.
struct MouseCase {
  const char* name;
  std::function<std::unique_ptr<TControl>(HWND)> make;
};

class MouseTest : public ControlsTest, public ::testing::WithParamInterface<MouseCase> {};

TEST_P(MouseTest, EnterAndLeaveAreRaisedOnce) {
  auto control = GetParam().make(form_.Handle());
  ASSERT_NE(control, nullptr);
  int entered = 0, left = 0;
  control->onMouseEnter = [&] { ++entered; };
  control->onMouseLeave = [&] { ++left; };
  ::SendMessageW(control->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
  ::SendMessageW(control->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
  EXPECT_EQ(entered, 1);
  EXPECT_TRUE(control->MouseInControl());
  ::SendMessageW(control->Handle(), WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(left, 1);
  EXPECT_FALSE(control->MouseInControl());
}

template <typename T, typename... Args>
std::function<std::unique_ptr<TControl>(HWND)> Maker(Args... args) {
  return [=](HWND parent) -> std::unique_ptr<TControl> {
    auto control = std::make_unique<T>();
    if (!control->Create(parent, TBounds{10, 10, 80, 25}, args...)) return nullptr;
    return control;
  };
}

INSTANTIATE_TEST_SUITE_P(Kinds, MouseTest,
                         ::testing::Values(MouseCase{"Label", Maker<TLabel>(L"<< kliknij tutaj")},
                                           MouseCase{"Button", Maker<TButton>(L"OK")},
                                           MouseCase{"CheckBox", Maker<TCheckBox>(L"pole")},
                                           MouseCase{"ImageButton", Maker<TImageButton>()},
                                           MouseCase{"Edit", Maker<TEdit>(L"tekst")}),
                         [](const auto& info) { return std::string(info.param.name); });

class PageStackTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    ASSERT_TRUE(stack_.Create(form_, {0, 40, 339, 180}));
    for (auto* page : {&options_, &time_, &program_}) ASSERT_TRUE(stack_.AddPage(*page));
    stack_.onChange = [this] { ++changes_; };
  }
  std::string Shown() const {
    std::string shown;
    for (const auto* page : {&options_, &time_, &program_}) shown += page->Visible() ? '1' : '0';
    return shown;
  }
  TPageStack stack_;
  TPage options_, time_, program_;
  int changes_ = 0;
};

TEST_F(PageStackTest, OnlyTheActivePageIsShown) {
  EXPECT_EQ(stack_.PageCount(), 3);
  EXPECT_EQ(stack_.ActivePage(), &options_);
  EXPECT_EQ(Shown(), "100");
  EXPECT_EQ(options_.Bounds(), (TBounds{0, 0, 339, 180}));
  stack_.SetActivePage(time_);
  EXPECT_EQ(Shown(), "010");
  EXPECT_EQ(stack_.ActivePageIndex(), 1);
  stack_.SetActivePage(time_);
  stack_.SetActivePageIndex(2);
  EXPECT_EQ(Shown(), "001");
  EXPECT_EQ(program_.PageIndex(), 2);
  EXPECT_EQ(changes_, 2);
  // A page fills the stack as it changes size.
  stack_.SetBounds({0, 40, 339, 200});
  EXPECT_EQ(program_.Bounds(), (TBounds{0, 0, 339, 200}));
}

TEST_F(PageStackTest, ControlsOnAPageReportToTheirObjects) {
  TButton start;
  TCheckBox check;
  ASSERT_TRUE(start.Create(time_, {10, 10, 75, 25}, L"Rozpocznij"));
  ASSERT_TRUE(check.Create(options_, {10, 10, 75, 17}, L"pole"));
  int clicks = 0;
  start.onClick = [&] { ++clicks; };
  check.onClick = [&] { ++clicks; };
  ::SendMessageW(start.Handle(), BM_CLICK, 0, 0);
  ::SendMessageW(check.Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(clicks, 2);
}

TEST_F(PageStackTest, TheFocusLeavesAHiddenPage) {
  TEdit edit;
  ASSERT_TRUE(edit.Create(options_, {10, 10, 100, 22}));
  edit.SetFocus();
  stack_.SetActivePage(time_);
  EXPECT_FALSE(edit.Focused());
  EXPECT_EQ(::GetFocus(), form_.Handle());
}

TEST_F(PageStackTest, APageLeavesItsStackWhenItGoes) {
  {
    TPage extra;
    ASSERT_TRUE(stack_.AddPage(extra, L"tabInstall1"));
    EXPECT_EQ(extra.Caption(), L"tabInstall1");
    EXPECT_FALSE(stack_.AddPage(extra));
    stack_.SetActivePage(extra);
    EXPECT_EQ(stack_.PageCount(), 4);
  }
  EXPECT_EQ(stack_.PageCount(), 3);
  EXPECT_EQ(stack_.ActivePage(), nullptr);
  stack_.SetActivePage(options_);
  EXPECT_EQ(Shown(), "100");
}

TEST_F(ControlsTest, GroupBoxHoldsItsControls) {
  TGroupBox group;
  ASSERT_TRUE(group.Create(form_, {4, 138, 268, 86}, L"Po wciśnięciu przycisku <Rozpocznij>"));
  TRadioButton show, hide;
  ASSERT_TRUE(show.Create(group, {8, 18, 93, 17}, L"wyświetlaj &okno"));
  ASSERT_TRUE(hide.Create(group, {8, 37, 217, 17}, L"ukryj okno"));
  int clicks = 0;
  hide.onClick = [&] { ++clicks; };
  ::SendMessageW(hide.Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(hide.Bounds(), (TBounds{8, 37, 217, 17}));
  // The frame is drawn: the group's client area is not one plain colour.
  const auto capture = CaptureClient(group.Handle());
  EXPECT_NE(capture.At(0, capture.height - 1), capture.At(capture.width / 2, capture.height / 2));
  group.SetEnabled(false);
  EXPECT_FALSE(show.CanFocus());
}

enum TTestTimer : UINT_PTR { kTimerSec = 1, kTimerWaitForEvent = 2 };

TEST_F(ControlsTest, TimersFireWhileEnabled) {
  TTimer sec(form_, kTimerSec);
  TTimer wait(form_, kTimerWaitForEvent, 700);
  int ticks = 0, waits = 0;
  sec.onTimer = [&] { ++ticks; };
  wait.onTimer = [&] { ++waits; };
  EXPECT_FALSE(sec.Enabled());
  EXPECT_EQ(sec.Interval(), 1000u);
  EXPECT_EQ(wait.Interval(), 700u);
  ::SendMessageW(form_.Handle(), WM_TIMER, kTimerSec, 0);
  EXPECT_EQ(ticks, 0);
  sec.SetEnabled(true);
  ::SendMessageW(form_.Handle(), WM_TIMER, kTimerSec, 0);
  ::SendMessageW(form_.Handle(), WM_TIMER, kTimerWaitForEvent, 0);
  EXPECT_EQ(ticks, 1);
  EXPECT_EQ(waits, 0);
  sec.Stop();
  ::SendMessageW(form_.Handle(), WM_TIMER, kTimerSec, 0);
  EXPECT_EQ(ticks, 1);
}

TEST_F(ControlsTest, ATimerCanBeReArmedFromItsTick) {
  TTimer timer(form_, kTimerSec);
  std::vector<UINT> intervals;
  timer.onTimer = [&] {
    intervals.push_back(timer.Interval());
    if (intervals.size() < 3) {
      timer.Restart(5 + static_cast<UINT>(intervals.size()));
    } else {
      timer.Stop();
    }
  };
  timer.Restart(5);
  EXPECT_TRUE(timer.Enabled());
  MSG msg;
  while (intervals.size() < 3 && ::GetMessageW(&msg, nullptr, 0, 0) > 0) ::DispatchMessageW(&msg);
  EXPECT_EQ(intervals, (std::vector<UINT>{5, 6, 7}));
  EXPECT_FALSE(timer.Enabled());
}

TEST_F(ControlsTest, ATimerOutlivedByItsWindowOrTheOtherWayRound) {
  auto timer = std::make_unique<TTimer>(form_, kTimerSec, 10);
  timer->SetEnabled(true);
  timer.reset();
  ::SendMessageW(form_.Handle(), WM_TIMER, kTimerSec, 0);
  {
    TGroupBox owner;
    ASSERT_TRUE(owner.Create(form_, {0, 0, 50, 50}, L""));
    timer = std::make_unique<TTimer>(owner, kTimerWaitForEvent, 10);
    timer->SetEnabled(true);
  }
  timer->SetEnabled(false);
  EXPECT_FALSE(timer->Enabled());
}

// A square picture of one colour and alpha, premultiplied.
TDib32 Picture(int size, std::uint32_t argb) {
  TDib32 dib = CreateDib32(size, size);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) dib.At(x, y) = argb;
  }
  PremultiplyAlpha(dib);
  return dib;
}

TEST_F(ControlsTest, ImageButtonDrawsItsPictureOverTheParent) {
  TImageButton button;
  ASSERT_TRUE(button.Create(form_, {10, 10, 17, 17}));
  TDib32 opaque = Picture(15, 0xFFFF0000);
  TDib32 half = Picture(15, 0x800000FF);
  button.SetPicture(opaque.bitmap.Get());
  auto capture = CaptureClient(button.Handle());
  EXPECT_EQ(capture.At(1, 1), RGB(255, 0, 0));
  EXPECT_EQ(capture.At(16, 16), kBackground);  // outside the 15 x 15 picture
  button.SetPicture(half.bitmap.Get());
  capture = CaptureClient(button.Handle());
  const COLORREF blended = capture.At(1, 1);
  EXPECT_NEAR(GetBValue(blended), 128, 2);
  EXPECT_NEAR(GetGValue(blended), 64, 2);
  EXPECT_EQ(GetRValue(blended), 0);
  button.SetCenter(true);
  capture = CaptureClient(button.Handle());
  EXPECT_EQ(capture.At(0, 0), kBackground);
  EXPECT_NE(capture.At(1, 1), kBackground);
}

TEST_F(ControlsTest, ImageButtonClicksAndSwapsPicturesOnHover) {
  TImageButton button;
  ASSERT_TRUE(button.Create(form_, {10, 10, 17, 17}));
  TDib32 normal = Picture(15, 0xFF000000);
  TDib32 hot = Picture(15, 0xFFFFFFFF);
  button.SetPicture(normal.bitmap.Get());
  button.onMouseEnter = [&] { button.SetPicture(hot.bitmap.Get()); };
  button.onMouseLeave = [&] { button.SetPicture(normal.bitmap.Get()); };
  int clicks = 0;
  button.onClick = [&] { ++clicks; };
  ::SendMessageW(button.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(button.Picture(), hot.bitmap.Get());
  ::SendMessageW(button.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  ::SendMessageW(button.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(clicks, 1);
  // Released outside: no click.
  ::SendMessageW(button.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  ::SendMessageW(button.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(40, 40));
  EXPECT_EQ(clicks, 1);
  ::SendMessageW(button.Handle(), WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(button.Picture(), normal.bitmap.Get());
}

TEST_F(ControlsTest, ImageListHoldsThirtyTwoBitPictures) {
  TImageList images;
  ASSERT_TRUE(images.Create(16, 16));
  TDib32 red = Picture(16, 0xFFFF0000);
  TDib32 blue = Picture(16, 0xFF0000FF);
  EXPECT_EQ(images.Add(red.bitmap.Get()), 0);
  EXPECT_EQ(images.Add(blue.bitmap.Get()), 1);
  EXPECT_EQ(images.Count(), 2);

  TDib32 target = CreateDib32(20, 20);
  UniqueMemoryDC dc(::CreateCompatibleDC(nullptr));
  {
    TSelectObject select(dc.Get(), target.bitmap.Get());
    EXPECT_TRUE(images.Draw(dc.Get(), 1, 2, 2));
    ::GdiFlush();
  }
  EXPECT_EQ(target.At(5, 5) & 0xFFFFFF, 0x0000FFu);
  EXPECT_EQ(target.At(0, 0) & 0xFFFFFF, 0u);

  TImageList moved = std::move(images);
  EXPECT_EQ(images.Handle(), nullptr);
  EXPECT_EQ(moved.Count(), 2);
  TButton refresh;
  ASSERT_TRUE(refresh.Create(form_, {247, 57, 25, 25}, L""));
  ASSERT_TRUE(refresh.SetImage(moved, 0));
  EXPECT_NE(refresh.Image(), nullptr);
  EXPECT_EQ(reinterpret_cast<HICON>(::SendMessageW(refresh.Handle(), BM_GETIMAGE, IMAGE_ICON, 0)), refresh.Image());
}

TEST_F(ControlsTest, ProgressBarReadsBack) {
  TProgressBar bar;
  ASSERT_TRUE(bar.Create(form_, {10, 10, 200, 16}));
  bar.SetRange(0, 3);
  bar.SetPosition(1);
  bar.StepBy(1);
  EXPECT_EQ(bar.Min(), 0);
  EXPECT_EQ(bar.Max(), 3);
  EXPECT_EQ(bar.Position(), 2);
}

}  // namespace
}  // namespace vorda::controls
