#include "main/AdvencedFrm.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

#include "core/advanced/AdvancedOptions.h"
#include "core/settings/TeskSettings.h"
#include "support/Driver.h"
#include "win/app/Application.h"
#include "win/settings/WinSettingsHost.h"
#include "win/system/FileHelpers.h"
#include "win/system/Paths.h"

namespace vorda::app {
namespace {

using namespace settings;

// A hidden owner that stands for the main window.
class TOwner : public controls::TWindow {
 public:
  bool Create() {
    return CreateWindowOf(L"TAdvancedTestOwner", L"Vorda", WS_OVERLAPPEDWINDOW, 0, 100, 100, 345, 286, nullptr);
  }
};

void Pump() {
  MSG msg;
  while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
}

// What a user does: a click, a choice in a list, typing into a list's field.
void UserClick(const controls::TControl& control) { ::SendMessageW(control.Handle(), BM_CLICK, 0, 0); }
void UserChoose(const controls::TComboBox& box, int index) {
  ::SendMessageW(box.Handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  ::SendMessageW(box.Parent(), WM_COMMAND, MAKEWPARAM(box.Id(), CBN_SELCHANGE), reinterpret_cast<LPARAM>(box.Handle()));
}
void UserType(const controls::TComboBox& box, const wchar_t* text) {
  ::SetWindowTextW(box.Handle(), text);
  ::SendMessageW(box.Parent(), WM_COMMAND, MAKEWPARAM(box.Id(), CBN_EDITCHANGE), reinterpret_cast<LPARAM>(box.Handle()));
}

class AdvancedForm : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    owner = new TOwner;
    ASSERT_TRUE(owner->Create());
  }
  void SetUp() override {
    settings = std::make_unique<TTeskSettings>(win::SettingsHost());
    win::TApplication::Get().SetMainWindow(owner->Handle());
  }
  void TearDown() override { win::TApplication::Get().SetMainWindow(nullptr); }

  // The dialog for the settings as they are now, with its events recorded.
  TAdvencedTeskForm& Open() {
    form = std::make_unique<TAdvencedTeskForm>(*settings);
    form->CloseAppListFill = [this](bool classes, bool exact) {
      fills.push_back({classes, exact});
      return std::vector<std::wstring>{L"Notatnik", L"Kalkulator"};
    };
    EXPECT_TRUE(form->Create(owner->Handle()));
    form->OnCmdChangeHandler = [this](TAdvencedTeskForm& sender, TTeskCommand action, const std::wstring& caption) {
      EXPECT_EQ(&sender, form.get());
      actions.push_back(action);
      label = caption;
    };
    form->OnClassNamesVisibleChangeHandler = [this](controls::TCheckBox& sender, bool state) {
      EXPECT_EQ(&sender, &form->cbShowClassNames);
      classNames.push_back(state);
    };
    return *form;
  }

  static TOwner* owner;  // lives as long as the process
  std::unique_ptr<TTeskSettings> settings;
  std::unique_ptr<TAdvencedTeskForm> form;
  std::vector<TTeskCommand> actions;
  std::wstring label = L"Wyłącz komputer:";
  std::vector<bool> classNames;
  std::vector<std::pair<bool, bool>> fills;
};
TOwner* AdvancedForm::owner = nullptr;

TEST_F(AdvancedForm, IsAToolWindowOfTheGivenClientSizeWithTheCaption) {
  TAdvencedTeskForm& f = Open();
  EXPECT_EQ(test::ClassOf(f.Handle()), L"TAdvencedTeskForm");
  EXPECT_EQ(test::WindowText(f.Handle()), L"Opcje zaawansowane");
  const SIZE client = test::ClientSize(f.Handle());
  EXPECT_EQ(client.cx, 606);
  EXPECT_EQ(client.cy, 292);
  EXPECT_TRUE(::GetWindowLongPtrW(f.Handle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
  EXPECT_EQ(::GetWindow(f.Handle(), GW_OWNER), owner->Handle());
  EXPECT_EQ(f.btnOk.Bounds(), (controls::TBounds{402, 264, 201, 25}));
  EXPECT_EQ(f.edtScreenshot.Bounds(), (controls::TBounds{24, 61, 240, 21}));  // in its group
  EXPECT_EQ(f.edtCloseApp.Left(), 20);
  EXPECT_EQ(f.cbxOtherAction.Count(), 5);
  EXPECT_EQ(f.cbxOtherAction.Item(3), L"Wprowadź komptuer w stan gotowości");
  // The refresh button has its hint.
  HWND tip = nullptr;
  ::EnumThreadWindows(
      ::GetCurrentThreadId(),
      [](HWND w, LPARAM found) -> BOOL {
        if (test::ClassOf(w) != L"tooltips_class32") return TRUE;
        *reinterpret_cast<HWND*>(found) = w;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&tip));
  ASSERT_NE(tip, nullptr);
  EXPECT_EQ(::GetWindow(tip, GW_OWNER), f.Handle());
  wchar_t text[128] = {};
  TTTOOLINFOW info{};
  info.cbSize = sizeof(info);
  info.hwnd = f.Handle();
  info.uId = reinterpret_cast<UINT_PTR>(f.btnCloseAppRefresh.Handle());
  info.lpszText = text;
  ::SendMessageW(tip, TTM_GETTEXTW, std::size(text), reinterpret_cast<LPARAM>(&info));
  EXPECT_STREQ(text, L"Odśwież (listę uruchomionych programów)");
}

TEST_F(AdvancedForm, ChoosingAnActionAndAcceptingWritesTheSettings) {
  TAdvencedTeskForm& f = Open();
  EXPECT_TRUE(f.rbtnShutdown.Checked());
  UserClick(f.rbtnOtherAction);
  EXPECT_TRUE(f.cbxOtherAction.Enabled());
  UserChoose(f.cbxOtherAction, 2);
  EXPECT_EQ(label, L"Wyłącz monitor:");
  UserClick(f.cbAutoStartup);
  UserClick(f.cbSoundWarning);
  EXPECT_TRUE(f.edtAlarmSec.Enabled());
  f.edtAlarmSec.SetValue(30);
  UserClick(f.cbNoForceShutdown);
  EXPECT_FALSE(f.cbForceShutdown.Checked());
  UserClick(f.rbtnAppWindowMinimize);
  ASSERT_TRUE(f.btnOk.Enabled());
  UserClick(f.btnOk);
  EXPECT_EQ(settings->StoredMainAction(), tcmdTurnOffMonitor);
  EXPECT_TRUE(settings->AutoStartup());
  EXPECT_EQ(settings->Alarm(), 30);
  EXPECT_FALSE(settings->Force());
  EXPECT_EQ(settings->AppWindowState(), 1);
  EXPECT_EQ(settings->Screenshot(), L"");
}

struct TOpenCase {
  const char* name;
  std::function<void(TTeskSettings&)> arrange;
  std::function<void(TAdvencedTeskForm&)> check;
  std::function<void(const TTeskSettings&)> afterAccept;
};

class OpenedWith : public AdvancedForm, public testing::WithParamInterface<TOpenCase> {};

TEST_P(OpenedWith, ShowsAndKeeps) {
  GetParam().arrange(*settings);
  TAdvencedTeskForm& f = Open();
  GetParam().check(f);
  UserClick(f.btnOk);
  GetParam().afterAccept(*settings);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, OpenedWith,
    testing::Values(
        TOpenCase{"alarm_zero", [](TTeskSettings& s) { s.SetAlarm(0); },
                  [](TAdvencedTeskForm& f) {
                    EXPECT_FALSE(f.cbSoundWarning.Checked());
                    EXPECT_FALSE(f.edtAlarmSec.Enabled());
                    EXPECT_FALSE(f.Label5.Enabled());
                    EXPECT_EQ(f.edtAlarmSec.Value(), 2);
                  },
                  [](const TTeskSettings& s) { EXPECT_EQ(s.Alarm(), 0); }},
        TOpenCase{"minimise_to_tray",
                  [](TTeskSettings& s) {
                    s.SetAppWindowState(1);
                    s.SetMinimizeToTray(true);
                  },
                  [](TAdvencedTeskForm& f) {
                    EXPECT_TRUE(f.rbtnAppWindowHide.Checked());
                    EXPECT_FALSE(f.rbtnAppWindowMinimize.Enabled());
                    EXPECT_EQ(f.grAppWindowState.Tag(), 2);
                  },
                  [](const TTeskSettings& s) { EXPECT_EQ(s.AppWindowState(), 2); }},
        TOpenCase{"no_hibernation",
                  [](TTeskSettings& s) {
                    s.SetIsHibernationPossible(false);
                    s.SetMainAction(tcmdHibernation);
                  },
                  [](TAdvencedTeskForm& f) {
                    EXPECT_TRUE(f.rbtnOtherAction.Checked());
                    EXPECT_EQ(f.cbxOtherAction.Text(), L"Wprowadź komptuer w stan gotowości");
                    EXPECT_FALSE(f.rbtnHibernation.Enabled());
                  },
                  [](const TTeskSettings& s) { EXPECT_EQ(s.StoredMainAction(), tcmdSuspend); }},
        TOpenCase{"monitor_off", [](TTeskSettings& s) { s.SetMainAction(tcmdTurnOffMonitor); },
                  [](TAdvencedTeskForm& f) {
                    EXPECT_TRUE(f.rbtnOtherAction.Checked());
                    EXPECT_EQ(f.cbxOtherAction.Text(), L"Wyłącz monitor");
                    EXPECT_TRUE(f.cbxOtherAction.Enabled());
                    EXPECT_FALSE(f.edtCloseApp.Enabled());
                  },
                  [](const TTeskSettings& s) { EXPECT_EQ(s.StoredMainAction(), tcmdTurnOffMonitor); }},
        TOpenCase{"screenshot_set", [](TTeskSettings& s) { s.SetScreenshot(L"C:\\shots\\a.bmp"); },
                  [](TAdvencedTeskForm& f) {
                    EXPECT_TRUE(f.cbScreenshot.Checked());
                    EXPECT_TRUE(f.edtScreenshot.Enabled());
                    EXPECT_TRUE(f.btnScreenshotPath.Enabled());
                    EXPECT_EQ(f.edtScreenshot.Text(), L"C:\\shots\\a.bmp");
                  },
                  [](const TTeskSettings& s) { EXPECT_EQ(s.Screenshot(), L"C:\\shots\\a.bmp"); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(AdvancedForm, CloseProgramEntryColoursTheBoxAndGatesAccept) {
  TAdvencedTeskForm& f = Open();
  UserClick(f.rbtnCloseApp);
  EXPECT_TRUE(f.edtCloseApp.Enabled());
  EXPECT_EQ(f.edtCloseApp.Color(), advanced::kEmptyFieldColour);
  EXPECT_FALSE(f.btnOk.Enabled());
  EXPECT_EQ(label, L"Zamknij wybrany program:");
  // The radio filled the list.
  EXPECT_EQ(f.edtCloseApp.Count(), 2);
  EXPECT_EQ(f.edtCloseApp.Item(0), L"Kalkulator");  // sorted
  UserType(f.edtCloseApp, L"?");
  EXPECT_EQ(f.edtCloseApp.Color(), advanced::kInvalidFieldColour);
  EXPECT_FALSE(f.btnOk.Enabled());
  UserChoose(f.edtCloseApp, 1);
  EXPECT_EQ(f.edtCloseApp.Color(), controls::clWindow);
  ASSERT_TRUE(f.btnOk.Enabled());
  UserClick(f.btnOk);
  EXPECT_EQ(settings->StoredMainAction(), tcmdCloseProgram);
  EXPECT_EQ(settings->CloseApp(), L"Notatnik");
}

TEST_F(AdvancedForm, ClassNamesOptionTellsTheMainWindowAndRefillsTheList) {
  TAdvencedTeskForm& f = Open();
  UserClick(f.rbtnCloseApp);
  fills.clear();
  UserClick(f.cbShowClassNames);
  EXPECT_EQ(classNames, std::vector<bool>{true});
  ASSERT_EQ(fills.size(), 1u);
  EXPECT_TRUE(fills[0].first);
  // F5's command: refused while another action is chosen.
  UserClick(f.rbtnShutdown);
  const int count = f.CloseAppRefreshCount();
  f.actCloseAppRefreshExecute();
  EXPECT_EQ(f.CloseAppRefreshCount(), count);
}

TEST_F(AdvancedForm, EmptyScreenshotProposesAFreeNameInDocuments) {
  const std::wstring docs = win::GetSpecialFolder(win::sfMyDocuments);
  ASSERT_FALSE(docs.empty());
  const std::wstring taken = docs + win::GetExeBaseName() + L".jpg";
  { win::UniqueFileHandle f(::CreateFileW(taken.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr)); }
  TAdvencedTeskForm& f = Open();
  ::DeleteFileW(taken.c_str());
  EXPECT_FALSE(f.cbScreenshot.Checked());
  EXPECT_FALSE(f.edtScreenshot.Enabled());
  EXPECT_EQ(f.edtScreenshot.Text(), docs + win::GetExeBaseName() + L"1.jpg");
  // A path without a file name turns the box red and stops accepting.
  UserClick(f.cbScreenshot);
  EXPECT_EQ(f.edtScreenshot.Color(), controls::clWindow);
  f.edtScreenshot.SetText(docs);
  EXPECT_EQ(f.edtScreenshot.Color(), advanced::kInvalidFieldColour);
  EXPECT_FALSE(f.btnOk.Enabled());
}

TEST_F(AdvancedForm, CancelPutsTheSavedActionBackAndLeavesTheSettings) {
  TAdvencedTeskForm& f = Open();
  UserClick(f.rbtnOtherAction);
  UserChoose(f.cbxOtherAction, 2);
  EXPECT_EQ(label, L"Wyłącz monitor:");
  UserClick(f.btnCancel);
  EXPECT_EQ(label, L"Wyłącz komputer:");
  EXPECT_EQ(settings->StoredMainAction(), tcmdShutdownComputer);
}

TEST_F(AdvancedForm, ShowModalAnswersOkOrCancel) {
  TAdvencedTeskForm& f = Open();
  UserClick(f.rbtnOtherAction);
  ::PostMessageW(f.btnOk.Handle(), BM_CLICK, 0, 0);
  EXPECT_TRUE(f.ShowModal());
  EXPECT_FALSE(::IsWindowVisible(f.Handle()));
  EXPECT_TRUE(::IsWindowEnabled(owner->Handle()));
  EXPECT_EQ(settings->StoredMainAction(), tcmdModemDisconnect);
  // Placed under the owner's caption, centred across it.
  RECT o{}, d{};
  ::GetWindowRect(owner->Handle(), &o);
  ::GetWindowRect(f.Handle(), &d);
  EXPECT_EQ(d.left, std::max(0L, o.left + (o.right - o.left) / 2 - (d.right - d.left) / 2));

  UserClick(f.rbtnShutdown);
  ::PostMessageW(f.Handle(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(f.ShowModal());
  EXPECT_EQ(label, L"Rozłącz połączenie modemowe:");
  EXPECT_EQ(settings->StoredMainAction(), tcmdModemDisconnect);
}

// The dialog of this test's own thread: other test programs may show theirs
// at the same time.
HWND OwnDialog() {
  HWND found = nullptr;
  ::EnumThreadWindows(
      ::GetCurrentThreadId(),
      [](HWND window, LPARAM param) -> BOOL {
        wchar_t name[64] = {};
        ::GetClassNameW(window, name, 64);
        if (std::wstring_view(name) != L"TAdvencedTeskForm") return TRUE;
        *reinterpret_cast<HWND*>(param) = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

// Once the dialog is up, a key is pressed in it: the owner gets a message
// posted before the dialog opens and passes the key on.
class TKeyOwner : public controls::TWindow {
 public:
  bool Create() { return CreateWindowOf(L"TAdvancedKeyOwner", L"Vorda", WS_OVERLAPPEDWINDOW, 0, 100, 100, 345, 286, nullptr); }
  static constexpr UINT kPressKey = WM_APP + 1;

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override {
    if (msg == kPressKey) {
      const HWND dialog = OwnDialog();
      if (dialog) ::PostMessageW(dialog, WM_KEYDOWN, wp, 0);
      return 0;
    }
    return TWindow::HandleMessage(msg, wp, lp);
  }
};

TEST_F(AdvancedForm, ExecuteAcceptsWithEnterAndCancelsWithEscape) {
  static TKeyOwner keyOwner;
  ASSERT_TRUE(keyOwner.Handle() || keyOwner.Create());
  TAdvancedOptionsHooks hooks;
  hooks.onCmdChange = [this](TAdvencedTeskForm&, TTeskCommand, const std::wstring& caption) { label = caption; };
  settings->SetAlarm(20);
  ::PostMessageW(keyOwner.Handle(), TKeyOwner::kPressKey, VK_RETURN, 0);
  EXPECT_TRUE(ExecuteAdvancedOptions(keyOwner.Handle(), *settings, hooks));
  EXPECT_EQ(settings->Alarm(), 20);
  EXPECT_EQ(OwnDialog(), nullptr);

  label.clear();
  ::PostMessageW(keyOwner.Handle(), TKeyOwner::kPressKey, VK_ESCAPE, 0);
  EXPECT_FALSE(ExecuteAdvancedOptions(keyOwner.Handle(), *settings, hooks));
  EXPECT_EQ(label, L"Wyłącz komputer:");
}

// Saves a picture of the dialog as advanced-dialog.bmp next to the test, for looking at.
TEST_F(AdvancedForm, Picture) {
  settings->SetAlarm(15);
  settings->SetMainAction(tcmdCloseProgram);
  TAdvencedTeskForm& f = Open();
  ::SetWindowPos(f.Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
  ::UpdateWindow(f.Handle());
  Pump();
  ::Sleep(300);
  Pump();
  const std::wstring path = test::TestExeFolder() + L"advanced-dialog.bmp";
  ASSERT_TRUE(test::CaptureScreen(path));
  // The empty program box is drawn light green on the screen.
  POINT inBox{f.edtCloseApp.Left() + 6, f.edtCloseApp.Top() + 6};
  ::ClientToScreen(f.Handle(), &inBox);
  ::ShowWindow(f.Handle(), SW_HIDE);
  const std::string bmp = test::ReadFileBytes(path);
  ASSERT_GT(bmp.size(), 54u);
  const auto at = [&](size_t offset) { return static_cast<std::uint8_t>(bmp[offset]); };
  const auto le32 = [&](size_t offset) {
    return static_cast<std::int32_t>(at(offset) | at(offset + 1) << 8 | at(offset + 2) << 16 | at(offset + 3) << 24);
  };
  const std::int32_t width = le32(18), height = le32(22);
  ASSERT_TRUE(inBox.x >= 0 && inBox.x < width && inBox.y >= 0 && inBox.y < std::abs(height));
  const size_t stride = (static_cast<size_t>(width) * 3 + 3) & ~size_t{3};
  const size_t row = height > 0 ? static_cast<size_t>(height - 1 - inBox.y) : static_cast<size_t>(inBox.y);
  const size_t pixel = static_cast<size_t>(le32(10)) + row * stride + static_cast<size_t>(inBox.x) * 3;
  ASSERT_LT(pixel + 2, bmp.size());
  EXPECT_EQ(RGB(at(pixel + 2), at(pixel + 1), at(pixel)), advanced::kEmptyFieldColour);
  Pump();
}

}  // namespace
}  // namespace vorda::app
