// The program-closed watch: the entry turned into a watch, the polling, the
// hook library's reports and the grace period after the closing.
#include "core/monitor/AppCloseWatch.h"
#include "core/monitor/HookLibrary.h"
#include "core/monitor/ShShared.h"
#include "lang/StringIds.h"
#include "main/Monitoring.h"
#include "main/VordaForm.h"
#include "win/app/Application.h"
#include "win/app/Strings.h"
#include "win/log/MsgLogger.h"
#include "win/monitor/HookLibraryBridge.h"
#include "win/programs/WindowNames.h"
#include "win/settings/StoredTime.h"
#include "win/system/ErrorBox.h"

namespace vorda::app {

using win::LoadStr;

namespace {

constexpr UINT WMCloseWndMessage = 0x040A;

// A top-level window of the class with the title (any title for "?"); titles
// are compared without regard to letter case.
struct TWindowQuery {
  const std::wstring* cls;
  const std::wstring* titleUpper;
  bool found;
};

BOOL CALLBACK FindWatchedWindow(HWND window, LPARAM param) noexcept {
  try {
    auto& query = *reinterpret_cast<TWindowQuery*>(param);
    if (!query.cls->empty() && ::CompareStringOrdinal(win::GetWindowClass(window).c_str(), -1, query.cls->c_str(), -1, TRUE) != CSTR_EQUAL)
      return TRUE;
    if (*query.titleUpper != L"?" && win::UpperCaseName(win::GetWindowTitle(window)) != *query.titleUpper) return TRUE;
    query.found = true;
    return FALSE;
  } catch (...) {
    return FALSE;
  }
}

}  // namespace

bool TVordaForm::StartAppCloseWatch() {
  const std::optional<monitor::TAppWatch> watch =
      monitor::ParseWatchedProgram(cbxMonitoredApp.Text(), cbxMonitoredApp.Items(), SpecPrgTable, win::UpperCaseName);
  if (!watch) {
    win::ShowError(LoadStr(IDS_APP_UNRECOGNISED), false);
    return false;
  }
  FMonType = watch->monType;
  FHookPrg = watch->hookPrg;
  FHookClass = watch->hookClass;
  FClosedWnd.clear();
  // Kept in memory only; stored when the user accepts the advanced options.
  if (watch->special) FSettings->SetExactProgramName(false);

  lblMonitoredAppNameDesc.SetCaption(
      LoadStr(watch->windowClassDescription ? IDS_WAITING_FOR_CLASS : IDS_WAITING_FOR_PROGRAM));
  controls::TFontSpec spec = lblMonitoredAppName.FontSpec();
  spec.SetSize(24);
  lblMonitoredAppName.SetFont(spec);
  FitLabel(lblMonitoredAppName, watch->display, PrgPage.Width() - 4);
  lblMonitoredAppName.SetLeft(PrgPage.Width() / 2 - lblMonitoredAppName.Width() / 2);
  edtLastClosedApp.SetText(L"");
  edtLastClosedApp.SetVisible(false);
  lblLastClosedApp.SetVisible(false);

  if (monitor::IsPollingWatch(FMonType)) {
    FAppWasRunning = false;
    timerWaitForEvent.onTimer = [this] { timerCheckIfAppIsRunning(); };
    timerWaitForEvent.SetInterval(700);
    timerWaitForEvent.SetEnabled(true);
    return true;
  }
  if (!FMonitoring->StartHookWatch(FSettings->WatchInternalWindows())) {
    win::LogEvent(L"Error - InitSH(AppClosed) failed.");
    return false;
  }
  return true;
}

void TVordaForm::timerCheckIfAppIsRunning() {
  TWindowQuery query{&FHookClass, &FHookPrg, false};
  ::EnumWindows(FindWatchedWindow, reinterpret_cast<LPARAM>(&query));
  if (monitor::PollStep(FAppWasRunning, query.found)) OnMonitoredAppClosed();
}

bool TVordaForm::HandleMonitorMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case monitor::WMSH:
      WMSH(wp);
      return true;
    case monitor::WMSHGetMsg:
      WMSHGetMsg(wp);
      return true;
    case monitor::WMSHDetach:
      win::TSHLibrary::Get().ReattachSH(wp);
      return true;
    case WMCloseWndMessage:
      WMCloseWnd(wp, lp);
      return true;
    default:
      return false;
  }
}

void TVordaForm::WMSH(WPARAM wp) {
  if (!cbMonitoredApp.Checked()) return;
  const HWND window = reinterpret_cast<HWND>(wp);
  if (::IsIconic(window)) return;
  const std::wstring title = win::GetWindowTitle(window);
  const std::wstring cls = win::GetWindowClass(window);
  if (win::IsIgnoredWindow(window, Handle(), cls, title)) return;
  if (FMonType == programs::wicWindowClass) {
    edtLastClosedApp.SetText(title);
    FClosedWnd = cls;
  } else {
    FClosedWnd = title;
  }
  ::PostMessageW(Handle(), WMCloseWndMessage, 0, 0);
}

void TVordaForm::WMCloseWnd(WPARAM wp, LPARAM lp) {
  if (wp != 0 || lp != 0) return;
  FClosedWnd = win::UpperCaseName(FClosedWnd);
  if (monitor::IsWatchedProgramClosed(FClosedWnd, FHookPrg, FSettings->ExactProgramName())) {
    OnMonitoredAppClosed();
    return;
  }
  const std::wstring shown = monitor::LastClosedText(FMonType, edtLastClosedApp.Text(), FClosedWnd);
  edtLastClosedApp.SetText(shown);
  const bool visible = monitor::LastClosedVisible(FSettings->WatchInternalWindows(), shown);
  edtLastClosedApp.SetVisible(visible);
  lblLastClosedApp.SetVisible(visible);
}

void TVordaForm::OnMonitoredAppClosed() {
  StopMonitoring();
  const std::int32_t seconds = FSettings->SecToShutdown();
  lblRemainingTime.SetCaption(win::DurationToText(monitor::GracePeriod(seconds)));
  if (seconds > 0) ShowPage(tabTime);
  PrepareAlarm();
}

void TVordaForm::WMSHGetMsg(WPARAM wp) {
  POINT cursor{FLastMousePos.x, FLastMousePos.y};
  if (wp == monitor::kMouseMove) ::GetCursorPos(&cursor);
  const monitor::TInputActivity activity = monitor::InputActivity(
      static_cast<std::uint32_t>(wp), {cursor.x, cursor.y}, {FLastMousePos.x, FLastMousePos.y});
  if (activity.active) FActiveCount = 1;
  FLastMousePos = POINT{activity.lastMousePos.x, activity.lastMousePos.y};
}

}  // namespace vorda::app
