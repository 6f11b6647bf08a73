#include "main/VordaForm.h"

#include "core/handoff/TeskRecord.h"
#include "core/settings/CommandCaption.h"
#include "lang/StringIds.h"
#include "main/Monitoring.h"
#include "main/resource.h"
#include "win/actions/WinFinalActions.h"
#include "win/app/Application.h"
#include "win/app/Strings.h"
#include "win/log/MsgLogger.h"
#include "win/settings/StoredTime.h"
#include "win/settings/WinSettingsHost.h"

namespace vorda::app {

using controls::TBounds;
using win::LoadStr;

TVordaForm::TVordaForm() : timerSec(*this, tiSecond, 1000), timerWaitForEvent(*this, tiWaitForEvent, 700) {}

TVordaForm::~TVordaForm() = default;

bool TVordaForm::Create() {
  constexpr DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
  constexpr DWORD exStyle = WS_EX_APPWINDOW | WS_EX_CONTROLPARENT;
  RECT r{0, 0, kClientWidth, kClientHeight};
  ::AdjustWindowRectEx(&r, style, FALSE, exStyle);
  HICON icon = ::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_MAINICON));
  if (!CreateWindowOf(kClassName, L"Vorda", style, exStyle, CW_USEDEFAULT, CW_USEDEFAULT, r.right - r.left,
                      r.bottom - r.top, nullptr, icon))
    return false;
  win::TApplication::Get().SetMainWindow(Handle());
  FMonitoring = std::make_unique<TMonitoring>(Handle(), timerWaitForEvent, FActiveCount);
  InitAlarm();

  CreateComponents();
  BindEvents();
  FormCreate();
  return true;
}

void TVordaForm::Show(int showCommand) {
  // A refused start ends without ever showing the window.
  if (!FShowMainForm) return;
  FShown = true;
  ::ShowWindow(Handle(), showCommand);
  ::UpdateWindow(Handle());
}

void TVordaForm::CreateComponents() {
  const HWND self = Handle();

  btnMenu.Create(self, {8, 8, 17, 17});
  lblTip1.Create(self, {30, 9, 110, 16}, LoadStr(IDS_MENU_TIP));
  lblTip1.SetFont(controls::TFontSpec{L"Tahoma", -13, true});
  lblTip1.SetVisible(false);

  // The two labels at the top right keep their right edge at 331.
  auto rightAligned = [self](controls::TLabel& label, int top, const std::wstring& text,
                             const controls::TFontSpec* font) {
    label.Create(self, {0, top, 10, 14}, text);
    if (font) label.SetFont(*font);
    label.SetFontColor(controls::clRed);
    label.SetAlignment(controls::TAlignment::taRightJustify);
    label.FitToText();
    label.SetLeft(331 - label.Width());
  };
  const controls::TFontSpec nameFont{L"Tahoma", -12, true};
  rightAligned(lblProgramName, 2, LoadStr(IDS_PROGRAM_NAME), &nameFont);
  rightAligned(lblCopyright, 18, LoadStr(IDS_COPYRIGHT), nullptr);

  tabctrlMain.Create(self, {0, 34, kClientWidth, 185});
  tabctrlMain.AddPage(tabOptions);
  tabctrlMain.AddPage(tabTime);
  tabctrlMain.AddPage(PrgPage);
  tabctrlButtons.Create(self, {0, 219, kClientWidth, 38});
  tabctrlButtons.SetTabStop(false);
  tabctrlButtons.AddPage(PrgBtnPage);
  btnStart.Create(PrgBtnPage, {127, 6, 85, 25}, LoadStr(IDS_START));
  btnStart.SetDefault(true);
  btnCancel.Create(PrgBtnPage, {127, 6, 85, 25}, LoadStr(IDS_CANCEL));
  btnCancel.SetCancel(true);
  btnCancel.SetVisible(false);

  CreateOptionsPage();
  CreateTimePage();
  CreateProgramPage();
  tabctrlMain.SetActivePage(tabOptions);
  tabctrlButtons.SetActivePage(PrgBtnPage);
}

void TVordaForm::CreateOptionsPage() {
  lblMainEvent.Create(tabOptions, {8, 2, 320, 15}, L"");
  lblMainEvent.SetFont(controls::TFontSpec{L"Tahoma", -11, true});

  struct Radio {
    controls::TRadioButton& button;
    unsigned text;
    int tag;
    int top;
  };
  const Radio radios[] = {
      {cbPeriodOfTime, IDS_TRIGGER_PERIOD, schedule::trPeriodOfTime, 20},
      {cbComputerIdle, IDS_TRIGGER_IDLE, schedule::trComputerIdle, 38},
      {cbTime, IDS_TRIGGER_CLOCK, schedule::trClockTime, 56},
      {cbMonitoredApp, IDS_TRIGGER_PROGRAM, schedule::trMonitoredApp, 74},
      {cbNoSound, IDS_TRIGGER_SILENCE, schedule::trNoSound, 119},
  };
  for (const Radio& r : radios) {
    r.button.Create(tabOptions, {16, r.top, 315, 17}, LoadStr(r.text));
    r.button.SetTag(r.tag);
  }
  cbPeriodOfTime.SetGroupStart(true);

  cbxMonitoredApp.Create(tabOptions, {34, 94, 265, 21});
  btnMonitoredAppRefresh.Create(tabOptions, {303, 93, 23, 23}, L"F5");
  btnMonitoredAppRefresh.SetEnabled(false);

  grTime.Create(tabOptions, {8, 139, 323, 44}, LoadStr(IDS_TIME_GROUP));
  dtpStartTime.Create(tabOptions, 20, 156);
  dtpStartTime.SetFormat(controls::TDateTimePicker99::kDurationFormat);
}

void TVordaForm::CreateTimePage() {
  lblRemainingTimeDesc.Create(tabTime, {0, 14, kClientWidth, 16}, LoadStr(IDS_REMAINING_TIME_DESC));
  lblRemainingTimeDesc.SetAutoSize(false);
  lblRemainingTimeDesc.SetBounds({0, 14, kClientWidth, 16});
  lblRemainingTimeDesc.SetAlignment(controls::TAlignment::taCenter);

  lblRemainingTime.Create(tabTime, {0, 40, kClientWidth, 64});
  lblRemainingTime.SetAutoSize(false);
  lblRemainingTime.SetBounds({0, 40, kClientWidth, 64});
  lblRemainingTime.SetAlignment(controls::TAlignment::taCenter);
  lblRemainingTime.SetLayout(controls::TTextLayout::tlCenter);
  lblRemainingTime.SetFont(controls::TFontSpec{L"Tahoma", -48, true});
  lblRemainingTime.SetFontColor(0x8B4513);  // a dark blue that the shadow lifts off the page
  lblRemainingTime.SetShadowColor(controls::clBtnShadow);
  lblRemainingTime.SetShadowSize(2);
  lblRemainingTime.SetShadowPos(controls::TShadowPosition::spRightBottom);

  lblAppCloseDesc.Create(tabTime, {0, 118, kClientWidth, 16}, LoadStr(IDS_APP_CLOSE_DESC));
  lblAppCloseDesc.SetAutoSize(false);
  lblAppCloseDesc.SetBounds({0, 118, kClientWidth, 16});
  lblAppCloseDesc.SetAlignment(controls::TAlignment::taCenter);
  lblAppClose.Create(tabTime, {0, 138, 100, 20}, L"");
  lblAppClose.SetVisible(false);
}

void TVordaForm::CreateProgramPage() {
  lblMonitoredAppNameDesc.Create(PrgPage, {0, 10, kClientWidth, 16}, L"");
  lblMonitoredAppNameDesc.SetAutoSize(false);
  lblMonitoredAppNameDesc.SetBounds({0, 10, kClientWidth, 16});
  lblMonitoredAppNameDesc.SetAlignment(controls::TAlignment::taCenter);
  lblMonitoredAppName.Create(PrgPage, {0, 30, kClientWidth, 40}, L"");
  lblMonitoredAppName.SetAutoSize(false);
  lblMonitoredAppName.SetBounds({0, 30, kClientWidth, 40});
  lblMonitoredAppName.SetAlignment(controls::TAlignment::taCenter);
  lblMonitoredAppName.SetFont(controls::TFontSpec{L"Tahoma", -32, true});
  lblMainActionDesc.Create(PrgPage, {0, 80, kClientWidth, 16}, L"");
  lblMainActionDesc.SetAutoSize(false);
  lblMainActionDesc.SetBounds({0, 80, kClientWidth, 16});
  lblMainActionDesc.SetAlignment(controls::TAlignment::taCenter);
  lblLastClosedApp.Create(PrgPage, {8, 120, 200, 14}, LoadStr(IDS_LAST_CLOSED_APP));
  edtLastClosedApp.Create(PrgPage, {8, 136, 323, 21});
  edtLastClosedApp.SetReadOnly(true);
}

void TVordaForm::BindEvents() {
  for (controls::TRadioButton* r : {&cbPeriodOfTime, &cbComputerIdle, &cbTime, &cbMonitoredApp, &cbNoSound}) {
    const int tag = static_cast<int>(r->Tag());
    r->onClick = [this, tag] { TriggerClick(tag); };
  }
  cbxMonitoredApp.onChange = [this] { cbxMonitoredAppChange(); };
  cbxMonitoredApp.onSelect = [this] { cbxMonitoredAppChange(); };
  btnMonitoredAppRefresh.onClick = [this] { actMonitoredAppRefreshExecute(true); };
  btnStart.onClick = [this] { btnStartClick(true); };
  btnCancel.onClick = [this] { btnStartClick(true); };
  timerSec.onTimer = [this] { timerSecTimer(); };
}

LRESULT TVordaForm::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  if (HandleMonitorMessage(msg, wp, lp)) return 0;
  if (IsTaskbarButtonCreated(msg)) TaskbarButtonCreated();
  switch (msg) {
    case WM_QUERYENDSESSION:
      if (FFinalActions) FFinalActions->QueryEndSession();
      return TRUE;
    case handoff::kWMTeskParametersUpdate:
      WMTeskParametersUpdate(wp);
      return 0;
    case WM_CLOSE:
      if (!FormCloseQuery()) return 0;
      break;
    case WM_DESTROY:
      FormDestroy();
      timerSec.Stop();
      ReleaseAlarm();
      if (FMonitoring) FMonitoring->Stop();
      win::TApplication::Get().Terminate();
      return 0;
  }
  return controls::TWindow::HandleMessage(msg, wp, lp);
}

}  // namespace vorda::app
