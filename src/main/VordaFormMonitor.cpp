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
#include "win/settings/StoredTime.h"
#include "win/system/ErrorBox.h"

namespace vorda::app {

using win::LoadStr;

namespace {

constexpr UINT WMCloseWndMessage = 0x040A;

std::wstring Upper(std::wstring_view text) {
  std::wstring out(text);
  if (!out.empty()) ::CharUpperBuffW(out.data(), static_cast<DWORD>(out.size()));
  return out;
}

std::wstring TitleOf(HWND window) {
  const int length = ::GetWindowTextLengthW(window);
  if (length <= 0) return {};
  std::wstring title(static_cast<std::size_t>(length) + 1, L'\0');
  const int read = ::GetWindowTextW(window, title.data(), length + 1);
  title.resize(read > 0 ? static_cast<std::size_t>(read) : 0);
  return title;
}

std::wstring ClassOf(HWND window) {
  wchar_t buffer[64] = {};
  const int read = ::GetClassNameW(window, buffer, 64);
  return std::wstring(buffer, read > 0 ? static_cast<std::size_t>(read) : 0);
}

// Windows that never name a program: the program's own, the desktop, the
// untitled ones and the window manager's.
bool IsIgnoredWindow(HWND window, HWND self, const std::wstring& cls, const std::wstring& title) {
  if (window == self || window == win::TApplication::Get().MainWindow()) return true;
  if (Upper(cls) == L"PROGMAN") return true;
  if (title.empty() || title == L" ") return true;
  return cls == L"Dwm";
}

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
    if (!query.cls->empty() && ::CompareStringOrdinal(ClassOf(window).c_str(), -1, query.cls->c_str(), -1, TRUE) != CSTR_EQUAL)
      return TRUE;
    if (*query.titleUpper != L"?" && Upper(TitleOf(window)) != *query.titleUpper) return TRUE;
    query.found = true;
    return FALSE;
  } catch (...) {
    return FALSE;
  }
}

}  // namespace

bool TVordaForm::StartAppCloseWatch() {
  const std::optional<monitor::TAppWatch> watch =
      monitor::ParseWatchedProgram(cbxMonitoredApp.Text(), cbxMonitoredApp.Items(), SpecPrgTable, Upper);
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
  const std::wstring title = TitleOf(window);
  const std::wstring cls = ClassOf(window);
  if (IsIgnoredWindow(window, Handle(), cls, title)) return;
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
  FClosedWnd = Upper(FClosedWnd);
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
