#include "main/AdvencedFrm.h"

#include <commctrl.h>

#include <algorithm>
#include <initializer_list>

#include "core/advanced/AdvancedOptions.h"
#include "core/advanced/Placement.h"
#include "core/settings/TeskSettings.h"
#include "lang/StringIds.h"
#include "win/app/Strings.h"

namespace vorda::app {

using controls::TBounds;
using win::LoadStr;

namespace {

int CALLBACK FontFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;
}

bool FontInstalled(const wchar_t* face) noexcept {
  LOGFONTW lf{};
  lf.lfCharSet = DEFAULT_CHARSET;
  ::lstrcpynW(lf.lfFaceName, face, LF_FACESIZE);
  bool found = false;
  controls::TWindowDC screen(nullptr);
  if (screen.Get()) ::EnumFontFamiliesExW(screen.Get(), &lf, FontFound, reinterpret_cast<LPARAM>(&found), 0);
  return found;
}

// A check box or radio keeps its place but grows to show its whole caption
// when the font at hand is wider than the one its width was made for; it
// stays inside its parent.
void FitToCaption(controls::TControl& control) {
  std::wstring text = control.Caption();
  if (const auto amp = text.find(L'&'); amp != std::wstring::npos) text.erase(amp, 1);
  const int needed = controls::TextWidth(control.Font(), text) + 20;
  RECT parent{};
  ::GetClientRect(control.Parent(), &parent);
  const int room = parent.right - control.Left() - 4;
  if (needed > control.Width()) control.SetWidth(std::min(needed, std::max(room, control.Width())));
}

// A hint for a control: a tooltip window owned by the dialog (the system
// destroys it with the dialog).
void AddHint(HWND dialog, const controls::TControl& control, const std::wstring& text) {
  const HWND tip = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                     CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, dialog, nullptr, nullptr, nullptr);
  if (!tip) return;
  TTTOOLINFOW info{};
  info.cbSize = sizeof(info);
  info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  info.hwnd = dialog;
  info.uId = reinterpret_cast<UINT_PTR>(control.Handle());
  info.lpszText = const_cast<wchar_t*>(text.c_str());
  ::SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

}  // namespace

TAdvencedTeskForm::TAdvencedTeskForm(settings::TTeskSettings& settings) noexcept : FSettings(settings) {}

TAdvencedTeskForm::~TAdvencedTeskForm() {
  if (Handle()) ::DestroyWindow(Handle());
}

bool TAdvencedTeskForm::Create(HWND owner) {
  constexpr DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
  constexpr DWORD exStyle = WS_EX_TOOLWINDOW | WS_EX_CONTROLPARENT | WS_EX_DLGMODALFRAME;
  RECT r{0, 0, kClientWidth, kClientHeight};
  ::AdjustWindowRectEx(&r, style, FALSE, exStyle);
  if (!CreateWindowOf(kClassName, LoadStr(IDS_ADV_CAPTION).c_str(), style, exStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                      r.right - r.left, r.bottom - r.top, owner))
    return false;
  // The controls take the dialog's font when they are made.
  if (FontInstalled(L"MS Sans Serif")) FFont = controls::CreateFontOf(controls::TFontSpec{L"MS Sans Serif", -11});
  TWindow::SetFont(FFont ? FFont.Get() : controls::DefaultFont());
  CreateControls();
  BindEvents();
  FormCreate();
  return true;
}

void TAdvencedTeskForm::CreateControls() {
  const HWND self = Handle();
  rbtnShutdown.Create(self, {4, 4, 103, 17}, LoadStr(IDS_CMD_SHUTDOWN));
  rbtnHibernation.Create(self, {4, 23, 199, 17}, LoadStr(IDS_CMD_HIBERNATION));
  rbtnCloseApp.Create(self, {4, 42, 141, 17}, LoadStr(IDS_CMD_CLOSE_PROGRAM));
  edtCloseApp.Create(self, {20, 59, 221, 21}, controls::TComboStyle::csDropDown);
  edtCloseApp.SetSorted(true);
  edtCloseApp.SetEnabled(false);
  btnCloseAppRefresh.Create(self, {247, 57, 25, 25}, L"F5");
  AddHint(self, btnCloseAppRefresh, LoadStr(IDS_ADV_CLOSE_APP_REFRESH_HINT));
  rbtnOtherAction.Create(self, {4, 83, 126, 17}, LoadStr(IDS_ADV_OTHER_ACTION));
  cbxOtherAction.Create(self, {20, 100, 252, 21}, controls::TComboStyle::csDropDownList);
  std::vector<std::wstring> others;
  for (unsigned id = IDS_CMD_MODEM; id <= IDS_CMD_RESTART; ++id) others.push_back(LoadStr(id));
  cbxOtherAction.SetItems(others);
  cbxOtherAction.SetItemIndex(0);
  cbxOtherAction.SetEnabled(false);

  grAppWindowState.Create(self, {4, 138, 268, 86}, LoadStr(IDS_ADV_WINDOW_STATE_GROUP));
  grAppWindowState.SetTag(2);
  rbtnAppWindowShow.Create(grAppWindowState, {8, 18, 93, 17}, LoadStr(IDS_ADV_WINDOW_SHOW));
  rbtnAppWindowMinimize.Create(grAppWindowState, {155, 18, 70, 17}, LoadStr(IDS_ADV_WINDOW_MINIMIZE));
  rbtnAppWindowHide.Create(grAppWindowState, {8, 37, 217, 17}, LoadStr(IDS_ADV_WINDOW_HIDE));
  rbtnAppWindowShow.SetChecked(true);
  cbMinimizeToTray.Create(grAppWindowState, {8, 60, 152, 17}, LoadStr(IDS_ADV_MINIMIZE_TO_TRAY));
  cbAutoStartup.Create(self, {4, 226, 209, 17}, LoadStr(IDS_ADV_AUTO_STARTUP));

  cbForceShutdown.Create(self, {282, 4, 254, 17}, LoadStr(IDS_ADV_FORCE_SHUTDOWN));
  cbForceShutdown.SetChecked(true);
  groupBeforeCloseSystem.Create(self, {282, 21, 306, 91}, LoadStr(IDS_ADV_BEFORE_CLOSE_GROUP));
  cbNoForceShutdown.Create(groupBeforeCloseSystem, {8, 21, 189, 17}, LoadStr(IDS_ADV_NO_FORCE_SHUTDOWN));
  cbScreenshot.Create(groupBeforeCloseSystem, {8, 44, 203, 17}, LoadStr(IDS_ADV_SCREENSHOT));
  edtScreenshot.Create(groupBeforeCloseSystem, {24, 61, 240, 21});
  edtScreenshot.SetEnabled(false);
  btnScreenshotPath.Create(groupBeforeCloseSystem, {270, 59, 25, 25}, L"...");
  btnScreenshotPath.SetEnabled(false);

  cbSoundWarning.Create(self, {282, 116, 218, 17}, LoadStr(IDS_ADV_SOUND_WARNING));
  Label5.Create(self, {298, 142, 0, 13}, LoadStr(IDS_ADV_ALARM_BEFORE));
  Label5.SetEnabled(false);
  edtAlarmSec.Create(self, {365, 133, 41, 22}, advanced::kAlarmMin, advanced::kAlarmMax, 15);
  edtAlarmSec.SetEnabled(false);
  Label6.Create(self, {408, 142, 0, 13}, LoadStr(IDS_ADV_ALARM_AFTER));
  Label6.SetEnabled(false);
  cbExactAppName.Create(self, {282, 164, 239, 17}, LoadStr(IDS_ADV_EXACT_APP_NAME));
  Label3.Create(self, {282, 192, 0, 13}, LoadStr(IDS_ADV_WAIT));
  edtSecToShutdown.Create(self, {319, 184, 41, 22}, advanced::kSecToShutdownMin, advanced::kSecToShutdownMax, 10);
  Label4.Create(self, {362, 192, 0, 13}, LoadStr(IDS_ADV_WAIT_AFTER));
  cbShowClassNames.Create(self, {282, 210, 243, 17}, LoadStr(IDS_ADV_SHOW_CLASS_NAMES));
  cbWatchInternalWindows.Create(self, {282, 227, 215, 17}, LoadStr(IDS_ADV_WATCH_INTERNAL));

  btnCancel.Create(self, {288, 264, 98, 25}, LoadStr(IDS_ADV_CANCEL));
  btnCancel.SetCancel(true);
  btnOk.Create(self, {402, 264, 201, 25}, LoadStr(IDS_ADV_OK));
  btnOk.SetDefault(true);
  rbtnShutdown.SetChecked(true);
  for (controls::TControl* c : std::initializer_list<controls::TControl*>{
           &rbtnShutdown, &rbtnHibernation, &rbtnCloseApp, &rbtnOtherAction, &rbtnAppWindowShow,
           &rbtnAppWindowMinimize, &rbtnAppWindowHide, &cbMinimizeToTray, &cbAutoStartup, &cbForceShutdown,
           &cbNoForceShutdown, &cbScreenshot, &cbSoundWarning, &cbExactAppName, &cbShowClassNames,
           &cbWatchInternalWindows})
    FitToCaption(*c);
}

bool TAdvencedTeskForm::ShowModal() {
  if (!Handle()) return false;
  const HWND owner = ::GetWindow(Handle(), GW_OWNER);
  FormShow();
  FModalResult = TModalResult::mrNone;
  const bool ownerEnabled = owner && ::IsWindowEnabled(owner);
  if (ownerEnabled) ::EnableWindow(owner, FALSE);
  ::ShowWindow(Handle(), SW_SHOW);
  ::SetForegroundWindow(Handle());
  MSG msg;
  while (FModalResult == TModalResult::mrNone) {
    const BOOL r = ::GetMessageW(&msg, nullptr, 0, 0);
    if (r <= 0) {
      // The program ends: the loop of the application gets its WM_QUIT back.
      if (r == 0) ::PostQuitMessage(static_cast<int>(msg.wParam));
      FModalResult = TModalResult::mrCancel;
      break;
    }
    const HWND root = msg.hwnd ? ::GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    if (root == Handle() && msg.message == WM_KEYDOWN && msg.wParam == VK_F5) {
      actCloseAppRefreshExecute();
      continue;
    }
    if (root && ::IsDialogMessageW(root, &msg)) continue;
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
  // The owner is enabled before the dialog goes, so that it gets the activation back.
  if (ownerEnabled) ::EnableWindow(owner, TRUE);
  ::ShowWindow(Handle(), SW_HIDE);
  FormHide();
  return FModalResult == TModalResult::mrOk;
}

void TAdvencedTeskForm::FormShow() {
  if (advanced::RefreshOnShow(FCloseAppRefreshCount, rbtnCloseApp.Checked())) actCloseAppRefreshExecute();
  const HWND owner = ::GetWindow(Handle(), GW_OWNER);
  RECT self{};
  ::GetWindowRect(Handle(), &self);
  const int width = self.right - self.left;
  const int height = self.bottom - self.top;
  advanced::TFrame frame;
  if (owner) {
    RECT outer{}, client{};
    ::GetWindowRect(owner, &outer);
    ::GetClientRect(owner, &client);
    frame = {outer.left, outer.top, outer.right - outer.left, outer.bottom - outer.top, client.right, client.bottom};
  } else {
    // Without an owner the dialog opens in the middle of the screen.
    const int sw = ::GetSystemMetrics(SM_CXSCREEN), sh = ::GetSystemMetrics(SM_CYSCREEN);
    frame = {sw / 2, (sh - height) / 2, 0, 0, 0, 0};
  }
  const advanced::TPoint p = advanced::DialogPlacement(frame, width, height, ::GetSystemMetrics(SM_CXSCREEN),
                                                       ::GetSystemMetrics(SM_CYSCREEN));
  ::SetWindowPos(Handle(), nullptr, p.x, p.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TAdvencedTeskForm::FormHide() { FCloseAppRefreshCount = 0; }

LRESULT TAdvencedTeskForm::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_CLOSE) {
    // Closing by the frame is a cancel, which puts the saved action back on the main window's label.
    if (FModalResult == TModalResult::mrNone) btnCancelClick();
    return 0;
  }
  return TWindow::HandleMessage(msg, wp, lp);
}

bool ExecuteAdvancedOptions(HWND owner, settings::TTeskSettings& settings, const TAdvancedOptionsHooks& hooks) {
  TAdvencedTeskForm form(settings);
  form.CloseAppListFill = hooks.closeAppListFill;
  if (!form.Create(owner)) return false;
  form.OnCmdChangeHandler = hooks.onCmdChange;
  form.OnClassNamesVisibleChangeHandler = hooks.onClassNamesVisibleChange;
  return form.ShowModal();
}

}  // namespace vorda::app
